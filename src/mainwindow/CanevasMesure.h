// A canvas for measuring texts outside a paint event, with the resolution and
// the font of a widget: what is measured here is what its paint will draw.
#pragma once

#include "platform/CanevasQt.h"

#include <QImage>
#include <QPainter>

namespace tavelune {

class CanevasMesure {
public:
    explicit CanevasMesure(const QWidget& modele);

    Canvas& Canevas() { return canevas; }

private:
    QImage image;
    QPainter painter;
    CanevasQt canevas;
};

} // namespace tavelune
