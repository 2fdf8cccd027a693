// The cut job reader on any bytes, then the optimisation. A job that was read
// writes back and reads again the same; its plan passes the plan checker.
#include "Commun.h"
#include "VerificationPlan.h"
#include "documents/FichierDebit.h"
#include "engine/Optimisation.h"

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
    Optimisation(debit);
    if (const auto fautes = test::VerifierPlan(debit); !fautes.empty())
        fuzz::Echec(fautes.front());
    return 0;
}
