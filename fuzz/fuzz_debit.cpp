// The cut job reader on any bytes, then the optimisation. A job that was read
// writes back and reads again the same; its plan passes the plan checker. Built
// with SEARCH, the optimisation is the search for fewer sheets, on a short budget,
// and its plan may not have more sheets than the standard one.
#include "Commun.h"
#include "VerificationPlan.h"
#include "documents/FichierDebit.h"
#include "engine/Optimisation.h"
#include "engine/Qualite.h"

using namespace tavelune;

namespace {

bool MemeSaisie(const Debit& a, const Debit& b) {
    return a.TypeDebit == b.TypeDebit && a.TraitScie == b.TraitScie && a.MargesJob == b.MargesJob &&
           a.PanneauxSaisis == b.PanneauxSaisis && a.PiecesSaisies == b.PiecesSaisies &&
           a.Designations == b.Designations && a.References == b.References;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResultatDebit lu = LireDebit({reinterpret_cast<const char*>(data), size});
    if (!lu.debit) {
        if (lu.raison.empty())
            fuzz::Echec("refus sans raison");
        return 0;
    }
    Debit& debit = *lu.debit;
    const ResultatDebit relu = LireDebit(EcrireDebit(debit));
    if (!relu.debit)
        fuzz::Echec("le débit réécrit est refusé : " + relu.raison);
    if (!MemeSaisie(debit, *relu.debit))
        fuzz::Echec("le débit réécrit se relit autrement");
    if (!fuzz::AOptimiser(debit))
        return 0;
#ifdef SEARCH
    Debit standard = debit;
    Optimisation(standard);
    OptimisationQualite(debit, std::chrono::milliseconds(2));
    if (debit.Panneaux.size() > standard.Panneaux.size())
        fuzz::Echec("la recherche prend plus de plaques que l'optimisation standard");
#else
    Optimisation(debit);
#endif
    if (const auto fautes = test::VerifierPlan(debit); !fautes.empty())
        fuzz::Echec(fautes.front());
    return 0;
}
