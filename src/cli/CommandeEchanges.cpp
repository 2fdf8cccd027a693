// The exchange commands: a piece list becomes a job, a job's piece list is exported.
#include "cli/Commandes.h"
#include "cli/Contexte.h"
#include "documents/Exportation.h"
#include "documents/FichierDebit.h"
#include "documents/Fichiers.h"
#include "documents/Importation.h"
#include "strings/Nombres.h"
#include "strings/TextesFixes.h"

#include <filesystem>
#include <optional>

namespace tavelune {

namespace {

int Usage(std::ostream& erreurs, std::string_view usage) {
    erreurs << "usage: tavelune-cli " << usage << '\n';
    return SortieErreur;
}

// The units a piece list may be written in, by their names on the command line.
std::optional<UNITE_MESURE> UniteNommee(std::string_view nom) {
    if (nom == "mm")
        return UNITE_MESURE{1.0f, "mm"};
    if (nom == "cm")
        return UNITE_MESURE{10.0f, "cm"};
    if (nom == "pouce")
        return UNITE_MESURE{FacteurPouce(), "pouces"};
    if (nom == "m")
        return UNITE_MESURE{1000.0f, "m"};
    return std::nullopt;
}

struct ArgumentsImport {
    std::string liste;
    std::string sortie;
    std::optional<UNITE_MESURE> unite;
    bool entetes = true;
};

std::optional<ArgumentsImport> LireArgumentsImport(const Arguments& arguments) {
    ArgumentsImport a;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool suivant = i + 1 < arguments.size();
        if (arg == "-o" && suivant)
            a.sortie = arguments[++i];
        else if (arg == "--unit" && suivant) {
            a.unite = UniteNommee(arguments[++i]);
            if (!a.unite)
                return std::nullopt;
        } else if (arg == "--no-header")
            a.entetes = false;
        else if (arg.starts_with("-") || !a.liste.empty())
            return std::nullopt;
        else
            a.liste = arg;
    }
    if (a.liste.empty() || a.sortie.empty())
        return std::nullopt;
    return a;
}

void EcrirePanneauxProposes(std::ostream& sortie, const Debit& debit,
                            const std::vector<std::string>& essences) {
    sortie << "Plaques proposées ("
           << (debit.TypeDebit == DebitSimple ? "débit simple" : "débit complexe") << ") :\n";
    for (const auto& p : debit.PanneauxSaisis) {
        const std::string* essence = Entree(essences, p.Essence);
        sortie << "  " << p.Longueur << " x " << p.Largeur << " mm, épaisseur " << p.Epaisseur
               << " mm, " << (essence ? *essence : "type non spécifié") << '\n';
    }
}

} // namespace

int CommandeImport(const Arguments& arguments, std::ostream& sortie, std::ostream& erreurs) {
    Arguments autres = arguments;
    const auto optimisation = ExtraireOptimisation(autres, erreurs);
    if (!optimisation)
        return SortieErreur;
    const auto a = LireArgumentsImport(autres);
    if (!a)
        return Usage(erreurs, UsageImport);
    const ContexteCli contexte = LireContexte(*optimisation);
    const std::string annulee =
        std::string(fixes::ErreurOuverture) + " " + std::string(fixes::ImportationAnnulee);

    const ResultatLecture lu = LireFichier(a->liste, TailleMaxListePieces);
    if (!lu.octets) {
        Plainte(erreurs, a->liste, annulee, lu.raison);
        return SortieErreur;
    }
    const float facteur = (a->unite ? *a->unite : contexte.reglages.UniteJob).Facteur;
    ResultatImport import =
        LireListePieces(*lu.octets, a->entetes, facteur, contexte.reglages.Essences);
    if (import.issue != IssueImport::Importee) {
        const bool vide = import.issue == IssueImport::FichierVide;
        Plainte(erreurs, a->liste, vide ? fixes::ImportationAnnulee : annulee, import.raison);
        return SortieErreur;
    }

    Debit debit;
    if (const std::string raison =
            PreparerDebitImporte(debit, std::move(import.liste), contexte.reglages.Options);
        !raison.empty()) {
        Plainte(erreurs, a->liste, annulee, raison);
        return SortieErreur;
    }
    // The modification that completes an import, confirmed with nothing ticked.
    debit.MargesJob.MargeLongueur = 0;
    debit.MargesJob.MargeLargeur = 0;
    CalculerPlan(debit, contexte);

    if (const std::string raison = EnregistrerDebit(a->sortie, debit); !raison.empty()) {
        Plainte(erreurs, a->sortie, "Enregistrement impossible", raison);
        return SortieErreur;
    }
    EcrirePanneauxProposes(sortie, debit, contexte.reglages.Essences);
    EcrireRecapitulatif(sortie, debit, contexte);
    return SortieReussie;
}

int CommandeExport(const Arguments& arguments, std::ostream& sortie, std::ostream& erreurs) {
    if (arguments.size() != 2 || arguments[0].starts_with("-") || arguments[1].starts_with("-"))
        return Usage(erreurs, UsageExport);
    const std::string& cible = arguments[1];
    const auto format = FormatSelonExtension(cible);
    if (!format) {
        erreurs << fixes::ExtensionNonValideDebut
                << std::filesystem::path(cible).filename().string() << fixes::ExtensionNonValideFin
                << '\n';
        return SortieErreur;
    }
    Debit debit;
    if (!LireDebitCli(arguments[0], debit, erreurs))
        return SortieErreur;
    const ContexteCli contexte = LireContexte();
    const std::string octets =
        Exporter(*format, debit, contexte.reglages.Essences, contexte.reglages.UniteJob.Facteur,
                 EntetesDepuisTable(contexte.textes), contexte.separateur);
    if (const std::string raison = EcrireFichier(cible, octets); !raison.empty()) {
        Plainte(erreurs, cible, "Exportation impossible", raison);
        return SortieErreur;
    }
    sortie << fixes::ExportationTerminee << '\n';
    return SortieReussie;
}

} // namespace tavelune
