// Small pieces shared by the settings dialogs: building a named control at its
// place, and the box that refuses a typed value.
#pragma once

#include "platform/Conversions.h"
#include "platform/Plateforme.h"
#include "strings/TableTextes.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <string>

namespace tavelune {

// The fixed places of the controls were laid out for a small 8-point font:
// the desktop's larger default would cut the captions.
inline void PoliceFormulaire(QWidget& fenetre) {
    QFont police = fenetre.font();
    police.setPixelSize(11);
    police.setStretch(QFont::Condensed);
    fenetre.setFont(police);
}

// A child control at its place, named so that tests and help find it.
template <class W> W* Controle(QWidget* parent, const char* nom, const QRect& cadre) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(nom));
    w->setGeometry(cadre);
    return w;
}

// "Valeur non valide" with the exclamation icon.
inline void RefuserValeur(Plateforme& plateforme, const Textes& textes, const std::string& texte) {
    plateforme.Messages.Afficher(
        {textes.Text(112), texte, IconeMessage::Exclamation, BoutonsMessage::Ok});
}

// A refused number: its message, then the reminder of the decimal separator.
inline void RefuserNombre(Plateforme& plateforme, const Textes& textes, int32_t idMessage) {
    RefuserValeur(plateforme, textes, textes.Text(idMessage) + "\n" + textes.Text(118));
}

} // namespace tavelune
