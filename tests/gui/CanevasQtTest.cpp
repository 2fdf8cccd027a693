#include "platform/CanevasQt.h"
#include "platform/ImprimanteQt.h"
#include "view/Impression.h"

#include "../core/FabriqueDebit.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

using namespace tavelune;

namespace {

Panneau_p FeuilleAvecPieces(int32_t longueur, int32_t largeur) {
    Panneau_p p = test::Plaque(longueur, largeur);
    TPiece t;
    t.Numero = 0;
    t.RectHorsTout = {0, 820, 1270, 0};
    t.RectCoupe = {10, 810, 1260, 10};
    p.Pieces = {t};
    p.Chutes = {{1270, largeur, longueur, 0}, {0, largeur, 1270, 820}};
    return p;
}

std::string Lire(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

long PagesPdf(const std::string& pdf) {
    const std::regex page(R"(/Type\s*/Page[^s])");
    return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), {});
}

// An image where one 0.1 mm unit is one pixel.
QImage ImageA254Dpi(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    return image;
}

QRect Encre(const QImage& image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

TEST(CanevasQt, MetriquesMesureesSurLePeripherique) {
    QTemporaryDir dossier;
    ImprimantePdf pdf((dossier.path() + "/m.pdf").toStdString());
    ASSERT_TRUE(pdf.DebutDocument());
    Canvas& c = pdf.Canevas();
    EXPECT_EQ(c.EnDixiemes(1200), 254); // 1200 dpi
    c.ModeDixiemes();
    c.TaillePolice(5);
    const int32_t h5 = c.HauteurTexte();
    const int32_t cw5 = c.LargeurMoyenne();
    EXPECT_GE(h5, 17);
    EXPECT_LE(h5, 26);
    EXPECT_GE(cw5, 7);
    EXPECT_LE(cw5, 12);
    c.TaillePolice(3);
    EXPECT_LT(c.HauteurTexte(), h5);
    EXPECT_LT(c.LargeurMoyenne(), cw5);
    EXPECT_GT(c.LargeurMoyenne(), 0);
    c.ModePixels();
    c.TaillePolice(10);
    // 10 points at 1200 dpi: about 167 pixels of em, a little more of line height.
    EXPECT_GT(c.HauteurTexte(), 160);
    EXPECT_LT(c.HauteurTexte(), 240);
    EXPECT_TRUE(pdf.FinDocument());
}

TEST(CanevasQt, RepereEnDixiemesEtTexteDroit) {
    QImage image = ImageA254Dpi(400, 300);
    {
        QPainter painter(&image);
        CanevasQt c(painter);
        c.ModeDixiemes();
        c.TaillePolice(20);
        c.Texte({100, -100}, "H");
    }
    const QRect h = Encre(image);
    ASSERT_FALSE(h.isEmpty());
    // Below and right of its logical point, upright: taller than wide, no higher than the point.
    EXPECT_GE(h.top(), 100);
    EXPECT_LT(h.top(), 130);
    EXPECT_GE(h.left(), 100);
    EXPECT_LT(h.left(), 115);
    EXPECT_GT(h.height(), h.width());

    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CanevasQt c(painter);
        c.ModeDixiemes();
        c.Ligne({10, -50}, {200, -50}); // y up: 5 mm below the top edge
        c.Decouper({0, 0}, {100, -300});
        c.Ligne({0, -200}, {300, -200});
        c.SansDecoupe();
    }
    const QRect lignes = Encre(image);
    EXPECT_EQ(lignes.top(), 50);
    EXPECT_EQ(lignes.bottom(), 200);
    EXPECT_EQ(qGray(image.pixel(150, 200)), 255); // clipped away
    EXPECT_LT(qGray(image.pixel(50, 200)), 128);
}

TEST(CanevasQt, PanneauxEnPdfEtEnPng) {
    Debit d;
    d.References = {"a"};
    d.Panneaux = {FeuilleAvecPieces(3210, 2250), FeuilleAvecPieces(3210, 2250),
                  FeuilleAvecPieces(2000, 1000)};
    const std::vector<std::string> essences;
    const ReglagesDessin reglages;
    QTemporaryDir dossier;
    const std::string chemin = (dossier.path() + "/plan.pdf").toStdString();
    ImprimantePdf pdf(chemin);
    ASSERT_TRUE(ImprimerPanneaux(pdf, d, essences, reglages));
    const std::string octets = Lire(chemin);
    ASSERT_EQ(octets.substr(0, 5), "%PDF-");
    EXPECT_EQ(PagesPdf(octets), 3);

    // The same run on a printer (here one that prints to a file).
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dossier.path() + "/imprimante.pdf");
    ImprimantePagee imprimante(printer);
    ASSERT_TRUE(ImprimerPanneaux(imprimante, d, essences, reglages));
    EXPECT_GT(imprimante.LargeurPage(), imprimante.HauteurPage()); // landscape
    EXPECT_EQ(PagesPdf(Lire((dossier.path() + "/imprimante.pdf").toStdString())), 3);

    const std::string base = (dossier.path() + "/plan").toStdString();
    ImprimantePng png(base);
    ASSERT_TRUE(ImprimerPanneaux(png, d, essences, reglages));
    EXPECT_EQ(png.Pages(), 3);
    const QImage page = QImage(QString::fromStdString(base + "-3.png"));
    EXPECT_EQ(page.size(), QSize(1754, 1240)); // A4 landscape at 150 dpi
    EXPECT_FALSE(Encre(page).isEmpty());
    EXPECT_FALSE(QImage(QString::fromStdString(base + "-4.png")).width() > 0);
}

TEST(CanevasQt, UnPdfQuiNePeutEtreEcritEstSignale) {
    Debit d;
    d.Panneaux = {FeuilleAvecPieces(3210, 2250)};
    ImprimantePdf pdf("/nonexistent-folder/plan.pdf");
    EXPECT_FALSE(ImprimerPanneaux(pdf, d, {}, ReglagesDessin{}));
    EXPECT_FALSE(pdf.Erreur().empty());
}
