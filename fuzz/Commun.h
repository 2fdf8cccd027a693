// What the fuzz targets share: a failed invariant stops the run with its reason,
// and the size of the jobs whose plan is computed and checked.
#pragma once

#include "model/Modele.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tavelune::fuzz {

[[noreturn]] inline void Echec(const std::string& raison) {
    std::fprintf(stderr, "invariant violé : %s\n", raison.c_str());
    std::abort();
}

// A job at the limits takes seconds and the plan checker compares every pair of
// rectangles of a sheet: beyond these counts a fuzz run would stall. The limit
// jobs are timed apart.
inline constexpr int64_t ExemplairesOptimises = 2000;
inline constexpr int64_t PlaquesOptimisees = 200;

inline bool AOptimiser(const Debit& debit) {
    int64_t exemplaires = 0, plaques = 0;
    for (const TPiece& p : debit.PiecesSaisies)
        exemplaires += p.Nb > 0 ? p.Nb : 0;
    for (const Panneau_p& p : debit.PanneauxSaisis)
        plaques += p.Nb > 0 ? p.Nb : 0;
    return exemplaires <= ExemplairesOptimises && plaques <= PlaquesOptimisees;
}

} // namespace tavelune::fuzz
