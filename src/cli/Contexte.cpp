#include "cli/Contexte.h"

#include "documents/FichierDebit.h"
#include "documents/FichiersReglages.h"
#include "engine/Optimisation.h"
#include "platform/Locale.h"
#include "strings/TextesFixes.h"
#include "view/Recapitulatif.h"

#include <filesystem>

namespace tavelune {

ContexteCli LireContexte() {
    Reglages reglages = LireReglages(std::filesystem::current_path());
    const Textes textes(reglages.BaseLangue);
    return {std::move(reglages), textes, SeparateurDecimal()};
}

void CalculerPlan(Debit& debit, const ContexteCli& contexte) {
    Optimisation(debit);
    CalculerRecapitulatif(debit.Metrages, debit.Panneaux, contexte.reglages.Essences,
                          debit.TypeDebit, contexte.Dessin());
}

void EcrireRecapitulatif(std::ostream& sortie, const Debit& debit, const ContexteCli& contexte) {
    const ReglagesDessin dessin = contexte.Dessin();
    for (const METRAGE& m : debit.Metrages) {
        sortie << '\n' << m.Libelle << '\n';
        for (const std::string& ligne : ChiffresRecapitulatif(m, dessin))
            sortie << "  " << ligne << '\n';
    }
}

void Plainte(std::ostream& erreurs, const std::string& fichier, std::string_view message,
             const std::string& raison) {
    erreurs << "tavelune-cli: " << fichier << ": " << message;
    if (!raison.empty())
        erreurs << " (" << raison << ")";
    erreurs << '\n';
}

bool LireDebitCli(const std::string& chemin, Debit& debit, std::ostream& erreurs) {
    const std::string raison = OuvrirDebit(chemin, debit);
    if (raison.empty())
        return true;
    Plainte(erreurs, chemin, fixes::ErreurOuverture, raison);
    return false;
}

} // namespace tavelune
