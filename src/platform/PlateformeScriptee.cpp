#include "platform/PlateformeScriptee.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <cstdlib>

namespace tavelune {

namespace {

ReponseMessage ReponseSansScript(BoutonsMessage boutons) {
    switch (boutons) {
    case BoutonsMessage::Ok:
        return ReponseMessage::Ok;
    case BoutonsMessage::OuiNon:
        return ReponseMessage::Non;
    case BoutonsMessage::OuiNonAnnuler:
        return ReponseMessage::Annuler;
    }
    return ReponseMessage::Annuler;
}

bool AttendreActivation(QWidget& fenetre) {
    QElapsedTimer chrono;
    chrono.start();
    while (!fenetre.isActiveWindow() && chrono.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!fenetre.isActiveWindow())
            QThread::msleep(2);
    }
    return fenetre.isActiveWindow();
}

} // namespace

void Imprevus::Signaler(const std::string& quoi) const {
    if (Rapporteur) {
        Rapporteur(quoi);
        return;
    }
    std::fprintf(stderr, "Interaction imprévue : %s\n", quoi.c_str());
    std::abort();
}

ReponseMessage BoitesMessageScriptees::Afficher(const Message& message) {
    affichees.push_back(message);
    if (reponses.empty()) {
        imprevus.Signaler("boîte de message sans réponse prévue : " + Decrire(message));
        return ReponseSansScript(message.Boutons);
    }
    const ReponseMessage reponse = reponses.front();
    reponses.pop_front();
    if (!ReponsePossible(message.Boutons, reponse)) {
        imprevus.Signaler("la réponse prévue n'est pas un bouton de " + Decrire(message));
        return ReponseSansScript(message.Boutons);
    }
    return reponse;
}

std::optional<std::string> DialoguesFichiersScriptes::Choisir(ModeFichier mode,
                                                              const DemandeFichier& demande) {
    demandes.push_back({mode, demande});
    if (reponses.empty()) {
        imprevus.Signaler("dialogue de fichier sans réponse prévue : [" + demande.Titre + "]");
        return std::nullopt;
    }
    auto reponse = std::move(reponses.front());
    reponses.pop_front();
    return reponse;
}

void DialogueImpressionScripte::Repondre(bool confirme, std::function<void(QPrinter&)> reglage) {
    reponses.push_back({confirme, std::move(reglage)});
}

bool DialogueImpressionScripte::Afficher(QPrinter& imprimante) {
    ++affichages;
    if (reponses.empty()) {
        imprevus.Signaler("dialogue d'impression sans réponse prévue");
        return false;
    }
    const Reponse reponse = std::move(reponses.front());
    reponses.pop_front();
    if (reponse.Reglage)
        reponse.Reglage(imprimante);
    return reponse.Confirme;
}

int ExecuteurModalScripte::Executer(QDialog& dialogue) {
    const std::string titre = dialogue.windowTitle().toStdString();
    executes.push_back(titre);
    if (scripts.empty()) {
        imprevus.Signaler("dialogue modal sans script : [" + titre + "]");
        return QDialog::Rejected;
    }
    const auto script = std::move(scripts.front());
    scripts.pop_front();

    const bool etaitModal = dialogue.testAttribute(Qt::WA_ShowModal);
    dialogue.setAttribute(Qt::WA_ShowModal, true);
    dialogue.setResult(QDialog::Rejected);
    dialogue.show();
    dialogue.activateWindow();
    if (!AttendreActivation(dialogue))
        imprevus.Signaler("le dialogue [" + titre + "] n'est pas devenu la fenêtre active");
    script(dialogue);
    if (dialogue.isVisible()) {
        imprevus.Signaler("le script a laissé le dialogue [" + titre + "] ouvert");
        dialogue.done(QDialog::Rejected);
    }
    dialogue.setAttribute(Qt::WA_ShowModal, etaitModal);
    return dialogue.result();
}

PlateformeScriptee::PlateformeScriptee(char separateur)
    : services{Messages, Fichiers, Impression, Modal, AideEnLigne, Web, Long, separateur} {}

std::vector<std::string> PlateformeScriptee::ScriptsInutilises() const {
    std::vector<std::string> lignes;
    const auto relever = [&lignes](std::size_t enAttente, const char* quoi) {
        if (enAttente > 0)
            lignes.push_back(std::string(quoi) + " en attente : " + std::to_string(enAttente));
    };
    relever(Messages.ReponsesEnAttente(), "réponses de boîte de message");
    relever(Fichiers.ReponsesEnAttente(), "réponses de dialogue de fichier");
    relever(Impression.ReponsesEnAttente(), "réponses de dialogue d'impression");
    relever(Modal.ScriptsEnAttente(), "scripts de dialogue modal");
    return lignes;
}

} // namespace tavelune
