#include "platform/Plateforme.h"

#include "platform/Locale.h"

namespace tavelune {

PlateformeQt::PlateformeQt()
    : services{messages, fichiers, impression, modal, aide, web, travailLong, SeparateurDecimal()} {
}

} // namespace tavelune
