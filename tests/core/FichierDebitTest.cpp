#include "FabriqueDebit.h"

#include "documents/FichierDebit.h"
#include "documents/Fichiers.h"
#include "engine/Optimisation.h"

#include <algorithm>

#include <filesystem>
#include <gtest/gtest.h>

using namespace tavelune;
using namespace std::string_literals;

namespace {

// The fixture is assembled field by field from the layout, independently of the writer.
std::string I(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
            static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
}

std::string R(int32_t l, int32_t t, int32_t r, int32_t b) {
    return I(l) + I(t) + I(r) + I(b);
}

std::string Champ(std::string octets, std::size_t largeur) {
    octets.resize(largeur, '\0');
    return octets;
}

std::string RecordPanneau(int32_t lo, int32_t la, int32_t ep, int32_t es, int32_t sens,
                          int32_t nb) {
    return I(lo * la) + R(0, la, lo, 0) + I(lo) + I(la) + I(ep) + I(es) + I(sens) + I(nb) + I(0) +
           std::string(144, '\0') + I(0) + I(0);
}

std::string RecordPiece(int32_t lo, int32_t la, int32_t ep, int32_t es, int32_t sens, int32_t nb,
                        int32_t numero) {
    return I(lo * la) + R(0, la, lo, 0) + I(lo) + I(la) + I(ep) + I(es) + I(sens) + I(nb) +
           I(numero) + R(0, 0, 0, 0) + I(numero);
}

// A complex job of 3 sheet models and 5 pieces, kerf 3, margins 10 and 5 (separate).
std::string Fixture() {
    return I(2) + I(3) + I(10) + I(5) + I(0) + "\x01\x00\x00\x00"s + I(3) + I(5) +
           RecordPanneau(3210, 2250, 4, 0, 0, 2) + RecordPanneau(2550, 1605, 6, 1, 2, 1) +
           RecordPanneau(6000, 3210, 4, -1, 1, 0) + RecordPiece(800, 600, 4, 0, 0, 2, 0) +
           RecordPiece(1200, 400, 6, 1, 2, 1, 1) + RecordPiece(500, 500, 4, 0, 1, 4, 2) +
           RecordPiece(1000, 250, 4, -1, 0, 1, 3) + RecordPiece(300, 200, 6, 1, 2, 3, 4) +
           Champ("Porte vitr\xe9"
                 "e",
                 50) +
           Champ("Cr\xe9"
                 "dence",
                 50) +
           Champ("Miroir \x80 l'unit\xe9", 50) + Champ("", 50) + Champ("\"Imposte\" \\ \x01", 50) +
           Champ("a", 4) + Champ("b", 4) + Champ("c", 4) + Champ("", 4) + Champ("DEF", 4);
}

// In the order of the records' fields, so that a job reads as its records.
Panneau_p Modele(int32_t lo, int32_t la, int32_t ep, int32_t es, int32_t sens, int32_t nb) {
    return test::Plaque(lo, la, sens, nb, ep, es);
}

TPiece Piece(int32_t lo, int32_t la, int32_t ep, int32_t es, int32_t sens, int32_t nb,
             int32_t numero) {
    return test::Piece(lo, la, sens, nb, numero, ep, es);
}

Debit JobDeLaFixture() {
    Debit d;
    d.TypeDebit = DebitComplexe;
    d.TraitScie = 3;
    d.MargesJob = {10, 5, 0, 1, 0};
    d.PanneauxSaisis = {Modele(3210, 2250, 4, 0, 0, 2), Modele(2550, 1605, 6, 1, 2, 1),
                        Modele(6000, 3210, 4, -1, 1, 0)};
    d.PiecesSaisies = {Piece(800, 600, 4, 0, 0, 2, 0), Piece(1200, 400, 6, 1, 2, 1, 1),
                       Piece(500, 500, 4, 0, 1, 4, 2), Piece(1000, 250, 4, -1, 0, 1, 3),
                       Piece(300, 200, 6, 1, 2, 3, 4)};
    d.Designations = {"Porte vitrée", "Crédence", "Miroir € l'unité", "", "\"Imposte\" \\ \x01"};
    d.References = {"a", "b", "c", "", "DEF"};
    return d;
}

void ExpectSaisieEgale(const Debit& lu, const Debit& attendu) {
    EXPECT_EQ(lu.TypeDebit, attendu.TypeDebit);
    EXPECT_EQ(lu.TraitScie, attendu.TraitScie);
    EXPECT_EQ(lu.MargesJob, attendu.MargesJob);
    EXPECT_EQ(lu.PanneauxSaisis, attendu.PanneauxSaisis);
    EXPECT_EQ(lu.PiecesSaisies, attendu.PiecesSaisies);
    EXPECT_EQ(lu.Designations, attendu.Designations);
    EXPECT_EQ(lu.References, attendu.References);
}

void Poser(std::string& octets, std::size_t position, int32_t v) {
    octets.replace(position, 4, I(v));
}

} // namespace

TEST(FichierDebit, LaFixtureSeLitEtSeReecritOctetPourOctet) {
    const std::string octets = Fixture();
    ASSERT_EQ(octets.size(), 1242u);
    const ResultatDebit lu = LireDebit(octets);
    ASSERT_TRUE(lu.debit) << lu.raison;
    ExpectSaisieEgale(*lu.debit, JobDeLaFixture());
    EXPECT_TRUE(lu.debit->Panneaux.empty());
    EXPECT_EQ(EcrireDebit(*lu.debit), octets);
    EXPECT_EQ(EcrireDebit(JobDeLaFixture()), octets);
}

TEST(FichierDebit, LesOctetsSansInformationSontIgnores) {
    std::string octets = Fixture();
    octets[22] = '\x7f';                        // Marges padding
    octets[32 + 44] = '\x05';                   // IndexDesignation of a sheet
    octets.replace(32 + 48, 144, 144, '\xaa');  // in-memory lists of a sheet
    octets[32 + 196] = '\x01';                  // last bytes of a sheet
    octets[32 + 600 + 340 + 3 * 50 + 10] = 'x'; // after the NUL of an empty designation
    octets[32 + 600 + 340 + 250 + 3 * 4 + 2] = 'y';
    octets += "des octets en trop";
    Poser(octets, 32 + 192, 1234); // LineaireDecoupe, kept as read
    const ResultatDebit lu = LireDebit(octets);
    ASSERT_TRUE(lu.debit) << lu.raison;
    Debit attendu = JobDeLaFixture();
    attendu.PanneauxSaisis[0].LineaireDecoupe = 1234;
    ExpectSaisieEgale(*lu.debit, attendu);
}

TEST(FichierDebit, LesFeuillesLuesSontNeuvesCommeCopierNeuf) {
    Debit d = JobDeLaFixture();
    Panneau_p& p = d.PanneauxSaisis[0];
    p.Chutes.push_back({0, 10, 10, 0});
    p.Pieces.push_back(d.PiecesSaisies[0]);
    p.IndexDesignation = 7;
    const ResultatDebit lu = LireDebit(EcrireDebit(d));
    ASSERT_TRUE(lu.debit) << lu.raison;
    EXPECT_EQ(lu.debit->PanneauxSaisis[0], CopierNeuf(p));
}

TEST(FichierDebit, TextesCoupesASonChampEtCaracteresHorsCodePage) {
    struct Cas {
        std::string designation, reference, designationLue, referenceLue;
    };
    const std::string quaranteNeuf = "Vitrage feuilleté 44.2, garde-corps de l'escalier";
    ASSERT_EQ(quaranteNeuf.size(), 50u); // 49 characters, "é" is two bytes
    const Cas cas[] = {
        {quaranteNeuf, "abc", quaranteNeuf, "abc"},
        {quaranteNeuf + "er", "abcd", quaranteNeuf, "abc"},
        {"Œil-de-bœuf €", "é€", "Œil-de-bœuf €", "é€"},
        {"Verre ✓ 日本", "ž✓", "Verre ? ??", "ž?"},
    };
    for (const auto& c : cas) {
        Debit d = JobDeLaFixture();
        d.Designations[1] = c.designation;
        d.References[1] = c.reference;
        const std::string octets = EcrireDebit(d);
        EXPECT_EQ(octets.size(), 1242u);
        const ResultatDebit lu = LireDebit(octets);
        ASSERT_TRUE(lu.debit) << lu.raison;
        EXPECT_EQ(lu.debit->Designations[1], c.designationLue);
        EXPECT_EQ(lu.debit->References[1], c.referenceLue);
        EXPECT_EQ(lu.debit->Designations[2], d.Designations[2]);
    }
}

TEST(FichierDebit, UnChampDeTexteParPieceQuelleQueSoitLaListe) {
    Debit d = JobDeLaFixture();
    d.Designations.resize(2);
    d.References.push_back("zz");
    const std::string octets = EcrireDebit(d);
    EXPECT_EQ(octets.size(), 1242u);
    const ResultatDebit lu = LireDebit(octets);
    ASSERT_TRUE(lu.debit) << lu.raison;
    EXPECT_EQ(lu.debit->Designations,
              (std::vector<std::string>{"Porte vitrée", "Crédence", "", "", ""}));
    EXPECT_EQ(lu.debit->References, JobDeLaFixture().References);
}

TEST(FichierDebit, EnregistrerPuisRouvrir) {
    const auto chemin = std::filesystem::path(testing::TempDir()) / "aller-retour.deb";
    ASSERT_EQ(EnregistrerDebit(chemin, JobDeLaFixture()), "");
    Debit d;
    ASSERT_EQ(OuvrirDebit(chemin, d), "");
    ExpectSaisieEgale(d, JobDeLaFixture());
    std::filesystem::remove(chemin);
}

TEST(FichierDebit, LesFichiersMalFormesSontRefusesSansToucherAuJob) {
    const std::size_t S = 24, P = 28, sheet0 = 32, piece0 = 32 + 600;
    struct Cas {
        const char* nom;
        std::string octets;
    };
    const std::string bon = Fixture();
    auto avec = [&](std::size_t position, int32_t v) {
        std::string o = bon;
        Poser(o, position, v);
        return o;
    };
    auto avecDeux = [&](std::size_t p1, int32_t v1, std::size_t p2, int32_t v2) {
        std::string o = avec(p1, v1);
        Poser(o, p2, v2);
        return o;
    };
    const Cas cas[] = {
        {"vide", ""},
        {"en-tête coupé", bon.substr(0, 31)},
        {"aucune plaque", avec(S, 0)},
        {"aucun vitrage", avec(P, 0)},
        {"plaques négatives", avec(S, -1)},
        {"vitrages négatifs", avec(P, -3)},
        {"plaques innombrables", avec(S, 0x7fffffff)},
        {"vitrages innombrables", avec(P, 0x7fffffff)},
        {"un vitrage de trop", avec(P, 6)},
        {"dernier octet manquant", bon.substr(0, bon.size() - 1)},
        {"sans désignations ni références", bon.substr(0, 32 + 600 + 340)},
        {"sans références", bon.substr(0, 32 + 600 + 340 + 250)},
        {"trop de plaques", avecDeux(sheet0 + 40, 60000, sheet0 + 200 + 40, 40001)},
        {"trop d'exemplaires", avecDeux(piece0 + 40, 999999, piece0 + 68 + 40, 2)},
        {"sens de plaque inconnu", avec(sheet0 + 36, 3)},
        {"sens de vitrage inconnu", avec(piece0 + 4 * 68 + 36, -1)},
    };
    const auto chemin = std::filesystem::path(testing::TempDir()) / "mal-forme.deb";
    Debit job = JobDeLaFixture();
    job.Panneaux = {CopierNeuf(job.PanneauxSaisis[0])};
    job.NonPlacees = {4};
    const std::string avant = EcrireDebit(job);
    for (const auto& c : cas) {
        EXPECT_FALSE(LireDebit(c.octets).debit) << c.nom;
        ASSERT_EQ(EcrireFichier(chemin, c.octets), "");
        EXPECT_NE(OuvrirDebit(chemin, job), "") << c.nom;
        EXPECT_EQ(EcrireDebit(job), avant) << c.nom;
        EXPECT_EQ(job.Panneaux.size(), 1u) << c.nom;
        EXPECT_EQ(job.NonPlacees, std::vector<int32_t>{4}) << c.nom;
    }
    EXPECT_NE(OuvrirDebit(chemin.parent_path() / "absent.deb", job), "");
    EXPECT_EQ(EcrireDebit(job), avant);
    std::filesystem::remove(chemin);
}

TEST(FichierDebit, LesLimitesSontDesSommesDesNbPositifs) {
    std::string octets = Fixture();
    const std::size_t sheet0 = 32, piece0 = 32 + 600;
    Poser(octets, sheet0 + 40, NombreMaxPlaques);
    Poser(octets, sheet0 + 200 + 40, 0);
    Poser(octets, sheet0 + 400 + 40, -5);
    Poser(octets, piece0 + 40, NombreMaxExemplaires);
    for (int i = 1; i < 5; ++i)
        Poser(octets, piece0 + i * 68 + 40, i % 2 ? 0 : -1000);
    EXPECT_TRUE(LireDebit(octets).debit);
}

TEST(FichierDebit, UnJobRouvertEstOptimiseDeNouveau) {
    Debit original = JobDeLaFixture();
    Optimisation(original);
    ResultatDebit lu = LireDebit(EcrireDebit(original));
    ASSERT_TRUE(lu.debit) << lu.raison;
    Debit& rouvert = *lu.debit;
    Optimisation(rouvert);
    EXPECT_EQ(rouvert.Panneaux, original.Panneaux);
    EXPECT_EQ(rouvert.NonPlacees, original.NonPlacees);
    // The 6000 x 3210 model has Nb 0: kept as entered, never laid out, so its only piece
    // (glass type -1) stays unplaced; the Nb 2 model gives two sheets.
    EXPECT_EQ(rouvert.PanneauxSaisis.size(), 3u);
    const auto deLongueur = [&](int32_t l) {
        return std::count_if(rouvert.Panneaux.begin(), rouvert.Panneaux.end(),
                             [l](const Panneau_p& p) { return p.Longueur == l; });
    };
    EXPECT_EQ(deLongueur(6000), 0);
    EXPECT_GE(deLongueur(3210), 2);
    EXPECT_EQ(rouvert.NonPlacees, std::vector<int32_t>{3});
}

TEST(FichierDebit, GroupesDUnJobRouvertSelonSonType) {
    Debit d = JobDeLaFixture();
    d.PiecesSaisies = {Piece(800, 600, 4, 0, 0, 1, 0), Piece(1200, 400, 6, 0, 2, 1, 1),
                       Piece(500, 500, 4, 0, 1, 1, 2)};
    d.Designations.resize(3);
    d.References.resize(3);
    const std::pair<int32_t, std::vector<std::vector<int32_t>>> cas[] = {
        {DebitComplexe, {{0, 2}, {1}}},
        {DebitSimple, {{0, 1, 2}}},
    };
    for (const auto& [type, attendu] : cas) {
        d.TypeDebit = type;
        ResultatDebit lu = LireDebit(EcrireDebit(d));
        ASSERT_TRUE(lu.debit) << lu.raison;
        RegrouperPieces(*lu.debit);
        std::vector<std::vector<int32_t>> numeros;
        for (const auto& groupe : lu.debit->Groupes) {
            numeros.emplace_back();
            for (const auto& piece : groupe)
                numeros.back().push_back(piece.Numero);
        }
        EXPECT_EQ(numeros, attendu) << type;
    }
}
