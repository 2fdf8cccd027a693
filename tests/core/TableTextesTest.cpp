#include "strings/TableTextes.h"
#include "strings/Legendes.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

using namespace tavelune;

namespace {

// Every text the program shows through the table, exactly as the windows and
// messages must read it.
const std::map<int32_t, std::string_view> TextesAttendus = {
    {0, "Tavelune"},
    {1, "&Fichier"},
    {2, "&Nouveau"},
    {3, "&Ouvrir"},
    {4, "&Enregistrer"},
    {5, "Enre&gistrer sous..."},
    {6, "&Quitter"},
    {7, "&Modifier"},
    {8, "Op&tions"},
    {9, "&Gestionnaire des vitrages"},
    {10, "&Unité de mesure"},
    {11, "&Aide Tavelune"},
    {12, "A&propos de Tavelune"},
    {13, "Plaques de verre"},
    {14, "Vitrages"},
    {16, "Cliquez sur le bouton droit de la souris pour sélectionner les dimensions dans la liste"},
    {17, "Longueur de texte non valide pour une désignation"},
    {18, "Sélection de l'unité de mesure"},
    {19, "Millimètre"},
    {20, "Centimètre"},
    {21, "Pouce"},
    {22, "Sélection du type de débit"},
    {23, "Débit simple"},
    {24, "Débit complexe"},
    {25, "Options des modifications"},
    {26, "Modifier les "},
    {28, "Modifier la marge"},
    {29, "Marge de sécurité"},
    {30, "Valeur de la marge"},
    {32, "Sélection des "},
    {33, "Saisie du nombre"},
    {34, "Sélection des "},
    {35, "Singulier"},
    {36, "OK"},
    {37, "Annuler"},
    {38, "Terminer"},
    {39, "< Preced"},
    {40, "Suivant >"},
    {41, "Longueur"},
    {42, "Largeur"},
    {43, "Sens motifs"},
    {44, "Nombre"},
    {45, "Epaisseur"},
    {46, "Vitrage"},
    {47, " en "},
    {51, "Horizontal"},
    {52, "Vertical"},
    {53, "Indifférent"},
    {54, "La partie hachurée représente la marge de sécurité souhaitée\nentre les dimensions hors "
         "tous et les dimensions de coupe\ndes plaques de verre."},
    {57, "pouces"},
    {58, "Gestionnaire des vitrages"},
    {59, "Ajouter"},
    {60, "Supprimer"},
    {61, "Im&primer"},
    {64, "Un débit simple est un débit qui ne porte que sur un seul type"},
    {65, "Un débit complexe est un débit qui porte sur plusieurs types de"},
    {66, "Echelle"},
    {68, "&Edition"},
    {69, "&Supprimer"},
    {74, "Plaque de verre"},
    {75, "Vitrage"},
    {76, "Désignation"},
    {77, "Nouveau"},
    {78, "Pla..."},
    {79, "Fiche"},
    {80, "Fiche de débit"},
    {81, "E&xporter"},
    {82, "sens des motifs"},
    {83, "Référence"},
    {84, "Marges différenciées"},
    {87, "Marges de sécurité"},
    {88, "Appuyez sur la touche F1, pour avoir une aide à chaque étape de\nla création du débit."},
    {89, "&Récapitulatif"},
    {90, "Options"},
    {91, "Modification non valide pour ce "},
    {94, "Mètre"},
    {95, "Marge (Tavelune affiche une boite de dialogue pour la saisie\nde la marge)"},
    {96, "Sens des motifs (si les "},
    {97, " comportent des motifs\nTavelune peux en tenir compte pour l'insertion des "},
    {98, "Longueur par défaut d'une "},
    {99, "Largeur par défaut d'une "},
    {100, "&Guide d'utilisation de Tavelune"},
    {101, "Voulez-vous enregistrer les modifications apportées à"},
    {102, "Le débit n'a pas été sauvegardé !"},
    {103, "Erreur dans la création du débit !"},
    {104, "Annulation de la création d'un nouveau débit !"},
    {105, "Valeur non valide pour une marge !"},
    {107, "Valeur non valide pour un nombre !"},
    {108, "Valeur non valide pour une épaisseur !"},
    {109, ", c'est à dire, permettant son insertion dans au moins l'un des "},
    {110, " que vous avez sélectionnés !"},
    {112, "Valeur non valide"},
    {113, "Valeur non valide pour une longueur !"},
    {114, "Valeur non valide pour une largeur !"},
    {115, "Nouveau vitrage"},
    {116, "Voulez-vous ajouter ce vitrages à la liste des vitrages ?"},
    {118, "Vous avez peut-être saisie un nombre ne comportant pas le séparateur décimal \",\"."},
    {119, "Ou peut-être une longueur supérieur à la plus grande longueur des "},
    {120, "Ou peut-être une largeur supérieur à la plus grande largeur des "},
    {121, "Marge non saisies"},
    {122, "Souhaitez-vous vraiment ne pas saisir de valeurs pour la marge ?"},
    {123, "Ou cette épaisseur ne s'accorde avec aucune des épaisseurs des "},
    {124, "Vous devez saisir des caractéristiques valides pour la "},
    {125, "Vous n'avez saisie aucune valeur pour la longueur et la largeur de cette "},
    {128, "Vous n'avez apporter aucune modification aux caractéristiques de ce "},
    {129, ". Voulez-vous la conserver et saisir les valeurs manquantes ?"},
    {130, "Exportation d'un débit"},
    {135, "Suppression d'un débit"},
    {136, "Etes-vous sûr de vouloir supprimer ce débit ?"},
    {143, "Longueur maximum autorisée"},
    {144, "Largeur maximum autorisée"},
    {145, "Désignation des objets dans lesquels sont effectués les découpes"},
    {146, "Désignation des objets obtenus après découpe"},
    {148, "Non spécifié"},
    {149, "Taux de chutes : "},
    {171, ". Voulez-vous le conserver ?"},
    {172, " car une au moins des "},
    {173, " que vous avez déterminé ne peut plus être insérée dans aucun "},
    {174, "Pluriel"},
    {175, "Paramètres par défaut"},
    {177, "Site &Internet de l'auteur"},
    {182, "Impossible de lancer votre navigateur par défaut !"},
    {183, "Gestionnaire des &dimensions"},
    {184, "Dimensions des "},
    {186, "Gestionnaire des dimensions"},
    {187, "&Importer"},
    {188, "Importation d'une fiche de débit"},
    {189, "Important"},
    {190, "Tavelune permet l'importation de fiche de débits stockées dans des fichiers\n"
          "au format txt et csv. Les données relatives aux vitrages à importer doivent\n"
          "être enregistrées sous la forme :\n"
          "Référence;Description;Nombre;Longueur;Largueur;Epaisseur;Type\n"
          "Soit sept colonnes séparées par des points virgules et terminées par un\n"
          "saut à la ligne.\n"
          "\n"
          "L'importation d'une fiche de débit pour la réalisation d'un débit se déroule\n"
          "en 2 étapes :\n"
          "- Recherche et ouverture du fichier txt ou csv comportant les vitrages à\n"
          "importer.\n"
          "- Modification éventuelle des valeurs données par défaut par Tavelune,\n"
          "pour le sens des motifs des vitrages, les dimensions et le sens des motifs des\n"
          "plaques de verre dans lesquels les pièces devront être découpés et la marge."},
    {191, "La première ligne du fichier contient les entêtes"},
    {208, "de vitrage et une seule épaisseur de verre."},
    {209, "vitrages et\\ou plusieurs épaisseurs de verre.\nIl permet de définir des marges "
          "différentes pour la longueur et la\nlargeur."},
    {210, "Vidéos de démonstration de Tavelune"},
    {212, "Unité de mesure utilisée dans le fichier pour les dimensions des pièces"},
};

} // namespace

TEST(TableTextes, ChaqueIdentifiantPorteSonTexteEtRienDAutre) {
    for (int32_t id = PremierIdentifiantTexte; id <= DernierIdentifiantTexte; ++id) {
        const auto attendu = TextesAttendus.find(id);
        EXPECT_EQ(TexteDeLaTable(id),
                  attendu == TextesAttendus.end() ? std::string_view{} : attendu->second)
            << "identifiant " << id;
    }
}

TEST(TableTextes, IdentifiantsHorsTableVides) {
    constexpr auto min = std::numeric_limits<int32_t>::min();
    constexpr auto max = std::numeric_limits<int32_t>::max();
    for (int32_t id : {-1, 213, 1000, min, max}) {
        EXPECT_TRUE(TexteDeLaTable(id).empty()) << id;
        EXPECT_TRUE(Textes().Text(id).empty()) << id;
    }
}

TEST(TableTextes, LaBaseDeLangueSAjouteALIdentifiant) {
    constexpr auto min = std::numeric_limits<int32_t>::min();
    constexpr auto max = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(Textes().Text(13), "Plaques de verre");
    EXPECT_EQ(Textes(0).Text(74), "Plaque de verre");
    EXPECT_EQ(Textes(61).Text(13), "Plaque de verre");
    EXPECT_EQ(Textes(-5).Text(5), "Tavelune");
    EXPECT_EQ(Textes(max).Text(-max), "Tavelune");
    EXPECT_EQ(Textes(200).Text(13), ""); // 213: past the table
    EXPECT_EQ(Textes(max).Text(1), "");  // the sum leaves the 32-bit range
    EXPECT_EQ(Textes(min).Text(-1), "");
    EXPECT_EQ(Textes(min).Text(max), ""); // -1
}

TEST(Legendes, FitGardeOuCoupeAuxCaracteres) {
    struct Cas {
        std::string_view texte;
        int32_t largeur;
        int32_t largeurCaractere;
        std::string_view attendu;
    };
    const Cas cas[] = {
        {"Plaque de verre", 200, 10, "Plaque de verre"}, // 150 < 200
        {"Plaque de verre", 151, 10, "Plaque de verre"},
        {"Plaque de verre", 150, 10, "Plaque de ve..."}, // 150 is not below 150: 15 - 3 kept
        {"Plaque de verre", 109, 10, "Plaque ..."},      // 10 - 3 characters
        {"Pièce à découper", 100, 10, "Pièce à..."},     // characters, not bytes
        {"Vitrage", 70, 10, "Vitr..."},
        {"Vitrage", 30, 10, "..."},
        {"Vitrage", 25, 10, "..."}, // 2 - 3 would be negative
        {"Vitrage", 0, 10, "..."},
        {"Vitrage", -40, 10, "..."},
        {"Vitrage", 50, 0, "Vitrage"}, // no usable character width
        {"Vitrage", 50, -3, "Vitrage"},
        {"", 10, 10, ""},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Fit(c.texte, c.largeur, c.largeurCaractere), c.attendu)
            << c.texte << " " << c.largeur << " " << c.largeurCaractere;
}
