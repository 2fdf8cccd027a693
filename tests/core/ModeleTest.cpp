#include "model/Modele.h"

#include <bit>
#include <gtest/gtest.h>

using namespace tavelune;

TEST(Modele, ConversionALaSaisie) {
    struct Cas {
        double valeur;
        float facteur;
        int32_t attendu;
    };
    const Cas cas[] = {
        {10, FacteurPouce(), 254}, {12.3, 10.0f, 123},   {0.4, 1.0f, 0}, {0.5, 1.0f, 1},
        {149.5, 1.0f, 150},        {2.5, 1000.0f, 2500},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ValeurEnMillimetres(c.valeur, c.facteur), c.attendu) << c.valeur;
    EXPECT_EQ(std::bit_cast<uint32_t>(FacteurPouce()), 0x41CB3333u);
}

TEST(Modele, ReinitialiserGardeLesChutesExistantes) {
    Panneau_p p = NouveauPanneau(3000, 2000);
    p.Longueur = 1000;
    p.Largeur = 500;
    Reinitialiser(p);
    EXPECT_EQ(p.Rect, (MONRect{0, 500, 1000, 0}));
    EXPECT_EQ(p.Surface, 500000);
    ASSERT_EQ(p.Chutes.size(), 1u);
    EXPECT_EQ(p.Chutes[0], (MONRect{0, 2000, 3000, 0}));

    p.Chutes.clear();
    Reinitialiser(p);
    EXPECT_EQ(p.Chutes, std::vector<MONRect>{p.Rect});
}

TEST(Modele, CopierNeufDonneUnePlaqueVide) {
    Panneau_p modele = NouveauPanneau(3000, 2000);
    modele.Longueur = 3000;
    modele.Largeur = 2000;
    modele.Surface = 6000000;
    modele.Nb = 3;
    modele.Pieces.resize(2);
    modele.Chutes = {MONRect{0, 10, 10, 0}};
    modele.LineaireDecoupe = 42;
    const Panneau_p neuf = CopierNeuf(modele);
    EXPECT_TRUE(neuf.Pieces.empty());
    EXPECT_EQ(neuf.Chutes, std::vector<MONRect>{modele.Rect});
    EXPECT_EQ(neuf.LineaireDecoupe, 0);
    EXPECT_EQ(neuf.Nb, 3);
}

TEST(Modele, RequetesSurUneListeVide) {
    const std::vector<Panneau_p> vide;
    EXPECT_EQ(LongueurMax(vide), 0);
    EXPECT_EQ(LargeurMax(vide), 0);
    EXPECT_FALSE(EpaisseurPresente(vide, 10));
    EXPECT_FALSE(EpaisseurSuffisante(vide, 0));
    EXPECT_FALSE(EssencePresente(vide, 0));
}

TEST(Modele, AireEn64Bits) {
    EXPECT_EQ(Aire(MONRect{0, 50000, 50000, 0}), 2500000000LL);
}
