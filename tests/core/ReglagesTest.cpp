#include "DossierTemporaire.h"
#include "documents/FichiersReglages.h"
#include "strings/Texte.h"

#include <bit>
#include <gtest/gtest.h>
#include <set>

using namespace tavelune;
using tavelune::test::DossierTemporaire;

namespace {

std::string Entier(int32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

std::string Reel(float f) {
    return Entier(std::bit_cast<int32_t>(f));
}

std::string Champ(std::string_view cp1252, std::size_t largeur) {
    std::string s(cp1252);
    s.resize(largeur, '\0');
    return s;
}

std::set<std::string> Fichiers(const DossierTemporaire& d) {
    std::set<std::string> noms;
    for (const auto& e : std::filesystem::directory_iterator(d.chemin()))
        noms.insert(e.path().filename().string());
    return noms;
}

} // namespace

TEST(Reglages, SansAucunFichierLesDefautsEtSeulsUniteEtLangueEcrits) {
    DossierTemporaire d;
    const Reglages r = LireReglages(d.chemin());

    EXPECT_EQ(r.UniteJob, (UNITE_MESURE{1.0f, "mm"}));
    EXPECT_EQ(r.BaseLangue, 0);
    OptionsProgramme attendues;
    attendues.DesignationPanneau = "Plaque de verre";
    attendues.DesignationPanneaux = "Plaques de verre";
    attendues.DesignationPiece = "Vitrage";
    attendues.DesignationPieces = "Vitrages";
    EXPECT_EQ(r.Options, attendues);
    EXPECT_FALSE(r.DesignationsDuFichier);
    EXPECT_TRUE(r.Essences.empty());
    EXPECT_TRUE(r.DimPanneaux.empty());
    EXPECT_TRUE(r.DimPieces.empty());
    EXPECT_EQ(r.FichierEssences, "FVitrages.dat");
    EXPECT_EQ(r.Optimisation, ChoixOptimisation{});
    EXPECT_EQ(r.Marques, (MarquesEcriture{true, true, false, false, false, false, false}));

    EXPECT_TRUE(EcrireReglages(d.chemin(), r).empty());
    EXPECT_EQ(Fichiers(d), (std::set<std::string>{"Unite.dat", "Langue.dat"}));
    EXPECT_EQ(d.Lire("Unite.dat"), Reel(1.0f) + Champ("mm", 15));
    EXPECT_EQ(d.Lire("Langue.dat"), Entier(0));
}

TEST(Reglages, UneAutreLangueDonneSesDesignationsEtSonFichierDeVitrages) {
    DossierTemporaire d;
    d.Ecrire("Langue.dat", Entier(1000));
    d.Ecrire("AVitrages.dat", Champ("Float", 50));
    const Reglages r = LireReglages(d.chemin());
    // The table holds the French texts only: another base finds no designation.
    EXPECT_EQ(r.Options.DesignationPiece, "");
    EXPECT_EQ(r.FichierEssences, "AVitrages.dat");
    EXPECT_EQ(r.Essences, (std::vector<std::string>{"Float"}));
    EXPECT_FALSE(r.Marques.Langue);
}

TEST(Reglages, AllerRetourDeTousLesFichiers) {
    DossierTemporaire d;
    Reglages r;
    r.UniteJob = {FacteurPouce(), "pouces"};
    r.BaseLangue = 0;
    r.Options = {5000.5f, 3210.0f,  2000.0f, 1000.25f, "Châssis vitré 20 car",       "Châssis",
                 "Pièce", "Pièces", 0,       1,        CotesNettesEtHorsToutPetites, RecapUniteJob};
    const std::string nom49(49, 'x');
    r.Essences = {"Float", "Armé €", nom49, nom49 + "coupé"};
    r.DimPanneaux = {{3210, 2250, 4, DebitSimple}, {6000, 3210, 8, DebitComplexe}};
    r.DimPieces = {{500, 400, 0, DebitSimple}};
    r.Optimisation = {ModeOptimisation::Qualite, 2.5};
    r.Marques = {true, true, true, true, true, true, true};

    EXPECT_TRUE(EcrireReglages(d.chemin(), r).empty());
    EXPECT_EQ(d.Lire("Optimisation.dat"), "mode=qualite\nbudget=2.5\n");
    EXPECT_EQ(d.Lire("Options.dat").size(), 110u);
    EXPECT_EQ(d.Lire("FVitrages.dat").size(), 4u * 50);
    EXPECT_EQ(d.Lire("FDimPanneaux.dat").size(), 4u + 2 * 16);

    const Reglages lus = LireReglages(d.chemin());
    Reglages attendus = r;
    attendus.Essences.back() = nom49; // cut to its field
    attendus.DesignationsDuFichier = true;
    attendus.Marques = {};
    EXPECT_EQ(lus, attendus);

    // An emptied glass-type list is not written; an emptied dimension list is.
    r.Essences.clear();
    r.DimPieces.clear();
    EXPECT_TRUE(EcrireReglages(d.chemin(), r).empty());
    const Reglages relus = LireReglages(d.chemin());
    EXPECT_EQ(relus.Essences.size(), 4u);
    EXPECT_TRUE(relus.DimPieces.empty());
    EXPECT_EQ(d.Lire("FDimPieces.dat"), Entier(0));
}

TEST(Reglages, LesFichiersAbimesDonnentCeQuIlsContiennent) {
    const std::string optionsDebut = Reel(4000) + Reel(3000) + Reel(2000) + Reel(1000);
    struct Cas {
        const char* nom;
        std::string fichier;
        std::string octets;
        std::function<void(const Reglages&)> verifier;
    };
    const std::string unRecord = Entier(3000) + Entier(2000) + Entier(6) + Entier(2);
    const Cas cas[] = {
        {"unité tronquée", "Unite.dat", Reel(10).substr(0, 3),
         [](const Reglages& r) {
             EXPECT_EQ(r.UniteJob, (UNITE_MESURE{1.0f, "mm"}));
             EXPECT_FALSE(r.Marques.Unite);
         }},
        {"unité sans son nom", "Unite.dat", Reel(10) + "cm",
         [](const Reglages& r) {
             EXPECT_EQ(r.UniteJob, (UNITE_MESURE{1.0f, "mm"}));
         }},
        {"facteur nul", "Unite.dat", Reel(0) + Champ("cm", 15),
         [](const Reglages& r) { EXPECT_EQ(r.UniteJob.Facteur, 1.0f); }},
        // What the writer keeps of it, so that it is written back as read.
        {"nom d'unité sans NUL", "Unite.dat", Reel(10) + std::string(15, 'c') + "reste",
         [](const Reglages& r) { EXPECT_EQ(r.UniteJob.Nom, std::string(14, 'c')); }},
        {"langue tronquée", "Langue.dat", "\x01\x02",
         [](const Reglages& r) {
             EXPECT_EQ(r.BaseLangue, 0);
             EXPECT_FALSE(r.Marques.Langue);
         }},
        {"options vides", "Options.dat", "",
         [](const Reglages& r) {
             EXPECT_TRUE(r.DesignationsDuFichier);
             EXPECT_EQ(r.Options.LongueurMaxi, 6000.0f);
             EXPECT_EQ(r.Options.DesignationPiece, "Vitrage");
         }},
        {"options coupées dans la deuxième désignation", "Options.dat",
         optionsDebut + Champ("Volume", 21) + "Vol",
         [](const Reglages& r) {
             EXPECT_EQ(r.Options.LongueurMaxi, 4000.0f);
             EXPECT_EQ(r.Options.LargeurDefaut, 1000.0f);
             EXPECT_EQ(r.Options.DesignationPanneau, "Volume");
             EXPECT_EQ(r.Options.DesignationPanneaux, "Plaques de verre");
             EXPECT_EQ(r.Options.SensFil, 1);
             EXPECT_EQ(r.Options.ModeAffichage, CotesHorsToutSeules);
         }},
        {"options trop longues", "Options.dat",
         optionsDebut + Champ("a", 21) + Champ("b", 21) + Champ("c", 21) + Champ("d", 21) +
             std::string("\x00\x01", 2) + Entier(10) + Entier(0) + std::string(90, '\xff'),
         [](const Reglages& r) {
             EXPECT_EQ(r.Options.DesignationPieces, "d");
             EXPECT_EQ(r.Options.SensFil, 0);
             EXPECT_EQ(r.Options.DemanderMarge, 1);
             EXPECT_EQ(r.Options.ModeAffichage, 10);
             EXPECT_EQ(r.Options.UniteRecap, 0);
         }},
        {"vitrages, dernier enregistrement court", "FVitrages.dat",
         Champ("Float", 50) + Champ("Arm\xe9", 50) + "Imprim\xe9 sans fin",
         [](const Reglages& r) {
             EXPECT_EQ(r.Essences, (std::vector<std::string>{"Float", "Armé", "Imprimé sans fin"}));
         }},
        {"N au-delà du fichier", "FDimPanneaux.dat", Entier(5) + unRecord + unRecord + "\x01\x02",
         [](const Reglages& r) { EXPECT_EQ(r.DimPanneaux.size(), 2u); }},
        {"N immense", "FDimPanneaux.dat", Entier(INT32_MAX) + unRecord,
         [](const Reglages& r) {
             EXPECT_EQ(r.DimPanneaux, (std::vector<DIMENSIONS>{{3000, 2000, 6, 2}}));
         }},
        {"N négatif", "FDimPieces.dat", Entier(-3) + unRecord,
         [](const Reglages& r) { EXPECT_TRUE(r.DimPieces.empty()); }},
        {"N tronqué", "FDimPieces.dat", "\x02",
         [](const Reglages& r) { EXPECT_TRUE(r.DimPieces.empty()); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire d;
        d.Ecrire(c.fichier, c.octets);
        c.verifier(LireReglages(d.chemin()));
    }
}

TEST(Reglages, LeChoixDOptimisationAbimeGardeLeDefautDeChaqueValeurFausse) {
    using enum ModeOptimisation;
    const struct {
        const char* contenu;
        ChoixOptimisation attendu;
    } cas[] = {
        {"", {}},
        {"mode=qualite\r\nbudget=0.1\r\n", {Qualite, 0.1}},
        {" mode = qualite \n\tbudget= 3600", {Qualite, 3600}},
        {"mode=standard\nbudget=1e2\n", {Standard, 100}},
        {"mode=qualite\nbudget=abc\ncouleur=bleu\n", {Qualite, 1}},
        {"mode=Qualite\nbudget=2,5\n", {}},
        {"mode=qualité\nbudget=2.5s\n", {}},
        {"mode=qualite=oui\nbudget=\n", {}},
        {"budget=0.05", {}},
        {"budget=3600.5", {}},
        {"budget=-1", {}},
        {"budget=+2", {}},
        {"budget=nan\nbudget=inf\n", {}},
        {"budget=2\nbudget=3\nbudget=0", {Standard, 3}},
        {"qualite\n=\n\n\x01\xff", {}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.contenu);
        DossierTemporaire d;
        d.Ecrire("Optimisation.dat", c.contenu);
        const Reglages r = LireReglages(d.chemin());
        EXPECT_EQ(r.Optimisation, c.attendu);
        EXPECT_FALSE(r.Marques.Optimisation);
    }
}

// The choice lives in its own file: the six others are read and written as
// they would be without it.
TEST(Reglages, LeChoixDOptimisationNeTouchePasAuxAutresFichiers) {
    DossierTemporaire sans, avec;
    Reglages r;
    r.UniteJob = {10.0f, "cm"};
    r.Essences = {"Float"};
    r.DimPanneaux = {{3210, 2250, 4, DebitSimple}};
    r.Marques = {true, true, true, true, true, true, false};
    EXPECT_TRUE(EcrireReglages(sans.chemin(), r).empty());
    r.Optimisation = {ModeOptimisation::Qualite, 30};
    r.Marques.Optimisation = true;
    EXPECT_TRUE(EcrireReglages(avec.chemin(), r).empty());

    EXPECT_FALSE(std::filesystem::exists(sans.chemin() / "Optimisation.dat"));
    std::set<std::string> autres = Fichiers(avec);
    EXPECT_EQ(autres.erase("Optimisation.dat"), 1u);
    EXPECT_EQ(autres, Fichiers(sans));
    for (const auto& nom : autres)
        EXPECT_EQ(avec.Lire(nom), sans.Lire(nom)) << nom;

    Reglages lu = LireReglages(avec.chemin());
    EXPECT_EQ(lu.Optimisation, r.Optimisation);
    lu.Optimisation = {};
    EXPECT_EQ(lu, LireReglages(sans.chemin()));

    // Only the choice marked: only its file is written.
    DossierTemporaire seul;
    r.Marques = {.Optimisation = true};
    EXPECT_TRUE(EcrireReglages(seul.chemin(), r).empty());
    EXPECT_EQ(Fichiers(seul), (std::set<std::string>{"Optimisation.dat"}));
}

TEST(Reglages, EcrituresEchoueesSignaleesLesAutresFaites) {
    DossierTemporaire d;
    std::filesystem::create_directory(d.chemin() / "Options.dat");
    Reglages r;
    r.Marques = {true, true, true, false, false, false};
    const auto echecs = EcrireReglages(d.chemin(), r);
    ASSERT_EQ(echecs.size(), 1u);
    EXPECT_EQ(echecs[0].fichier, "Options.dat");
    EXPECT_FALSE(echecs[0].raison.empty());
    EXPECT_EQ(d.Lire("Unite.dat").size(), 19u);
}

TEST(Reglages, SuppressionDesOptions) {
    DossierTemporaire d;
    d.Ecrire("Options.dat", "x");
    EXPECT_EQ(SupprimerOptions(d.chemin()), "");
    EXPECT_FALSE(std::filesystem::exists(d.chemin() / "Options.dat"));
    EXPECT_EQ(SupprimerOptions(d.chemin()), "");
    EXPECT_FALSE(LireReglages(d.chemin()).DesignationsDuFichier);
}
