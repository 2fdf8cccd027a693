// The sheet entry dialog driven through its widgets.
#include "../core/FabriqueDebit.h"
#include "FixtureSaisie.h"
#include "PiloteSaisie.h"

#include "dialogs/TSelPanneaux.h"
#include "documents/FichiersReglages.h"

#include <QListWidget>
#include <memory>

namespace tavelune {
namespace {

using namespace pilote;
using test::Piece;
using test::Plaque;
using R = ReponseMessage;

class TSelPanneauxTest : public TestSaisie<TSelPanneaux> {
protected:
    // Gives the dialog the job's lists and prepares it, as the wizard does.
    TSelPanneaux& Preparer(int32_t type, bool modification = false) {
        d.PanneauxSaisis = &debit.PanneauxSaisis;
        d.PiecesSaisies = &debit.PiecesSaisies;
        d.DimPanneaux = &dimensions;
        PreparerSaisie(type, modification);
        return d;
    }
};

TEST_F(TSelPanneauxTest, UnNouveauDebitProposeLaPlaqueParDefautQueTerminerGarde) {
    Preparer(DebitSimple);
    Montrer([](TSelPanneaux& d) {
        EXPECT_EQ(d.windowTitle(), "Sélection des plaques de verre");
        EXPECT_EQ(d.lblLongueur.text(), "Longueur en mm");
        EXPECT_EQ(d.EdtLongueur.text(), "2500");
        EXPECT_EQ(d.EdtLargeur.text(), "1250");
        EXPECT_EQ(d.CbxSens.currentText(), "Horizontal");
        EXPECT_EQ(d.EdtNb.text(), "1");
        EXPECT_EQ(d.EdtCompteur.text(), "1");
        EXPECT_FALSE(d.EdtNb.isEnabled());
        EXPECT_FALSE(d.EdtEpaisseur.isEnabled());
        EXPECT_FALSE(d.BtnPred.isEnabled());
        EXPECT_FALSE(d.BtnSuivant.isEnabled());
        EXPECT_FALSE(d.BtnSupprimer.isEnabled());
        QTest::keyClick(&d, Qt::Key_F1);
        Cliquer(d.BtnTerminer);
    });
    EXPECT_TRUE(d.Termine);
    EXPECT_EQ(faux.AideEnLigne.Appels(),
              (std::vector<AppelAide>{{AppelAide::Genre::Rubrique, 1020}}));
    ASSERT_EQ(debit.PanneauxSaisis.size(), 1u);
    const Panneau_p& p = debit.PanneauxSaisis[0];
    EXPECT_EQ(p.Longueur, 2500);
    EXPECT_EQ(p.Largeur, 1250);
    EXPECT_EQ(p.Surface, 2500 * 1250);
    EXPECT_EQ(p.Rect, (MONRect{0, 1250, 2500, 0}));
    EXPECT_EQ(p.Nb, 1);
    EXPECT_EQ(p.Sens, Horizontal);
    EXPECT_EQ(p.Epaisseur, 10);
    EXPECT_EQ(p.Essence, 0);
}

TEST_F(TSelPanneauxTest, SansSensDesMotifsLaPlaqueEstIndifferente) {
    reglages.Options.SensFil = 0;
    Preparer(DebitSimple);
    Montrer([](TSelPanneaux& d) {
        EXPECT_FALSE(d.CbxSens.isEnabled());
        Cliquer(d.BtnTerminer);
    });
    EXPECT_EQ(debit.PanneauxSaisis.at(0).Sens, Indifferent);
}

TEST_F(TSelPanneauxTest, ChaqueChampLuDansLUniteEstAccepteOuRefuse) {
    const struct {
        UNITE_MESURE unite;
        QLineEdit TSelPanneaux::*edit;
        const char* texte;
        std::string message; // empty: accepted
        const char* affiche; // the box afterwards
        int32_t Panneau_p::*champ;
        int32_t stocke;
    } cas[] = {
        {{10, "cm"}, &TSelPanneaux::EdtLongueur, "12,37", "", "12,37", &Panneau_p::Longueur, 123},
        {{10, "cm"}, &TSelPanneaux::EdtEpaisseur, "0,64", "", "0,64", &Panneau_p::Epaisseur, 6},
        {{1, "mm"},
         &TSelPanneaux::EdtLongueur,
         "6000,5",
         "Valeur non valide pour une longueur !" + Rappel,
         "2500",
         &Panneau_p::Longueur,
         2500},
        {{1, "mm"}, &TSelPanneaux::EdtLongueur, "6000", "", "6000", &Panneau_p::Longueur, 6000},
        {{1, "mm"},
         &TSelPanneaux::EdtLargeur,
         "0,4",
         "Valeur non valide pour une largeur !" + Rappel,
         "100",
         &Panneau_p::Largeur,
         100},
        {{1, "mm"}, &TSelPanneaux::EdtEpaisseur, "149,5", "", "149,5", &Panneau_p::Epaisseur, 150},
        {{1, "mm"},
         &TSelPanneaux::EdtEpaisseur,
         "150",
         "Valeur non valide pour une épaisseur !" + Rappel,
         "",
         &Panneau_p::Epaisseur,
         10},
        {{1, "mm"}, &TSelPanneaux::EdtEpaisseur, "0", "", "0", &Panneau_p::Epaisseur, 0},
        {{1, "mm"},
         &TSelPanneaux::EdtNb,
         "0",
         "Valeur non valide pour un nombre !",
         "1",
         &Panneau_p::Nb,
         1},
        {{1, "mm"},
         &TSelPanneaux::EdtNb,
         "abc",
         "Valeur non valide pour un nombre !",
         "1",
         &Panneau_p::Nb,
         1},
        {{1, "mm"}, &TSelPanneaux::EdtNb, "-2", "", "-2", &Panneau_p::Nb, -2},
    };
    // A narrow default sheet, so that short lengths stay above the width.
    reglages.Options.LargeurDefaut = 100;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        debit.PanneauxSaisis.clear();
        reglages.UniteJob = c.unite;
        Preparer(DebitComplexe);
        if (!c.message.empty())
            faux.Messages.Repondre(R::Ok);
        const std::size_t avant = faux.Messages.Affichees().size();
        QString affiche;
        Montrer([&](TSelPanneaux& d) {
            EXPECT_EQ(d.lblEpaisseur.text(), QString("Epaisseur en ") + c.unite.Nom.c_str());
            Cliquer(d.ChbNbPanneaux);
            Saisir(d.*c.edit, c.texte);
            affiche = (d.*c.edit).text();
            Cliquer(d.BtnTerminer);
        });
        EXPECT_EQ(affiche, c.affiche);
        EXPECT_EQ(debit.PanneauxSaisis.at(0).*c.champ, c.stocke);
        if (c.message.empty()) {
            EXPECT_EQ(faux.Messages.Affichees().size(), avant);
        } else {
            ASSERT_EQ(faux.Messages.Affichees().size(), avant + 1);
            EXPECT_EQ(faux.Messages.Affichees().back(), Refus(c.message));
        }
    }
}

TEST_F(TSelPanneauxTest, UneLargeurAuDelaDeLaLongueurEstRefuseeSansEtreGardee) {
    debit.PanneauxSaisis = {Plaque(2500, 1250), Plaque(3000, 2000)};
    Preparer(DebitSimple);
    faux.Messages.Repondre(R::Ok);
    Montrer([](TSelPanneaux& d) {
        Saisir(d.EdtLargeur, "3000");
        Cliquer(d.BtnSuivant);
        EXPECT_TRUE(d.EdtLargeur.text().isEmpty());
        EXPECT_EQ(d.EdtCompteur.text(), "1");
        // The refused width is not written once a longer length would allow it.
        Saisir(d.EdtLongueur, "3500");
        Cliquer(d.BtnSuivant);
        EXPECT_EQ(d.EdtCompteur.text(), "2");
        Cliquer(d.BtnTerminer);
    });
    EXPECT_EQ(faux.Messages.Affichees().at(0), Refus("Valeur non valide pour une largeur !"));
    EXPECT_EQ(debit.PanneauxSaisis[0].Longueur, 3500);
    EXPECT_EQ(debit.PanneauxSaisis[0].Largeur, 1250);
}

TEST_F(TSelPanneauxTest, UneNouvellePlaqueIntacteQuitteeParPrecedentEstProposeeALaSuppression) {
    const Message question{"Sélection des ",
                           "Vous n'avez apporter aucune modification aux caractéristiques de ce "
                           "plaques de verre. Voulez-vous le conserver ?",
                           IconeMessage::Aucune, BoutonsMessage::OuiNon};
    for (const auto& [reponse, reste] : {std::pair{R::Non, 1u}, std::pair{R::Oui, 2u}}) {
        debit.PanneauxSaisis = {Plaque(3000, 2000)};
        Preparer(DebitSimple);
        faux.Messages.Repondre(reponse);
        Montrer([](TSelPanneaux& d) {
            Cliquer(d.BtnNouveau);
            EXPECT_EQ(d.EdtCompteur.text(), "2");
            EXPECT_EQ(d.EdtLongueur.text(), "2500");
            EXPECT_FALSE(d.BtnNouveau.isEnabled());
            Cliquer(d.BtnPred);
            EXPECT_EQ(d.EdtCompteur.text(), "1");
            EXPECT_EQ(d.EdtLongueur.text(), "3000");
            Cliquer(d.BtnTerminer);
        });
        EXPECT_EQ(faux.Messages.Affichees().back(), question);
        EXPECT_EQ(debit.PanneauxSaisis.size(), reste);
    }
}

TEST_F(TSelPanneauxTest, UnVitrageInconnuEstAjouteALaListeSurOui) {
    const struct {
        R reponse;
        std::vector<std::string> essences;
        int32_t essence;
    } cas[] = {{R::Oui, {"Clair", "Float", "Armé"}, 2}, {R::Non, {"Clair", "Float"}, -1}};
    for (const auto& c : cas) {
        debit.PanneauxSaisis.clear();
        essences = {"Clair", "Float"};
        Preparer(DebitComplexe);
        faux.Messages.Repondre(c.reponse);
        Montrer([](TSelPanneaux& d) {
            EXPECT_EQ(d.CbxEssence.currentText(), "Clair");
            SaisirListe(d.CbxEssence, "Armé");
            Cliquer(d.BtnTerminer);
        });
        EXPECT_EQ(
            faux.Messages.Affichees().back(),
            (Message{"Nouveau vitrage", "Voulez-vous ajouter ce vitrages à la liste des vitrages ?",
                     IconeMessage::Question, BoutonsMessage::OuiNon}));
        EXPECT_EQ(essences, c.essences);
        EXPECT_EQ(d.EssenceAjoutee, c.reponse == R::Oui);
        EXPECT_EQ(d.CbxEssence.count(), static_cast<int>(c.essences.size()));
        EXPECT_EQ(debit.PanneauxSaisis.at(0).Essence, c.essence);
    }
}

TEST_F(TSelPanneauxTest, SupprimerRetireLaPlaqueAfficheeEtMontreLaPrecedente) {
    debit.PanneauxSaisis = {Plaque(3000, 2000), Plaque(2500, 1250), Plaque(2000, 1000)};
    Preparer(DebitSimple);
    Montrer([](TSelPanneaux& d) {
        Cliquer(d.BtnSuivant);
        Cliquer(d.BtnSupprimer);
        EXPECT_EQ(d.EdtCompteur.text(), "1");
        EXPECT_EQ(d.EdtLongueur.text(), "3000");
        EXPECT_TRUE(d.BtnSuivant.isEnabled());
        Cliquer(d.BtnSupprimer);
        EXPECT_EQ(d.EdtLongueur.text(), "2000");
        // The last one gives way to the default sheet.
        Cliquer(d.BtnSupprimer);
        EXPECT_EQ(d.EdtLongueur.text(), "2500");
        Cliquer(d.BtnAnnul);
    });
    EXPECT_FALSE(d.Termine);
    ASSERT_EQ(debit.PanneauxSaisis.size(), 1u);
    EXPECT_EQ(debit.PanneauxSaisis[0].Longueur, 2500);
}

TEST_F(TSelPanneauxTest, EnModificationUnePlaqueQuiNeTientPlusLesVitragesEstRefusee) {
    const Message refus = Refus("Modification non valide pour ce plaque de verre car une au "
                                "moins des vitrages que vous avez déterminé ne peut plus être "
                                "insérée dans aucun plaque de verre !");
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    debit.PiecesSaisies = {Piece(1000, 500), Piece(2000, 1000)};
    Preparer(DebitSimple, true);
    faux.Messages.Repondre(R::Ok);
    EXPECT_EQ(Montrer([](TSelPanneaux& d) {
                  Saisir(d.EdtLongueur, "1500");
                  Cliquer(d.BtnTerminer);
                  EXPECT_TRUE(d.isVisible());
                  Saisir(d.EdtLongueur, "2000");
                  Cliquer(d.BtnTerminer);
              }),
              QDialog::Accepted);
    EXPECT_EQ(faux.Messages.Affichees(), std::vector<Message>{refus});
    EXPECT_EQ(debit.PanneauxSaisis[0].Longueur, 2000);

    // A new sheet of the piece's direction leaves only such sheets to the piece:
    // finishing on it is checked too.
    debit.PanneauxSaisis = {Plaque(3000, 2000, Indifferent)};
    debit.PiecesSaisies = {Piece(2800, 1500, Horizontal)};
    Preparer(DebitSimple, true);
    faux.Messages.Repondre(R::Ok);
    Montrer([](TSelPanneaux& d) {
        Cliquer(d.BtnNouveau);
        Cliquer(d.BtnTerminer);
        EXPECT_TRUE(d.isVisible());
        Cliquer(d.BtnAnnul);
    });
    EXPECT_EQ(faux.Messages.Affichees().back(), refus);
    EXPECT_FALSE(d.Termine);
}

TEST_F(TSelPanneauxTest, LeClicDroitChoisitUneDimensionDeLaListe) {
    dimensions = {{3000, 2000, 10, DebitSimple},
                  {2500, 1800, 10, DebitSimple},
                  {2500, 1250, 10, DebitSimple}};
    Preparer(DebitSimple);
    Montrer([this](TSelPanneaux& d) {
        Scripter<TGestDimensions>([](TGestDimensions& g) {
            EXPECT_TRUE(g.ModeSelection);
            EXPECT_EQ(g.LbDimensions.currentRow(), 2);
            g.LbDimensions.setCurrentRow(1);
            emit g.LbDimensions.itemClicked(g.LbDimensions.item(1));
            Cliquer(g.BtnOK);
        });
        ClicDroit(d.EdtLongueur);
        EXPECT_EQ(d.EdtLongueur.text(), "2500");
        EXPECT_EQ(d.EdtLargeur.text(), "1800");
        EXPECT_FALSE(d.DimensionsModifiees);
        Scripter<TGestDimensions>([](TGestDimensions& g) {
            Saisir(g.EdtLongueur, "2100");
            Saisir(g.EdtLargeur, "1100");
            Cliquer(g.BtnOK);
        });
        ClicDroit(d.EdtLargeur);
        Cliquer(d.BtnTerminer);
    });
    EXPECT_TRUE(d.DimensionsModifiees);
    EXPECT_EQ(dimensions.back(), (DIMENSIONS{2100, 1100, 10, DebitSimple}));
    EXPECT_EQ(debit.PanneauxSaisis.at(0).Longueur, 2100);
    EXPECT_EQ(debit.PanneauxSaisis.at(0).Largeur, 1100);
}

} // namespace
} // namespace tavelune
