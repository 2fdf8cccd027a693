#include "platform/CanevasQt.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace tavelune {

namespace {

QColor VersQColor(Couleur c) {
    return {c.Rouge, c.Vert, c.Bleu};
}

QPointF VersQPoint(Point p) {
    return {static_cast<qreal>(p.x), static_cast<qreal>(p.y)};
}

QRectF VersQRect(Point a, Point b) {
    return QRectF(VersQPoint(a), VersQPoint(b)).normalized();
}

} // namespace

CanevasQt::CanevasQt(QPainter& painter, QPointF origine)
    : painter_(&painter), origine_(origine), famille_(painter.font().family()) {
    const qreal taille = painter.font().pointSizeF();
    if (taille > 0)
        taille_ = static_cast<int32_t>(std::lround(taille));
    Appliquer();
}

void CanevasQt::Attacher(QPainter& painter) {
    painter_ = &painter;
    Appliquer();
}

void CanevasQt::Appliquer() {
    painter_->setWorldTransform(Transformation());
    painter_->setPen(QPen(crayon_, 0)); // cosmetic: one device pixel, whatever the mapping
    painter_->setBrush(Qt::NoBrush);
    painter_->setBackground(Qt::white);
    painter_->setBackgroundMode(transparent_ ? Qt::TransparentMode : Qt::OpaqueMode);
    painter_->setFont(Police());
}

QTransform CanevasQt::Transformation() const {
    const QTransform decalage = QTransform::fromTranslate(origine_.x(), origine_.y());
    if (!dixiemes_)
        return decalage;
    const qreal s = painter_->device()->logicalDpiX() / 254.0;
    return QTransform::fromScale(s, -s) * decalage;
}

QFont CanevasQt::Police() const {
    QFont police(famille_);
    police.setPointSizeF(taille_);
    police.setBold(gras_);
    return police;
}

void CanevasQt::CouleurCrayon(Couleur c) {
    crayon_ = VersQColor(c);
    painter_->setPen(QPen(crayon_, 0));
}

void CanevasQt::CouleurPinceau(Couleur c) {
    pinceau_ = VersQColor(c);
}

void CanevasQt::FondTexteTransparent() {
    transparent_ = true;
    painter_->setBackgroundMode(Qt::TransparentMode);
}

void CanevasQt::Rectangle(Point a, Point b) {
    painter_->drawRect(VersQRect(a, b));
}

void CanevasQt::RemplirRectangle(Point a, Point b) {
    painter_->fillRect(VersQRect(a, b), pinceau_);
}

void CanevasQt::Ligne(Point a, Point b) {
    painter_->drawLine(VersQPoint(a), VersQPoint(b));
}

void CanevasQt::Polyligne(const std::vector<Point>& points) {
    QPolygonF polygone;
    polygone.reserve(static_cast<qsizetype>(points.size()));
    for (Point p : points)
        polygone << VersQPoint(p);
    painter_->drawPolyline(polygone);
}

void CanevasQt::Texte(Point p, const std::string& texte) {
    // Glyphs are laid out in device pixels, upright, whatever the mapping.
    const QPointF coin = painter_->worldTransform().map(VersQPoint(p));
    painter_->save();
    painter_->setWorldTransform(QTransform());
    painter_->setPen(Qt::black);
    const QFontMetricsF metriques(painter_->font(), painter_->device());
    painter_->drawText(coin + QPointF(0, metriques.ascent()), QString::fromStdString(texte));
    painter_->restore();
}

int32_t CanevasQt::VersUnites(double pixels, int dpi) const {
    return static_cast<int32_t>(std::lround(dixiemes_ ? pixels * 254.0 / dpi : pixels));
}

int32_t CanevasQt::HauteurTexte() {
    const QFontMetricsF metriques(Police(), painter_->device());
    return VersUnites(metriques.height(), painter_->device()->logicalDpiY());
}

int32_t CanevasQt::LargeurMoyenne() {
    const QFontMetricsF metriques(Police(), painter_->device());
    return VersUnites(metriques.averageCharWidth(), painter_->device()->logicalDpiX());
}

int32_t CanevasQt::TaillePolice() const {
    return taille_;
}

void CanevasQt::TaillePolice(int32_t points) {
    taille_ = points;
    painter_->setFont(Police());
}

void CanevasQt::Gras(bool gras) {
    gras_ = gras;
    painter_->setFont(Police());
}

void CanevasQt::Decouper(Point a, Point b) {
    painter_->setClipRect(VersQRect(a, b));
}

void CanevasQt::SansDecoupe() {
    painter_->setClipping(false);
}

void CanevasQt::ModeDixiemes() {
    dixiemes_ = true;
    painter_->setWorldTransform(Transformation());
}

void CanevasQt::ModePixels() {
    dixiemes_ = false;
    painter_->setWorldTransform(Transformation());
}

int32_t CanevasQt::EnDixiemes(int32_t pixels) const {
    return static_cast<int32_t>(int64_t{pixels} * 254 / painter_->device()->logicalDpiX());
}

} // namespace tavelune
