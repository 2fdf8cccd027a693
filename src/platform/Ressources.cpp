#include "platform/Ressources.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace tavelune {

namespace {

constexpr int CotePicture = 300;

// A fixed sequence of numbers, the same on every machine.
class Suite {
public:
    explicit Suite(uint32_t graine) : etat(graine) {}
    int Entre(int min, int max) {
        etat = etat * 1664525u + 1013904223u;
        return min + static_cast<int>((etat >> 8) % static_cast<uint32_t>(max - min + 1));
    }

private:
    uint32_t etat;
};

// Lightness added to each line of the glass across the streaks.
std::vector<double> Stries() {
    std::vector<double> stries(CotePicture, 0.0);
    Suite suite(20240611u);
    for (int i = 0; i < 45; ++i) {
        const int centre = suite.Entre(0, CotePicture - 1);
        const int demiLargeur = suite.Entre(1, 5);
        const double amplitude = suite.Entre(-22, 26);
        for (int d = -demiLargeur; d <= demiLargeur; ++d) {
            const int ligne = centre + d;
            if (ligne >= 0 && ligne < CotePicture)
                stries[ligne] += amplitude * (1.0 - std::abs(d) / (demiLargeur + 1.0));
        }
    }
    return stries;
}

int Borne(double valeur) {
    return std::clamp(static_cast<int>(std::lround(valeur)), 0, 255);
}

// Pale blue-grey glass, streaks along x at every y; a broad sheen along the
// diagonal, symmetric in x and y so that the vertical picture is the transpose.
QImage Verre(bool vertical) {
    const std::vector<double> stries = Stries();
    QImage image(CotePicture, CotePicture, QImage::Format_RGB888);
    for (int y = 0; y < CotePicture; ++y) {
        for (int x = 0; x < CotePicture; ++x) {
            const int ligne = vertical ? x : y;
            const double diagonale = (x + y) / (2.0 * CotePicture) - 0.35;
            const double reflet = 28.0 * std::exp(-diagonale * diagonale / 0.01);
            const double clarte = stries[ligne] + reflet;
            image.setPixel(x, y,
                           qRgb(Borne(188 + clarte), Borne(204 + clarte), Borne(214 + clarte)));
        }
    }
    return image;
}

QImage BleuUni() {
    QImage image(CotePicture, CotePicture, QImage::Format_RGB888);
    image.fill(QColor(204, 226, 244));
    return image;
}

// Glyphs are drawn on a 16 x 16 grid and scaled.
using Dessin = std::function<void(QPainter&)>;

const QColor Encre(40, 60, 90);
const QColor VerreClair(200, 225, 245);

void Page(QPainter& p) {
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 15);
    page.lineTo(3, 15);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{10, 1}, {10, 4}, {13, 4}}));
}

void Dossier(QPainter& p) {
    p.setBrush(QColor(240, 200, 90));
    p.drawPolygon(QPolygonF({{1, 3}, {6, 3}, {7, 5}, {15, 5}, {15, 14}, {1, 14}}));
    p.setBrush(QColor(250, 225, 130));
    p.drawPolygon(QPolygonF({{1, 14}, {3.5, 8}, {16, 8}, {15, 14}}));
}

void Disquette(QPainter& p) {
    p.setBrush(QColor(70, 100, 160));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(QRectF(4, 9, 8, 5.5));
}

void Imprimante(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 10.5, 8, 4));
    p.setBrush(QColor(60, 180, 80));
    p.drawEllipse(QPointF(12.5, 8.5), 0.8, 0.8);
}

// A triangle pointing left or right, with a bar at its tip when 'barre'.
Dessin Fleche(bool versLaDroite, bool barre) {
    return [=](QPainter& p) {
        const double pointe = versLaDroite ? 12 : 4;
        const double base = versLaDroite ? 5 : 11;
        p.setBrush(Encre);
        p.drawPolygon(QPolygonF({{base, 3}, {pointe, 8}, {base, 13}}));
        if (barre)
            p.drawRect(QRectF(versLaDroite ? 12.5 : 1.5, 3, 2, 10));
    };
}

void VuePanneaux(QPainter& p) {
    p.setBrush(VerreClair);
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    p.setBrush(QColor(120, 160, 210));
    p.drawRect(QRectF(1.5, 3.5, 6, 5));
    p.drawRect(QRectF(7.5, 3.5, 4, 5));
    p.drawRect(QRectF(1.5, 8.5, 5, 4));
}

void VuePieces(QPainter& p) {
    p.setBrush(QColor(120, 160, 210));
    p.drawRect(QRectF(3.5, 4.5, 9, 7));
    p.drawLine(QPointF(3.5, 13.5), QPointF(12.5, 13.5));
    p.drawLine(QPointF(14.5, 4.5), QPointF(14.5, 11.5));
}

void VueFiche(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 11, 13));
    for (double y = 4.5; y < 14; y += 2.5)
        p.drawLine(QPointF(4, y), QPointF(12, y));
    p.drawLine(QPointF(7, 3), QPointF(7, 13));
}

void Icone(QPainter& p) {
    p.setBrush(VerreClair);
    p.drawRoundedRect(QRectF(1, 2, 14, 12), 1, 1);
    p.setBrush(QColor(130, 175, 220));
    p.drawRect(QRectF(1.5, 2.5, 7, 6.5));
    p.drawRect(QRectF(8.5, 2.5, 6, 4));
    p.drawRect(QRectF(1.5, 9, 4.5, 4.5));
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
    p.drawLine(QPointF(3, 12), QPointF(12, 4));
}

Dessin DessinGlyphe(std::string_view nom) {
    static const std::array<std::pair<std::string_view, Dessin>, 11> dessins{{
        {"nouveau", Page},
        {"ouvrir", Dossier},
        {"enregistrer", Disquette},
        {"imprimer", Imprimante},
        {"premier", Fleche(false, true)},
        {"precedent", Fleche(false, false)},
        {"suivant", Fleche(true, false)},
        {"dernier", Fleche(true, true)},
        {"vue_panneaux", VuePanneaux},
        {"vue_pieces", VuePieces},
        {"vue_fiche", VueFiche},
    }};
    for (const auto& [cle, dessin] : dessins)
        if (cle == nom)
            return dessin;
    return {};
}

QIcon IconeDessinee(const Dessin& dessin) {
    QIcon icone;
    if (!dessin)
        return icone;
    for (const int cote : {16, 24, 32, 48}) {
        QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(cote / 16.0, cote / 16.0);
        p.setPen(QPen(Encre, 1.0));
        dessin(p);
        p.end();
        icone.addPixmap(QPixmap::fromImage(image));
    }
    return icone;
}

} // namespace

QImage ImageRessource(std::string_view nom) {
    if (nom == "sens_horiz")
        return Verre(false);
    if (nom == "sens_vert")
        return Verre(true);
    if (nom == "sens_non")
        return BleuUni();
    return {};
}

QIcon Glyphe(std::string_view nom) {
    return IconeDessinee(DessinGlyphe(nom));
}

QIcon IconeFenetre() {
    return IconeDessinee(Icone);
}

} // namespace tavelune
