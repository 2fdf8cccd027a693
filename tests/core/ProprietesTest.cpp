#include "DebitsDeTest.h"
#include "OptimisationLitterale.h"
#include "VerificationPlan.h"
#include "engine/Optimisation.h"

#include <gtest/gtest.h>

using namespace tavelune;
using namespace tavelune::test;

namespace {

const Tirage tirages[] = {
    {},
    {.nbPieces = 150, .complexe = true, .marge = 5},
    {.nbPieces = 150, .marge = 8, .margesDifferenciees = true, .traitScie = 3},
    {.nbPieces = 120,
     .complexe = true,
     .marge = 3,
     .margesDifferenciees = true,
     .traitScie = 4,
     .epaisseurSuperieure = true,
     .intrus = true},
    {.nbPieces = 300, .nbMaxCopies = 1, .traitScie = 2, .intrus = true},
};

void AttendrePlansEgaux(const Debit& a, const Debit& b) {
    ASSERT_EQ(a.Panneaux.size(), b.Panneaux.size());
    for (std::size_t k = 0; k < a.Panneaux.size(); ++k)
        ASSERT_EQ(a.Panneaux[k], b.Panneaux[k]) << "plaque " << k;
    EXPECT_EQ(a.NonPlacees, b.NonPlacees);
}

} // namespace

// Every plan is sound, the same job gives the same plan, and the engine's driver gives
// exactly the plan of the plain step-by-step driver.
TEST(Proprietes, PlansAleatoires) {
    for (std::size_t t = 0; t < std::size(tirages); ++t)
        for (uint32_t graine = 1; graine <= 4; ++graine) {
            SCOPED_TRACE("tirage " + std::to_string(t) + " graine " + std::to_string(graine));
            Debit d = DebitAleatoire(graine, tirages[t]);
            Debit encore = d;
            Debit reference = d;
            Optimisation(d);
            EXPECT_EQ(VerifierPlan(d), std::vector<std::string>{});
            Optimisation(encore);
            AttendrePlansEgaux(d, encore);
            OptimisationLitterale(reference);
            AttendrePlansEgaux(d, reference);
        }
}

// The checker itself sees the faults it is there for.
TEST(Proprietes, LeVerificateurVoitLesFautes) {
    Debit d = DebitAleatoire(7, {.nbPieces = 30});
    Optimisation(d);
    ASSERT_EQ(VerifierPlan(d), std::vector<std::string>{});
    ASSERT_GE(d.Panneaux[0].Pieces.size(), 2u);
    const auto fautif = [&](auto&& abimer) {
        Debit copie = d;
        abimer(copie);
        return !VerifierPlan(copie).empty();
    };
    EXPECT_TRUE(fautif([](Debit& c) { c.Panneaux[0].Pieces.pop_back(); }));
    EXPECT_TRUE(fautif([](Debit& c) { c.Panneaux[0].Pieces.push_back(c.Panneaux[0].Pieces[0]); }));
    EXPECT_TRUE(fautif(
        [](Debit& c) { c.Panneaux[0].Chutes.push_back(c.Panneaux[0].Pieces[0].RectHorsTout); }));
    EXPECT_TRUE(fautif([](Debit& c) { c.Panneaux[0].Chutes.push_back({10, 10, 10, 0}); }));
    EXPECT_TRUE(fautif([](Debit& c) {
        TPiece& p = c.Panneaux[0].Pieces[0];
        p.RectCoupe.Right += 1;
        p.RectHorsTout.Right += 1;
    }));
    EXPECT_TRUE(fautif([](Debit& c) { c.Panneaux[0].Pieces[0].Epaisseur += 1; }));
    EXPECT_TRUE(fautif([](Debit& c) { c.NonPlacees.push_back(0); }));
    EXPECT_TRUE(fautif([](Debit& c) {
        Panneau_p& p = c.Panneaux[0];
        p.Sens = p.Pieces[0].Sens == Indifferent ? Horizontal : p.Pieces[0].Sens;
        TPiece& piece = p.Pieces[0];
        piece.Sens = p.Sens == Horizontal ? Vertical : Horizontal;
        piece.Longueur = piece.RectCoupe.Right - piece.RectCoupe.Left;
        piece.Largeur = piece.RectCoupe.Top - piece.RectCoupe.Bottom + 1;
    }));
}

// A damaged job may carry surfaces out of step with the sides: the driver then cannot
// rely on their order, and must still give the plain driver's plan.
TEST(Proprietes, SurfacesDecaleesDesCotes) {
    for (uint32_t graine = 1; graine <= 3; ++graine) {
        Debit d = DebitAleatoire(graine, {.nbPieces = 120, .marge = 4, .traitScie = 3});
        for (std::size_t k = 0; k < d.PiecesSaisies.size(); k += 5)
            d.PiecesSaisies[k].Surface /= 3;
        Debit reference = d;
        Optimisation(d);
        EXPECT_EQ(VerifierPlan(d), std::vector<std::string>{});
        OptimisationLitterale(reference);
        AttendrePlansEgaux(d, reference);
    }
}
