#include "FabriqueDebit.h"

#include "documents/FichierDebit.h"
#include "documents/Fichiers.h"

#include <gtest/gtest.h>

using namespace tavelune;

namespace {

struct LignePiece {
    const char* reference;
    const char* designation;
    int32_t longueur, largeur, nb;
};

// The bundled example: a kitchen renovation in 4 mm clear float, 2 mm margins.
Debit JobCuisine() {
    Debit d;
    d.TypeDebit = DebitSimple;
    d.TraitScie = 0;
    d.MargesJob = {2, 2, 0, 0, 0};
    for (const auto& [longueur, largeur] : {std::pair{3210, 2250}, {2550, 1605}, {1605, 1200}}) {
        d.PanneauxSaisis.push_back(test::Plaque(longueur, largeur, Indifferent, 1, 4));
    }
    const LignePiece lignes[] = {
        {"CE", "Crédence évier", 1800, 600, 1},
        {"CP", "Crédence plaque de cuisson", 900, 650, 1},
        {"PH", "Porte de placard haut", 710, 396, 4},
        {"ET", "Étagère de vitrine", 560, 300, 3},
        {"VP", "Vitrage de porte de séjour", 1650, 520, 1},
        {"MI", "Miroir d'entrée", 1200, 500, 1},
        {"IM", "Imposte au-dessus de la porte", 830, 300, 1},
        {"TA", "Dessus de table d'appoint", 1000, 800, 2},
    };
    for (const auto& l : lignes) {
        const auto numero = static_cast<int32_t>(d.PiecesSaisies.size());
        d.PiecesSaisies.push_back(test::Piece(l.longueur, l.largeur, Indifferent, l.nb, numero, 4));
        d.Designations.push_back(l.designation);
        d.References.push_back(l.reference);
    }
    return d;
}

} // namespace

TEST(ExempleCuisine, LeFichierEstCeQueLeProgrammeEcrit) {
    const ResultatLecture fichier =
        LireFichier(TAVELUNE_SOURCE_DIR "/examples/cuisine.deb", 1 << 20);
    ASSERT_TRUE(fichier.octets) << fichier.raison;
    EXPECT_EQ(*fichier.octets, EcrireDebit(JobCuisine()));
}
