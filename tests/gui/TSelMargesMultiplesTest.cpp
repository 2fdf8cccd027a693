// The two-margin dialog: each box sets only its own margin, by glass type.
#include "../core/FabriqueDebit.h"
#include "FixturePlateforme.h"
#include "PiloteSaisie.h"

#include "dialogs/TSelMargesMultiples.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace tavelune {
namespace {

using namespace pilote;

using R = ReponseMessage;

class TSelMargesMultiplesTest : public TestPlateforme {
protected:
    TSelMargesMultiplesTest() {
        panneaux = {test::Plaque(2000, 1000, Horizontal, 1, 4)};
        pieces = {test::Piece(1900, 900, Horizontal, 1, 0, 4)};
        dialogue.PiecesSaisies = &pieces;
        dialogue.PanneauxSaisis = &panneaux;
    }

    Reglages reglages = ReglagesDeDepart();
    TSelMargesMultiples dialogue{plateforme, reglages};
    std::vector<TPiece> pieces;
    std::vector<Panneau_p> panneaux;
};

TEST_F(TSelMargesMultiplesTest, ChaqueBoiteNeFixeQueSaMarge) {
    dialogue.MargesJob = {3, 4, 0, 1, 0};
    dialogue.AfficherMargeCourante = true;
    faux.Messages.Repondre(R::Ok);
    struct Etat {
        Marges marges;
        QString longueur, largeur;
    };
    std::vector<Etat> etats;
    QString titre;
    Scripter<TSelMargesMultiples>([&](TSelMargesMultiples& d) {
        titre = d.GpbMarges->title();
        const auto noter = [&] {
            etats.push_back({d.MargesJob, d.EdtMargeL->text(), d.EdtMargeH->text()});
        };
        noter();
        Saisir(*d.EdtMargeL, "50");
        noter();
        Saisir(*d.EdtMargeH, "30");
        noter();
        Saisir(*d.EdtMargeH, "51"); // 900 + 2 x 51 > 1000
        noter();
        Cliquer(*d.BtnOk);
    });

    EXPECT_EQ(plateforme.Modal.Executer(dialogue), QDialog::Accepted);
    EXPECT_EQ(titre, "Valeur de la marge en mm");
    ASSERT_EQ(etats.size(), 4u);
    EXPECT_EQ(etats[0].longueur, "3");
    EXPECT_EQ(etats[0].largeur, "4");
    EXPECT_EQ(etats[1].marges, (Marges{50, 4, 0, 1, 0}));
    EXPECT_EQ(etats[2].marges, (Marges{50, 30, 0, 1, 0}));
    EXPECT_EQ(etats[3].marges, (Marges{50, 0, 0, 1, 0}));
    EXPECT_EQ(etats[3].largeur, "");
    // The empty width box stands for no width margin.
    EXPECT_EQ(dialogue.MargesJob, (Marges{50, 0, 0, 1, 0}));
    ASSERT_EQ(faux.Messages.Affichees().size(), 1u);
    EXPECT_EQ(faux.Messages.Affichees()[0].Texte.substr(0, 34),
              "Valeur non valide pour une marge !");
}

TEST_F(TSelMargesMultiplesTest, DeuxBoitesVidesDemandentConfirmation) {
    dialogue.MargesJob = {3, 4, 0, 1, 0};
    dialogue.AfficherMargeCourante = false;
    faux.Messages.Repondre(R::Non);
    faux.Messages.Repondre(R::Oui);
    bool ouvertApresNon = false;
    Scripter<TSelMargesMultiples>([&](TSelMargesMultiples& d) {
        EXPECT_TRUE(d.EdtMargeL->text().isEmpty());
        EXPECT_TRUE(d.EdtMargeH->text().isEmpty());
        Cliquer(*d.BtnOk);
        ouvertApresNon = d.isVisible();
        Cliquer(*d.BtnOk);
    });

    EXPECT_EQ(plateforme.Modal.Executer(dialogue), QDialog::Accepted);
    EXPECT_TRUE(ouvertApresNon);
    EXPECT_EQ(dialogue.MargesJob, (Marges{0, 0, 0, 1, 0}));
    ASSERT_EQ(faux.Messages.Affichees().size(), 2u);
    EXPECT_EQ(faux.Messages.Affichees()[0].Titre, "Marge non saisies");
}

} // namespace
} // namespace tavelune
