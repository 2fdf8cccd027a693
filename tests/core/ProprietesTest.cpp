#include "DebitsDeTest.h"
#include "FabriqueDebit.h"
#include "OptimisationLitterale.h"
#include "VerificationPlan.h"
#include "engine/Optimisation.h"
#include "engine/Qualite.h"

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

namespace {

// A job of one 30 x 30 sheet holding the given overall rectangles, no margins.
Debit PlaqueGarnie(const std::vector<MONRect>& rects, int32_t traitScie) {
    Debit d;
    d.TraitScie = traitScie;
    d.PanneauxSaisis.push_back(Plaque(30, 30, Indifferent));
    Panneau_p plaque = CopierNeuf(d.PanneauxSaisis[0]);
    plaque.Chutes.clear();
    for (const MONRect& r : rects) {
        TPiece p = Piece(r.Right - r.Left, r.Top - r.Bottom, Indifferent, 1,
                         static_cast<int32_t>(d.PiecesSaisies.size()));
        d.PiecesSaisies.push_back(p);
        p.RectCoupe = p.RectHorsTout = r;
        plaque.Pieces.push_back(p);
    }
    d.Panneaux.push_back(plaque);
    return d;
}

} // namespace

// Pieces must come apart by cuts from edge to edge, each leaving the kerf between them.
TEST(Proprietes, LeVerificateurVeutDesCoupesDeBoutEnBout) {
    const std::vector<MONRect> moulinet = {
        {0, 10, 20, 0}, {20, 20, 30, 0}, {10, 30, 30, 20}, {0, 30, 10, 10}, {10, 20, 20, 10}};
    EXPECT_FALSE(VerifierPlan(PlaqueGarnie(moulinet, 0)).empty());
    const std::vector<MONRect> bandes = {{0, 30, 10, 0}, {13, 30, 30, 15}, {13, 12, 30, 0}};
    EXPECT_EQ(VerifierPlan(PlaqueGarnie(bandes, 3)), std::vector<std::string>{});
    EXPECT_FALSE(VerifierPlan(PlaqueGarnie(bandes, 4)).empty());
}

// The search for fewer sheets keeps every rule and never does worse than the standard
// optimisation, whose unplaceable copies it leaves out too.
TEST(Proprietes, PlansQualite) {
    for (std::size_t t = 0; t < std::size(tirages); ++t)
        for (uint32_t graine = 1; graine <= 2; ++graine) {
            SCOPED_TRACE("tirage " + std::to_string(t) + " graine " + std::to_string(graine));
            Debit d = DebitAleatoire(graine, tirages[t]);
            Debit standard = d;
            Optimisation(standard);
            OptimisationQualite(d, std::chrono::milliseconds(50));
            EXPECT_EQ(VerifierPlan(d), std::vector<std::string>{});
            EXPECT_LE(d.Panneaux.size(), standard.Panneaux.size());
            EXPECT_EQ(d.NonPlacees, standard.NonPlacees);
            // The entered sheets come first, laid out as the standard plan lays them out.
            const std::size_t entrees = PanneauxDeDepart(d).size();
            for (std::size_t k = 0; k < entrees; ++k) {
                EXPECT_EQ(d.Panneaux[k].Rect, standard.Panneaux[k].Rect);
                EXPECT_EQ(d.Panneaux[k].Epaisseur, standard.Panneaux[k].Epaisseur);
                EXPECT_EQ(d.Panneaux[k].Essence, standard.Panneaux[k].Essence);
                EXPECT_EQ(d.Panneaux[k].Sens, standard.Panneaux[k].Sens);
            }
        }
}

// Five pieces that fill 91 % of one sheet, which the standard order spreads over two.
TEST(Proprietes, LaQualiteTrouveLaPlaqueQuiSuffit) {
    Debit d;
    d.PanneauxSaisis.push_back(Plaque(100, 100, Indifferent));
    const std::pair<int32_t, int32_t> cotes[] = {{25, 45}, {65, 25}, {65, 15}, {60, 60}, {35, 50}};
    for (const auto& [longueur, largeur] : cotes)
        d.PiecesSaisies.push_back(
            Piece(longueur, largeur, Indifferent, 1, static_cast<int32_t>(d.PiecesSaisies.size())));
    Debit standard = d;
    Optimisation(standard);
    ASSERT_EQ(standard.Panneaux.size(), 2u);
    // A plan on one sheet cannot be beaten: the search stops there, well within the budget.
    OptimisationQualite(d, std::chrono::seconds(30));
    EXPECT_EQ(d.Panneaux.size(), 1u);
    EXPECT_EQ(d.Panneaux[0].Pieces.size(), 5u);
    EXPECT_EQ(VerifierPlan(d), std::vector<std::string>{});
}
