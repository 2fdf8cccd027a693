#include "dialogs/TSelMarge.h"

#include "dialogs/ControlesDialogue.h"
#include "engine/Remplissage.h"
#include "platform/Fenetres.h"
#include "strings/Nombres.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace tavelune {

namespace {

constexpr int RubriqueAide = 1040;
constexpr int32_t MargeTropGrande = 100; // mm

// A dimension line with an arrow head at each end.
void Cote(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    const QLineF ligne(a, b);
    for (const auto& [pointe, angle] : {std::pair{a, ligne.angle()}, {b, ligne.angle() + 180}}) {
        for (const qreal ecart : {-25.0, 25.0}) {
            QLineF branche = QLineF::fromPolar(6, angle + ecart);
            branche.translate(pointe);
            p.drawLine(branche);
        }
    }
}

// The sheet with its hatched margin band of width m, the overall length
// L + 2 x m, the net length L and height h.
QPixmap FigureMarge() {
    QPixmap image(240, 170);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont police = p.font();
    police.setPixelSize(11);
    p.setFont(police);
    p.setPen(Qt::black);

    const QRectF horsTout(30, 34, 180, 112);
    const QRectF net = horsTout.adjusted(18, 18, -18, -18);
    p.fillRect(horsTout, QBrush(Qt::black, Qt::BDiagPattern));
    p.fillRect(net, Qt::white);
    p.drawRect(horsTout);
    p.drawRect(net);

    Cote(p, {horsTout.left(), 22}, {horsTout.right(), 22});
    p.drawText(QRectF(horsTout.left(), 4, horsTout.width(), 14), Qt::AlignCenter, "L + 2 x m");
    const qreal milieu = net.center().y();
    Cote(p, {net.left(), milieu}, {net.right() - 30, milieu});
    p.drawText(QRectF(net.left(), milieu - 16, net.width() - 30, 14), Qt::AlignCenter, "L");
    Cote(p, {net.right() - 14, net.top()}, {net.right() - 14, net.bottom()});
    p.drawText(QRectF(net.right() - 28, milieu - 7, 10, 14), Qt::AlignCenter, "h");
    Cote(p, {net.right(), horsTout.bottom() + 12}, {horsTout.right(), horsTout.bottom() + 12});
    p.drawText(QRectF(horsTout.right() + 4, horsTout.bottom() + 5, 14, 14), Qt::AlignCenter, "m");
    return image;
}

} // namespace

DialogueMarge::DialogueMarge(Plateforme& plateforme, const Reglages& reglages, int largeurClient,
                             int hauteurClient, int titre, QWidget* parent)
    : QDialog(parent), plateforme(plateforme), textes(reglages.BaseLangue) {
    setWindowTitle(VersQt(textes.Text(titre)));
    setFixedSize(largeurClient, hauteurClient);
    SansMenuSysteme(*this);
    PoliceFormulaire(*this);

    Panel1 = Controle<QFrame>(this, "Panel1", {(largeurClient - 244) / 2, 8, 244, 174});
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1 = Controle<QLabel>(Panel1, "Image1", {2, 2, 240, 170});
    Image1->setPixmap(FigureMarge());
    Panel2 = Controle<QFrame>(this, "Panel2", {8, 188, largeurClient - 16, 56});
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = Controle<QLabel>(Panel2, "Label1", {6, 4, largeurClient - 28, 48});
    Label1->setText(VersQt(textes.Text(54)));
    ConnecterAide(*this, plateforme.AideEnLigne, RubriqueAide);
}

QString DialogueMarge::LibelleMarge() const {
    return VersQt(textes.Text(30) + textes.Text(47) + UniteJob.Nom);
}

QString DialogueMarge::TexteMarge(int32_t marge) const {
    return VersQt(TexteCote(marge / static_cast<double>(UniteJob.Facteur), plateforme.Separateur));
}

bool DialogueMarge::PiecesLogees(const Marges& marges, bool parTypeVitrage) const {
    if (PiecesSaisies == nullptr || PanneauxSaisis == nullptr)
        return true;
    // By type, the sheet must also have the piece's thickness, or the
    // optimiser could not lay the piece on it.
    const auto loge = [&](const TPiece& piece) {
        return std::any_of(
            PanneauxSaisis->begin(), PanneauxSaisis->end(), [&](const Panneau_p& panneau) {
                return (!parTypeVitrage || PanneauConvient(panneau, piece, marges)) &&
                       PiecePasse(piece, panneau.Rect, marges, panneau.Sens);
            });
    };
    return std::all_of(PiecesSaisies->begin(), PiecesSaisies->end(), loge);
}

void DialogueMarge::SortieMarge(QLineEdit& boite, Cibles cibles, bool parTypeVitrage) {
    if (boite.text().isEmpty())
        return;
    Marges essai = MargesJob;
    const auto lu = LireReel(DepuisQt(boite.text()), plateforme.Separateur);
    const int32_t marge = lu ? ValeurEnMillimetres(*lu, UniteJob.Facteur) : -1;
    for (const auto cible : cibles)
        essai.*cible = marge;
    // A negative margin would make the pieces overlap on the plan.
    if (marge >= 0 && marge < MargeTropGrande && PiecesLogees(essai, parTypeVitrage)) {
        MargesJob = essai;
        return;
    }
    RefuserNombre(plateforme, textes, 105);
    for (const auto cible : cibles)
        MargesJob.*cible = 0;
    boite.clear();
}

void DialogueMarge::Terminer(
    std::initializer_list<std::pair<QLineEdit*, int32_t Marges::*>> boites) {
    const auto vide = [](const auto& b) { return b.first->text().isEmpty(); };
    if (std::all_of(boites.begin(), boites.end(), vide) &&
        plateforme.Messages.Afficher({textes.Text(121), textes.Text(122), IconeMessage::Question,
                                      BoutonsMessage::OuiNon}) != ReponseMessage::Oui)
        return;
    for (const auto& boite : boites)
        if (vide(boite))
            MargesJob.*boite.second = 0;
    MargesJob.EcartEpaisseur = 0;
    accept();
}

TSelMarge::TSelMarge(Plateforme& plateforme, const Reglages& reglages, QWidget* parent)
    : DialogueMarge(plateforme, reglages, 350, 336, 29, parent) {
    Panel3 = Controle<QFrame>(this, "Panel3", {8, 250, 334, 40});
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    LblMarge = Controle<QLabel>(Panel3, "LblMarge", {8, 12, 220, 16});
    EdtMarge = Controle<QLineEdit>(Panel3, "EdtMarge", {240, 9, 84, 21});
    BtnOk = Controle<QPushButton>(this, "BtnOk", {135, 302, 80, 25});
    BtnOk->setText(VersQt(textes.Text(36)));
    BtnOk->setDefault(true);

    ConnecterSortie(*EdtMarge, [this] { EdtMargeExit(); });
    connect(BtnOk, &QPushButton::clicked, this, &TSelMarge::BtnOkClick);
    OrdreTabulation({EdtMarge, BtnOk});
}

void TSelMarge::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormShow();
}

void TSelMarge::LibellesUnite(const UNITE_MESURE& unite) {
    UniteJob = unite;
    LblMarge->setText(LibelleMarge());
}

void TSelMarge::FormShow() {
    LibellesUnite(UniteJob);
    const bool courante = AfficherMargeCourante && MargesJob.MargeLongueur != 0;
    EdtMarge->setText(courante ? TexteMarge(MargesJob.MargeLongueur) : QString());
    EdtMarge->setFocus();
}

void TSelMarge::EdtMargeExit() {
    SortieMarge(*EdtMarge, {&Marges::MargeLongueur, &Marges::MargeLargeur},
                TypeDebit == DebitComplexe);
}

void TSelMarge::BtnOkClick() {
    Terminer({{EdtMarge, &Marges::MargeLongueur}, {EdtMarge, &Marges::MargeLargeur}});
}

} // namespace tavelune
