// Print runs: the whole list behind a view, page after page, on any printer.
#pragma once

#include "model/Modele.h"
#include "view/Canvas.h"
#include "view/Reglages.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavelune {

// The toolbar command prints the references; the menu command prints the piece
// letters, a smaller piece header allowance and the plain "Designation" header.
enum class Commande { BarreOutils, Menu };

// The main window's print reserve, in printer pixels, taken off the cutting list's page.
inline constexpr int32_t ReserveImpression = 800;

// Each returns false when the output could not be opened or written. A list with
// nothing to print starts no document.

// Every result sheet on its own landscape page.
bool ImprimerPanneaux(Imprimante& imprimante, const Debit& debit,
                      const std::vector<std::string>& essences, const ReglagesDessin& reglages);

// Every entered piece, two per portrait page.
bool ImprimerPieces(Imprimante& imprimante, const Debit& debit,
                    const std::vector<std::string>& essences, const ReglagesDessin& reglages,
                    Commande commande);

// The cutting list on portrait pages, paginated for the paper (the job's own
// pagination is left as it was).
bool ImprimerFiche(Imprimante& imprimante, const Debit& debit,
                   const std::vector<std::string>& essences, const ReglagesDessin& reglages,
                   Commande commande, int32_t reserve = ReserveImpression);

// The summary on one page (lines that do not fit are cut off by the page).
bool ImprimerRecapitulatif(Imprimante& imprimante, const std::vector<METRAGE>& metrages,
                           const ReglagesDessin& reglages);

} // namespace tavelune
