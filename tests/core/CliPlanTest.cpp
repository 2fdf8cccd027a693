#include "DossierTemporaire.h"
#include "ExecutionCli.h"
#include "FabriqueDebit.h"
#include "documents/FichierDebit.h"
#include "documents/Fichiers.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using namespace tavelune;
using tavelune::test::DossierTemporaire;
using tavelune::test::ExecuterCli;
using tavelune::test::Execution;
namespace fs = std::filesystem;

namespace {

Execution Executer(const std::string& arguments) {
    return ExecuterCli(arguments);
}

std::string SansBlancs(std::string s) {
    std::erase_if(s, [](char c) { return c == ' ' || c == '\n'; });
    return s;
}

Debit PetitJob(const std::string& designation) {
    Debit d;
    d.PanneauxSaisis = {test::Plaque(3000, 2000)};
    d.PiecesSaisies = {test::Piece(1000, 500)};
    d.Designations = {designation};
    d.References = {"a"};
    return d;
}

fs::path Ecrire(const std::string& nom, const std::string& octets) {
    const fs::path chemin = fs::path(testing::TempDir()) / nom;
    EXPECT_EQ(EcrireFichier(chemin, octets), "");
    return chemin;
}

const std::string Exemple = std::string("'") + TAVELUNE_SOURCE_DIR + "/examples/cuisine.deb'";

// The sheets of a JSON plan: "LineaireDecoupe" is written once for each.
std::size_t Plaques(const std::string& json) {
    std::size_t n = 0;
    for (auto pos = json.find("\"LineaireDecoupe\":"); pos != std::string::npos;
         pos = json.find("\"LineaireDecoupe\":", pos + 1))
        ++n;
    return n;
}

} // namespace

TEST(CliPlan, JsonDUnPetitJob) {
    const fs::path job = Ecrire("petit.deb", EcrireDebit(PetitJob("Vitrage1")));
    const Execution e = Executer("plan '" + job.string() + "' --json");
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_EQ(e.erreurs, "");
    EXPECT_EQ(e.sortie, SansBlancs(R"({"TypeDebit":1,"TraitScie":0,
 "Optimisation":{"Mode":"standard","Budget":1},
 "MargesJob":{"MargeLongueur":0,"MargeLargeur":0,"EcartEpaisseur":0,"MargesDifferenciees":0,"EpaisseurSuperieure":0},
 "PanneauxSaisis":[{"Longueur":3000,"Largeur":2000,"Epaisseur":10,"Essence":0,"Sens":0,"Nb":1}],
 "PiecesSaisies":[{"Numero":0,"Longueur":1000,"Largeur":500,"Epaisseur":10,"Essence":0,"Sens":0,"Nb":1,
                   "IndexDesignation":0,"Designation":"Vitrage1","Reference":"a"}],
 "Panneaux":[{"Longueur":3000,"Largeur":2000,"Epaisseur":10,"Essence":0,"Sens":0,"Surface":6000000,
              "LineaireDecoupe":3500,
              "Chutes":[[1000,2000,3000,1500],[0,1500,3000,0]],
              "Pieces":[{"Numero":0,"RectCoupe":[0,2000,1000,1500],"RectHorsTout":[0,2000,1000,1500]}]}],
 "NonPlacees":[],)") + R"("Metrages":[{"Libelle":"3x2m - horizontal","NbPanneaux":1,)" +
                            R"("SurfacePanneaux":6,"SurfacePieces":0.5,"LineaireTotal":3.5,)" +
                            R"("SurfaceChutes":5.5,"TauxChutes":91.666664}]})" + "\n");
}

TEST(CliPlan, LesDesignationsSontEchappees) {
    // Every byte of the file's code page can be a designation character.
    const fs::path job =
        Ecrire("echappe.deb", EcrireDebit(PetitJob("« \"Baie\" » C:\\verre\t\x01\x1f €")));
    const Execution e = Executer("plan '" + job.string() + "' --json");
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_NE(e.sortie.find(R"("Designation":"« \"Baie\" » C:\\verre\t\u0001\u001f €")"),
              std::string::npos)
        << e.sortie;
}

TEST(CliPlan, FichierIlliblePasDeSortieEtUneLigneDErreur) {
    std::string tronque = EcrireDebit(PetitJob("Vitrage1"));
    tronque.pop_back();
    const fs::path absent = fs::path(testing::TempDir()) / "absent.deb";
    const fs::path malForme = Ecrire("tronque.deb", tronque);
    for (const fs::path& chemin : {absent, malForme}) {
        for (const char* option : {"", " --json"}) {
            const Execution e = Executer("plan '" + chemin.string() + "'" + option);
            EXPECT_EQ(e.statut, 2);
            EXPECT_EQ(e.sortie, "");
            EXPECT_EQ(std::count(e.erreurs.begin(), e.erreurs.end(), '\n'), 1) << e.erreurs;
            EXPECT_NE(e.erreurs.find(chemin.string() + ": Erreur dans l'ouverture du fichier ! ("),
                      std::string::npos)
                << e.erreurs;
        }
    }
}

TEST(CliPlan, ArgumentsIncorrects) {
    const fs::path job = Ecrire("petit.deb", EcrireDebit(PetitJob("Vitrage1")));
    const std::string fichier = "'" + job.string() + "'";
    for (const std::string& arguments :
         std::vector<std::string>{"", "plan", "plan --json", "plan " + fichier + " --xml",
                                  "plan " + fichier + " autre.deb", "imprimer " + fichier}) {
        const Execution e = Executer(arguments);
        EXPECT_EQ(e.statut, 2) << arguments;
        EXPECT_EQ(e.sortie, "") << arguments;
        EXPECT_TRUE(e.erreurs.starts_with("usage: tavelune-cli plan JOB.deb [--json]"))
            << arguments << ": " << e.erreurs;
    }
}

TEST(CliPlan, PlanLisibleDeLExemple) {
    const Execution e = Executer("plan '" TAVELUNE_SOURCE_DIR "/examples/cuisine.deb'");
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_NE(e.sortie.find("Plaque 1 sur "), std::string::npos) << e.sortie;
    EXPECT_NE(e.sortie.find("PH  Porte de placard haut  net ["), std::string::npos) << e.sortie;
    EXPECT_NE(e.sortie.find("Vitrages non placés : aucun"), std::string::npos) << e.sortie;
}

// Five pieces that one sheet holds, which the standard plan spreads over two: the flag
// reaches the search, which finds the one sheet.
TEST(CliOptimisation, LeModeQualiteTrouveLaPlaqueQuiSuffit) {
    Debit job;
    job.PanneauxSaisis = {test::Plaque(100, 100, Indifferent)};
    const std::pair<int32_t, int32_t> cotes[] = {{25, 45}, {65, 25}, {65, 15}, {60, 60}, {35, 50}};
    for (const auto& [longueur, largeur] : cotes) {
        const auto numero = static_cast<int32_t>(job.PiecesSaisies.size());
        job.PiecesSaisies.push_back(test::Piece(longueur, largeur, Indifferent, 1, numero));
        job.Designations.push_back("V" + std::to_string(numero + 1));
        job.References.push_back(LettresPiece(numero));
    }
    const fs::path chemin = Ecrire("cinq.deb", EcrireDebit(job));
    const Execution standard = Executer("plan '" + chemin.string() + "' --json");
    const Execution qualite =
        Executer("plan '" + chemin.string() + "' --json --mode qualite --budget 30");
    ASSERT_EQ(qualite.statut, 0) << qualite.erreurs;
    EXPECT_EQ(Plaques(standard.sortie), 2u);
    EXPECT_EQ(Plaques(qualite.sortie), 1u);
}

// The search may only do better than the standard plan: never more sheets, every
// piece placed, and still one JSON document.
TEST(CliOptimisation, LeModeQualiteNeDonnePasPlusDePlaques) {
    DossierTemporaire d;
    const Execution standard = ExecuterCli("plan " + Exemple + " --json", d.chemin());
    ASSERT_EQ(standard.statut, 0) << standard.erreurs;
    ASSERT_GT(Plaques(standard.sortie), 1u);
    const Execution qualite =
        ExecuterCli("plan " + Exemple + " --mode qualite --json --budget 0.5", d.chemin());
    ASSERT_EQ(qualite.statut, 0) << qualite.erreurs;
    EXPECT_EQ(qualite.erreurs, "");
    EXPECT_GE(Plaques(qualite.sortie), 1u);
    EXPECT_LE(Plaques(qualite.sortie), Plaques(standard.sortie));
    EXPECT_TRUE(qualite.sortie.starts_with(R"({"TypeDebit":)")) << qualite.sortie;
    EXPECT_TRUE(qualite.sortie.ends_with("]}\n")) << qualite.sortie;
    EXPECT_EQ(std::count(qualite.sortie.begin(), qualite.sortie.end(), '\n'), 1);
    EXPECT_NE(qualite.sortie.find(R"("Optimisation":{"Mode":"qualite","Budget":0.5})"),
              std::string::npos);
    EXPECT_NE(qualite.sortie.find(R"("NonPlacees":[])"), std::string::npos);
    // The entered job is the same.
    const auto saisie = [](const std::string& json) {
        const auto debut = json.find("\"MargesJob\"");
        return json.substr(debut, json.find("\"Panneaux\":") - debut);
    };
    EXPECT_EQ(saisie(qualite.sortie), saisie(standard.sortie));

    // The other commands that compute a plan take the flags too.
    d.Ecrire("liste.csv", "a;Fenêtre;2;500;300;4;Float\n");
    for (const std::string& arguments :
         {"render " + Exemple + " -o plan.pdf --mode qualite --budget 0.2",
          std::string("import liste.csv --no-header --budget 0.2 -o job.deb --mode qualite"),
          "plan " + Exemple + " --budget 0.2", "plan " + Exemple + " --mode standard"}) {
        const Execution e = ExecuterCli(arguments, d.chemin());
        EXPECT_EQ(e.statut, 0) << arguments << ": " << e.erreurs;
        EXPECT_EQ(e.erreurs, "") << arguments;
    }
    EXPECT_TRUE(std::filesystem::exists(d.chemin() / "plan.pdf"));
    EXPECT_TRUE(std::filesystem::exists(d.chemin() / "job.deb"));
}

TEST(CliOptimisation, UneValeurRefuseeSortEn2SurUneLigne) {
    DossierTemporaire d;
    d.Ecrire("liste.csv", "a;Fenêtre;2;500;300;4;Float\n");
    const struct {
        const char* drapeaux;
        const char* message;
    } valeurs[] = {
        {"--mode rapide", R"(--mode: "rapide" n'est pas un mode (standard ou qualite))"},
        {"--mode Qualite", R"(--mode: "Qualite" n'est pas un mode)"},
        {"--mode", "--mode: valeur manquante"},
        {"--budget abc", R"(--budget: "abc" n'est pas une durée en secondes de 0.1 à 3600)"},
        {"--budget 0.05", R"(--budget: "0.05" n'est pas)"},
        {"--budget 3600.1", R"(--budget: "3600.1" n'est pas)"},
        {"--budget 2,5", R"(--budget: "2,5" n'est pas)"},
        {"--budget nan", R"(--budget: "nan" n'est pas)"},
        {"--budget -1", R"(--budget: "-1" n'est pas)"},
        {"--mode qualite --budget", "--budget: valeur manquante"},
    };
    for (const std::string& commande :
         {"plan " + Exemple + " --json", "render " + Exemple + " -o plan.pdf",
          std::string("import liste.csv --no-header -o job.deb")}) {
        for (const auto& v : valeurs) {
            const std::string arguments = commande + " " + v.drapeaux;
            const Execution e = ExecuterCli(arguments, d.chemin());
            EXPECT_EQ(e.statut, 2) << arguments;
            EXPECT_EQ(e.sortie, "") << arguments;
            EXPECT_EQ(std::count(e.erreurs.begin(), e.erreurs.end(), '\n'), 1) << e.erreurs;
            EXPECT_TRUE(e.erreurs.starts_with("tavelune-cli: ")) << e.erreurs;
            EXPECT_NE(e.erreurs.find(v.message), std::string::npos)
                << arguments << ": " << e.erreurs;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(d.chemin() / "plan.pdf"));
    EXPECT_FALSE(std::filesystem::exists(d.chemin() / "job.deb"));
}

// Optimisation.dat of the working directory gives the choice; each flag replaces
// its own value only.
TEST(CliOptimisation, LeFichierDuDossierCourantPuisLesDrapeaux) {
    const struct {
        const char* fichier; // nullptr: no settings file
        const char* drapeaux;
        const char* choix;
    } cas[] = {
        {nullptr, "", R"({"Mode":"standard","Budget":1})"},
        {"mode=qualite\nbudget=2.5\n", "", R"({"Mode":"qualite","Budget":2.5})"},
        {"mode=qualite\nbudget=2.5\n", "--budget 0.3", R"({"Mode":"qualite","Budget":0.3})"},
        {"mode=qualite\nbudget=2.5\n", "--mode standard", R"({"Mode":"standard","Budget":2.5})"},
        {"mode=qualite\nbudget=beaucoup\n", "", R"({"Mode":"qualite","Budget":1})"},
        {nullptr, "--budget 12 --mode qualite", R"({"Mode":"qualite","Budget":12})"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.drapeaux);
        DossierTemporaire d;
        if (c.fichier)
            d.Ecrire("Optimisation.dat", c.fichier);
        const Execution e = ExecuterCli("plan " + Exemple + " --json " + c.drapeaux, d.chemin());
        ASSERT_EQ(e.statut, 0) << e.erreurs;
        EXPECT_NE(e.sortie.find(std::string("\"Optimisation\":") + c.choix), std::string::npos)
            << e.sortie.substr(0, 120);
        // Reading leaves the settings as they were.
        EXPECT_EQ(d.Lire("Optimisation.dat"), c.fichier ? c.fichier : "");
    }
}
