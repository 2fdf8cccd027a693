#include "engine/Remplissage.h"
#include "DebitsDeTest.h"

#include <gtest/gtest.h>

using namespace tavelune;
using namespace tavelune::test;

namespace {

// Places the piece alone (last of its group) on the sheet.
bool PlacerSeule(Panneau_p& plaque, TPiece& piece, const Marges& marges = {}, int32_t K = 0) {
    std::vector<TPiece> groupe{piece};
    const bool place = PlacerPiece(plaque, groupe[0], groupe, 0, marges, K);
    piece = groupe[0];
    return place;
}

} // namespace

TEST(Remplissage, PieceSeuleSurUnePlaqueVide) {
    struct Cas {
        TPiece piece;
        int32_t sensPlaque;
        bool preference;
        MONRect coupe;
        std::vector<MONRect> chutes;
        int32_t decoupe;
    };
    const Cas cas[] = {
        // Both splits score 2.0; H1 is the largest of the four, so H.
        {Piece(1000, 500),
         Horizontal,
         true,
         {0, 2000, 1000, 1500},
         {{1000, 2000, 3000, 1500}, {0, 1500, 3000, 0}},
         3500},
        // 12 turned against 12 straight, capped at 1: turned; V2 is the largest, so V.
        {Piece(1000, 500, Indifferent),
         Horizontal,
         true,
         {0, 2000, 500, 1000},
         {{0, 1000, 500, 0}, {500, 2000, 3000, 0}},
         2500},
        // Straight grid 2 x 3 = 6 beats turned 5 x 1 = 5.
        {Piece(1100, 600, Indifferent, 10),
         Horizontal,
         false,
         {0, 2000, 1100, 1400},
         {{1100, 2000, 3000, 1400}, {0, 1400, 3000, 0}},
         3600},
        // A vertical piece on a horizontal sheet lies turned.
        {Piece(1000, 500, Vertical),
         Horizontal,
         true,
         {0, 2000, 500, 1000},
         {{0, 1000, 500, 0}, {500, 2000, 3000, 0}},
         2500},
        {Piece(1000, 500, Horizontal),
         Vertical,
         true,
         {0, 2000, 500, 1000},
         {{0, 1000, 500, 0}, {500, 2000, 3000, 0}},
         2500},
    };
    for (const Cas& c : cas) {
        Panneau_p plaque = Plaque(3000, 2000, c.sensPlaque);
        TPiece piece = c.piece;
        EXPECT_EQ(PreferenceTournee(piece, plaque, {}, 0), c.preference);
        ASSERT_TRUE(PlacerSeule(plaque, piece));
        EXPECT_EQ(piece.RectCoupe, c.coupe);
        EXPECT_EQ(piece.RectHorsTout, c.coupe);
        EXPECT_EQ(plaque.Chutes, c.chutes);
        EXPECT_EQ(plaque.LineaireDecoupe, c.decoupe);
        ASSERT_EQ(plaque.Pieces.size(), 1u);
        EXPECT_EQ(plaque.Pieces[0], piece);
    }
}

TEST(Remplissage, PreferenceTourneeSurUnePlaqueEntamee) {
    Panneau_p plaque = Plaque(3000, 2000);
    TPiece piece = Piece(1100, 600, Indifferent, 10);
    EXPECT_FALSE(PreferenceTournee(piece, plaque, {}, 0));
    piece.Nb = 0;
    EXPECT_TRUE(PreferenceTournee(piece, plaque, {}, 0));
    piece.Nb = 10;
    plaque.Chutes = {{0, 1500, 3000, 0}};
    EXPECT_TRUE(PreferenceTournee(piece, plaque, {}, 0));
}

TEST(Remplissage, LaSuiteDuGroupeChoisitLaDecoupe) {
    // The next piece only fits right of the first one: the vertical cut keeps that room.
    Panneau_p plaque = Plaque(3000, 2000);
    std::vector<TPiece> groupe{Piece(1000, 500), Piece(1900, 1800)};
    ASSERT_TRUE(PlacerPiece(plaque, groupe[0], groupe, 0, {}, 0));
    EXPECT_EQ(plaque.Chutes, (std::vector<MONRect>{{0, 1500, 1000, 0}, {1000, 2000, 3000, 0}}));
    EXPECT_EQ(plaque.LineaireDecoupe, 3000);

    const SuiteDuGroupe suite(groupe, 0);
    EXPECT_FLOAT_EQ(NoterChute({1000, 2000, 3000, 0}, suite, {}, Horizontal), 0.855f);
    EXPECT_FLOAT_EQ(NoterChute({0, 1500, 1000, 0}, suite, {}, Horizontal), 1.0f);
    EXPECT_FLOAT_EQ(NoterDecoupe({0, 1500, 1000, 0}, {1000, 2000, 3000, 0}, suite, {}, Horizontal),
                    1.855f);
    // Pieces before the current one are not looked at.
    EXPECT_FLOAT_EQ(NoterChute({1000, 2000, 3000, 0}, SuiteDuGroupe(groupe, 1), {}, Horizontal),
                    1.0f);
    // Both below 1: the mean; the smallest fitting piece gives the score.
    groupe.push_back(Piece(100, 100));
    EXPECT_FLOAT_EQ(NoterDecoupe({0, 1000, 1000, 0}, {0, 200, 100, 0}, suite, {}, Horizontal),
                    (0.01f + 0.5f) * 0.5f);
}

TEST(Remplissage, TraitDeScieEtAjustementExact) {
    struct Cas {
        int32_t K;
        Marges marges;
        int32_t longueur, largeur;
        int32_t decoupe;
    };
    // The strip under the piece is narrower than the kerf, or the piece fills the sheet:
    // no free rectangle is left, and the vertical-first split is counted.
    const Cas cas[] = {
        {3, {}, 1000, 502, 1502}, {0, {}, 1000, 500, 1500}, {0, {10, 1, 0, 1, 0}, 1020, 502, 1522}};
    for (const Cas& c : cas) {
        Panneau_p plaque = Plaque(c.longueur, c.largeur);
        TPiece piece = Piece(1000, 500);
        ASSERT_TRUE(PlacerSeule(plaque, piece, c.marges, c.K));
        EXPECT_TRUE(plaque.Chutes.empty());
        EXPECT_EQ(plaque.LineaireDecoupe, c.decoupe);
    }
    // With room for the kerf, the strip starts below it.
    Panneau_p plaque = Plaque(1000, 600);
    TPiece piece = Piece(1000, 500);
    ASSERT_TRUE(PlacerSeule(plaque, piece, {}, 3));
    EXPECT_EQ(plaque.Chutes, std::vector<MONRect>({{0, 97, 1000, 0}}));
}

TEST(Remplissage, LesMargesTournentAvecLaPiece) {
    const Marges marges{10, 5, 0, 1, 0};
    struct Cas {
        int32_t sensPiece, sensPlaque;
        MONRect coupe, horsTout;
    };
    const Cas cas[] = {
        {Horizontal, Horizontal, {10, 1995, 1010, 1495}, {0, 2000, 1020, 1490}},
        {Horizontal, Vertical, {5, 1990, 505, 990}, {0, 2000, 510, 980}},
        {Vertical, Horizontal, {5, 1990, 505, 990}, {0, 2000, 510, 980}},
    };
    for (const Cas& c : cas) {
        Panneau_p plaque = Plaque(3000, 2000, c.sensPlaque);
        TPiece piece = Piece(1000, 500, c.sensPiece);
        ASSERT_TRUE(PlacerSeule(plaque, piece, marges));
        EXPECT_EQ(piece.RectCoupe, c.coupe);
        EXPECT_EQ(piece.RectHorsTout, c.horsTout);
    }
}

TEST(Remplissage, PiecePasseSelonLesSens) {
    struct Cas {
        TPiece piece;
        MONRect r;
        bool passe[3];
    };
    const MONRect couche{0, 100, 300, 0};
    const MONRect debout{0, 300, 100, 0};
    TPiece surfaceTropGrande = Piece(100, 100, Indifferent);
    surfaceTropGrande.Surface = 20000;
    const Cas cas[] = {
        {Piece(300, 100, Horizontal), couche, {true, false, true}},
        {Piece(300, 100, Horizontal), debout, {false, true, true}},
        {Piece(300, 100, Vertical), couche, {false, true, true}},
        {Piece(300, 100, Vertical), debout, {true, false, true}},
        {Piece(300, 100, Indifferent), debout, {true, true, true}},
        {Piece(301, 100, Indifferent), debout, {false, false, false}},
        {Piece(0, 100, Indifferent), debout, {false, false, false}},
        {Piece(-300, -100, Indifferent), debout, {false, false, false}},
        // The net surface is checked before the sides.
        {surfaceTropGrande, {0, 100, 150, 0}, {false, false, false}},
    };
    for (const Cas& c : cas)
        for (int32_t sens = 0; sens < 3; ++sens)
            EXPECT_EQ(PiecePasse(c.piece, c.r, {}, sens), c.passe[sens])
                << c.piece.Longueur << " sens " << c.piece.Sens << " sur " << sens;
    // Margins count on both sides.
    EXPECT_TRUE(PiecePasse(Piece(280, 90), couche, {10, 5, 0, 1, 0}, Horizontal));
    EXPECT_FALSE(PiecePasse(Piece(281, 90), couche, {10, 5, 0, 1, 0}, Horizontal));
}

TEST(Remplissage, UnePlaqueQuiNeConvientPasNeChangeRien) {
    struct Cas {
        TPiece piece;
        Marges marges;
        bool place;
    };
    const Cas cas[] = {
        {Piece(1000, 500, Horizontal, 1, 0, 10, 0), {}, true},
        {Piece(1000, 500, Horizontal, 1, 0, 8, 0), {}, false},
        {Piece(1000, 500, Horizontal, 1, 0, 8, 0), {0, 0, 0, 0, 1}, true},
        {Piece(1000, 500, Horizontal, 1, 0, 8, 0), {0, 0, 2, 0, 0}, true},
        {Piece(1000, 500, Horizontal, 1, 0, 12, 0), {0, 0, 0, 0, 1}, false},
        {Piece(1000, 500, Horizontal, 1, 0, 10, 1), {}, false},
        {Piece(3001, 500, Horizontal, 1, 0, 10, 0), {}, false},
        {Piece(1000, 500, Horizontal, 1, 0, 10, 0), {1001, 0, 0, 0, 0}, false},
    };
    for (const Cas& c : cas) {
        Panneau_p plaque = Plaque(3000, 2000);
        const Panneau_p avant = plaque;
        TPiece piece = c.piece;
        EXPECT_EQ(PlacerSeule(plaque, piece, c.marges), c.place);
        if (!c.place) {
            EXPECT_EQ(plaque, avant);
            EXPECT_EQ(piece, c.piece);
        }
    }
    Panneau_p pleine = Plaque(3000, 2000);
    pleine.Chutes.clear();
    TPiece piece = Piece(10, 10);
    EXPECT_FALSE(PlacerSeule(pleine, piece));
}

TEST(Remplissage, OrdreDesChutes) {
    Panneau_p plaque = Plaque(3000, 2000);
    plaque.Chutes = {{500, 100, 600, 0},
                     {0, 2000, 3000, 100},
                     {0, 300, 100, 200},
                     {100, 300, 200, 200},
                     {0, 50, 10, 0}};
    TrierChutes(plaque);
    EXPECT_EQ(plaque.Chutes, (std::vector<MONRect>{{0, 50, 10, 0},
                                                   {0, 300, 100, 200},
                                                   {100, 300, 200, 200},
                                                   {500, 100, 600, 0},
                                                   {0, 2000, 3000, 100}}));
}

TEST(Remplissage, PieceAdmise) {
    const std::vector<Panneau_p> plaques{Plaque(1000, 500, Horizontal),
                                         Plaque(3000, 2000, Indifferent)};
    Marges marges{10, 10, 2, 0, 0};
    // A sheet of the piece's own direction exists: only those count.
    EXPECT_FALSE(PieceAdmise(plaques, Piece(1200, 400, Horizontal, 1, 0, 8), marges, true));
    EXPECT_TRUE(PieceAdmise(plaques, Piece(980, 480, Horizontal, 1, 0, 8), marges, true));
    EXPECT_FALSE(PieceAdmise(plaques, Piece(990, 480, Horizontal, 1, 0, 8), marges, true));
    EXPECT_TRUE(PieceAdmise(plaques, Piece(1200, 400, Vertical, 1, 0, 10), marges, false));
    EXPECT_EQ(marges, (Marges{0, 0, 0, 0, 0}));
    EXPECT_FALSE(PieceAdmise({Plaque(-3000, 2000, Indifferent)}, Piece(100, 100), marges, true));
    EXPECT_FALSE(PieceAdmise({}, Piece(100, 100), marges, true));
}
