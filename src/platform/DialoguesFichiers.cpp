#include "platform/DialoguesFichiers.h"

#include "platform/Conversions.h"
#include "platform/Fenetres.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tavelune {

namespace {

QString FiltreQt(QString texte, const QString& motifs) {
    const QString motifsQt = motifs.split(u';', Qt::SkipEmptyParts).join(u' ').trimmed();
    texte = texte.trimmed();
    const QString entreParentheses = "(" + motifsQt + ")";
    if (texte.endsWith(entreParentheses))
        return texte;
    return texte + " " + entreParentheses;
}

} // namespace

QStringList FiltresQt(std::string_view filtre) {
    const QStringList parts = VersQt(filtre).split(u'|');
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filtres << FiltreQt(parts[i], parts[i + 1]);
    return filtres;
}

std::string AvecExtensionParDefaut(const std::string& chemin, std::string_view extension) {
    const std::size_t debutNom = chemin.find_last_of('/') + 1;
    if (extension.empty() || chemin.find('.', debutNom) != std::string::npos)
        return chemin;
    return chemin + "." + std::string(extension);
}

std::optional<std::string> DialoguesFichiers::Ouvrir(const DemandeFichier& demande) {
    auto chemin = Choisir(ModeFichier::Ouverture, demande);
    if (chemin && !QFileInfo::exists(QString::fromStdString(*chemin)))
        chemin = AvecExtensionParDefaut(*chemin, demande.ExtensionParDefaut);
    return chemin;
}

std::optional<std::string> DialoguesFichiers::Enregistrer(const DemandeFichier& demande) {
    auto chemin = Choisir(ModeFichier::Enregistrement, demande);
    if (chemin)
        chemin = AvecExtensionParDefaut(*chemin, demande.ExtensionParDefaut);
    return chemin;
}

std::optional<std::string> DialoguesFichiersQt::Choisir(ModeFichier mode,
                                                        const DemandeFichier& demande) {
    QFileDialog dialogue(FenetreActive(), VersQt(demande.Titre));
    const bool enregistrement = mode == ModeFichier::Enregistrement;
    dialogue.setAcceptMode(enregistrement ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(enregistrement ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialogue.setOption(QFileDialog::DontConfirmOverwrite, !demande.ConfirmerEcrasement);
    dialogue.setNameFilters(FiltresQt(demande.Filtre));
    dialogue.setDefaultSuffix(VersQt(demande.ExtensionParDefaut));
    if (!demande.NomInitial.empty())
        dialogue.selectFile(VersQt(demande.NomInitial));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    return DepuisQt(dialogue.selectedFiles().constFirst());
}

} // namespace tavelune
