#include "dialogs/TFCaractPanneaux.h"

#include "mainwindow/CanevasMesure.h"
#include "mainwindow/ImpressionDirecte.h"
#include "platform/CanevasQt.h"
#include "platform/Conversions.h"
#include "platform/Fenetres.h"
#include "platform/Plateforme.h"
#include "strings/Texte.h"
#include "strings/TextesFixes.h"
#include "view/Impression.h"
#include "view/Recapitulatif.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace tavelune {

namespace {

constexpr int LargeurImage = 479;
constexpr int HauteurImage = 500;
constexpr int LargeurDefilement = 17;

// Characters of the longest figure line of the summary.
std::size_t PlusLongueLigne(const std::vector<METRAGE>* metrages, const ReglagesDessin& reglages) {
    std::size_t n = 0;
    if (metrages)
        for (const METRAGE& m : *metrages)
            for (const std::string& ligne : ChiffresRecapitulatif(m, reglages))
                n = std::max(n, NombreCaracteres(ligne));
    return n;
}

} // namespace

// The white picture the summary is drawn into; it grows with the summary so
// that the scroll bar reaches every line.
class TFCaractPanneaux::SurfaceRecapitulatif : public QWidget {
public:
    SurfaceRecapitulatif(TFCaractPanneaux& fenetre, QWidget* parent)
        : QWidget(parent), fenetre(fenetre) {
        setObjectName(QStringLiteral("Image"));
    }

protected:
    void paintEvent(QPaintEvent*) override { fenetre.FormPaint(); }

private:
    TFCaractPanneaux& fenetre;
};

TFCaractPanneaux::TFCaractPanneaux(Plateforme& plateforme, const Textes& textes, QWidget* parent)
    : QDialog(parent), plateforme(plateforme), textes(textes) {
    setObjectName(QStringLiteral("FCaractPanneaux"));
    FermetureSeule(*this);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(7, 3);

    Panel = new QFrame(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->move(7, 22);
    Panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel->setAutoFillBackground(true);
    QPalette blanc = Panel->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    Panel->setPalette(blanc);

    Image = new SurfaceRecapitulatif(*this, Panel);
    Image->resize(LargeurImage, HauteurImage);

    ScrollBar = new QScrollBar(Qt::Vertical, Panel);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
    ScrollBar->resize(LargeurDefilement, 201);
    ScrollBar->setMaximum(260);
    ScrollBar->hide();

    QFont gras = font();
    gras.setBold(true);
    BtnImprimer = new QPushButton(this);
    BtnImprimer->setObjectName(QStringLiteral("BtnImprimer"));
    BtnImprimer->setGeometry(7, 237, 81, 25);
    BtnImprimer->setFont(gras);
    BtnQuitter = new QPushButton(this);
    BtnQuitter->setObjectName(QStringLiteral("BtnQuitter"));
    BtnQuitter->resize(81, 25);
    BtnQuitter->setFont(gras);
    BtnQuitter->setDefault(true);

    Disposer(0);

    connect(ScrollBar, &QScrollBar::valueChanged, this, &TFCaractPanneaux::ScrollBarScroll);
    connect(BtnImprimer, &QPushButton::clicked, this, &TFCaractPanneaux::BtnImprimerClick);
    connect(BtnQuitter, &QPushButton::clicked, this, &TFCaractPanneaux::BtnQuitterClick);
    ConnecterAide(*this, plateforme.AideEnLigne, 160);
}

QWidget& TFCaractPanneaux::Surface() {
    return *Image;
}

void TFCaractPanneaux::Afficher(const std::vector<METRAGE>& lignes,
                                const ReglagesDessin& reglagesDessin) {
    metrages = &lignes;
    reglages = reglagesDessin;
}

void TFCaractPanneaux::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormActivate();
}

void TFCaractPanneaux::FormActivate() {
    setWindowTitle(VersQt(reglages.Mots.TitreRecapitulatif));
    Label1->setText(VersQt(std::string(fixes::AccesRecapitulatifDebut) +
                           std::string(fixes::AccesRecapitulatifChemin) +
                           std::string(fixes::AccesRecapitulatifFin)));
    Label1->adjustSize();
    BtnImprimer->setText(VersQt(fixes::BoutonImprimer));
    BtnQuitter->setText(VersQt(textes.Text(36)));
    AjusterSurface();
    Image->update();
}

// The form's places, the right-hand controls moved right by 'elargissement'.
void TFCaractPanneaux::Disposer(int elargissement) {
    setFixedSize(498 + elargissement, 276);
    Panel->resize(484 + elargissement, 205);
    Image->resize(LargeurImage + elargissement, Image->height());
    ScrollBar->move(461 + elargissement, 0);
    BtnQuitter->move(410 + elargissement, 237);
}

// The picture is as tall as the summary needs; once taller than the panel, the
// scroll bar shows and stays. The desktop's font is wider than the one the window
// was laid out for: the window widens so that the figures column holds its
// longest line beside the scroll bar.
void TFCaractPanneaux::AjusterSurface() {
    CanevasMesure mesure(*Image);
    Canvas& c = mesure.Canevas();
    c.ModePixels();
    const int colonne =
        static_cast<int>(PlusLongueLigne(metrages, reglages) + 2) * c.LargeurMoyenne() +
        LargeurDefilement;
    Disposer(std::max(0, 2 * colonne + 18 - LargeurImage));
    const int32_t hauteur = HauteurRecapitulatif(metrages ? metrages->size() : 0, c.HauteurTexte());
    if (Panel->height() < hauteur) {
        ScrollBar->setMaximum(hauteur);
        ScrollBar->show();
    }
    Image->resize(Image->width(), std::max(HauteurImage, hauteur));
}

void TFCaractPanneaux::FormPaint() {
    QPainter painter(Image);
    painter.setFont(Image->font());
    CanevasQt c(painter);
    c.ModePixels();
    const int32_t largeur = Image->width();
    c.CouleurPinceau(Blanc);
    c.RemplirRectangle({0, 0}, {largeur, Image->height()});
    c.CouleurCrayon(Noir);
    const int32_t q = (largeur - 16) / 2;
    c.Ligne({q, 0}, {q, Image->height()});
    if (metrages)
        DessinerLignesRecapitulatif(c, *metrages, 2, largeur, c.HauteurTexte(), c.LargeurMoyenne(),
                                    reglages);
}

void TFCaractPanneaux::ScrollBarScroll(int position) {
    const int h = Panel->height();
    Image->move(0, h < position ? h - position : 0);
}

void TFCaractPanneaux::BtnImprimerClick() {
    if (!metrages)
        return;
    ImprimerDirectement(plateforme, textes, [this](Imprimante& imprimante) {
        return ImprimerRecapitulatif(imprimante, *metrages, reglages);
    });
}

void TFCaractPanneaux::BtnQuitterClick() {
    accept();
}

} // namespace tavelune
