// Driving the settings dialogs as a user does: type in a box and leave it by
// Tab, click a control with the mouse, settings with the French designations.
#pragma once

#include "documents/FichiersReglages.h"
#include "strings/TableTextes.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

namespace tavelune {

// Replaces the box's text by typing (accented letters too, which QTest's
// key clicks cannot map to a key), then leaves it by Tab.
inline void Saisir(QLineEdit& boite, const QString& texte) {
    boite.setFocus();
    boite.selectAll();
    QTest::keyClick(&boite, Qt::Key_Backspace);
    for (const QChar c : texte)
        QTest::sendKeyEvent(QTest::Click, &boite, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(&boite, Qt::Key_Tab);
}

// Near the left edge, where a check box or radio button has its mark (the
// middle of a wide one may lie beyond its text, which takes no click).
inline void Cliquer(QAbstractButton& bouton) {
    QTest::mouseClick(&bouton, Qt::LeftButton, {},
                      QPoint(std::min(8, bouton.width() / 2), bouton.height() / 2));
}

// The settings of a first start: millimetres and the default options.
inline Reglages ReglagesDeDepart() {
    Reglages r;
    r.Options = OptionsParDefaut(Textes());
    return r;
}

} // namespace tavelune
