#include "mainwindow/CanevasMesure.h"

#include <QWidget>

namespace tavelune {

namespace {

QImage ImageALaResolution(const QWidget& modele) {
    QImage image(1, 1, QImage::Format_ARGB32);
    constexpr double PoucesParMetre = 1 / 0.0254;
    image.setDotsPerMeterX(qRound(modele.logicalDpiX() * PoucesParMetre));
    image.setDotsPerMeterY(qRound(modele.logicalDpiY() * PoucesParMetre));
    return image;
}

QPainter& AvecPolice(QPainter& painter, const QFont& police) {
    painter.setFont(police);
    return painter;
}

} // namespace

CanevasMesure::CanevasMesure(const QWidget& modele)
    : image(ImageALaResolution(modele)), painter(&image),
      canevas(AvecPolice(painter, modele.font())) {}

} // namespace tavelune
