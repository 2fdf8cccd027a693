// Seeded random jobs for the engine tests (and the sheets and pieces they are made of).
#pragma once

#include "FabriqueDebit.h"
#include "model/Modele.h"

#include <cstdint>

namespace tavelune::test {

struct Tirage {
    int nbPieces = 200;
    int32_t nbMaxCopies = 3;
    bool complexe = false;
    int32_t marge = 0;
    bool margesDifferenciees = false;
    int32_t traitScie = 0;
    bool epaisseurSuperieure = false;
    // Adds pieces no sheet can take: too large, flat, of an unknown glass type.
    bool intrus = false;
};

// A job drawn from the seed: one to three sheet models, pieces of every direction.
Debit DebitAleatoire(uint32_t graine, const Tirage& tirage);

} // namespace tavelune::test
