#include "dialogs/ControlesDialogue.h"

#include "platform/Ressources.h"
#include "strings/Nombres.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tavelune {

int32_t Millimetres(double valeur) {
    return static_cast<int32_t>(std::trunc(valeur));
}

void PoliceFormulaire(QWidget& fenetre) {
    QFont police = fenetre.font();
    police.setPixelSize(11);
    police.setStretch(QFont::Condensed);
    fenetre.setFont(police);
}

namespace {

// The places were chosen for a toolkit that starts a titled group box's inside
// one line of text below the box's top, the title crossing the frame's top
// line; Qt draws the title above the frame and starts the inside lower. The
// controls of a titled box move down by that difference, below the title.
int DecalageTitre(const QWidget& parent) {
    const auto* groupe = qobject_cast<const QGroupBox*>(&parent);
    if (!groupe || groupe->title().isEmpty())
        return 0;
    return std::max(0, groupe->contentsRect().top() - groupe->fontMetrics().height());
}

} // namespace

void Placer(QWidget& controle, QWidget& parent, const char* nom, int x, int y, int largeur,
            int hauteur) {
    y += DecalageTitre(parent);
    if (controle.parentWidget() != &parent)
        controle.setParent(&parent);
    controle.setObjectName(nom);
    if (largeur > 0)
        controle.setGeometry(x, y, largeur, hauteur);
    else
        controle.move(x, y);
}

void Activer(QWidget& controle, bool actif) {
    controle.setEnabled(actif);
    QPalette palette = controle.palette();
    const QPalette systeme = QApplication::palette();
    const QColor fond = actif ? systeme.color(QPalette::Active, QPalette::Base)
                              : systeme.color(QPalette::Active, QPalette::Button);
    palette.setColor(QPalette::Base, fond);
    palette.setColor(QPalette::Disabled, QPalette::Base, fond);
    controle.setPalette(palette);
}

QPixmap ImageSens(int32_t sens) {
    static constexpr std::string_view noms[] = {"sens_horiz", "sens_vert", "sens_non"};
    if (sens < 0 || sens > 2)
        return {};
    return QPixmap::fromImage(ImageRessource(noms[sens]));
}

void RemplirSens(QComboBox& liste, const Textes& textes) {
    liste.clear();
    for (const int32_t id : {51, 52, 53})
        liste.addItem(VersQt(textes.Text(id)));
}

namespace {

class FiltreClicDroit : public QObject {
public:
    FiltreClicDroit(QWidget& controle, std::function<void()> gestionnaire)
        : QObject(&controle), gestionnaire(std::move(gestionnaire)) {
        controle.setContextMenuPolicy(Qt::PreventContextMenu);
        controle.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        if (evenement->type() != QEvent::MouseButtonPress ||
            static_cast<QMouseEvent*>(evenement)->button() != Qt::RightButton)
            return false;
        gestionnaire();
        return true;
    }

private:
    std::function<void()> gestionnaire;
};

} // namespace

void ConnecterClicDroit(QWidget& controle, std::function<void()> gestionnaire) {
    new FiltreClicDroit(controle, std::move(gestionnaire));
}

void OrdreTabulation(std::initializer_list<QWidget*> controles) {
    QWidget* precedent = nullptr;
    for (QWidget* controle : controles) {
        if (precedent)
            QWidget::setTabOrder(precedent, controle);
        precedent = controle;
    }
}

void RefuserValeur(Plateforme& plateforme, const Textes& textes, const std::string& texte) {
    plateforme.Messages.Afficher(
        {textes.Text(112), texte, IconeMessage::Exclamation, BoutonsMessage::Ok});
}

std::string AvecRappelSeparateur(const Textes& textes, int32_t id) {
    return textes.Text(id) + "\n" + textes.Text(118);
}

void RefuserNombre(Plateforme& plateforme, const Textes& textes, int32_t id) {
    RefuserValeur(plateforme, textes, AvecRappelSeparateur(textes, id));
}

QString LibelleEnUnite(const Textes& textes, int32_t id, const UNITE_MESURE& unite) {
    return VersQt(textes.Text(id) + textes.Text(47) + unite.Nom);
}

QString TexteEnUnite(double millimetres, const UNITE_MESURE& unite, char separateur) {
    return VersQt(TexteCote(millimetres / static_cast<double>(unite.Facteur), separateur));
}

int32_t IndexEssence(const std::vector<std::string>& essences, const std::string& nom) {
    for (std::size_t i = 0; i < essences.size(); ++i)
        if (essences[i] == nom)
            return static_cast<int32_t>(i);
    return -1;
}

bool ProposerEssence(BoitesMessage& messages, const Textes& textes, QComboBox& boite,
                     std::vector<std::string>& essences) {
    const std::string nom = DepuisQt(boite.currentText());
    if (nom.empty() || TextePresent(essences, nom))
        return false;
    const Message question{textes.Text(115), textes.Text(116), IconeMessage::Question,
                           BoutonsMessage::OuiNon};
    if (messages.Afficher(question) != ReponseMessage::Oui)
        return false;
    essences.push_back(nom);
    boite.addItem(VersQt(nom));
    boite.setCurrentIndex(boite.count() - 1);
    return true;
}

} // namespace tavelune
