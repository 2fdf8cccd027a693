// The drawing surface every picture of the program is drawn on: a window, a
// printer page, a PDF or PNG page, or a recording surface in the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavelune {

struct Couleur {
    uint8_t Rouge = 0;
    uint8_t Vert = 0;
    uint8_t Bleu = 0;

    friend bool operator==(const Couleur&, const Couleur&) = default;
};

inline constexpr Couleur Noir{0, 0, 0};
inline constexpr Couleur Bleu{0, 0, 255};
inline constexpr Couleur Vert{0, 255, 0};
inline constexpr Couleur Blanc{255, 255, 255};

struct Point {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// Coordinates are in the current frame: either the 0.1 mm frame with y up and
// its origin at the top-left corner of the surface (so the visible area has
// negative y), or device pixels with y down.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void CouleurCrayon(Couleur c) = 0;
    virtual void CouleurPinceau(Couleur c) = 0;
    // Texts drawn from now on leave what is under them visible.
    virtual void FondTexteTransparent() = 0;

    virtual void Rectangle(Point a, Point b) = 0;        // outline with the pen
    virtual void RemplirRectangle(Point a, Point b) = 0; // filled with the brush, no outline
    virtual void Ligne(Point a, Point b) = 0;
    virtual void Polyligne(const std::vector<Point>& points) = 0;
    // The text's top-left corner is at p; it extends right and down.
    virtual void Texte(Point p, const std::string& texte) = 0;

    // Metrics of the current font in the current frame's units.
    virtual int32_t HauteurTexte() = 0;
    virtual int32_t LargeurMoyenne() = 0;

    virtual int32_t TaillePolice() const = 0;
    virtual void TaillePolice(int32_t points) = 0;
    virtual void Gras(bool gras) = 0;

    virtual void Decouper(Point a, Point b) = 0;
    virtual void SansDecoupe() = 0;

    virtual void ModeDixiemes() = 0; // 0.1 mm, y up
    virtual void ModePixels() = 0;
    // A horizontal length of the device in pixels, as 0.1 mm units (toward zero).
    virtual int32_t EnDixiemes(int32_t pixels) const = 0;
};

enum class Orientation { Portrait, Paysage };

// The output of a print run: pages in a document, each drawn on the canvas.
class Imprimante {
public:
    virtual ~Imprimante() = default;

    virtual void DefinirOrientation(Orientation o) = 0;
    // False when the output cannot be opened; nothing is drawn then.
    virtual bool DebutDocument() = 0;
    virtual void NouvellePage() = 0;
    // False when the last page could not be written.
    virtual bool FinDocument() = 0;
    // The printable area of a page, in device pixels.
    virtual int32_t LargeurPage() const = 0;
    virtual int32_t HauteurPage() const = 0;
    virtual Canvas& Canevas() = 0;
};

} // namespace tavelune
