#include "view/Fiche.h"
#include "CanevasEnregistreur.h"

#include <gtest/gtest.h>

using namespace tavelune;

TEST(Fiche, Pagination) {
    struct Cas {
        int32_t n, lignes;
        std::vector<PAGE> pages;
    };
    const Cas cas[] = {
        {5, 0, {{0, 4}}},
        {5, -3, {{0, 4}}},
        {0, 50, {{0, -1}}},
        {0, 0, {{0, -1}}},
        {120, 50, {{0, 49}, {50, 99}, {100, 119}}},
        {100, 50, {{0, 49}, {50, 99}}},
        {3, 1, {{0, 0}, {1, 1}, {2, 2}}},
    };
    for (const Cas& k : cas) {
        std::vector<TPiece> pieces(static_cast<std::size_t>(k.n));
        std::vector<PAGE> pages{{7, 7}};
        EXPECT_EQ(PaginerFiche(pieces, pages, k.lignes), k.n - 1);
        EXPECT_EQ(pages, k.pages) << k.n << " " << k.lignes;
    }
}

TEST(Fiche, PageEnTableau) {
    Debit d;
    d.TypeDebit = DebitComplexe;
    d.References = {"A1", "B"};
    d.Designations = {"Fenêtre de cuisine", "Porte"};
    TPiece p;
    p.Longueur = 1250;
    p.Largeur = 800;
    p.Epaisseur = 6;
    p.Nb = 2;
    p.Essence = 0;
    d.PiecesSaisies = {p, p};
    d.PiecesSaisies[1].Numero = 1;
    d.PiecesSaisies[1].Essence = 9;
    const std::vector<std::string> essences{"Float"};
    ReglagesDessin r;
    test::CanevasEnregistreur c;
    MiseEnPageFiche mise;
    mise.Largeur = 1000;
    mise.Hauteur = 700;
    mise.Haut = 31; // under a 30-pixel toolbar
    mise.h = 40;
    mise.cw = 20;
    mise.EnteteDesignation = r.Mots.Designation;
    // o = 80; columns at 80 + k x 920 / 6; designations cut to 920 / 6 / 20 - 1 = 6 characters.
    DessinerPageFiche(c, mise, {1, 1}, d, essences, r);
    const std::vector<std::string> attendu = {"ligne 80,0 80,700",     "ligne 233,0 233,700",
                                              "ligne 386,0 386,700",   "ligne 540,0 540,700",
                                              "ligne 693,0 693,700",   "ligne 846,0 846,700",
                                              "ligne 1000,0 1000,700", "gras",
                                              "texte 1,31 Réf",        "texte 81,31 Désignation",
                                              "texte 234,31 Nombre",   "texte 387,31 Longueur",
                                              "texte 541,31 Largeur",  "texte 694,31 Epaisseur",
                                              "texte 847,31 Vitrage",  "normal",
                                              "ligne 0,73 1000,73",    "texte 2,75 B",
                                              "texte 81,75 Porte",     "texte 234,75 2",
                                              "texte 387,75 1250",     "texte 541,75 800",
                                              "texte 694,75 6",        "texte 847,75 Non spécifié",
                                              "ligne 0,116 1000,116"};
    EXPECT_EQ(c.Appels, attendu);

    // A simple job: neither thickness nor glass type; a long designation is cut.
    d.TypeDebit = DebitSimple;
    c.Appels.clear();
    DessinerPageFiche(c, mise, {0, 0}, d, essences, r);
    const auto textes = c.Filtrer("texte");
    EXPECT_EQ(std::vector<std::string>(textes.end() - 7, textes.end()),
              (std::vector<std::string>{"texte 2,75 A1", "texte 81,75 Fenêtr", "texte 234,75 2",
                                        "texte 387,75 1250", "texte 541,75 800",
                                        "texte 694,75 Non spécifié", "texte 847,75 Non spécifié"}));
}
