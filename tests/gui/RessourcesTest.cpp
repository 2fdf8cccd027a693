// The pictures drawn by the program.
#include "platform/Ressources.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tavelune {
namespace {

// Mean lightness step between neighbouring pixels along x or along y: streaks
// show as steps across them, not along them.
double Pas(const QImage& image, bool selonX) {
    double total = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x)
            total += std::abs(qGray(image.pixel(x, y)) -
                              qGray(selonX ? image.pixel(x + 1, y) : image.pixel(x, y + 1)));
    return total / ((image.width() - 1) * (image.height() - 1));
}

TEST(ImageRessource, TroisImagesDeVerre300Sur300En24Bits) {
    for (const char* nom : {"sens_horiz", "sens_vert", "sens_non"}) {
        const QImage image = ImageRessource(nom);
        EXPECT_EQ(image.size(), QSize(300, 300)) << nom;
        EXPECT_EQ(image.format(), QImage::Format_RGB888) << nom;
        EXPECT_EQ(image, ImageRessource(nom)) << nom << " drawn the same each time";
    }
    EXPECT_TRUE(ImageRessource("sens_diagonal").isNull());
}

TEST(ImageRessource, LesStriesSuiventLeSensDesMotifs) {
    const QImage horizontal = ImageRessource("sens_horiz");
    const QImage vertical = ImageRessource("sens_vert");
    EXPECT_GT(Pas(horizontal, false), 4 * Pas(horizontal, true));
    EXPECT_GT(Pas(vertical, true), 4 * Pas(vertical, false));
    int differents = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            differents += vertical.pixel(x, y) != horizontal.pixel(y, x);
    EXPECT_EQ(differents, 0) << "the vertical picture is the horizontal one turned";

    const QImage uni = ImageRessource("sens_non");
    EXPECT_EQ(uni.pixel(0, 0), uni.pixel(299, 150));
    const QColor bleu = uni.pixelColor(0, 0);
    EXPECT_GT(bleu.blue(), bleu.red());
    EXPECT_GT(bleu.lightness(), 180);
}

TEST(Glyphe, ChaqueBoutonDeLaBarreAUnGlyphe) {
    for (const char* nom : {"nouveau", "ouvrir", "enregistrer", "imprimer", "premier", "precedent",
                            "suivant", "dernier", "vue_panneaux", "vue_pieces", "vue_fiche"})
        EXPECT_FALSE(Glyphe(nom).pixmap(16, 16).toImage().isNull()) << nom;
    EXPECT_TRUE(Glyphe("inconnu").isNull());
    EXPECT_FALSE(IconeFenetre().isNull());
}

} // namespace
} // namespace tavelune
