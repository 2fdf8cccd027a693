#include "view/Plan.h"
#include "CanevasEnregistreur.h"
#include "FabriqueDebit.h"

#include <gtest/gtest.h>

using namespace tavelune;
using test::CanevasEnregistreur;

namespace {

MONRect R(int32_t l, int32_t t, int32_t r, int32_t b) {
    return {l, t, r, b};
}

TPiece Placee(MONRect horsTout, MONRect coupe, int32_t numero = 0) {
    TPiece p;
    p.RectHorsTout = horsTout;
    p.RectCoupe = coupe;
    p.Numero = numero;
    return p;
}

struct Banc {
    CanevasEnregistreur c;
    std::vector<std::string> essences;
    std::vector<std::string> designations{"Porte"};
    std::vector<std::string> references{"a", "b", "c"};
    TextesJob textes{essences, designations, references};
    ReglagesDessin reglages;

    Plan PlanA(float s, Point origine, int32_t code = DebitSimple + VuePanneau) {
        return {c, origine, s, code, textes, reglages};
    }
};

} // namespace

TEST(Plan, TexteEchelleArrondiVersLeBas) {
    EXPECT_EQ(TexteEchelle("Echelle", 2.47f), "Echelle : 1/24");
    EXPECT_EQ(TexteEchelle("Scale", 3.33f), "Scale : 1/33");
}

TEST(Plan, CalculerEchelleFaitTenirLePlusGrandElement) {
    // Width-bound: 3000 mm into 2000 - 2 x 100 units; the first guess is nudged up by 0.01.
    std::vector<Panneau_p> panneaux{test::Plaque(3000, 1000), test::Plaque(1000, 500)};
    const auto s = CalculerEchelle(1000, 2000, 100, panneaux);
    ASSERT_TRUE(s);
    EXPECT_NEAR(*s, 3000.0 / 1800 + 0.01, 1e-5);
    EXPECT_GE(2000, 200 + 3000 / static_cast<double>(*s));

    // Height-bound.
    std::vector<TPiece> pieces(1);
    pieces[0].Longueur = 500;
    pieces[0].Largeur = 2000;
    const auto t = CalculerEchelle(1000, 2000, 100, pieces);
    ASSERT_TRUE(t);
    EXPECT_NEAR(*t, 2000.0 / 800, 0.0100001);
    EXPECT_GE(1000, 200 + 2000 / static_cast<double>(*t));
}

TEST(Plan, CalculerEchelleSignaleUneSurfaceTropPetite) {
    std::vector<Panneau_p> panneaux{test::Plaque(3000, 1000)};
    EXPECT_FALSE(CalculerEchelle(200, 2000, 100, panneaux)); // height equals the allowance
    EXPECT_FALSE(CalculerEchelle(1000, 150, 100, panneaux));
    EXPECT_FALSE(CalculerEchelle(1000, 2000, 100, std::vector<Panneau_p>{}));
}

TEST(Plan, PanneauSansPieceNeDessineQueSonCadre) {
    Banc b;
    Panneau_p p = test::Plaque(3000, 2000);
    p.Chutes.clear();
    DessinerPanneau(b.PlanA(10.0f, {20, -1000}), p);
    const std::vector<std::string> attendu = {
        "crayon 0,0,0",
        "texte 20,-630 Plaque de verre : 3000x2000 mm - sens des motifs horizontal",
        "texte 150,-750 3000",
        "texte 360,-890 2000",
        "poly 30,-770 20,-780 30,-790",
        "ligne 20,-780 320,-780",
        "poly 310,-770 320,-780 310,-790",
        "poly 330,-810 340,-800 350,-810",
        "ligne 340,-800 340,-1000",
        "poly 330,-990 340,-1000 350,-990",
        "rect 20,-800 320,-1000",
        "crayon 0,0,255"};
    EXPECT_EQ(b.c.Appels, attendu);
}

TEST(Plan, LignesDEnteteDUnDebitComplexeEtDUnePieceSaisie) {
    Banc b;
    b.essences = {"FLOAT CLAIR"};
    Panneau_p p = test::Plaque(3000, 2000);
    p.Epaisseur = 6;
    p.Sens = Vertical;
    p.Chutes.clear();
    DessinerCadre(b.PlanA(10.0f, {20, -1000}, DebitComplexe + VuePanneau), p);
    p.Essence = 4; // not in the list
    DessinerCadre(b.PlanA(10.0f, {20, -1000}, DebitComplexe + VuePanneau), p);
    EXPECT_EQ(b.c.Filtrer("texte 20,"),
              (std::vector<std::string>{
                  "texte 20,-710 Epaisseur : 6 mm", "texte 20,-670 Vitrage : float clair",
                  "texte 20,-630 Plaque de verre : 3000x2000 mm - sens des motifs vertical",
                  "texte 20,-710 Epaisseur : 6 mm", "texte 20,-670 Non spécifié",
                  "texte 20,-630 Plaque de verre : 3000x2000 mm - sens des motifs vertical"}));

    // An entered piece of a simple job: the empty slots keep their place.
    CanevasEnregistreur& c = b.c;
    c.Appels.clear();
    TPiece piece;
    piece.Longueur = 1250;
    piece.Largeur = 800;
    piece.Nb = 3;
    piece.Sens = Indifferent;
    ReinitialiserPiece(piece);
    DessinerCadre(b.PlanA(10.0f, {20, -1000}, DebitSimple + VuePiece), piece, "a");
    EXPECT_EQ(c.Filtrer("texte 20,"), (std::vector<std::string>{
                                          "texte 20,-750 sens des motifs : indifférent",
                                          "texte 20,-710 Nombre : 3",
                                          "texte 20,-670 Dimensions : 1250x800 mm",
                                          "texte 20,-630 Vitrage : Porte",
                                          "texte 20,-590 Ref : a",
                                      }));
}

TEST(Plan, EtiquettesDesQuatreModesSurUneGrandePiece) {
    struct Cas {
        int32_t mode;
        std::string hl, vl;
        int32_t xHL, xVL;
    };
    const Cas cas[] = {{DeuxCotesNettes, "(1250)[1270]", "(800)[820]", 575, 1130},
                       {DeuxCotesHorsTout, "(1250)[1270]", "(800)[820]", 575, 1130},
                       {CotesNettes, "1250", "800", 615, 1200},
                       {CotesHorsTout, "1270", "820", 615, 1200}};
    for (const Cas& k : cas) {
        Banc b;
        b.reglages.ModeAffichage = k.mode;
        ASSERT_TRUE(
            DessinerPiece(b.PlanA(1.0f, {0, 0}), Placee(R(0, 820, 1270, 0), R(10, 810, 1260, 10))));
        const std::vector<std::string> textes = {"texte 5,815 a",
                                                 "texte " + std::to_string(k.xHL) + ",810 " + k.hl,
                                                 "texte " + std::to_string(k.xVL) + ",420 " + k.vl};
        EXPECT_EQ(b.c.Filtrer("texte"), textes) << k.mode;
        EXPECT_EQ(b.c.Compter("police"), 0) << k.mode;
    }

    // Outlines, hatching clipped to the net rectangle, then the dimension lines.
    Banc b;
    DessinerPiece(b.PlanA(1.0f, {0, 0}), Placee(R(0, 820, 1270, 0), R(10, 810, 1260, 10)));
    const auto& a = b.c.Appels;
    ASSERT_GE(a.size(), 70u);
    EXPECT_EQ(std::vector<std::string>(a.begin(), a.begin() + 6),
              (std::vector<std::string>{"crayon 0,0,0", "rect 0,820 1270,0", "crayon 0,255,0",
                                        "rect 10,810 1260,10", "decoupe 10,810 1260,10",
                                        "ligne 10,10 10,10"}));
    // M = 1250: o runs 0, 40, ..., 2480.
    EXPECT_EQ(b.c.Compter("ligne"), 63 + 2); // hatching, then the two dimension lines
    const auto lignes = b.c.Filtrer("ligne");
    EXPECT_EQ(lignes[62], "ligne 10,2490 2490,10");
    const auto apres = std::find(a.begin(), a.end(), "sans-decoupe");
    ASSERT_NE(apres, a.end());
    EXPECT_EQ(std::vector<std::string>(apres, apres + 6),
              (std::vector<std::string>{"sans-decoupe", "transparent", "crayon 0,0,0",
                                        "poly 10,790 0,780 10,770", "ligne 0,780 1270,780",
                                        "poly 1260,790 1270,780 1260,770"}));
}

TEST(Plan, PetitesPiecesSeRabattentSurUneLigneOuLaReference) {
    struct Cas {
        int32_t mode;
        MONRect horsTout, coupe;
        std::string texte;
    };
    const Cas cas[] = {
        // Too low for dimension lines in either font, wide enough for FULL.
        {DeuxCotesNettes, R(0, 50, 420, 0), R(10, 40, 410, 10), "texte 5,45 a (400x30)[420x50]"},
        // Too narrow for FULL: SHORT, net in mode 0, overall in mode 1.
        {DeuxCotesNettes, R(0, 50, 100, 0), R(10, 40, 90, 10), "texte 5,45 a (80x30)"},
        {DeuxCotesHorsTout, R(0, 50, 100, 0), R(10, 40, 90, 10), "texte 5,45 a [100x50]"},
        {CotesNettes, R(0, 50, 100, 0), R(10, 40, 90, 10), "texte 5,45 a 80x30"},
        // Only the reference, inset by (w/s - cw)/2 and (v/s - h)/2, at most 5.
        {CotesHorsTout, R(0, 15, 8, 0), R(1, 14, 7, 1), "texte 1,14 a"},
        {CotesHorsTout, R(0, 100, 12, 0), R(1, 99, 11, 1), "texte 3,95 a"},
        // Lower than the text: the reference rises above the top edge.
        {CotesHorsTout, R(0, 8, 30, 0), R(1, 7, 29, 1), "texte 5,10 a"},
    };
    for (const Cas& k : cas) {
        Banc b;
        b.reglages.ModeAffichage = k.mode;
        DessinerPiece(b.PlanA(1.0f, {0, 0}), Placee(k.horsTout, k.coupe));
        EXPECT_EQ(b.c.Filtrer("texte"), std::vector<std::string>{k.texte}) << k.texte;
        EXPECT_EQ(b.c.Filtrer("police"), std::vector<std::string>{"police 3"}) << k.texte;
        EXPECT_EQ(b.c.Compter("poly"), 0) << k.texte;
    }
}

TEST(Plan, LaPetitePoliceResteChoisiePourLesPiecesSuivantes) {
    Banc b;
    b.reglages.ModeAffichage = CotesHorsTout;
    Panneau_p p = test::Plaque(3000, 2000);
    p.Chutes.clear();
    p.Pieces = {Placee(R(0, 1000, 1000, 0), R(0, 1000, 1000, 0), 0),
                Placee(R(1000, 50, 1100, 0), R(1000, 50, 1100, 0), 1),
                Placee(R(0, 2000, 1000, 1000), R(0, 2000, 1000, 1000), 2)};
    DessinerPanneau(b.PlanA(1.0f, {0, -2000}), p);
    // Font size 5 (h 20, cw 10) for the first piece, size 3 (h 12, cw 6) from the second on.
    EXPECT_EQ(b.c.Filtrer("police"), std::vector<std::string>{"police 3"});
    const auto textes = b.c.Filtrer("texte");
    const std::vector<std::string> pieces(textes.end() - 7, textes.end());
    EXPECT_EQ(pieces, (std::vector<std::string>{"texte 5,-1005 a", "texte 480,-1010 1000",
                                                "texte 920,-1490 1000", "texte 1005,-1955 b 100x50",
                                                "texte 5,-5 c", "texte 488,-10 1000",
                                                "texte 936,-494 1000"}));
    EXPECT_NE(std::find(b.c.Appels.begin(), b.c.Appels.end(), "ligne 0,-32 1000,-32"),
              b.c.Appels.end());
}

TEST(Plan, ChutesEtSeuilsDesCotes) {
    struct Cas {
        MONRect chute;
        std::vector<std::string> textes;
        long polylignes;
    };
    // Font size 5: h 20, cw 10; dimension lines need v/s >= 80, a one-line text v/s > 30.
    const Cas cas[] = {
        {R(0, 80, 500, 0), {"texte 235,70 500", "texte 440,50 80"}, 4},
        {R(0, 79, 500, 0), {"texte 5,74 500x79"}, 0},
        {R(0, 31, 500, 0), {"texte 5,26 500x31"}, 0},
        {R(0, 30, 500, 0), {}, 0},
        {R(0, 50, 60, 0), {}, 0}, // "60x50": needs strictly more than 5 x 10 + 10
        {R(0, 50, 61, 0), {"texte 5,45 61x50"}, 0},
    };
    for (const Cas& k : cas) {
        Banc b;
        Panneau_p p = test::Plaque(3000, 2000);
        p.Chutes = {k.chute};
        DessinerPanneau(b.PlanA(1.0f, {0, 0}), p);
        const auto& a = b.c.Appels;
        const auto bleu = std::find(a.begin(), a.end(), "crayon 0,0,255");
        ASSERT_NE(bleu, a.end());
        std::vector<std::string> textes;
        long polylignes = 0;
        for (auto i = bleu; i != a.end(); ++i) {
            textes.insert(textes.end(), i->rfind("texte", 0) == 0 ? 1 : 0, *i);
            polylignes += i->rfind("poly", 0) == 0;
        }
        EXPECT_EQ(textes, k.textes) << k.chute.Top << "x" << k.chute.Right;
        EXPECT_EQ(polylignes, k.polylignes);
        EXPECT_EQ(*(bleu + 1), "rect " + test::EnTexte({k.chute.Left, k.chute.Top}) + " " +
                                   test::EnTexte({k.chute.Right, k.chute.Bottom}));
    }
}

TEST(Plan, UnePieceSansReferenceLisibleEstSautee) {
    Banc b;
    Panneau_p p = test::Plaque(3000, 2000);
    p.Chutes.clear();
    p.Pieces = {Placee(R(0, 1000, 1000, 0), R(0, 1000, 1000, 0), 7),
                Placee(R(0, 2000, 1000, 1000), R(0, 2000, 1000, 1000), 1),
                Placee(R(1000, 2000, 2000, 1000), R(1000, 2000, 2000, 1000), -1)};
    DessinerPanneau(b.PlanA(1.0f, {0, -2000}), p);
    EXPECT_EQ(b.c.Compter("crayon 0,255,0"), 1);
    EXPECT_EQ(b.c.Compter("texte 5,-5 b"), 1);
}
