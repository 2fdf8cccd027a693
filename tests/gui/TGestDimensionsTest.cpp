// The dimension manager in its two modes, driven through its widgets.
#include "FixturePlateforme.h"
#include "PiloteSaisie.h"

#include "dialogs/TGestDimensions.h"

#include <QListWidget>

namespace tavelune {
namespace {

using namespace pilote;
using R = ReponseMessage;

class TGestDimensionsTest : public TestPlateforme {
protected:
    std::vector<QString> Lignes() const {
        std::vector<QString> lignes;
        for (int i = 0; i < gest.LbDimensions.count(); ++i)
            lignes.push_back(gest.LbDimensions.item(i)->text());
        return lignes;
    }
    void Ajouter(TGestDimensions& d, const char* l, const char* w, const char* e) {
        Saisir(d.EdtLongueur, l);
        Saisir(d.EdtLargeur, w);
        Saisir(d.EdtEpaisseur, e);
        Cliquer(d.BtnAjouter);
    }

    Reglages reglages;
    TGestDimensions gest{plateforme, reglages};
    QWidget principale;
    std::vector<DIMENSIONS> liste;
};

TEST_F(TGestDimensionsTest, GestionAjouteLesDeuxEntreesUneFoisEtLesSupprimeEnsemble) {
    std::vector<QString> lignesApresAjouts;
    Scripter<TGestDimensions>([&](TGestDimensions& d) {
        QTest::keyClick(&d, Qt::Key_F1);
        Ajouter(d, "3210", "2250", "4");
        Ajouter(d, "3210", "2250", "4");
        lignesApresAjouts = Lignes();
        Cliquer(d.BtnOK);
    });
    EXPECT_TRUE(gest.Gerer(principale, liste, DebitSimple));
    EXPECT_EQ(liste, (std::vector<DIMENSIONS>{{3210, 2250, 10, DebitSimple},
                                              {3210, 2250, 4, DebitComplexe}}));
    EXPECT_EQ(lignesApresAjouts, std::vector<QString>{"3210 x 2250 x 4"});
    EXPECT_EQ(faux.AideEnLigne.Appels(),
              (std::vector<AppelAide>{{AppelAide::Genre::Rubrique, 160}}));

    liste.insert(liste.begin(), DIMENSIONS{1000, 500, 6, DebitComplexe});
    Scripter<TGestDimensions>([&](TGestDimensions& d) {
        EXPECT_EQ(Lignes(), (std::vector<QString>{"1000 x 500 x 6", "3210 x 2250 x 4"}));
        d.LbDimensions.setCurrentRow(1);
        emit d.LbDimensions.itemClicked(d.LbDimensions.item(1));
        EXPECT_EQ(d.EdtEpaisseur.text(), "4");
        EXPECT_TRUE(d.BtnSupprimer.isEnabled());
        Cliquer(d.BtnSupprimer);
        EXPECT_EQ(Lignes(), std::vector<QString>{"1000 x 500 x 6"});
        EXPECT_TRUE(d.EdtLongueur.text().isEmpty());
        Cliquer(d.BtnOK);
    });
    EXPECT_TRUE(gest.Gerer(principale, liste, DebitSimple));
    EXPECT_EQ(liste, (std::vector<DIMENSIONS>{{1000, 500, 6, DebitComplexe}}));
}

TEST_F(TGestDimensionsTest, LesValeursRefuseesVidentLeurCaseEtNAjoutentRien) {
    const struct {
        QLineEdit TGestDimensions::*edit;
        const char* texte;
        const char* message; // null: accepted
    } cas[] = {
        {&TGestDimensions::EdtEpaisseur, "151", "Valeur non valide pour une épaisseur !"},
        {&TGestDimensions::EdtEpaisseur, "150", nullptr},
        {&TGestDimensions::EdtLongueur, "6000,5", "Valeur non valide pour une longueur !"},
        {&TGestDimensions::EdtLongueur, "6000", nullptr},
        {&TGestDimensions::EdtLargeur, "abc", "Valeur non valide pour une largeur !"},
        {&TGestDimensions::EdtLargeur, "0", "Valeur non valide pour une largeur !"},
        {&TGestDimensions::EdtLargeur, "0,5", "Valeur non valide pour une largeur !"},
    };
    Scripter<TGestDimensions>([&](TGestDimensions& d) {
        for (const auto& c : cas) {
            const std::size_t avant = faux.Messages.Affichees().size();
            if (c.message)
                faux.Messages.Repondre(R::Ok);
            Saisir(d.*c.edit, c.texte);
            if (c.message) {
                ASSERT_EQ(faux.Messages.Affichees().size(), avant + 1) << c.texte;
                EXPECT_EQ(faux.Messages.Affichees().back(), Refus(c.message + Rappel));
                EXPECT_TRUE((d.*c.edit).text().isEmpty()) << c.texte;
            } else {
                EXPECT_EQ(faux.Messages.Affichees().size(), avant) << c.texte;
                EXPECT_EQ((d.*c.edit).text(), c.texte);
            }
        }
        // A width above the length.
        faux.Messages.Repondre(R::Ok);
        Ajouter(d, "2000", "3000", "4");
        EXPECT_EQ(faux.Messages.Affichees().back(), Refus("Valeur non valide pour une largeur !"));
        Cliquer(d.BtnOK);
    });
    EXPECT_FALSE(gest.Gerer(principale, liste, DebitComplexe));
    EXPECT_TRUE(liste.empty());
}

TEST_F(TGestDimensionsTest, EnCentimetresLesValeursSontMultiplieesParLeFacteur) {
    reglages.UniteJob = {10.0f, "cm"};
    liste = {{2500, 1250, 4, DebitComplexe}};
    Scripter<TGestDimensions>([&](TGestDimensions& d) {
        EXPECT_EQ(Lignes(), std::vector<QString>{"250 x 125 x 0,4"});
        Ajouter(d, "321,07", "225", "0,6");
        Cliquer(d.BtnOK);
    });
    gest.Gerer(principale, liste, DebitComplexe);
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(liste[2], (DIMENSIONS{3210, 2250, 6, DebitComplexe}));
}

TEST_F(TGestDimensionsTest, LaSelectionSurligneLaPremiereEntreeDesValeursDonnees) {
    liste = {{2500, 1250, 10, DebitSimple},
             {3000, 2000, 4, DebitComplexe},
             {2500, 1800, 6, DebitComplexe},
             {2500, 1250, 4, DebitComplexe},
             {2500, 1250, 8, DebitComplexe}};
    const struct {
        DIMENSIONS donnee;
        int32_t type;
        int ligne;
    } cas[] = {
        {{2500, 0, 0, 0}, DebitComplexe, 1},    {{2500, 1250, 0, 0}, DebitComplexe, 2},
        {{2500, 1250, 8, 0}, DebitComplexe, 3}, {{0, 0, 0, 0}, DebitComplexe, -1},
        {{2500, 0, 0, 0}, DebitSimple, 0},      {{1234, 0, 0, 0}, DebitComplexe, -1},
    };
    for (const auto& c : cas) {
        int ligne = -2;
        Scripter<TGestDimensions>([&](TGestDimensions& d) {
            ligne = d.LbDimensions.currentRow();
            Cliquer(d.BtnOK);
        });
        EXPECT_EQ(gest.Selectionner(principale, liste, c.type, nullptr, c.donnee), std::nullopt);
        EXPECT_EQ(ligne, c.ligne) << c.donnee.Longueur << " " << c.donnee.Largeur;
    }
}

TEST_F(TGestDimensionsTest, LaSelectionDesPiecesNOffreQueLesEpaisseursDesPlaques) {
    liste = {{1000, 500, 4, DebitComplexe},
             {900, 400, 6, DebitComplexe},
             {800, 300, 4, DebitComplexe},
             {700, 200, 10, DebitSimple}};
    std::vector<Panneau_p> plaques(2);
    plaques[0].Epaisseur = plaques[1].Epaisseur = 4;
    std::vector<QString> filtrees, toutes;
    Scripter<TGestDimensions>([&](TGestDimensions& d) {
        filtrees = Lignes();
        d.LbDimensions.setCurrentRow(1);
        emit d.LbDimensions.itemClicked(d.LbDimensions.item(1));
        Cliquer(d.BtnOK);
    });
    Scripter<TGestDimensions>([&](TGestDimensions& d) {
        toutes = Lignes();
        Cliquer(d.BtnOK);
    });
    EXPECT_EQ(gest.Selectionner(principale, liste, DebitComplexe, &plaques, {}),
              (DIMENSIONS{800, 300, 4, DebitComplexe}));
    EXPECT_FALSE(gest.Modifie);
    gest.Selectionner(principale, liste, DebitComplexe, nullptr, {});
    EXPECT_EQ(filtrees, (std::vector<QString>{"1000 x 500 x 4", "800 x 300 x 4"}));
    EXPECT_EQ(toutes.size(), 3u);
}

TEST_F(TGestDimensionsTest, UneDimensionTapeeEnSelectionRejointLaListeEtEstChoisie) {
    std::optional<DIMENSIONS> choisie;
    Scripter<TGestDimensions>([&](TGestDimensions& d) {
        EXPECT_FALSE(d.EdtEpaisseur.isEnabled());
        Saisir(d.EdtLongueur, "1500");
        Saisir(d.EdtLargeur, "700");
        EXPECT_FALSE(d.BtnAjouter.isEnabled());
        Cliquer(d.BtnOK);
    });
    choisie = gest.Selectionner(principale, liste, DebitSimple, nullptr, {0, 0, 10, 0});
    ASSERT_TRUE(choisie);
    EXPECT_EQ(choisie->Longueur, 1500);
    EXPECT_EQ(choisie->Largeur, 700);
    EXPECT_TRUE(gest.Modifie);
    EXPECT_EQ(liste, (std::vector<DIMENSIONS>{{1500, 700, 10, DebitSimple}}));
}

} // namespace
} // namespace tavelune
