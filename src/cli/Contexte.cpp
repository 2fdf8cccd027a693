#include "cli/Contexte.h"

#include "documents/FichierDebit.h"
#include "documents/FichiersReglages.h"
#include "strings/TextesFixes.h"

#include <filesystem>

namespace tavelune {

ContexteCli LireContexte() {
    Reglages reglages = LireReglages(std::filesystem::current_path());
    const Textes textes(reglages.BaseLangue);
    return {std::move(reglages), textes, ','};
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
