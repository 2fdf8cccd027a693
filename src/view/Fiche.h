// The cutting list: its pagination and the drawing of one page as a table in pixels.
#pragma once

#include "model/Modele.h"
#include "view/Canvas.h"
#include "view/Reglages.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavelune {

// Rebuilds `pages` with `lignes` rows each (0 or less: everything on one page; no
// piece: the single page (0, -1)). Returns the index of the last piece.
int32_t PaginerFiche(const std::vector<TPiece>& pieces, std::vector<PAGE>& pages, int32_t lignes);

// Where a page of the list goes on the surface, in pixels, and the font metrics the
// caller measured (bold in the window, normal on paper).
struct MiseEnPageFiche {
    int32_t Largeur = 0;
    int32_t Hauteur = 0; // the column lines run from 0 down to here
    int32_t Haut = 1;    // y of the header row
    int32_t h = 0;
    int32_t cw = 0;
    std::string EnteteDesignation;
    bool LettresPourReference = false; // piece letters instead of the references
};

void DessinerPageFiche(Canvas& c, const MiseEnPageFiche& mise, const PAGE& page, const Debit& debit,
                       const std::vector<std::string>& essences, const ReglagesDessin& reglages);

} // namespace tavelune
