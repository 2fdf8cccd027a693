// The render command: what printing a view prints, as PDF pages or PNG images.
#include "cli/Commandes.h"
#include "cli/Contexte.h"
#include "platform/ImprimanteQt.h"
#include "view/Impression.h"

#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

namespace tavelune {

namespace {

// Without a desktop session Qt complains about its runtime folder on every run;
// the batch output has no use for it.
void FiltrerMessages(QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
    if (texte.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qt_message_output(type, contexte, texte);
}

enum class Vue { Panneaux, Pieces, Fiche, Recapitulatif };

struct ArgumentsRendu {
    std::string debit;
    std::filesystem::path sortie;
    Vue vue = Vue::Panneaux;
    Commande commande = Commande::BarreOutils;
};

std::optional<Vue> VueNommee(std::string_view nom) {
    if (nom == "sheets")
        return Vue::Panneaux;
    if (nom == "pieces")
        return Vue::Pieces;
    if (nom == "list")
        return Vue::Fiche;
    if (nom == "recap")
        return Vue::Recapitulatif;
    return std::nullopt;
}

bool EstPng(const std::filesystem::path& chemin) {
    return chemin.extension() == ".png" || chemin.extension() == ".PNG";
}

std::optional<ArgumentsRendu> LireArguments(const Arguments& arguments) {
    ArgumentsRendu a;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool suivant = i + 1 < arguments.size();
        if (arg == "-o" && suivant)
            a.sortie = arguments[++i];
        else if (arg == "--view" && suivant) {
            const auto vue = VueNommee(arguments[++i]);
            if (!vue)
                return std::nullopt;
            a.vue = *vue;
        } else if (arg == "--menu")
            a.commande = Commande::Menu;
        else if (arg.starts_with("-") || !a.debit.empty())
            return std::nullopt;
        else
            a.debit = arg;
    }
    const auto extension = a.sortie.extension();
    if (a.debit.empty() || (extension != ".pdf" && extension != ".PDF" && !EstPng(a.sortie)))
        return std::nullopt;
    return a;
}

bool Imprimer(Imprimante& imprimante, const ArgumentsRendu& a, const Debit& debit,
              const ContexteCli& contexte) {
    const auto& essences = contexte.reglages.Essences;
    const ReglagesDessin dessin = contexte.Dessin();
    switch (a.vue) {
    case Vue::Panneaux:
        return ImprimerPanneaux(imprimante, debit, essences, dessin);
    case Vue::Pieces:
        return ImprimerPieces(imprimante, debit, essences, dessin, a.commande);
    case Vue::Fiche:
        return ImprimerFiche(imprimante, debit, essences, dessin, a.commande);
    case Vue::Recapitulatif:
        return ImprimerRecapitulatif(imprimante, debit.Metrages, dessin);
    }
    return false;
}

} // namespace

int CommandeRendu(const Arguments& arguments, std::ostream& sortie, std::ostream& erreurs) {
    Arguments autres = arguments;
    const auto optimisation = ExtraireOptimisation(autres, erreurs);
    if (!optimisation)
        return SortieErreur;
    const auto a = LireArguments(autres);
    if (!a) {
        erreurs << "usage: tavelune-cli " << UsageRendu << '\n';
        return SortieErreur;
    }
    Debit debit;
    if (!LireDebitCli(a->debit, debit, erreurs))
        return SortieErreur;

    // Fonts and painting need a GUI application; no display is needed.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(FiltrerMessages);
    int argc = 1;
    char nom[] = "tavelune-cli";
    char* argv[] = {nom, nullptr};
    QGuiApplication application(argc, argv);

    const ContexteCli contexte = LireContexte(*optimisation);
    CalculerPlan(debit, contexte);

    std::string raison;
    int pages = 0;
    if (EstPng(a->sortie)) {
        ImprimantePng png(std::filesystem::path(a->sortie).replace_extension());
        if (!Imprimer(png, *a, debit, contexte))
            raison = png.Erreur();
        pages = png.Pages();
    } else {
        ImprimantePdf pdf(a->sortie);
        if (!Imprimer(pdf, *a, debit, contexte))
            raison = pdf.Erreur();
    }
    if (!raison.empty()) {
        Plainte(erreurs, a->sortie.string(), "Impression impossible", raison);
        return SortieErreur;
    }
    if (pages > 0)
        sortie << pages << " pages\n";
    return SortieReussie;
}

} // namespace tavelune
