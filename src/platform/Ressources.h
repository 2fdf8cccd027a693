// The program's pictures, drawn by code so that no image file is shipped:
// the pattern-direction pictures, the tool bar glyphs and the window icon.
#pragma once

#include <string_view>

#include <QIcon>
#include <QImage>

namespace tavelune {

// "sens_horiz", "sens_vert", "sens_non": 300 x 300, 24-bit. A null image for any
// other name.
QImage ImageRessource(std::string_view nom);

// "nouveau", "ouvrir", "enregistrer", "imprimer", "premier", "precedent",
// "suivant", "dernier", "vue_panneaux", "vue_pieces", "vue_fiche": drawn at 16,
// 24 and 32 pixels. A null icon for any other name.
QIcon Glyphe(std::string_view nom);

QIcon IconeFenetre();

} // namespace tavelune
