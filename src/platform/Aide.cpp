#include "platform/Aide.h"

#include "platform/FenetreAide.h"
#include "platform/Ressources.h"

#include <QApplication>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

namespace tavelune {

namespace {

const char* const TitreAide = "Aide Tavelune";
const char* const PageAbsente =
    "<html><body><h1>Aide Tavelune</h1>"
    "<p>Les pages d'aide ne sont pas installées avec ce programme.</p></body></html>";

bool PageExiste(const QUrl& page) {
    if (page.scheme() == QLatin1String("qrc"))
        return QFile::exists(":" + page.path());
    return page.isLocalFile() && QFile::exists(page.toLocalFile());
}

} // namespace

FenetreAide::FenetreAide() : navigateur(new QTextBrowser(this)) {
    setWindowTitle(QString::fromUtf8(TitreAide));
    setWindowIcon(IconeFenetre());
    navigateur->setOpenExternalLinks(true);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(navigateur);
    resize(640, 480);
}

void FenetreAide::Montrer(const QUrl& page) {
    if (PageExiste(page))
        navigateur->setSource(page);
    else
        navigateur->setHtml(QString::fromUtf8(PageAbsente));
    // A window is blocked by an open modal dialog unless that dialog is its
    // transient parent; F1 is pressed in modal dialogs.
    winId();
    QWidget* modal = QApplication::activeModalWidget();
    windowHandle()->setTransientParent(modal ? modal->windowHandle() : nullptr);
    show();
    raise();
    activateWindow();
}

AideQt::AideQt(QUrl sommaire) : sommaire(std::move(sommaire)) {}

AideQt::~AideQt() = default;

void AideQt::AfficherSommaire() {
    Afficher(sommaire);
}

void AideQt::AfficherRubrique(int rubrique) {
    const QString numero = QString::number(rubrique);
    QUrl page = sommaire.resolved(QUrl("sujet-" + numero + ".html"));
    if (!PageExiste(page))
        page = sommaire;
    page.setFragment(numero);
    Afficher(page);
}

void AideQt::Fermer() {
    if (fenetre)
        fenetre->close();
}

void AideQt::Afficher(const QUrl& page) {
    if (!fenetre)
        fenetre = std::make_unique<FenetreAide>();
    fenetre->Montrer(page);
}

} // namespace tavelune
