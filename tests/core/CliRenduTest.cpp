#include "DossierTemporaire.h"
#include "ExecutionCli.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <regex>

using namespace tavelune;
using tavelune::test::DossierTemporaire;
using tavelune::test::ExecuterCli;

namespace {

const std::string Exemple = std::string("'") + TAVELUNE_SOURCE_DIR + "/examples/cuisine.deb'";

std::size_t PagesPdf(const std::string& pdf) {
    const std::regex page("/Type /Page\\b(?!s)");
    return static_cast<std::size_t>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

} // namespace

// The example job: 3 sheets, 8 entered pieces, one summary line per sheet size.
TEST(CliRendu, UnePageImprimeeParPagePdf) {
    DossierTemporaire d;
    struct Cas {
        const char* vue;
        std::size_t pages;
    };
    for (const Cas& c : {Cas{"sheets", 3}, Cas{"pieces", 4}, Cas{"list", 1}, Cas{"recap", 1}}) {
        const auto e =
            ExecuterCli("render " + Exemple + " -o plan.pdf --view " + c.vue, d.chemin());
        ASSERT_EQ(e.statut, 0) << c.vue << ": " << e.erreurs;
        EXPECT_TRUE(e.erreurs.empty()) << e.erreurs;
        EXPECT_EQ(PagesPdf(d.Lire("plan.pdf")), c.pages) << c.vue;
    }
}

TEST(CliRendu, UneImagePngParPage) {
    DossierTemporaire d;
    const auto e = ExecuterCli("render " + Exemple + " -o plan.png", d.chemin());
    ASSERT_EQ(e.statut, 0) << e.erreurs;
    for (const char* nom : {"plan-1.png", "plan-2.png", "plan-3.png"})
        EXPECT_EQ(d.Lire(nom).substr(1, 3), "PNG") << nom;
    EXPECT_FALSE(std::filesystem::exists(d.chemin() / "plan-4.png"));
}

TEST(CliRendu, LesErreursCommePourLePlan) {
    DossierTemporaire d;
    for (const std::string& arguments :
         {std::string("render absent.deb -o plan.pdf"), "render " + Exemple + " -o plan.svg",
          "render " + Exemple + " -o plan.pdf --view tout",
          "render " + Exemple + " -o dossier/plan.pdf"}) {
        const auto e = ExecuterCli(arguments, d.chemin());
        EXPECT_EQ(e.statut, 2) << arguments;
        EXPECT_EQ(std::count(e.erreurs.begin(), e.erreurs.end(), '\n'), 1) << e.erreurs;
        EXPECT_TRUE(e.sortie.empty());
    }
}

TEST(CliPlanRecapitulatif, LeJsonPorteLesMetragesDansLUniteDuRecap) {
    DossierTemporaire d;
    const auto e = ExecuterCli("plan " + Exemple + " --json", d.chemin());
    ASSERT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_NE(e.sortie.find(R"("Metrages":[{"Libelle":"1)"), std::string::npos) << e.sortie;
    EXPECT_NE(e.sortie.find(R"("NbPanneaux":1,"SurfacePanneaux":)"), std::string::npos);
    const auto texte = ExecuterCli("plan " + Exemple, d.chemin());
    EXPECT_NE(texte.sortie.find("  Nombre de plaques de verre : 1\n"), std::string::npos)
        << texte.sortie;
}
