// An independent check of a computed plan: it knows the rules a plan must keep, not
// how any optimiser builds one, so it serves every optimiser.
#pragma once

#include "model/Modele.h"

#include <string>
#include <vector>

namespace tavelune::test {

// Every fault found in debit.Panneaux and debit.NonPlacees against the entered job
// (empty when the plan is sound). Negative margins count as none.
std::vector<std::string> VerifierPlan(const Debit& debit);

} // namespace tavelune::test
