// The settings commands of the main window: options and designations, the
// unit, the glass-type list, and which settings files each leaves to be
// written at close.
#include "FixtureFenetre.h"

#include "dialogs/TFOptions.h"
#include "dialogs/TGestTypeVitrages.h"
#include "dialogs/TSelMarge.h"
#include "dialogs/TSelMargesMultiples.h"
#include "dialogs/TSelPanneaux.h"
#include "dialogs/TSelPieces.h"
#include "dialogs/TSelUnite.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavelune {
namespace {

using namespace pilote;

class OptionsTest : public TestFenetre {};

TEST_F(OptionsTest, LesDesignationsChangentLesBoutonsDeVueAussitot) {
    TFDebit& f = Demarrer();
    const QString longue = "Plaquesdeverrefeuill"; // 20 characters
    Scripter<TFOptions>([&](TFOptions& d) {
        Saisir(*d.EdtDesignationPanneau, longue);
        Saisir(*d.EdtDesignationPiece, "Carreau");
        Cliquer(*d.BtnOK);
    });
    Action("OptionsGl").trigger();

    EXPECT_TRUE(Bouton("SBtnPanneaux").text().endsWith("..."));
    EXPECT_LT(Bouton("SBtnPanneaux").text().size(), longue.size());
    EXPECT_EQ(Bouton("SBtnPanneaux").toolTip(), longue);
    EXPECT_EQ(Bouton("SBtnPieces").text(), "Carreau");
    EXPECT_EQ(Bouton("SBtnPieces").toolTip(), "Carreau");
    EXPECT_EQ(f.Parametres().Options.DesignationPieces, "Carreaus");
    // Captions built at start-up keep the designations of the start.
    EXPECT_EQ(Dialogue<TSelPieces>().windowTitle(), "Sélection des vitrages");

    Scripter<TFOptions>([](TFOptions& d) {
        Cliquer(*d.BtnParamDefaut);
        Cliquer(*d.BtnOK);
    });
    Action("OptionsGl").trigger();
    EXPECT_EQ(Bouton("SBtnPanneaux").text(), "Pla...");
    EXPECT_EQ(Bouton("SBtnPanneaux").toolTip(), "Plaque de verre");
    EXPECT_EQ(Bouton("SBtnPieces").text(), "Vitrage");
    EXPECT_EQ(Bouton("SBtnPieces").toolTip(), "Vitrage");
    f.close();
    EXPECT_FALSE(fs::exists(Dossier() / "Options.dat"));
}

TEST_F(OptionsTest, UneDesignationChangeeEstEcriteALaFermeture) {
    TFDebit& f = Demarrer();
    Scripter<TFOptions>([](TFOptions& d) {
        Saisir(*d.EdtDesignationPiece, "Carreau");
        Cliquer(*d.BtnOK);
    });
    Action("OptionsGl").trigger();
    f.close();
    EXPECT_TRUE(fs::exists(Dossier() / "Options.dat"));
}

TEST_F(OptionsTest, LUniteRenommeLesLibellesDesDialoguesDeSaisie) {
    Demarrer();
    Scripter<TSelUnite>([](TSelUnite& d) {
        d.RbtnCentimetre.click();
        d.BtnOk.click();
    });
    Action("Unites").trigger();

    // None of them was shown: the command relabelled them.
    const auto libelles = [](const auto& d) {
        return std::vector<QString>{d.lblLongueur.text(), d.lblLargeur.text(),
                                    d.lblEpaisseur.text()};
    };
    const std::vector<QString> enCm{"Longueur en cm", "Largeur en cm", "Epaisseur en cm"};
    EXPECT_EQ(libelles(Dialogue<TSelPanneaux>()), enCm);
    EXPECT_EQ(libelles(Dialogue<TSelPieces>()), enCm);
    EXPECT_EQ(Dialogue<TSelMarge>().LblMarge->text(), "Valeur de la marge en cm");
    EXPECT_EQ(Dialogue<TSelMargesMultiples>().GpbMarges->title(), "Valeur de la marge en cm");
}

TEST_F(OptionsTest, LaListeDesVitragesEstEcriteSeulementApresUnChangement) {
    for (const bool ajout : {true, false}) {
        SCOPED_TRACE(ajout);
        fs::remove(Dossier() / "FVitrages.dat");
        TFDebit& f = Demarrer();
        Scripter<TGestTypeVitrages>([=](TGestTypeVitrages& d) {
            if (ajout) {
                Taper(*d.EdtEssence, "Float");
                d.BtnAjouter->click();
            }
            d.BtnOK->click();
        });
        Action("GestionnaireDesTypesVitrages").trigger();
        EXPECT_EQ(f.Parametres().Essences,
                  ajout ? std::vector<std::string>{"Float"} : std::vector<std::string>{});
        f.close();
        EXPECT_EQ(fs::exists(Dossier() / "FVitrages.dat"), ajout);
        fenetre.reset();
    }
}

} // namespace
} // namespace tavelune
