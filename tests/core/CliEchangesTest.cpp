#include "DossierTemporaire.h"
#include "ExecutionCli.h"
#include "documents/FichierDebit.h"
#include "strings/Texte.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tavelune;
using tavelune::test::DossierTemporaire;
using tavelune::test::ExecuterCli;

namespace {

// Windows-1252, header line, LF ends.
const std::string Liste =
    VersCp1252("Référence;Description;Nombre;Longueur;Largueur;Epaisseur;Type\n"
               "a;Fenêtre;2;30;50;0;Float\n"
               "b;Porte;1;200;80;0;Float\n");

} // namespace

TEST(CliEchanges, ImportPuisExportRetrouveLaListe) {
    DossierTemporaire d;
    d.Ecrire("liste.csv", Liste);
    d.Ecrire("FVitrages.dat", std::string("Float") + std::string(45, '\0'));
    const auto import = ExecuterCli("import liste.csv -o job.deb --unit cm", d.chemin());
    ASSERT_EQ(import.statut, 0) << import.erreurs;
    EXPECT_NE(import.sortie.find("2500 x 2020 mm, épaisseur 10 mm, Float"), std::string::npos)
        << import.sortie;

    const ResultatDebit lu = LireDebit(d.Lire("job.deb"));
    ASSERT_TRUE(lu.debit) << lu.raison;
    const Debit& job = *lu.debit;
    EXPECT_EQ(job.TraitScie, 3);
    EXPECT_EQ(job.MargesJob, Marges{}); // the completing modification drops the margins
    ASSERT_EQ(job.PiecesSaisies.size(), 2u);
    EXPECT_EQ(job.PiecesSaisies[0].Longueur, 500); // 30 x 50 cm turned: Sens 1
    EXPECT_EQ(job.PiecesSaisies[0].Sens, Vertical);

    const auto export_ = ExecuterCli("export job.deb retour.txt", d.chemin());
    ASSERT_EQ(export_.statut, 0) << export_.erreurs;
    EXPECT_EQ(DepuisCp1252(d.Lire("retour.txt")),
              "Référence;Désignation;Nombre;Longueur;Largeur;Epaisseur;Vitrage\n"
              "a;Fenêtre;2;500;300;0;Non spécifié\n"
              "b;Porte;1;2000;800;0;Non spécifié\n");
}

TEST(CliEchanges, LesEchecsSortentEn2SansRienEcrire) {
    DossierTemporaire d;
    d.Ecrire("vide.csv", "");
    d.Ecrire("mauvaise.csv", "a;b;2,5;300;500;4;Float\n");
    d.Ecrire("job.deb", "pas un débit");
    struct Cas {
        const char* arguments;
        const char* message;
    };
    const Cas cas[] = {
        {"import absente.csv -o sortie.deb",
         "Erreur dans l'ouverture du fichier ! Importation annulée !"},
        {"import vide.csv -o sortie.deb", "Importation annulée !"},
        {"import mauvaise.csv -o sortie.deb --no-header",
         "Erreur dans l'ouverture du fichier ! Importation annulée !"},
        {"import mauvaise.csv -o sortie.deb --unit pieds", "usage:"},
        {"export job.deb sortie.deb", "L'extension du fichier sortie.deb n'est pas valide !"},
        {"export job.deb sortie.csv", "Erreur dans l'ouverture du fichier !"},
    };
    for (const auto& c : cas) {
        const auto e = ExecuterCli(c.arguments, d.chemin());
        EXPECT_EQ(e.statut, 2) << c.arguments;
        EXPECT_NE(e.erreurs.find(c.message), std::string::npos) << c.arguments << ": " << e.erreurs;
        EXPECT_EQ(std::count(e.erreurs.begin(), e.erreurs.end(), '\n'), 1) << e.erreurs;
        EXPECT_TRUE(e.sortie.empty()) << c.arguments;
        EXPECT_FALSE(std::filesystem::exists(d.chemin() / "sortie.deb")) << c.arguments;
        EXPECT_FALSE(std::filesystem::exists(d.chemin() / "sortie.csv")) << c.arguments;
    }
}
