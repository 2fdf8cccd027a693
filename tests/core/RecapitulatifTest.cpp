#include "view/Recapitulatif.h"
#include "CanevasEnregistreur.h"
#include "FabriqueDebit.h"

#include <gtest/gtest.h>

using namespace tavelune;

namespace {

// A sheet with one piece of `longueur` x `largeur` in its corner and the rest free.
Panneau_p FeuilleAvecPiece(int32_t longueur, int32_t largeur, int32_t piece) {
    Panneau_p p = test::Plaque(longueur, largeur);
    TPiece t;
    t.Surface = piece * piece;
    p.Pieces = {t};
    p.Chutes = {{piece, largeur, longueur, 0}, {0, largeur, piece, piece}};
    p.LineaireDecoupe = piece * 2;
    return p;
}

const std::vector<std::string> aucuneEssence;

} // namespace

TEST(Recapitulatif, CleGroupe) {
    ReglagesDessin metres;
    ReglagesDessin millimetres;
    millimetres.UniteRecap = 0;
    Panneau_p p = test::Plaque(3210, 2250);
    EXPECT_EQ(CleGroupe(p, aucuneEssence, DebitSimple, metres), "3,21x2,25m - horizontal");
    EXPECT_EQ(CleGroupe(p, aucuneEssence, DebitSimple, millimetres), "3210x2250mm - horizontal");
    p.Epaisseur = 6;
    p.Sens = Indifferent;
    p.Essence = 1;
    const std::vector<std::string> essences{"FLOAT", "Feuilleté"};
    EXPECT_EQ(CleGroupe(p, essences, DebitComplexe, millimetres),
              "3210x2250x6mm - feuilleté - indifférent");
    p.Essence = -1;
    EXPECT_EQ(CleGroupe(p, essences, DebitComplexe, millimetres),
              "3210x2250x6mm - Non spécifié - indifférent");
}

TEST(Recapitulatif, UneLigneParSorteDePanneauDansLOrdreDApparition) {
    ReglagesDessin r;
    const std::vector<Panneau_p> panneaux{
        FeuilleAvecPiece(3000, 2000, 1000), FeuilleAvecPiece(2000, 1000, 500),
        FeuilleAvecPiece(3000, 2000, 1000), FeuilleAvecPiece(3000, 2000, 1000)};
    std::vector<METRAGE> m{{"ancienne ligne"}};
    CalculerRecapitulatif(m, panneaux, aucuneEssence, DebitSimple, r);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].Libelle, "3x2m - horizontal");
    EXPECT_EQ(m[0].NbPanneaux, 3);
    EXPECT_FLOAT_EQ(m[0].SurfacePanneaux, 18);
    EXPECT_FLOAT_EQ(m[0].SurfacePieces, 3);
    EXPECT_FLOAT_EQ(m[0].LineaireTotal, 6);
    EXPECT_FLOAT_EQ(m[0].SurfaceChutes, 15);
    EXPECT_FLOAT_EQ(m[0].TauxChutes, 15.0f / 18 * 100);
    EXPECT_EQ(m[1].Libelle, "2x1m - horizontal");
    EXPECT_EQ(m[1].NbPanneaux, 1);

    CalculerRecapitulatif(m, {}, aucuneEssence, DebitSimple, r);
    EXPECT_TRUE(m.empty());
}

TEST(Recapitulatif, LArrondiDeLUniteRegroupe) {
    const std::vector<Panneau_p> panneaux{test::Plaque(3221, 2250), test::Plaque(3224, 2250)};
    ReglagesDessin r;
    std::vector<METRAGE> m;
    CalculerRecapitulatif(m, panneaux, aucuneEssence, DebitSimple, r);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].Libelle, "3,22x2,25m - horizontal");
    EXPECT_EQ(m[0].NbPanneaux, 2);
    r.UniteRecap = 0;
    CalculerRecapitulatif(m, panneaux, aucuneEssence, DebitSimple, r);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[1].Libelle, "3224x2250mm - horizontal");
}

TEST(Recapitulatif, ChutesPanneauVideEtUniteDuDebit) {
    ReglagesDessin r;
    r.UniteRecap = 0;
    r.UniteJob = {10.0f, "cm"};
    Panneau_p vide = test::Plaque(3210, 2250);
    vide.LineaireDecoupe = 5000;
    // Degenerate free rectangles (zero width, upside down) add nothing.
    vide.Chutes.push_back({100, 500, 100, 0});
    vide.Chutes.push_back({0, 0, 100, 10});
    std::vector<METRAGE> m;
    CalculerRecapitulatif(m, {vide}, aucuneEssence, DebitSimple, r);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].Libelle, "321x225cm - horizontal");
    EXPECT_FLOAT_EQ(m[0].SurfacePanneaux, 72225);
    EXPECT_FLOAT_EQ(m[0].SurfaceChutes, 72225);
    EXPECT_FLOAT_EQ(m[0].SurfacePieces, 0);
    EXPECT_FLOAT_EQ(m[0].LineaireTotal, 500);
    EXPECT_FLOAT_EQ(m[0].TauxChutes, 100);

    // No sheet surface: a rate of 0 rather than a number that is not one.
    Panneau_p plat = test::Plaque(3000, 0);
    plat.Chutes.clear();
    CalculerRecapitulatif(m, {plat}, aucuneEssence, DebitSimple, r);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].TauxChutes, 0.0f);
}

TEST(Recapitulatif, Raccourcir) {
    // cw 7 counts 8 per character; 238 units hold 29 characters.
    const std::string l29(29, 'x');
    EXPECT_EQ(Raccourcir(l29, 7, 238), l29);
    EXPECT_EQ(Raccourcir(l29 + "y", 7, 238), std::string(26, 'x') + "...");
    EXPECT_EQ(Raccourcir("éééé", 7, 24), "...");
    EXPECT_EQ(Raccourcir("abc", 7, 10), "...");
}

TEST(Recapitulatif, DispositionDesLignes) {
    ReglagesDessin r;
    std::vector<METRAGE> m(2);
    m[0] = {"3,21x2,25m - horizontal", 3, 14.45f, 10.2f, 22.5f, 1.78f, 12.3f};
    m[1] = {std::string(40, 'L'), 1, 1, 0, 0, 1, 100};
    test::CanevasEnregistreur c;
    c.Taille = 3; // h 12, cw 6: lines 16 apart, q = (500 - 16) / 2 = 242; labels keep 238 / 7 - 3 =
                  // 31 characters
    DessinerLignesRecapitulatif(c, m, 2, 500, 12, 6, r);
    const std::vector<std::string> attendu = {
        "gras",
        "texte 1,2 3,21x2,25m - horizontal",
        "normal",
        "texte 243,2 Nombre de plaques de verre : 3",
        "texte 243,18 Surface totale des plaques de verre : 14,45 m²",
        "texte 243,34 Linéaire de découpe : 22,5 m",
        "texte 243,50 Surface totale des vitrages : 10,2 m²",
        "texte 243,66 Surface totale des chutes : 1,78 m²",
        "texte 243,82 Taux de chutes : 12,3 %",
        "ligne 0,96 500,96",
        "gras",
        "texte 1,98 " + std::string(31, 'L') + "...",
        "normal"};
    EXPECT_EQ(std::vector<std::string>(c.Appels.begin(), c.Appels.begin() + 13), attendu);
    EXPECT_EQ(c.Compter("ligne"), 1); // none after the last line
    EXPECT_EQ(HauteurRecapitulatif(4, 13), 410);
}

TEST(ReglagesPourDessin, LesMotsParDefautSontCeuxDeLaTable) {
    Reglages reglages;
    reglages.Options.DesignationPanneau = "Plaque de verre";
    reglages.Options.DesignationPiece = "Vitrage";
    reglages.Options.DesignationPanneaux = "Plaques de verre";
    reglages.Options.DesignationPieces = "Vitrages";
    reglages.Options.ModeAffichage = 0;
    reglages.Options.UniteRecap = 0;
    reglages.UniteJob = {10.0f, "cm"};
    const ReglagesDessin r = ReglagesPourDessin(reglages, Textes(), ',');
    const ReglagesDessin parDefaut;
    EXPECT_EQ(r.Mots.Vitrage, parDefaut.Mots.Vitrage);
    EXPECT_EQ(r.Mots.SensMotifs, parDefaut.Mots.SensMotifs);
    EXPECT_EQ(r.Mots.NonSpecifie, parDefaut.Mots.NonSpecifie);
    EXPECT_EQ(r.Mots.Sens, parDefaut.Mots.Sens);
    EXPECT_EQ(r.Mots.Echelle, parDefaut.Mots.Echelle);
    EXPECT_EQ(r.Mots.PrefixeTaux, parDefaut.Mots.PrefixeTaux);
    EXPECT_EQ(r.Mots.Reference, parDefaut.Mots.Reference);
    EXPECT_EQ(r.ModeAffichage, 0);
    EXPECT_EQ(r.UniteRecap, 0);
    EXPECT_EQ(r.UniteJob.Nom, "cm");
}
