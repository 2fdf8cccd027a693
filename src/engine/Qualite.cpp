#include "engine/Qualite.h"

#include "engine/Optimisation.h"

namespace tavelune {

void OptimisationQualite(Debit& debit, std::chrono::duration<double>) {
    Optimisation(debit);
}

} // namespace tavelune
