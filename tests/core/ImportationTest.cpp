#include "documents/Importation.h"
#include "documents/Exportation.h"

#include "FabriqueDebit.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>

using namespace tavelune;

namespace {

const std::vector<std::string> Essences = {"Float", "Armé"};

ResultatImport Importer(std::string_view octets, float facteur = 1.0f, bool entetes = false) {
    return LireListePieces(octets, entetes, facteur, Essences);
}

} // namespace

TEST(Importation, LignesLues) {
    struct Cas {
        const char* nom;
        std::string octets;
        float facteur;
        bool entetes;
        std::function<void(const ListeImportee&)> verifier;
    };
    const Cas cas[] = {
        {"millimètres, longueur et largeur échangées", "a;b;2;300;500;4;Float\n", 1.0f, false,
         [](const ListeImportee& l) {
             ASSERT_EQ(l.Pieces.size(), 1u);
             const TPiece& p = l.Pieces[0];
             EXPECT_EQ(p.Longueur, 500);
             EXPECT_EQ(p.Largeur, 300);
             EXPECT_EQ(p.Sens, Vertical);
             EXPECT_EQ(p.Nb, 2);
             EXPECT_EQ(p.Epaisseur, 4);
             EXPECT_EQ(p.Essence, 0);
             EXPECT_EQ(p.Surface, 150000);
             EXPECT_EQ(p.RectCoupe, (MONRect{0, 300, 500, 0}));
             EXPECT_EQ(l.References, (std::vector<std::string>{"a"}));
             EXPECT_EQ(l.Designations, (std::vector<std::string>{"b"}));
         }},
        {"centimètres, épaisseur 0, type inconnu", "a;b;1;25;20;0; Feuilleté \n", 10.0f, false,
         [](const ListeImportee& l) {
             ASSERT_EQ(l.Pieces.size(), 1u);
             EXPECT_EQ(l.Pieces[0].Longueur, 250);
             EXPECT_EQ(l.Pieces[0].Largeur, 200);
             EXPECT_EQ(l.Pieces[0].Sens, Horizontal);
             EXPECT_EQ(l.Pieces[0].Epaisseur, 10);
             EXPECT_EQ(l.Pieces[0].Essence, -1);
         }},
        {"pouces tronqués", "a;b;1;10;10;1;Float\n", FacteurPouce(), false,
         [](const ListeImportee& l) {
             ASSERT_EQ(l.Pieces.size(), 1u);
             EXPECT_EQ(l.Pieces[0].Longueur, 253);
             EXPECT_EQ(l.Pieces[0].Epaisseur, 25);
         }},
        {"ligne d'entêtes sautée, numéros",
         "Réf;Desc;Nb\na;b;1;100;50;4;Float\nc;d;3;80;60;4;Armé\n", 1.0f, true,
         [](const ListeImportee& l) {
             ASSERT_EQ(l.Pieces.size(), 2u);
             EXPECT_EQ(l.Pieces[1].Numero, 1);
             EXPECT_EQ(l.Pieces[1].IndexDesignation, 1);
             EXPECT_EQ(l.Pieces[1].Essence, 1);
         }},
        {"ligne vide CR LF : fin de lecture",
         "a;b;1;100;50;4;Float\r\n\r\nc;d;1;100;50;4;Float\r\n", 1.0f, false,
         [](const ListeImportee& l) {
             ASSERT_EQ(l.Pieces.size(), 1u);
             EXPECT_EQ(l.Pieces[0].Essence, 0);
         }},
        {"ligne vide LF : continue dans la référence suivante",
         "a;b;1;100;50;4;Float\n\nc;d;1;100;50;4;Float\n", 1.0f, false,
         [](const ListeImportee& l) {
             EXPECT_EQ(l.References, (std::vector<std::string>{"a", "\nc"}));
         }},
        {"dernière ligne sans LF", "a;b;1;100;50;4;Float\nc;d;1;100;50;4;Float", 1.0f, false,
         [](const ListeImportee& l) { EXPECT_EQ(l.Pieces.size(), 1u); }},
        {"point-virgule final", "a;b;1;100;50;4;Float;\n", 1.0f, false,
         [](const ListeImportee& l) {
             ASSERT_EQ(l.Pieces.size(), 1u);
             EXPECT_EQ(l.Pieces[0].Essence, 0);
         }},
        {"UTF-8 avec BOM",
         "\xEF\xBB\xBF"
         "a;Fenêtre;1;100;50;4;Armé\n",
         1.0f, false,
         [](const ListeImportee& l) {
             EXPECT_EQ(l.References, (std::vector<std::string>{"a"}));
             EXPECT_EQ(l.Designations, (std::vector<std::string>{"Fenêtre"}));
             EXPECT_EQ(l.Pieces.at(0).Essence, 1);
         }},
        {"UTF-8 sans BOM", "a;Fenêtre;1;100;50;4;Armé\n", 1.0f, false,
         [](const ListeImportee& l) {
             EXPECT_EQ(l.Designations, (std::vector<std::string>{"Fenêtre"}));
             EXPECT_EQ(l.Pieces.at(0).Essence, 1);
         }},
        {"Windows-1252", "a;Fen\xeatre;1;100;50;4;Arm\xe9\n", 1.0f, false,
         [](const ListeImportee& l) {
             EXPECT_EQ(l.Designations, (std::vector<std::string>{"Fenêtre"}));
             EXPECT_EQ(l.Pieces.at(0).Essence, 1);
         }},
        {"champ très long", "a;" + std::string(100000, 'x') + ";1;100;50;4;Float\n", 1.0f, false,
         [](const ListeImportee& l) { EXPECT_EQ(l.Designations.at(0).size(), 100000u); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const ResultatImport r = Importer(c.octets, c.facteur, c.entetes);
        ASSERT_EQ(r.issue, IssueImport::Importee) << r.raison;
        c.verifier(r.liste);
    }
}

TEST(Importation, FichiersRefuses) {
    const std::pair<const char*, std::string> cas[] = {
        {"nombre décimal", "a;b;2,5;100;50;4;Float\n"},
        {"entêtes non sautées", "Référence;Description;Nombre;Longueur;Largueur;Epaisseur;Type\n"
                                "a;b;1;100;50;4;Float\n"},
        {"plus de sept champs", "a;b;1;100;50;4;Float;extra\n"},
        {"octet nul", std::string("a;b\0c;1;100;50;4;Float\n", 23)},
        {"nombre trop long", "a;b;1;" + std::string(30, '1') + ";50;4;Float\n"},
        {"conversion hors limites", "a;b;1;3000000;1;4;Float\n"},
        {"longueur nulle", "a;b;1;0;50;4;Float\n"},
        {"épaisseur négative", "a;b;1;100;50;-4;Float\n"},
        {"trop d'exemplaires", "a;b;600000;100;50;4;Float\nc;d;400001;100;50;4;Float\n"},
        {"aucune pièce", "a;b;1;100;50;4;Float"},
    };
    for (const auto& [nom, octets] : cas) {
        const float facteur = std::string_view(nom) == "conversion hors limites" ? 1000.0f : 1.0f;
        const ResultatImport r = Importer(octets, facteur);
        EXPECT_EQ(r.issue, IssueImport::Erreur) << nom;
        EXPECT_FALSE(r.raison.empty()) << nom;
        EXPECT_TRUE(r.liste.Pieces.empty()) << nom;
    }
    EXPECT_EQ(Importer("").issue, IssueImport::FichierVide);
}

TEST(Importation, PropositionDesPlaques) {
    OptionsProgramme options; // 2500 x 1250 by default
    struct Cas {
        const char* nom;
        const char* octets;
        std::vector<std::pair<int32_t, int32_t>> plaques;
        int32_t typeDebit;
    };
    const Cas cas[] = {
        {"une plaque agrandie",
         "a;p;1;3000;1000;4;X\nb;q;1;2000;1400;4;Y\nc;r;1;500;400;4;X\n",
         {{3020, 2020}},
         DebitSimple},
        {"deux épaisseurs",
         "a;p;1;1000;500;4;Float\nb;q;1;1000;500;6;Float\n",
         {{2500, 1250}, {1020, 520}},
         DebitComplexe},
        {"type par plaque",
         "a;p;1;1000;500;4;Float\nb;q;1;1000;500;4;Armé\n",
         {{2500, 1250}, {1020, 520}},
         DebitComplexe},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        ResultatImport r = Importer(c.octets);
        ASSERT_EQ(r.issue, IssueImport::Importee) << r.raison;
        Debit debit;
        debit.PanneauxSaisis.resize(3);
        EXPECT_EQ(PreparerDebitImporte(debit, std::move(r.liste), options), "");

        EXPECT_EQ(debit.MargesJob, (Marges{10, 10, 0, 0, 0}));
        EXPECT_EQ(debit.TraitScie, 3);
        EXPECT_EQ(debit.TypeDebit, c.typeDebit);
        EXPECT_EQ(debit.Designations.size(), debit.PiecesSaisies.size());
        ASSERT_EQ(debit.PanneauxSaisis.size(), c.plaques.size());
        for (std::size_t i = 0; i < c.plaques.size(); ++i) {
            const Panneau_p& p = debit.PanneauxSaisis[i];
            const auto [longueur, largeur] = c.plaques[i];
            EXPECT_EQ(p.Longueur, longueur);
            EXPECT_EQ(p.Largeur, largeur);
            EXPECT_EQ(p.Rect, (MONRect{0, largeur, longueur, 0}));
            EXPECT_EQ(p.Surface, longueur * largeur);
            EXPECT_EQ(p.Chutes, (std::vector<MONRect>{p.Rect}));
            EXPECT_EQ(p.Nb, 1);
            EXPECT_EQ(p.Epaisseur, debit.PiecesSaisies[i].Epaisseur);
        }
    }
}

TEST(Importation, RelitLExportTexteEtLExemple) {
    Debit job;
    job.TypeDebit = DebitComplexe;
    for (int32_t i = 0; i < 3; ++i) {
        job.PiecesSaisies.push_back(
            test::Piece(1000 + 100 * i, 500, Horizontal, i + 1, i, 4 + i, i % 2));
        job.Designations.push_back("Vitrage n°" + std::to_string(i + 1));
    }
    const EntetesExport entetes = {"Référence", "Désignation", "Nombre",  "Longueur",
                                   "Largeur",   "Epaisseur",   "Vitrage", "Non spécifié"};
    const std::string texte = Exporter(FormatExport::Texte, job, Essences, 1.0f, entetes, ',');
    const ResultatImport r = LireListePieces(texte, true, 1.0f, Essences);
    ASSERT_EQ(r.issue, IssueImport::Importee) << r.raison;
    EXPECT_EQ(r.liste.Pieces, job.PiecesSaisies);
    EXPECT_EQ(r.liste.Designations, job.Designations);
    EXPECT_EQ(r.liste.References, (std::vector<std::string>{"a", "b", "c"}));

    std::ifstream flux(std::string(TAVELUNE_SOURCE_DIR) + "/examples/liste-pieces.csv",
                       std::ios::binary);
    const std::string exemple{std::istreambuf_iterator<char>(flux),
                              std::istreambuf_iterator<char>()};
    const ResultatImport e = LireListePieces(exemple, true, 1.0f, {"Float", "Imprimé"});
    ASSERT_EQ(e.issue, IssueImport::Importee) << e.raison;
    EXPECT_EQ(e.liste.Pieces.size(), 8u);
    EXPECT_EQ(e.liste.Designations[5], "Étagère vitrée");
    EXPECT_EQ(e.liste.Pieces[6].Essence, 1);
}

// A list is imported only when the job it makes can be saved and reopened.
TEST(Importation, UneListeTropLonguePourUnFichierDeDebitEstRefusee) {
    const auto job = [](int32_t pieces, int32_t epaisseurs) {
        ListeImportee liste;
        for (int32_t i = 0; i < pieces; ++i) {
            TPiece p;
            p.Longueur = 500;
            p.Largeur = 400;
            p.Epaisseur = 4 + i % epaisseurs;
            p.Nb = 1;
            p.Numero = i;
            ReinitialiserPiece(p);
            liste.Pieces.push_back(p);
            liste.Designations.push_back("v");
            liste.References.push_back("a");
        }
        return liste;
    };
    struct Cas {
        int32_t pieces, epaisseurs;
        const char* raison;
    };
    const Cas cas[] = {{500'000, 1, ""},
                       {560'000, 1, "débit trop grand pour son fichier"},
                       {100'001, 100'001, "trop de plaques"}};
    for (const auto& c : cas) {
        Debit debit;
        debit.TraitScie = 7;
        EXPECT_EQ(PreparerDebitImporte(debit, job(c.pieces, c.epaisseurs), OptionsProgramme{}),
                  c.raison);
        EXPECT_EQ(debit.TraitScie, *c.raison ? 7 : 3) << c.pieces;
    }
}
