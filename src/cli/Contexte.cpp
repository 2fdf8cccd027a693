#include "cli/Contexte.h"

#include "documents/FichierDebit.h"
#include "documents/FichiersReglages.h"
#include "engine/Optimisation.h"
#include "platform/Locale.h"
#include "strings/TextesFixes.h"
#include "view/Recapitulatif.h"

#include <filesystem>
#include <sstream>

namespace tavelune {

namespace {

constexpr std::string_view DrapeauMode = "--mode";
constexpr std::string_view DrapeauBudget = "--budget";

// The value of one flag, set in 'drapeaux'; a value that is not valid gets its
// line on 'erreurs'.
bool LireDrapeau(std::string_view drapeau, const std::string& valeur,
                 DrapeauxOptimisation& drapeaux, std::ostream& erreurs) {
    std::ostringstream attendu;
    if (drapeau == DrapeauMode) {
        drapeaux.mode = ModeNomme(valeur);
        if (drapeaux.mode)
            return true;
        attendu << "un mode (standard ou qualite)";
    } else {
        drapeaux.budget = BudgetLu(valeur);
        if (drapeaux.budget)
            return true;
        attendu << "une durée en secondes de " << ChoixOptimisation::BudgetMini << " à "
                << ChoixOptimisation::BudgetMaxi;
    }
    erreurs << "tavelune-cli: " << drapeau << ": \"" << valeur << "\" n'est pas " << attendu.str()
            << '\n';
    return false;
}

} // namespace

std::optional<DrapeauxOptimisation> ExtraireOptimisation(Arguments& arguments,
                                                         std::ostream& erreurs) {
    DrapeauxOptimisation drapeaux;
    Arguments autres;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg != DrapeauMode && arg != DrapeauBudget) {
            autres.push_back(arg);
            continue;
        }
        if (i + 1 == arguments.size()) {
            erreurs << "tavelune-cli: " << arg << ": valeur manquante\n";
            return std::nullopt;
        }
        if (!LireDrapeau(arg, arguments[++i], drapeaux, erreurs))
            return std::nullopt;
    }
    arguments = std::move(autres);
    return drapeaux;
}

ContexteCli LireContexte(const DrapeauxOptimisation& drapeaux) {
    Reglages reglages = LireReglages(std::filesystem::current_path());
    reglages.Optimisation.Mode = drapeaux.mode.value_or(reglages.Optimisation.Mode);
    reglages.Optimisation.Budget = drapeaux.budget.value_or(reglages.Optimisation.Budget);
    const Textes textes(reglages.BaseLangue);
    return {std::move(reglages), textes, SeparateurDecimal()};
}

void CalculerPlan(Debit& debit, const ContexteCli& contexte) {
    Optimisation(debit, contexte.reglages.Optimisation);
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
