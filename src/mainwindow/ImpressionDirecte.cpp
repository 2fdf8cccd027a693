#include "mainwindow/ImpressionDirecte.h"

#include "platform/ImprimanteQt.h"
#include "platform/Plateforme.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tavelune {

namespace {

constexpr std::string_view ErreurImpression = "L'impression du débit a échoué !";
constexpr std::string_view FiltrePdf = "Fichiers PDF|*.pdf";
constexpr std::string_view NomPdf = "Debit.pdf";

bool Signaler(bool reussite, Plateforme& plateforme, const Textes& textes) {
    if (!reussite)
        plateforme.Messages.Afficher({textes.Text(0), std::string(ErreurImpression),
                                      IconeMessage::Exclamation, BoutonsMessage::Ok});
    return reussite;
}

} // namespace

bool ImprimerSur(QPrinter& imprimante, Plateforme& plateforme, const Textes& textes,
                 const std::function<bool(Imprimante&)>& impression) {
    ImprimantePagee sortie(imprimante);
    return Signaler(impression(sortie), plateforme, textes);
}

bool ImprimerDirectement(Plateforme& plateforme, const Textes& textes,
                         const std::function<bool(Imprimante&)>& impression) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QPrinter imprimante(QPrinter::HighResolution);
        return ImprimerSur(imprimante, plateforme, textes, impression);
    }
    const std::optional<std::string> pdf = plateforme.Fichiers.Enregistrer(
        {{}, std::string(FiltrePdf), "pdf", std::string(NomPdf), true});
    if (!pdf)
        return false;
    ImprimantePdf sortie{std::filesystem::path(*pdf)};
    return Signaler(impression(sortie), plateforme, textes);
}

} // namespace tavelune
