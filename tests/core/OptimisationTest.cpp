#include "engine/Optimisation.h"
#include "DebitsDeTest.h"
#include "VerificationPlan.h"

#include <gtest/gtest.h>

using namespace tavelune;
using namespace tavelune::test;

namespace {

Debit Job(std::vector<Panneau_p> plaques, std::vector<TPiece> pieces, int32_t type = DebitSimple) {
    Debit d;
    d.TypeDebit = type;
    d.PanneauxSaisis = std::move(plaques);
    d.PiecesSaisies = std::move(pieces);
    return d;
}

// Runs the job and checks the plan; the sizes of the result sheets and their piece numbers.
struct Resume {
    std::vector<std::pair<int32_t, int32_t>> tailles;
    std::vector<std::vector<int32_t>> numeros;
    friend bool operator==(const Resume&, const Resume&) = default;
};

Resume Executer(Debit& d) {
    Optimisation(d);
    EXPECT_EQ(VerifierPlan(d), std::vector<std::string>{});
    for (const auto& g : d.Groupes)
        EXPECT_TRUE(g.empty());
    Resume r;
    for (const Panneau_p& p : d.Panneaux) {
        r.tailles.emplace_back(p.Longueur, p.Largeur);
        r.numeros.emplace_back();
        for (const TPiece& piece : p.Pieces)
            r.numeros.back().push_back(piece.Numero);
    }
    return r;
}

} // namespace

TEST(Optimisation, AjoutDePlaques) {
    struct Cas {
        const char* nom;
        Debit debit;
        Resume attendu;
    };
    Cas cas[] = {
        {"une seconde plaque",
         Job({Plaque(3000, 2000)}, {Piece(2500, 1500, Horizontal, 2)}),
         {{{3000, 2000}, {3000, 2000}}, {{0}, {0}}}},
        {"le grand modele",
         Job({Plaque(3000, 2000), Plaque(1000, 500)}, {Piece(2500, 1500, Horizontal, 2)}),
         {{{1000, 500}, {3000, 2000}, {3000, 2000}}, {{}, {0}, {0}}}},
        {"Nb 3",
         Job({Plaque(3000, 2000, Horizontal, 3)}, {Piece(500, 500, Horizontal, 4)}),
         {{{3000, 2000}, {3000, 2000}, {3000, 2000}}, {{0, 0, 0, 0}, {}, {}}}},
        {"pieces egales",
         Job({Plaque(3000, 2000)}, {Piece(1000, 1000, Horizontal, 10)}),
         {{{3000, 2000}, {3000, 2000}}, {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0}}}},
        // Sens 0 stays on Sens 0 sheets, even added ones; Sens 1 (no such sheet) goes anywhere.
        {"sens des plaques",
         Job({Plaque(3000, 2000, Indifferent), Plaque(1000, 1000, Horizontal)},
             {Piece(900, 900, Horizontal, 2, 0), Piece(2500, 1500, Vertical, 1, 1)}),
         {{{1000, 1000}, {3000, 2000}, {1000, 1000}}, {{0}, {1}, {0}}}},
    };
    for (Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(Executer(c.debit), c.attendu);
        EXPECT_TRUE(c.debit.NonPlacees.empty());
    }
}

TEST(Optimisation, PlaquesRestéesVidesEtRelance) {
    Debit d = Job({Plaque(3000, 2000, Horizontal, 3)}, {Piece(500, 500)});
    Executer(d);
    ASSERT_EQ(d.Panneaux.size(), 3u);
    for (std::size_t k = 1; k < 3; ++k) {
        EXPECT_EQ(d.Panneaux[k].Chutes, std::vector<MONRect>{d.Panneaux[k].Rect});
        EXPECT_EQ(d.Panneaux[k].LineaireDecoupe, 0);
    }
    // A second run replaces the plan instead of adding to it.
    const auto premier = d.Panneaux;
    Optimisation(d);
    EXPECT_EQ(d.Panneaux, premier);
}

TEST(Optimisation, RegrouperPieces) {
    const std::vector<TPiece> pieces{
        Piece(100, 100, Horizontal, 2, 0, 4), Piece(200, 100, Horizontal, 1, 1, 6),
        Piece(300, 100, Horizontal, 1, 2, 4), Piece(400, 100, Horizontal, 0, 3, 8),
        Piece(500, 100, Horizontal, 1, 4, 8), Piece(600, 100, Horizontal, 1, 5, 4, 1)};
    const auto numeros = [](const Debit& d) {
        std::vector<std::vector<int32_t>> n;
        for (const auto& g : d.Groupes) {
            n.emplace_back();
            for (const TPiece& p : g)
                n.back().push_back(p.Numero);
        }
        return n;
    };
    Debit complexe = Job({}, pieces, DebitComplexe);
    RegrouperPieces(complexe);
    // 4 mm, 6 mm, the empty 8 mm group of the Nb 0 piece, a new 8 mm group, type 1.
    EXPECT_EQ(numeros(complexe), (std::vector<std::vector<int32_t>>{{0, 0, 2}, {1}, {}, {4}, {5}}));
    Debit simple = Job({}, pieces);
    RegrouperPieces(simple);
    EXPECT_EQ(numeros(simple), (std::vector<std::vector<int32_t>>{{0, 0, 1, 2, 4, 5}}));
    TrierGroupes(simple);
    EXPECT_EQ(numeros(simple), (std::vector<std::vector<int32_t>>{{5, 4, 2, 1, 0, 0}}));
    simple.PiecesSaisies.clear();
    RegrouperPieces(simple);
    EXPECT_TRUE(simple.Groupes.empty());
}

TEST(Optimisation, EpaisseurSuperieure) {
    // The 6 mm sheet comes first (smaller), the 4 mm one after it.
    Debit d = Job({Plaque(3000, 2000, Horizontal, 1, 4), Plaque(2000, 1000, Horizontal, 1, 6)},
                  {Piece(3000, 1500, Horizontal, 1, 0, 4), Piece(1000, 400, Horizontal, 1, 1, 4),
                   Piece(1500, 800, Horizontal, 1, 2, 4), Piece(400, 400, Horizontal, 1, 3, 6)});
    d.MargesJob.EpaisseurSuperieure = 1;
    const Resume r = Executer(d);
    ASSERT_EQ(r.tailles.size(), 2u);
    EXPECT_EQ(r.tailles[0], std::make_pair(2000, 1000));
    // The 4 mm pieces go on the 4 mm sheet while it can take them.
    EXPECT_EQ(r.numeros, (std::vector<std::vector<int32_t>>{{2, 3}, {0, 1}}));

    d.MargesJob.EpaisseurSuperieure = 0;
    Optimisation(d);
    EXPECT_EQ(d.NonPlacees, std::vector<int32_t>{});
    EXPECT_EQ(VerifierPlan(d), std::vector<std::string>{});
    EXPECT_EQ(d.Panneaux.size(), 3u);
}

TEST(Optimisation, UnDebitQuiNePeutFinirSeTermine) {
    struct Cas {
        const char* nom;
        Debit debit;
        std::vector<int32_t> nonPlacees;
    };
    Debit margesNegatives = Job({Plaque(1000, 1000)}, {Piece(500, 500, Horizontal, 5)});
    margesNegatives.MargesJob = {-50, -20, 0, 1, 0};
    margesNegatives.TraitScie = -10;
    Debit typeInconnu = Job({Plaque(1000, 1000)}, {Piece(500, 500, Horizontal, 2)}, 7);
    Cas cas[] = {
        {"trop grande",
         Job({Plaque(1000, 1000)}, {Piece(1200, 100, Horizontal, 2, 0), Piece(500, 500, 0, 1, 1)}),
         {0, 0}},
        {"aucune plaque",
         Job({}, {Piece(100, 100, Horizontal, 2, 0), Piece(50, 50, 0, 1, 1)}),
         {0, 0, 1}},
        {"plaques sans copie",
         Job({Plaque(1000, 1000, 0, 0), Plaque(900, 900, 0, -4)},
             {Piece(100, 100, Horizontal, 1, 3)}),
         {3}},
        {"cotes nulles ou negatives",
         Job({Plaque(0, 1000), Plaque(-2000, -2000), Plaque(1000, 1000)},
             {Piece(0, 100, Indifferent, 1, 0), Piece(-100, -100, Indifferent, 2, 1),
              Piece(100, 100, Indifferent, 1, 2)}),
         {1, 1, 0}},
        {"nombres negatifs",
         Job({Plaque(1000, 1000)}, {Piece(100, 100, 0, -3, 0), Piece(100, 100, 0, 0, 1)}),
         {}},
        {"essence hors liste",
         Job({Plaque(1000, 1000, 0, 1, 10, -1)},
             {Piece(100, 100, 0, 1, 0, 10, 99), Piece(100, 100, 0, 1, 1, 10, -1)}),
         {0}},
        {"epaisseur absente",
         Job({Plaque(1000, 1000, 0, 1, 6)},
             {Piece(100, 100, 0, 1, 0, 4), Piece(100, 100, 0, 1, 1, 6)}, DebitComplexe),
         {0}},
        {"marges et trait negatifs", margesNegatives, {}},
        {"type de debit inconnu", typeInconnu, {}},
    };
    for (Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Executer(c.debit);
        EXPECT_EQ(c.debit.NonPlacees, c.nonPlacees);
    }
}

TEST(Optimisation, DeuxPiecesDeMemeNumeroSontPlaceesChacuneUneFois) {
    // Only a damaged file can give two entered pieces one number; neither may be lost.
    Debit d = Job({Plaque(1000, 1000)},
                  {Piece(900, 900, Horizontal, 1, 0), Piece(900, 100, Horizontal, 1, 0)});
    Executer(d);
    ASSERT_EQ(d.Panneaux.size(), 1u);
    ASSERT_EQ(d.Panneaux[0].Pieces.size(), 2u);
    EXPECT_EQ(d.Panneaux[0].Pieces[0].Longueur, 900);
    EXPECT_EQ(d.Panneaux[0].Pieces[1].Largeur, 100);
}
