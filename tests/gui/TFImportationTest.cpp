// The import options: headers ticked and the program's unit proposed at every
// showing, the unit chosen in the list, OK or Annuler.
#include "FixturePlateforme.h"
#include "PiloteSaisie.h"

#include "dialogs/TFImportation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace tavelune {
namespace {

using namespace pilote;

class TFImportationTest : public TestPlateforme {
protected:
    Reglages reglages = ReglagesDeDepart();
    TFImportation dialogue{plateforme, reglages};
};

TEST_F(TFImportationTest, PreselectionChoixDeLUniteEtResultat) {
    const struct {
        UNITE_MESURE preselection;
        QString proposee;
        int deplacement; // arrow presses in the unit list: + down, - up
        bool decocher;
        bool ok;
        UNITE_MESURE choisie;
    } cas[] = {
        {{FacteurPouce(), "pouces"}, "Pouce", -1, true, true, {10.0f, "cm"}},
        {{1.0f, "mm"}, "Millimètre", 0, false, true, {1.0f, "mm"}},
        {{10.0f, "cm"}, "Centimètre", +1, false, false, {FacteurPouce(), "pouces"}},
        {{1000.0f, "m"}, "Mètre", -2, false, true, {10.0f, "cm"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.proposee.toStdString());
        dialogue.UniteFichier = c.preselection;
        QString proposee;
        bool entetesCochees = false;
        Scripter<TFImportation>([&](TFImportation& d) {
            proposee = d.CbxListeUnites->currentText();
            entetesCochees = d.CbxEntetes->isChecked();
            if (c.decocher)
                Cliquer(*d.CbxEntetes);
            d.CbxListeUnites->setFocus();
            for (int i = 0; i < std::abs(c.deplacement); ++i)
                QTest::keyClick(d.CbxListeUnites, c.deplacement > 0 ? Qt::Key_Down : Qt::Key_Up);
            QTest::keyClick(&d, Qt::Key_F1);
            Cliquer(c.ok ? *d.BtnOK : *d.BtnAnnuler);
        });
        const int resultat = plateforme.Modal.Executer(dialogue);

        EXPECT_EQ(proposee, c.proposee);
        EXPECT_TRUE(entetesCochees);
        EXPECT_EQ(dialogue.Entetes, !c.decocher);
        EXPECT_EQ(dialogue.UniteFichier, c.choisie);
        EXPECT_EQ(resultat, c.ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(faux.AideEnLigne.Appels().back(), (AppelAide{AppelAide::Genre::Rubrique, 150}));
    }
}

TEST_F(TFImportationTest, LibellesEtUnites) {
    QStringList unites;
    for (int i = 0; i < dialogue.CbxListeUnites->count(); ++i)
        unites << dialogue.CbxListeUnites->itemText(i);
    EXPECT_EQ(unites, (QStringList{"Millimètre", "Centimètre", "Pouce", "Mètre"}));
    EXPECT_EQ(dialogue.windowTitle(), "Importation d'une fiche de débit");
    EXPECT_EQ(dialogue.CbxEntetes->text(), "La première ligne du fichier contient les entêtes");
    EXPECT_TRUE(dialogue.BtnOK->font().bold());
}

} // namespace
} // namespace tavelune
