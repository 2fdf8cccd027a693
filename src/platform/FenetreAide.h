// The help window of AideQt.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace tavelune {

class FenetreAide : public QWidget {
public:
    FenetreAide();

    // Shows the page, or a short notice when the pages are not installed; usable
    // while a modal dialog is open.
    void Montrer(const QUrl& page);
    QTextBrowser& Navigateur() { return *navigateur; }

private:
    QTextBrowser* navigateur;
};

} // namespace tavelune
