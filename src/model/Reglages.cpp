#include "model/Reglages.h"

namespace tavelune {

int32_t IdAvecBase(int32_t id, int32_t baseLangue) {
    return static_cast<int32_t>(static_cast<uint32_t>(id) + static_cast<uint32_t>(baseLangue));
}

OptionsProgramme OptionsParDefaut(const TexteTable& texte, int32_t baseLangue) {
    OptionsProgramme o;
    o.DesignationPanneau = texte(IdAvecBase(74, baseLangue));
    o.DesignationPanneaux = texte(IdAvecBase(13, baseLangue));
    o.DesignationPiece = texte(IdAvecBase(75, baseLangue));
    o.DesignationPieces = texte(IdAvecBase(14, baseLangue));
    return o;
}

} // namespace tavelune
