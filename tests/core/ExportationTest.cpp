#include "documents/Exportation.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace tavelune;

namespace {

const EntetesExport Entetes = {"Référence", "Désignation", "Nombre",  "Longueur",
                               "Largeur",   "Epaisseur",   "Vitrage", "Non spécifié"};

std::string Fixture(const std::string& nom) {
    std::ifstream flux(std::string(TAVELUNE_SOURCE_DIR) + "/tests/core/fixtures/" + nom,
                       std::ios::binary);
    EXPECT_TRUE(flux) << nom;
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

struct Saisie {
    int32_t numero;
    std::string designation;
    int32_t nb, longueur, largeur, epaisseur, essence;
};

Debit Job(int32_t type, const std::vector<Saisie>& saisies) {
    Debit d;
    d.TypeDebit = type;
    for (const auto& s : saisies) {
        TPiece p;
        p.Numero = s.numero;
        p.Nb = s.nb;
        p.Longueur = s.longueur;
        p.Largeur = s.largeur;
        p.Epaisseur = s.epaisseur;
        p.Essence = s.essence;
        p.IndexDesignation = static_cast<int32_t>(d.PiecesSaisies.size());
        d.PiecesSaisies.push_back(p);
        d.Designations.push_back(s.designation);
        d.References.push_back("x");
    }
    return d;
}

const std::vector<std::string> Essences = {"Float", "Armé"};

} // namespace

TEST(Exportation, LesDeuxFormatsOctetPourOctet) {
    const Debit mm = Job(DebitSimple, {{0, "Fenêtre cuisine", 2, 2500, 1250, 4, 0},
                                       {26, "Porte; vitrée", 1, 800, 600, 4, 1},
                                       {702, "Imposte \"haute\"", 3, 1000, 333, 4, 0}});
    const Debit cm = Job(DebitComplexe, {{0, "Vitrine", 1, 2505, 1250, 6, 1},
                                         {701, "Châssis", 4, 999, 333, 10, -1},
                                         {1, "Œil-de-bœuf", 1, 1000, 1000, 4, 5}});
    struct Cas {
        const Debit& debit;
        float facteur;
        FormatExport format;
        const char* fixture;
    };
    const Cas cas[] = {{mm, 1.0f, FormatExport::Texte, "export-mm.txt"},
                       {mm, 1.0f, FormatExport::Sylk, "export-mm.slk"},
                       {cm, 10.0f, FormatExport::Texte, "export-cm.txt"},
                       {cm, 10.0f, FormatExport::Sylk, "export-cm.slk"}};
    for (const auto& c : cas)
        EXPECT_EQ(Exporter(c.format, c.debit, Essences, c.facteur, Entetes, ','),
                  Fixture(c.fixture))
            << c.fixture;
}

TEST(Exportation, FormesDesNombres) {
    struct Cas {
        int32_t mm;
        float facteur;
        const char* texte;
        const char* sylk;
    };
    const Cas cas[] = {{254, FacteurPouce(), "10", "10.00"},
                       {1999, 1000.0f, "2", "2.00"},
                       {2505, 1000.0f, "2,51", "2.51"},
                       {25, 10.0f, "2,5", "2.50"},
                       {1000, 1000.0f, "1", "1"},
                       {1, 1000.0f, "0", "0.00"}};
    for (const auto& c : cas) {
        const Debit d = Job(DebitSimple, {{0, "p", 1, c.mm, c.mm, 0, 0}});
        const std::string texte = Exporter(FormatExport::Texte, d, {}, c.facteur, Entetes, ',');
        EXPECT_NE(texte.find(std::string(";1;") + c.texte + ';' + c.texte + ";0;"),
                  std::string::npos)
            << c.mm << ' ' << texte;
        const std::string sylk = Exporter(FormatExport::Sylk, d, {}, c.facteur, Entetes, ',');
        EXPECT_NE(sylk.find(std::string("X4\nC;N;K") + c.sylk + '\n'), std::string::npos) << c.mm;
    }
}

TEST(Exportation, RegleDesExtensions) {
    struct Cas {
        const char* chemin;
        std::optional<FormatExport> format;
    };
    const Cas cas[] = {{"fiche.txt", FormatExport::Texte},
                       {"FICHE.CSV", FormatExport::Texte},
                       {"/tmp/a.b/fiche.Slk", FormatExport::Sylk},
                       {"fiche.xls", std::nullopt},
                       {"fiche", std::nullopt},
                       {"txt", FormatExport::Texte},
                       {"fiche.txt.bak", std::nullopt},
                       {"fiche.", std::nullopt}};
    for (const auto& c : cas)
        EXPECT_EQ(FormatSelonExtension(c.chemin), c.format) << c.chemin;
}
