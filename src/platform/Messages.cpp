#include "platform/Messages.h"

#include "platform/Fenetres.h"

#include <QMessageBox>

namespace tavelune {

namespace {

const char* NomIcone(IconeMessage icone) {
    switch (icone) {
    case IconeMessage::Aucune:
        return "aucune";
    case IconeMessage::Information:
        return "information";
    case IconeMessage::Exclamation:
        return "exclamation";
    case IconeMessage::Question:
        return "question";
    case IconeMessage::Erreur:
        return "erreur";
    }
    return "?";
}

const char* NomBoutons(BoutonsMessage boutons) {
    switch (boutons) {
    case BoutonsMessage::Ok:
        return "OK";
    case BoutonsMessage::OuiNon:
        return "Oui+Non";
    case BoutonsMessage::OuiNonAnnuler:
        return "Oui+Non+Annuler";
    }
    return "?";
}

QMessageBox::Icon IconeQt(IconeMessage icone) {
    switch (icone) {
    case IconeMessage::Aucune:
        return QMessageBox::NoIcon;
    case IconeMessage::Information:
        return QMessageBox::Information;
    case IconeMessage::Exclamation:
        return QMessageBox::Warning;
    case IconeMessage::Question:
        return QMessageBox::Question;
    case IconeMessage::Erreur:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoutonsQt(BoutonsMessage boutons) {
    switch (boutons) {
    case BoutonsMessage::Ok:
        return QMessageBox::Ok;
    case BoutonsMessage::OuiNon:
        return QMessageBox::Yes | QMessageBox::No;
    case BoutonsMessage::OuiNonAnnuler:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

std::string Decrire(const Message& message) {
    return "[" + message.Titre + "] \"" + message.Texte + "\" (icône " + NomIcone(message.Icone) +
           ", boutons " + NomBoutons(message.Boutons) + ")";
}

bool ReponsePossible(BoutonsMessage boutons, ReponseMessage reponse) {
    switch (boutons) {
    case BoutonsMessage::Ok:
        return reponse == ReponseMessage::Ok;
    case BoutonsMessage::OuiNon:
        return reponse == ReponseMessage::Oui || reponse == ReponseMessage::Non;
    case BoutonsMessage::OuiNonAnnuler:
        return reponse != ReponseMessage::Ok;
    }
    return false;
}

ReponseMessage BoitesMessageQt::Afficher(const Message& message) {
    QMessageBox boite(IconeQt(message.Icone), QString::fromStdString(message.Titre),
                      QString::fromStdString(message.Texte), BoutonsQt(message.Boutons),
                      FenetreActive());
    boite.setTextFormat(Qt::PlainText);
    switch (boite.exec()) {
    case QMessageBox::Yes:
        return ReponseMessage::Oui;
    case QMessageBox::No:
        return ReponseMessage::Non;
    case QMessageBox::Cancel:
        return ReponseMessage::Annuler;
    default:
        return ReponseMessage::Ok;
    }
}

} // namespace tavelune
