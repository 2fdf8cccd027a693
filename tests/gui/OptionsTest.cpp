// The settings commands of the main window: options and designations, the
// unit, the glass-type list, and which settings files each leaves to be
// written at close.
#include "../core/FabriqueDebit.h"
#include "FixtureFenetre.h"

#include "dialogs/TFOptions.h"
#include "dialogs/TGestTypeVitrages.h"
#include "dialogs/TSelMarge.h"
#include "dialogs/TSelMargesMultiples.h"
#include "dialogs/TSelPanneaux.h"
#include "dialogs/TSelPieces.h"
#include "dialogs/TSelUnite.h"
#include "engine/Optimisation.h"
#include "strings/TextesFixes.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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

TEST_F(OptionsTest, LeChoixDOptimisationEstEcritSeulementApresUnChangement) {
    const struct {
        const char* quoi;
        std::function<void(TFOptions&)> action;
        bool ecrit;
    } cas[] = {
        {"rien", [](TFOptions&) {}, false},
        {"qualité", [](TFOptions& d) { Cliquer(*d.RbtnQualite); }, true},
        {"qualité puis standard",
         [](TFOptions& d) {
             Cliquer(*d.RbtnQualite);
             Cliquer(*d.RbtnStandard);
         },
         false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        TFDebit& f = Demarrer();
        Scripter<TFOptions>([&](TFOptions& d) {
            c.action(d);
            Cliquer(*d.BtnOK);
        });
        Action("OptionsGl").trigger();
        EXPECT_EQ(f.Parametres().Optimisation.Mode,
                  c.ecrit ? ModeOptimisation::Qualite : ModeOptimisation::Standard);
        f.close();
        EXPECT_EQ(Lire(Dossier() / "Optimisation.dat"), c.ecrit ? "mode=qualite\nbudget=1\n" : "");
        // The options themselves were not changed.
        EXPECT_FALSE(fs::exists(Dossier() / "Options.dat"));
        fs::remove(Dossier() / "Optimisation.dat");
        fenetre.reset();
    }
}

// The saved choice computes the plan of a job opened at start-up and is shown
// by the dialog; unchanged, its file is not written again.
TEST_F(OptionsTest, LeChoixEnregistreSertAuPlanEtEstMontre) {
    const std::string enregistre = "budget = 0.5\nmode=qualite\n";
    std::ofstream(Dossier() / "Optimisation.dat") << enregistre;
    Debit job;
    job.PanneauxSaisis = {test::Plaque(3000, 2000)};
    for (int32_t i = 0; i < 5; ++i)
        test::AjouterPiece(job, 1400, 900, "Vitrage");
    TFDebit& f = DemarrerSur("job.deb", job);
    EXPECT_GE(f.Job().Panneaux.size(), 2u);
    EXPECT_TRUE(f.Job().NonPlacees.empty());
    // The search ran apart, under the window that offers to stop it.
    EXPECT_EQ(faux.Long.Textes(), std::vector<std::string>{std::string(fixes::RechercheDePlan)});

    Scripter<TFOptions>([](TFOptions& d) {
        EXPECT_TRUE(d.RbtnQualite->isChecked());
        EXPECT_TRUE(d.EdtBudget->isEnabled());
        EXPECT_EQ(d.EdtBudget->value(), 0.5);
        Cliquer(*d.BtnOK);
    });
    Action("OptionsGl").trigger();
    f.close();
    EXPECT_EQ(Lire(Dossier() / "Optimisation.dat"), enregistre);
}

// Stopped at once, the search leaves the standard plan, whole.
TEST_F(OptionsTest, LaRechercheArreteeGardeLePlanStandard) {
    std::ofstream(Dossier() / "Optimisation.dat") << "mode=qualite\nbudget=30\n";
    faux.Long.Arreter = true;
    Debit job;
    job.PanneauxSaisis = {test::Plaque(100, 100, Indifferent)};
    const std::pair<int32_t, int32_t> cotes[] = {{25, 45}, {65, 25}, {65, 15}, {60, 60}, {35, 50}};
    for (const auto& [longueur, largeur] : cotes)
        test::AjouterPiece(job, longueur, largeur, "Vitrage");
    Debit standard = job;
    Optimisation(standard);
    TFDebit& f = DemarrerSur("cinq.deb", job);
    EXPECT_EQ(f.Job().Panneaux, standard.Panneaux);
    EXPECT_EQ(faux.Long.Textes().size(), 1u);
}

} // namespace
} // namespace tavelune
