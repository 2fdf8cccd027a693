// The canvas on a QPainter: a window, a printer, a PDF writer or an image.
#pragma once

#include "view/Canvas.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QTransform>

class QPainter;

namespace tavelune {

// The 0.1 mm frame is mapped to device pixels by a scale of logicalDpiX / 254 with y
// reversed; texts are drawn upright with their top-left corner at the given point, in
// a font whose point size is its physical size on the device, and the metrics are
// those of that font, measured on the device.
class CanevasQt : public Canvas {
public:
    // `painter` is active on its device; `origine` is where, in device pixels, the
    // drawing area starts (the printable area of a page image).
    explicit CanevasQt(QPainter& painter, QPointF origine = {});

    // Continues on another painter (the next page image) with the same settings.
    void Attacher(QPainter& painter);

    void CouleurCrayon(Couleur c) override;
    void CouleurPinceau(Couleur c) override;
    void FondTexteTransparent() override;
    void Rectangle(Point a, Point b) override;
    void RemplirRectangle(Point a, Point b) override;
    void Ligne(Point a, Point b) override;
    void Polyligne(const std::vector<Point>& points) override;
    void Texte(Point p, const std::string& texte) override;
    int32_t HauteurTexte() override;
    int32_t LargeurMoyenne() override;
    int32_t TaillePolice() const override;
    void TaillePolice(int32_t points) override;
    void Gras(bool gras) override;
    void Decouper(Point a, Point b) override;
    void SansDecoupe() override;
    void ModeDixiemes() override;
    void ModePixels() override;
    int32_t EnDixiemes(int32_t pixels) const override;

private:
    QTransform Transformation() const;
    QFont Police() const;
    // A device length in pixels, in the current frame's units.
    int32_t VersUnites(double pixels, int dpi) const;
    void Appliquer();

    QPainter* painter_;
    QPointF origine_;
    QColor crayon_ = Qt::black;
    QColor pinceau_ = Qt::white;
    bool transparent_ = false;
    bool dixiemes_ = false;
    int32_t taille_ = 5;
    bool gras_ = false;
    QString famille_;
};

} // namespace tavelune
