// Sheets, pieces and seeded random jobs for the engine tests.
#pragma once

#include "model/Modele.h"

#include <cstdint>

namespace tavelune::test {

TPiece Piece(int32_t longueur, int32_t largeur, int32_t sens = Horizontal, int32_t nb = 1,
             int32_t numero = 0, int32_t epaisseur = 10, int32_t essence = 0);

// A sheet model, ready to be a physical sheet (Rect, Surface and one free rectangle).
Panneau_p Plaque(int32_t longueur, int32_t largeur, int32_t sens = Horizontal, int32_t nb = 1,
                 int32_t epaisseur = 10, int32_t essence = 0);

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
