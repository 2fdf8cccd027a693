#include "ExecutionCli.h"
#include "FabriqueDebit.h"
#include "documents/FichierDebit.h"
#include "documents/Fichiers.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using namespace tavelune;
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

} // namespace

TEST(CliPlan, JsonDUnPetitJob) {
    const fs::path job = Ecrire("petit.deb", EcrireDebit(PetitJob("Vitrage1")));
    const Execution e = Executer("plan '" + job.string() + "' --json");
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_EQ(e.erreurs, "");
    EXPECT_EQ(e.sortie, SansBlancs(R"({"TypeDebit":1,"TraitScie":0,
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
