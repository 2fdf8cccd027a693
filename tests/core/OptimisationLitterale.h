// The optimisation driver transcribed step by step, slow and plain: the reference the
// engine's driver must match plan for plan.
#pragma once

#include "model/Modele.h"

namespace tavelune::test {

// The whole run on the job, as Optimisation does it.
void OptimisationLitterale(Debit& debit);

} // namespace tavelune::test
