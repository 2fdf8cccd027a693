// The optimisation run: entered sheets and pieces become physical sheets and groups,
// then the groups' pieces are placed sheet after sheet, adding sheets while pieces
// remain.
#pragma once

#include "model/Modele.h"
#include "model/Reglages.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace tavelune {

// Rebuilds Groupes from PiecesSaisies: one group in a simple job, one group per
// thickness and glass type in a complex one; Nb copies of each piece.
void RegrouperPieces(Debit& debit);

// Each group by decreasing piece area (stable among equal areas).
void TrierGroupes(Debit& debit);

// Negative margins would lay pieces over one another: they count as none.
Marges MargesPositives(Marges marges);

// Each sheet gets its whole Rect back as its only free rectangle (none for a sheet
// without area); then the sheets by increasing area (stable among equal areas).
void PreparerPanneaux(std::vector<Panneau_p>& panneaux);

// The entered sheets laid out, Nb copies of each, prepared.
std::vector<Panneau_p> PanneauxDeDepart(const Debit& debit);

// Places every piece of the groups, adding sheets as needed. Returns the Numero of each
// copy that could not be placed (no sheet model can take it). The groups end empty.
std::vector<int32_t> Optimiser(std::vector<std::vector<TPiece>>& groupes,
                               std::vector<Panneau_p>& panneaux, const Marges& marges, int32_t K);

// The sheet to copy when pieces remain: the largest that can take the piece.
std::optional<std::size_t> ChoisirModele(std::span<const Panneau_p> panneaux, const TPiece& piece,
                                         const Marges& marges);

// With thicker sheets allowed: whether sheet j is passed over because a thinner sheet
// further down can still take the piece.
bool EcarterPanneau(const std::vector<Panneau_p>& panneaux, const TPiece& piece,
                    const Marges& marges, std::size_t j);

// The whole run: rebuilds Panneaux, Groupes and NonPlacees from the entered job.
void Optimisation(Debit& debit);

// The run the user chose: the standard one, or the search for fewer sheets, which
// keeps the standard plan unless it finds a better one within the budget.
void Optimisation(Debit& debit, const ChoixOptimisation& choix,
                  const std::atomic<bool>* arret = nullptr);

} // namespace tavelune
