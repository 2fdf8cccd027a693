#include "view/Reglages.h"

#include "strings/Nombres.h"
#include "strings/Texte.h"

namespace tavelune {

std::string TexteLongueur(const ReglagesDessin& reglages, int64_t millimetres) {
    return TexteCote(static_cast<double>(millimetres) /
                         static_cast<double>(reglages.UniteJob.Facteur),
                     reglages.Separateur);
}

std::string NomSensMinuscule(const MotsDessin& mots, int32_t sens) {
    if (sens < 0 || sens >= static_cast<int32_t>(mots.Sens.size()))
        return mots.NonSpecifie;
    return Minuscules(mots.Sens[static_cast<std::size_t>(sens)]);
}

} // namespace tavelune
