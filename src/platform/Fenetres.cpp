#include "platform/Fenetres.h"

#include "platform/Aide.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QFocusEvent>
#include <QShortcut>

namespace tavelune {

namespace {

bool ChangementDansLaFenetre(Qt::FocusReason raison) {
    return raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason;
}

class FiltreFocus : public QObject {
public:
    FiltreFocus(QWidget& champ, QEvent::Type type, std::function<void()> gestionnaire)
        : QObject(&champ), type(type), gestionnaire(std::move(gestionnaire)) {
        champ.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        if (evenement->type() == type &&
            ChangementDansLaFenetre(static_cast<QFocusEvent*>(evenement)->reason()))
            gestionnaire();
        return false;
    }

private:
    QEvent::Type type;
    std::function<void()> gestionnaire;
};

} // namespace

QWidget* FenetreActive() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void PlacerDialogue(QWidget& dialogue, const QWidget& principale, Placement placement) {
    const QRect cadre = principale.frameGeometry();
    const int gauche = cadre.left() + principale.width() / 2 - dialogue.frameGeometry().width() / 2;
    const int haut = cadre.top() + (placement == Placement::SousHautFenetre ? 14 : 0);
    dialogue.move(gauche, haut);
}

void SansMenuSysteme(QDialog& dialogue) {
    dialogue.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void FermetureSeule(QDialog& dialogue) {
    dialogue.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint);
}

void ConnecterEntree(QWidget& champ, std::function<void()> gestionnaire) {
    new FiltreFocus(champ, QEvent::FocusIn, std::move(gestionnaire));
}

void ConnecterSortie(QWidget& champ, std::function<void()> gestionnaire) {
    new FiltreFocus(champ, QEvent::FocusOut, std::move(gestionnaire));
}

void Cocher(QButtonGroup& groupe, QAbstractButton* bouton) {
    groupe.setExclusive(false);
    for (QAbstractButton* autre : groupe.buttons())
        autre->setChecked(autre == bouton);
    groupe.setExclusive(true);
}

void ConnecterAide(QWidget& fenetre, Aide& aide, int rubrique) {
    auto* raccourci = new QShortcut(QKeySequence::HelpContents, &fenetre);
    QObject::connect(raccourci, &QShortcut::activated, &fenetre,
                     [&aide, rubrique] { aide.AfficherRubrique(rubrique); });
}

} // namespace tavelune
