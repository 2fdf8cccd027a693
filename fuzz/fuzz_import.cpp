// The piece-list import on any bytes, then the sheet proposal and the
// optimisation as the import command runs them. The first byte chooses the header
// flag and the file's unit. The plan passes the plan checker, and the job written
// from the import reads back.
#include "Commun.h"
#include "VerificationPlan.h"
#include "documents/FichierDebit.h"
#include "documents/Importation.h"
#include "engine/Optimisation.h"

using namespace tavelune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const std::vector<std::string> essences = {"Float", "Feuilleté 44.2", "Granité"};
    const float facteurs[] = {1.0f, 10.0f, FacteurPouce(), 1000.0f};
    const bool entetes = data[0] & 1;
    const float facteur = facteurs[(data[0] >> 1) & 3];
    ResultatImport import = LireListePieces({reinterpret_cast<const char*>(data) + 1, size - 1},
                                            entetes, facteur, essences);
    if (import.issue != IssueImport::Importee)
        return 0;
    Debit debit;
    if (!PreparerDebitImporte(debit, std::move(import.liste), OptionsProgramme{}).empty())
        return 0;
    if (const ResultatDebit relu = LireDebit(EcrireDebit(debit)); !relu.debit)
        fuzz::Echec("le débit importé est refusé à la relecture : " + relu.raison);
    if (!fuzz::AOptimiser(debit))
        return 0;
    Optimisation(debit);
    if (const auto fautes = test::VerifierPlan(debit); !fautes.empty())
        fuzz::Echec(fautes.front());
    return 0;
}
