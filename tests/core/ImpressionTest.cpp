#include "view/Impression.h"
#include "CanevasEnregistreur.h"
#include "FabriqueDebit.h"

#include <gtest/gtest.h>

using namespace tavelune;
using test::ImprimanteEnregistreuse;

namespace {

Debit DebitDePieces(int32_t n) {
    Debit d;
    for (int32_t i = 0; i < n; ++i) {
        TPiece p;
        p.Longueur = 1000 + 10 * i;
        p.Largeur = 500;
        p.Numero = i;
        ReinitialiserPiece(p);
        d.PiecesSaisies.push_back(p);
        d.References.push_back("R" + std::to_string(i));
        d.Designations.push_back("Pièce " + std::to_string(i));
    }
    return d;
}

const std::vector<std::string> aucuneEssence;

} // namespace

TEST(Impression, PanneauxUnParPagePaysage) {
    Debit d;
    d.Panneaux = {test::Plaque(3000, 2000)};
    ReglagesDessin r;
    ImprimanteEnregistreuse imp;
    ASSERT_TRUE(ImprimerPanneaux(imp, d, aucuneEssence, r));
    const auto& c = imp.Canevas_;
    EXPECT_EQ(imp.Pages(), 1);
    EXPECT_EQ(c.Compter("page"), 0);
    EXPECT_EQ(c.Appels.front(), "paysage");
    EXPECT_EQ(c.Appels.back(), "fin");
    // Landscape A = 2100, B = 2970, h = 20, cw = 10: allowance (80 + 290) / 2 = 185.
    const auto echelle = c.Filtrer("texte 2830,-25 Echelle : 1/");
    ASSERT_EQ(echelle.size(), 1u);
    // The sheet's bottom-left corner 10 mm from the left and bottom edges (its outline,
    // then its one free rectangle).
    const auto rects = c.Filtrer("rect 100,");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].substr(rects[0].size() - 6), ",-2000");

    d.Panneaux.resize(3, test::Plaque(3000, 2000));
    ImprimanteEnregistreuse trois;
    ASSERT_TRUE(ImprimerPanneaux(trois, d, aucuneEssence, r));
    EXPECT_EQ(trois.Pages(), 3);
    EXPECT_EQ(trois.Canevas_.Filtrer("texte 2830,-25 Echelle").size(), 3u);

    ImprimanteEnregistreuse rien;
    ASSERT_TRUE(ImprimerPanneaux(rien, Debit{}, aucuneEssence, r));
    EXPECT_TRUE(rien.Canevas_.Appels.empty());
}

TEST(Impression, PiecesDeuxParPagePortrait) {
    const Debit d = DebitDePieces(5);
    ReglagesDessin r;
    for (Commande commande : {Commande::BarreOutils, Commande::Menu}) {
        ImprimanteEnregistreuse imp;
        ASSERT_TRUE(ImprimerPieces(imp, d, aucuneEssence, r, commande));
        const auto& c = imp.Canevas_;
        EXPECT_EQ(c.Appels.front(), "portrait");
        EXPECT_EQ(imp.Pages(), 3);
        // Upper half, lower half, then a new page: bottom edges at -A / 2 + 100 and -A + 100.
        const auto cadres = c.Filtrer("rect ");
        ASSERT_EQ(cadres.size(), 5u);
        for (std::size_t i = 0; i < cadres.size(); ++i) {
            const std::string bas = i % 2 == 0 ? ",-1385" : ",-2870";
            EXPECT_EQ(cadres[i].substr(cadres[i].size() - bas.size()), bas) << cadres[i];
        }
        const auto& a = c.Appels;
        EXPECT_EQ(std::count(a.begin(), std::find(a.begin(), a.end(), "page"), cadres[1]), 1);
        const auto echelles = c.Filtrer("texte ");
        EXPECT_EQ(std::count_if(
                      echelles.begin(), echelles.end(),
                      [](const std::string& t) { return t.find(",-25 Echelle : 1/") != t.npos; }),
                  5);
        const auto references = c.Filtrer("texte 100,");
        const std::string attendue = commande == Commande::Menu ? "Ref : e" : "Ref : R4";
        EXPECT_EQ(references.back().substr(references.back().size() - attendue.size()), attendue);
    }
}

TEST(Impression, FicheAvecSaProprePagination) {
    const Debit d = DebitDePieces(120);
    ReglagesDessin r;
    for (Commande commande : {Commande::BarreOutils, Commande::Menu}) {
        ImprimanteEnregistreuse imp;
        imp.Hauteur = 2950; // font size 10: h 40, so R = (2950 - 800) / 43 = 50
        ASSERT_TRUE(ImprimerFiche(imp, d, aucuneEssence, r, commande));
        const auto& c = imp.Canevas_;
        EXPECT_EQ(c.Appels.front(), "portrait");
        EXPECT_EQ(imp.Pages(), 3);
        const auto& a = c.Appels;
        const auto page2 = std::find(a.begin(), a.end(), "page");
        const auto page3 = std::find(page2 + 1, a.end(), "page");
        const auto rangees = [](auto debut, auto fin) {
            return std::count_if(debut, fin,
                                 [](const std::string& t) { return t.rfind("texte 2,", 0) == 0; });
        };
        EXPECT_EQ(rangees(a.begin(), page2), 50);
        EXPECT_EQ(rangees(page2, page3), 50);
        EXPECT_EQ(rangees(page3, a.end()), 20);
        const bool menu = commande == Commande::Menu;
        EXPECT_EQ(c.Compter(menu ? "texte 81,1 Designation" : "texte 81,1 Désignation"), 3);
        const std::vector<std::string> premieres =
            menu ? std::vector<std::string>{"texte 2,45 a", "texte 2,45 ay", "texte 2,45 cw"}
                 : std::vector<std::string>{"texte 2,45 R0", "texte 2,45 R50", "texte 2,45 R100"};
        EXPECT_EQ(c.Filtrer("texte 2,45 "), premieres);
    }
    EXPECT_TRUE(d.Pages.empty()); // the job's own pagination is not touched
}

TEST(Impression, RecapitulatifSurUnePage) {
    std::vector<METRAGE> m(2);
    m[0].Libelle = "3x2m - horizontal";
    m[1].Libelle = "2x1m - horizontal";
    ReglagesDessin r;
    ImprimanteEnregistreuse imp;
    ASSERT_TRUE(ImprimerRecapitulatif(imp, m, r));
    const auto& c = imp.Canevas_;
    EXPECT_EQ(imp.Pages(), 1);
    EXPECT_EQ(c.Compter("portrait") + c.Compter("paysage"), 0);
    // Size 10: h 40, cw 20; the lines start at 2h + 18 = 98, q = (2100 - 16) / 2.
    EXPECT_EQ(c.Compter("texte 830,2 Récapitulatif du débit"), 1);
    EXPECT_EQ(c.Compter("ligne 1042,98 1042,2970"), 1);
    EXPECT_EQ(c.Compter("texte 1,98 3x2m - horizontal"), 1);
    EXPECT_EQ(c.Compter("texte 1,362 2x1m - horizontal"), 1);
}
