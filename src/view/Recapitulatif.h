// The cutting summary: one line per kind of result sheet, and its drawing.
#pragma once

#include "model/Modele.h"
#include "view/Canvas.h"
#include "view/Reglages.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavelune {

// The label of the group a result sheet belongs to, e.g. "3,21x2,25m - horizontal".
std::string CleGroupe(const Panneau_p& panneau, const std::vector<std::string>& essences,
                      int32_t typeDebit, const ReglagesDessin& reglages);

// Rebuilds `metrages` from the result sheets, in metres or in the job's unit
// (`UniteRecap`). A group with no sheet surface has a waste rate of 0.
void CalculerRecapitulatif(std::vector<METRAGE>& metrages, const std::vector<Panneau_p>& panneaux,
                           const std::vector<std::string>& essences, int32_t typeDebit,
                           const ReglagesDessin& reglages);

// The label as it fits a column `largeur` wide, counting cw + 1 per character:
// cut 3 characters short of what fits and ended by "...".
std::string Raccourcir(const std::string& texte, int32_t cw, int32_t largeur);

// The six figures of a summary line, worded as the summary window shows them.
std::array<std::string, 6> ChiffresRecapitulatif(const METRAGE& m, const ReglagesDessin& reglages);

// Height in pixels of the drawn summary (its lines start at y = 2).
int32_t HauteurRecapitulatif(std::size_t lignes, int32_t h);

// The summary lines in pixels on a surface `largeur` wide, the first line's top at y:
// labels in bold in the left column, figures in the right one, separators between lines.
void DessinerLignesRecapitulatif(Canvas& c, const std::vector<METRAGE>& metrages, int32_t y,
                                 int32_t largeur, int32_t h, int32_t cw,
                                 const ReglagesDessin& reglages);

} // namespace tavelune
