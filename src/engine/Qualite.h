// The search for fewer sheets: many plans built under the rules of the standard one,
// from several piece orders and placement rules, within a time budget; the plan with
// the fewest sheets wins, then the one leaving the largest waste on its last sheet.
#pragma once

#include "model/Modele.h"

#include <atomic>
#include <chrono>

namespace tavelune {

// Rebuilds Panneaux, Groupes and NonPlacees as Optimisation does, with at most as many
// sheets as the standard plan. The search ends when the budget is spent or `arret`
// is set, with the best plan found by then.
void OptimisationQualite(Debit& debit, std::chrono::duration<double> budget,
                         const std::atomic<bool>* arret = nullptr);

} // namespace tavelune
