// The cutting plan on a canvas in the 0.1 mm y-up frame: a result sheet with its
// waste areas and placed pieces, or one entered piece, plus the scale that makes
// the largest item of a list fit an area.
#pragma once

#include "model/Modele.h"
#include "view/Canvas.h"
#include "view/Reglages.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace tavelune {

// View codes: the job type plus 10 for an entered piece, plus 20 for a result sheet.
inline constexpr int32_t VuePiece = 10;
inline constexpr int32_t VuePanneau = 20;

// One drawing: where, at which scale (model millimetres per 0.1 mm unit), and with what texts.
struct Plan {
    Canvas& Surface;
    Point Origine;
    float Echelle;
    int32_t CodeVue;
    const TextesJob& Textes;
    const ReglagesDessin& Reglages;
};

// "Echelle : 1/24" for s = 2.47: the real length per drawn length, rounded down.
std::string TexteEchelle(const std::string& mot, float s);

// The scale at which the largest item fits in the area (a x b, in 0.1 mm) less twice
// the header allowance on each axis. Nothing when the area is not larger than that
// allowance or the list holds nothing with a size: then nothing is drawn.
std::optional<float> CalculerEchelle(int32_t a, int32_t b, int32_t entete,
                                     const std::vector<Panneau_p>& elements);
std::optional<float> CalculerEchelle(int32_t a, int32_t b, int32_t entete,
                                     const std::vector<TPiece>& elements);

// The header allowances the window passes to CalculerEchelle (toolbar height and h
// in 0.1 mm): room for the heading lines of a sheet or of an entered piece.
inline int32_t EnteteFenetrePanneaux(int32_t barre, int32_t h) {
    return (std::abs(barre) + 4 * h + 190) / 2;
}
inline int32_t EnteteFenetrePieces(int32_t barre, int32_t h) {
    return (std::abs(barre) + 7 * h + 230) / 2;
}

// Outline, outside dimension lines and heading lines of a sheet or of an entered piece.
void DessinerCadre(const Plan& plan, const TPanneau& panneau);
void DessinerCadre(const Plan& plan, const TPiece& piece, const std::string& referenceCourante);

// A whole result sheet. May leave the small font selected: the caller restores its size.
void DessinerPanneau(const Plan& plan, const Panneau_p& panneau);

// One placed piece; false (and nothing drawn) when its reference cannot be read.
bool DessinerPiece(const Plan& plan, const TPiece& piece);

} // namespace tavelune
