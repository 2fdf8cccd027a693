// The piece entry dialog driven through its widgets, against entered sheets.
#include "../core/FabriqueDebit.h"
#include "FixtureSaisie.h"
#include "PiloteSaisie.h"

#include "dialogs/TSelPieces.h"
#include "documents/FichiersReglages.h"
#include "strings/Texte.h"

#include <QListWidget>

namespace tavelune {
namespace {

using namespace pilote;
using R = ReponseMessage;

const std::string PieceInvalide =
    "Vous devez saisir des caractéristiques valides pour la vitrage, c'est à dire, permettant son "
    "insertion dans au moins l'un des plaques de verre que vous avez sélectionnés !";

// Thickness and glass type first: what most cases vary.
Panneau_p Plaque(int32_t longueur, int32_t largeur, int32_t epaisseur = 10, int32_t essence = 0,
                 int32_t sens = Horizontal) {
    return test::Plaque(longueur, largeur, sens, 1, epaisseur, essence);
}

void Remplir(TSelPieces& d, const char* longueur, const char* largeur) {
    Saisir(d.EdtLongueur, longueur);
    Saisir(d.EdtLargeur, largeur);
}

class TSelPiecesTest : public TestSaisie<TSelPieces> {
protected:
    // Gives the dialog the job's lists and prepares it, as the wizard does.
    void Preparer(int32_t type, bool modification = false) {
        d.PiecesSaisies = &debit.PiecesSaisies;
        d.Designations = &debit.Designations;
        d.References = &debit.References;
        d.PanneauxSaisis = &debit.PanneauxSaisis;
        d.DimPieces = &dimensions;
        PreparerSaisie(type, modification);
    }
    // A job with its pieces already entered.
    void Pieces(std::initializer_list<std::pair<int32_t, int32_t>> cotes) {
        for (const auto& [longueur, largeur] : cotes)
            test::AjouterPiece(debit, longueur, largeur, "Vitrage");
    }
};

TEST_F(TSelPiecesTest, LesPiecesNouvellesSontNumeroteesEtLaDerniereVideEstRetiree) {
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    Preparer(DebitSimple);
    EXPECT_EQ(Montrer([this](TSelPieces& d) {
                  EXPECT_EQ(d.windowTitle(), "Sélection des vitrages");
                  EXPECT_EQ(d.EdtDesignation.text(), "Vitrage1");
                  EXPECT_EQ(d.EdtReference.text(), "a");
                  EXPECT_TRUE(d.EdtLongueur.text().isEmpty());
                  QTest::keyClick(&d, Qt::Key_F1);
                  Remplir(d, "1000", "500");
                  Cliquer(d.BtnNouveau);
                  EXPECT_EQ(d.EdtDesignation.text(), "Vitrage2");
                  EXPECT_EQ(d.EdtReference.text(), "b");
                  EXPECT_EQ(d.EdtCompteur.text(), "2");
                  EXPECT_FALSE(d.BtnNouveau.isEnabled());
                  // Once the second piece has a side, a third one can follow.
                  Saisir(d.EdtLongueur, "800");
                  EXPECT_TRUE(d.BtnNouveau.isEnabled());
                  Saisir(d.EdtLongueur, "");
                  EXPECT_EQ(debit.PiecesSaisies.size(), 2u);
                  Cliquer(d.BtnTerminer);
              }),
              QDialog::Accepted);
    EXPECT_TRUE(d.Termine);
    EXPECT_EQ(faux.AideEnLigne.Appels(),
              (std::vector<AppelAide>{{AppelAide::Genre::Rubrique, 1030}}));
    ASSERT_EQ(debit.PiecesSaisies.size(), 1u);
    const TPiece& p = debit.PiecesSaisies[0];
    EXPECT_EQ(p.Longueur, 1000);
    EXPECT_EQ(p.Largeur, 500);
    EXPECT_EQ(p.Surface, 500000);
    EXPECT_EQ(p.Numero, 0);
    EXPECT_EQ(p.IndexDesignation, 0);
    EXPECT_EQ(p.Epaisseur, 10);
    EXPECT_EQ(debit.Designations, std::vector<std::string>{"Vitrage1"});
    EXPECT_EQ(debit.References, std::vector<std::string>{"a"});
}

TEST_F(TSelPiecesTest, LesCotesSontLimiteesParLesPlaquesSelonLeSens) {
    const struct {
        int32_t sens;
        bool longueur;
        const char* texte;
        bool accepte;
    } cas[] = {
        {Horizontal, true, "2600", false},   {Horizontal, true, "2500", true},
        {Vertical, true, "1300", false},     {Vertical, true, "1200", true},
        {Vertical, false, "2500", true},     {Vertical, false, "2501", false},
        {Indifferent, true, "2500", true},   {Indifferent, false, "2501", false},
        {Horizontal, false, "1251", false},  {Horizontal, true, "0", false},
        {Horizontal, true, "6000,5", false},
    };
    const std::string longueur = "Valeur non valide pour une longueur !" + Rappel +
                                 "\nOu peut-être une longueur supérieur à la plus grande longueur "
                                 "des plaques de verre.";
    const std::string largeur = "Valeur non valide pour une largeur !" + Rappel +
                                "\nOu peut-être une largeur supérieur à la plus grande largeur des "
                                "plaques de verre.";
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    Preparer(DebitSimple);
    Montrer([&](TSelPieces& d) {
        for (const auto& c : cas) {
            SCOPED_TRACE(c.texte);
            Choisir(d.CbxSens, c.sens);
            if (!c.accepte)
                faux.Messages.Repondre(R::Ok);
            const std::size_t avant = faux.Messages.Affichees().size();
            QLineEdit& edit = c.longueur ? d.EdtLongueur : d.EdtLargeur;
            Saisir(edit, c.texte);
            if (c.accepte) {
                EXPECT_EQ(faux.Messages.Affichees().size(), avant);
                EXPECT_EQ(edit.text(), c.texte);
            } else {
                ASSERT_EQ(faux.Messages.Affichees().size(), avant + 1);
                EXPECT_EQ(faux.Messages.Affichees().back(), Refus(c.longueur ? longueur : largeur));
                EXPECT_TRUE(edit.text().isEmpty());
            }
            Saisir(edit, "");
        }
        Cliquer(d.BtnAnnul);
    });
    EXPECT_FALSE(d.Termine);
}

TEST_F(TSelPiecesTest, UneCoteRefuseeNEstPasGardeePourLaPieceNouvelle) {
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    Preparer(DebitSimple);
    for (int i = 0; i < 4; ++i)
        faux.Messages.Repondre(R::Ok);
    Montrer([](TSelPieces& d) {
        Remplir(d, "2600", "1000");
        Cliquer(d.BtnTerminer);
        EXPECT_TRUE(d.isVisible());
        // A change of direction checks the sides already accepted again.
        Saisir(d.EdtLongueur, "2000");
        Choisir(d.CbxSens, Vertical);
        EXPECT_TRUE(d.EdtLongueur.text().isEmpty());
        EXPECT_EQ(d.EdtLargeur.text(), "1000");
        Cliquer(d.BtnNouveau);
        EXPECT_EQ(d.EdtCompteur.text(), "1");
        Cliquer(d.BtnAnnul);
    });
    const Message longueur = faux.Messages.Affichees().at(0);
    EXPECT_NE(longueur.Texte.find("longueur"), std::string::npos);
    EXPECT_EQ(faux.Messages.Affichees(), (std::vector<Message>{longueur, Refus(PieceInvalide),
                                                               longueur, Refus(PieceInvalide)}));
}

TEST_F(TSelPiecesTest, UnePieceMoinsLongueQueLargeNePassePasAuSuivant) {
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    Pieces({{1000, 500}, {800, 400}});
    Preparer(DebitSimple);
    faux.Messages.Repondre(R::Ok);
    Montrer([&](TSelPieces& d) {
        Remplir(d, "1000", "1200");
        Cliquer(d.BtnSuivant);
        EXPECT_EQ(d.EdtCompteur.text(), "1");
        Cliquer(d.BtnAnnul);
    });
    EXPECT_EQ(faux.Messages.Affichees().back(), Refus(PieceInvalide));
    EXPECT_EQ(debit.PiecesSaisies[0].Largeur, 500);
}

TEST_F(TSelPiecesTest, LesReferencesTropLonguesOuDejaPrisesSontRefuseesSansMessage) {
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    Pieces({{1000, 500}, {800, 400}});
    Preparer(DebitSimple);
    Montrer([](TSelPieces& d) {
        for (const char* refusee : {"abcd", "b", ""}) {
            Saisir(d.EdtReference, refusee);
            EXPECT_EQ(d.EdtReference.text(), "a") << refusee;
        }
        Saisir(d.EdtReference, "é1");
        Saisir(d.EdtDesignation, "Porte");
        Cliquer(d.BtnSuivant);
        Cliquer(d.BtnTerminer);
    });
    EXPECT_EQ(debit.References, (std::vector<std::string>{"é1", "b"}));
    EXPECT_EQ(debit.Designations, (std::vector<std::string>{"Porte", "Vitrage2"}));
}

TEST_F(TSelPiecesTest, UnNombreNulOuIlliteEstRemisA1) {
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    Pieces({{1000, 500}});
    const struct {
        const char* texte;
        bool refuse;
        int32_t nb;
    } cas[] = {{"0", true, 1}, {"abc", true, 1}, {"-3", false, -3}, {"4", false, 4}};
    for (const auto& c : cas) {
        debit.PiecesSaisies[0].Nb = 1;
        Preparer(DebitSimple);
        if (c.refuse)
            faux.Messages.Repondre(R::Ok);
        QString affiche;
        Montrer([&](TSelPieces& d) {
            Cliquer(d.ChbNbPieces);
            Saisir(d.EdtNb, c.texte);
            affiche = d.EdtNb.text();
            Cliquer(d.BtnTerminer);
        });
        EXPECT_EQ(affiche, c.refuse ? "1" : c.texte);
        EXPECT_EQ(debit.PiecesSaisies[0].Nb, c.nb) << c.texte;
        if (c.refuse) {
            EXPECT_EQ(faux.Messages.Affichees().back(),
                      Refus("Valeur non valide pour un nombre !"));
        }
    }
}

TEST_F(TSelPiecesTest, UneNouvellePieceIntacteQuitteeParPrecedentEstProposeeALaSuppression) {
    const Message question{"Sélection des ",
                           "Vous n'avez saisie aucune valeur pour la longueur et la largeur de "
                           "cette vitrage. Voulez-vous la conserver et saisir les valeurs "
                           "manquantes ?",
                           IconeMessage::Aucune, BoutonsMessage::OuiNon};
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    Pieces({{1000, 500}});
    Preparer(DebitSimple);
    faux.Messages.Repondre(R::Oui);
    faux.Messages.Repondre(R::Ok);
    faux.Messages.Repondre(R::Non);
    Montrer([](TSelPieces& d) {
        Cliquer(d.BtnNouveau);
        Cliquer(d.BtnPred);
        EXPECT_EQ(d.EdtCompteur.text(), "2");
        Cliquer(d.BtnPred);
        EXPECT_EQ(d.EdtCompteur.text(), "1");
        EXPECT_EQ(d.EdtLongueur.text(), "1000");
        Cliquer(d.BtnTerminer);
    });
    EXPECT_EQ(faux.Messages.Affichees(),
              (std::vector<Message>{question, Refus(PieceInvalide), question}));
    EXPECT_EQ(debit.PiecesSaisies.size(), 1u);
    EXPECT_EQ(debit.References.size(), 1u);
}

TEST_F(TSelPiecesTest, SupprimerRenumeroteLesPiecesRestantes) {
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    Pieces({{1000, 500}, {900, 400}, {800, 300}});
    Preparer(DebitSimple);
    Montrer([](TSelPieces& d) {
        Cliquer(d.BtnSuivant);
        Cliquer(d.BtnSupprimer);
        EXPECT_EQ(d.EdtCompteur.text(), "1");
        EXPECT_EQ(d.EdtLongueur.text(), "1000");
        Cliquer(d.BtnTerminer);
    });
    ASSERT_EQ(debit.PiecesSaisies.size(), 2u);
    EXPECT_EQ(debit.PiecesSaisies[1].Longueur, 800);
    EXPECT_EQ(debit.PiecesSaisies[1].Numero, 1);
    EXPECT_EQ(debit.PiecesSaisies[1].IndexDesignation, 1);
    EXPECT_EQ(debit.References, (std::vector<std::string>{"a", "c"}));
}

TEST_F(TSelPiecesTest, LesMargesNeComptentQuEnModification) {
    debit.PanneauxSaisis = {Plaque(2500, 1250)};
    debit.MargesJob = {10, 10, 0, 0, 0};
    for (const bool modification : {false, true}) {
        debit.PiecesSaisies.clear();
        debit.Designations.clear();
        debit.References.clear();
        Preparer(DebitSimple, modification);
        if (modification)
            faux.Messages.Repondre(R::Ok);
        Montrer([&](TSelPieces& d) {
            Remplir(d, "2500", "1250");
            Cliquer(d.BtnTerminer);
            if (d.isVisible())
                Cliquer(d.BtnAnnul);
        });
        EXPECT_EQ(d.Termine, !modification);
        EXPECT_EQ(d.MargesJob.MargeLongueur, modification ? 10 : 0);
    }
    EXPECT_EQ(faux.Messages.Affichees(), std::vector<Message>{Refus(PieceInvalide)});
}

TEST_F(TSelPiecesTest, UnDebitSimplePrendLEpaisseurEtLeVitrageDeLaPremierePlaque) {
    debit.PanneauxSaisis = {Plaque(2500, 1250, 8, 1), Plaque(3000, 2000, 10, 0)};
    Preparer(DebitSimple);
    faux.Messages.Repondre(R::Ok);
    Montrer([](TSelPieces& d) {
        EXPECT_FALSE(d.GpbDebitComplexe.isEnabled());
        Remplir(d, "2800", "1500");
        Cliquer(d.BtnTerminer);
        // It fits the second sheet by size only, and not by thickness.
        EXPECT_TRUE(d.isVisible());
        Remplir(d, "2000", "1000");
        Cliquer(d.BtnTerminer);
    });
    EXPECT_EQ(faux.Messages.Affichees(), std::vector<Message>{Refus(PieceInvalide)});
    EXPECT_EQ(debit.PiecesSaisies.at(0).Epaisseur, 8);
    EXPECT_EQ(debit.PiecesSaisies.at(0).Essence, 1);
}

TEST_F(TSelPiecesTest, LEpaisseurSeChoisitParmiCellesDesPlaquesDansToutesLesUnites) {
    const struct {
        UNITE_MESURE unite;
        QStringList items;
        const char* longueur;
        const char* largeur;
    } cas[] = {{{1, "mm"}, {"4", "6", "4"}, "2900", "1900"},
               {{1000, "m"}, {"0", "0,01", "0"}, "2,9", "1,9"}};
    for (const auto& c : cas) {
        debit.PanneauxSaisis = {Plaque(2500, 1250, 4, 0), Plaque(2500, 1250, 4, 0),
                                Plaque(3000, 2000, 6, 1), Plaque(2000, 1000, 4, 0)};
        debit.PiecesSaisies.clear();
        debit.Designations.clear();
        debit.References.clear();
        reglages.UniteJob = c.unite;
        Preparer(DebitComplexe);
        QStringList items;
        Montrer([&](TSelPieces& d) {
            for (int i = 0; i < d.CbxEpaisseur.count(); ++i)
                items << d.CbxEpaisseur.itemText(i);
            EXPECT_FALSE(d.EdtEpaisseur.isEnabled());
            Remplir(d, c.longueur, c.largeur);
            Choisir(d.CbxEpaisseur, 1);
            Choisir(d.CbxEssence, 1);
            QTest::keyClick(&d.CbxEssence, Qt::Key_Tab);
            Cliquer(d.BtnTerminer);
        });
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(debit.PiecesSaisies.at(0).Epaisseur, 6) << c.unite.Nom;
        EXPECT_EQ(debit.PiecesSaisies.at(0).Essence, 1);
        EXPECT_EQ(debit.PiecesSaisies.at(0).Longueur, 2900);
    }
}

TEST_F(TSelPiecesTest, LeClicDroitNOffreQueLesDimensionsDeLEpaisseurDesPlaques) {
    debit.PanneauxSaisis = {Plaque(2500, 1250, 4, 0), Plaque(3000, 2000, 4, 0)};
    dimensions = {{1000, 500, 6, DebitComplexe},
                  {900, 450, 4, DebitComplexe},
                  {800, 400, 10, DebitSimple},
                  {700, 350, 4, DebitComplexe}};
    Preparer(DebitComplexe);
    QStringList lignes;
    Montrer([&](TSelPieces& d) {
        Scripter<TGestDimensions>([&](TGestDimensions& g) {
            for (int i = 0; i < g.LbDimensions.count(); ++i)
                lignes << g.LbDimensions.item(i)->text();
            g.LbDimensions.setCurrentRow(1);
            emit g.LbDimensions.itemClicked(g.LbDimensions.item(1));
            Cliquer(g.BtnOK);
        });
        ClicDroit(d.EdtLongueur);
        EXPECT_EQ(d.EdtLongueur.text(), "700");
        EXPECT_EQ(d.EdtLargeur.text(), "350");
        Cliquer(d.BtnTerminer);
    });
    EXPECT_EQ(lignes, (QStringList{"900 x 450 x 4", "700 x 350 x 4"}));
    EXPECT_FALSE(d.DimensionsModifiees);
    EXPECT_EQ(debit.PiecesSaisies.at(0).Longueur, 700);
    EXPECT_EQ(debit.PiecesSaisies.at(0).Epaisseur, 4);
}

} // namespace
} // namespace tavelune
