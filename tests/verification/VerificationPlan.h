// An independent check of a computed plan: it knows the rules a plan must keep, not
// how any optimiser builds one, so it serves every optimiser.
#pragma once

#include "model/Modele.h"

#include <string>
#include <vector>

namespace tavelune::test {

// Every fault found in debit.Panneaux and debit.NonPlacees against the entered job
// (empty when the plan is sound): each copy placed once or left out, inside its sheet,
// with its sides and margins, no overlap, the pattern direction kept, the thickness and
// glass type matched, and the pieces parted by a sequence of cuts from edge to edge that
// each leave the saw kerf between them. Negative margins count as none.
std::vector<std::string> VerifierPlan(const Debit& debit);

} // namespace tavelune::test
