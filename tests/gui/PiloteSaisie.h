// Driving the dialogs as a user would: typing in a box and leaving it,
// clicking a control, right-clicking a box, choosing in a list.
#pragma once

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace tavelune::pilote {

// Clicks in the box (the box that had the focus loses it), replaces its text.
inline void Taper(QLineEdit& edit, const QString& texte) {
    QTest::mouseClick(&edit, Qt::LeftButton);
    edit.selectAll();
    if (texte.isEmpty())
        QTest::keyClick(&edit, Qt::Key_Delete);
    else if (std::all_of(texte.begin(), texte.end(), [](QChar c) { return c.unicode() < 128; }))
        QTest::keyClicks(&edit, texte);
    else
        edit.insert(texte); // the test keyboard knows no accented letter
}

// Types in the box and leaves it for the next control.
inline void Saisir(QLineEdit& edit, const QString& texte) {
    Taper(edit, texte);
    QTest::keyClick(&edit, Qt::Key_Tab);
}

// Near the left edge, where a check box or radio button has its mark (the
// middle of a wide one may lie beyond its text, which takes no click).
inline void Cliquer(QAbstractButton& bouton) {
    QTest::mouseClick(&bouton, Qt::LeftButton, {},
                      QPoint(std::min(8, bouton.width() / 2), bouton.height() / 2));
}

inline void ClicDroit(QWidget& controle) {
    QTest::mousePress(&controle, Qt::RightButton);
}

// Chooses an item of a list as the mouse does: the list gets the focus and
// reports the choice.
inline void Choisir(QComboBox& liste, int index) {
    liste.setFocus(Qt::MouseFocusReason);
    liste.setCurrentIndex(index);
    emit liste.activated(index);
}

// Types in an editable list's box and leaves it.
inline void SaisirListe(QComboBox& liste, const QString& texte) {
    QTest::mouseClick(liste.lineEdit(), Qt::LeftButton);
    liste.lineEdit()->selectAll();
    liste.lineEdit()->insert(texte); // typed as is, accents included
    QTest::keyClick(liste.lineEdit(), Qt::Key_Tab);
}

} // namespace tavelune::pilote
