// The modification choices: sheets and pieces ticked, margin not, at every
// showing; captions with the designations of the moment.
#include "FixturePlateforme.h"
#include "PiloteSaisie.h"

#include "dialogs/TSelMod.h"

#include <QCheckBox>
#include <QPushButton>

namespace tavelune {
namespace {

using namespace pilote;

class TSelModTest : public TestPlateforme {
protected:
    Reglages reglages = ReglagesDeDepart();
    TSelMod dialogue{plateforme, reglages};
};

TEST_F(TSelModTest, ChaqueAffichageRepartDesPlaquesEtVitragesCoches) {
    std::vector<std::array<bool, 3>> auDepart;
    std::vector<QString> legendes;
    const auto script = [&](bool decocher) {
        Scripter<TSelMod>([&, decocher](TSelMod& d) {
            auDepart.push_back({d.ChbModifPanneaux->isChecked(), d.ChbModifPieces->isChecked(),
                                d.ChbModifMarge->isChecked()});
            legendes.push_back(d.ChbModifPanneaux->text() + "|" + d.ChbModifPieces->text());
            if (decocher) {
                Cliquer(*d.ChbModifPanneaux);
                Cliquer(*d.ChbModifMarge);
            }
            QTest::keyClick(&d, Qt::Key_Escape); // no cancel
            Cliquer(*d.BtnOk);
        });
        plateforme.Modal.Executer(dialogue);
    };

    script(true);
    EXPECT_FALSE(dialogue.ModifPanneaux);
    EXPECT_TRUE(dialogue.ModifPieces);
    EXPECT_TRUE(dialogue.ModifMarge);

    reglages.Options.DesignationPanneaux = "Panneaux";
    reglages.Options.DesignationPieces = "Pièces";
    script(false);
    EXPECT_TRUE(dialogue.ModifPanneaux);
    EXPECT_TRUE(dialogue.ModifPieces);
    EXPECT_FALSE(dialogue.ModifMarge);

    const std::array<bool, 3> attendu{true, true, false};
    EXPECT_EQ(auDepart, (std::vector<std::array<bool, 3>>{attendu, attendu}));
    EXPECT_EQ(legendes, (std::vector<QString>{"Modifier les plaques de verre|Modifier les vitrages",
                                              "Modifier les panneaux|Modifier les pièces"}));
    EXPECT_EQ(dialogue.ChbModifMarge->text(), "Modifier la marge");
}

} // namespace
} // namespace tavelune
