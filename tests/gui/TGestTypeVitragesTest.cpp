// The glass-type manager: additions without duplicates, deletions, and the
// byte-order sort of the list only after a change.
#include "FixturePlateforme.h"
#include "PiloteSaisie.h"

#include "dialogs/TGestTypeVitrages.h"

#include <QListWidget>
#include <QPushButton>

namespace tavelune {
namespace {

using namespace pilote;

using Noms = std::vector<std::string>;

class TGestTypeVitragesTest : public TestPlateforme {
protected:
    Reglages reglages = ReglagesDeDepart();
    TGestTypeVitrages dialogue{plateforme, reglages};
};

// Adds each name in turn.
std::function<void(TGestTypeVitrages&)> Ajouter(Noms noms) {
    return [noms](TGestTypeVitrages& d) {
        for (const std::string& nom : noms) {
            Saisir(*d.EdtEssence, QString::fromStdString(nom));
            Cliquer(*d.BtnAjouter);
        }
    };
}

// Deletes the first row until the list box is empty.
void ToutSupprimer(TGestTypeVitrages& d) {
    while (d.LbEssence->count() > 0) {
        QListWidgetItem* ligne = d.LbEssence->item(0);
        QTest::mouseClick(d.LbEssence->viewport(), Qt::LeftButton, {},
                          d.LbEssence->visualItemRect(ligne).center());
        ASSERT_TRUE(d.BtnSupprimer->isEnabled());
        Cliquer(*d.BtnSupprimer);
    }
}

TEST_F(TGestTypeVitragesTest, AjoutsSuppressionsEtTriOrdinal) {
    const struct {
        const char* quoi;
        Noms avant;
        std::function<void(TGestTypeVitrages&)> action;
        Noms apres;
        bool modifie;
    } cas[] = {
        {"ajout", {"Armé", "Clair"}, Ajouter({"Float"}), {"Armé", "Clair", "Float"}, true},
        {"minuscule après les capitales",
         {"Armé", "Clair", "Float"},
         Ajouter({"clair"}),
         {"Armé", "Clair", "Float", "clair"},
         true},
        {"accents après z, en octets Windows-1252",
         {"zinc", "éclat"},
         Ajouter({"Œil", "Z"}),
         {"Z", "zinc", "Œil", "éclat"},
         true},
        {"doublon ignoré", {"Clair", "Armé"}, Ajouter({"Clair"}), {"Clair", "Armé"}, false},
        {"sans changement pas de tri", {"b", "A"}, [](TGestTypeVitrages&) {}, {"b", "A"}, false},
        {"tout supprimer", {"Armé", "Clair"}, ToutSupprimer, {}, true},
        {"liste vide", {}, Ajouter({"Float"}), {"Float"}, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        dialogue.Essences = c.avant;
        Scripter<TGestTypeVitrages>([&](TGestTypeVitrages& d) {
            c.action(d);
            Cliquer(*d.BtnOK);
        });
        EXPECT_EQ(plateforme.Modal.Executer(dialogue), QDialog::Accepted);
        EXPECT_EQ(dialogue.Essences, c.apres);
        EXPECT_EQ(dialogue.Modifie, c.modifie);
    }
}

TEST_F(TGestTypeVitragesTest, EtatDesBoutons) {
    dialogue.Essences = {"Armé", "Clair"};
    Scripter<TGestTypeVitrages>([](TGestTypeVitrages& d) {
        EXPECT_EQ(d.EdtEssence->text(), "Armé");
        EXPECT_EQ(d.LbEssence->currentRow(), 0);
        EXPECT_TRUE(d.BtnAjouter->isEnabled());
        EXPECT_TRUE(d.BtnSupprimer->isEnabled());
        Saisir(*d.EdtEssence, "Feuilleté");
        EXPECT_TRUE(d.BtnAjouter->isEnabled());
        EXPECT_FALSE(d.BtnSupprimer->isEnabled());
        Saisir(*d.EdtEssence, "");
        EXPECT_FALSE(d.BtnAjouter->isEnabled());
        EXPECT_FALSE(d.BtnSupprimer->isEnabled());
        QTest::keyClick(&d, Qt::Key_Escape); // only OK closes
        EXPECT_TRUE(d.isVisible());
        Cliquer(*d.BtnOK);
    });
    plateforme.Modal.Executer(dialogue);

    dialogue.Essences = {};
    Scripter<TGestTypeVitrages>([](TGestTypeVitrages& d) {
        EXPECT_EQ(d.LbEssence->count(), 0);
        EXPECT_FALSE(d.BtnAjouter->isEnabled());
        EXPECT_FALSE(d.BtnSupprimer->isEnabled());
        Cliquer(*d.BtnOK);
    });
    plateforme.Modal.Executer(dialogue);
    EXPECT_EQ(dialogue.windowTitle(), "Gestionnaire des vitrages");
}

} // namespace
} // namespace tavelune
