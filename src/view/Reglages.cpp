#include "view/Reglages.h"

#include "strings/Nombres.h"
#include "strings/Texte.h"
#include "strings/TextesFixes.h"

namespace tavelune {

ReglagesDessin ReglagesPourDessin(const Reglages& reglages, const Textes& textes, char separateur) {
    const OptionsProgramme& o = reglages.Options;
    const auto t = [&](int32_t id) { return textes.Text(id); };
    ReglagesDessin r;
    r.Mots = {o.DesignationPanneau,
              o.DesignationPiece,
              o.DesignationPanneaux,
              o.DesignationPieces,
              t(46),
              t(45),
              t(44),
              t(82),
              t(148),
              {t(51), t(52), t(53)},
              t(66),
              t(83),
              t(76),
              t(41),
              t(42),
              std::string(fixes::TitreRecapitulatif),
              std::string(fixes::PrefixeNombre),
              std::string(fixes::PrefixeSurfaceTotale),
              std::string(fixes::PrefixeLineaire),
              std::string(fixes::PrefixeSurfaceChutes),
              t(149)};
    r.ModeAffichage = o.ModeAffichage;
    r.UniteRecap = o.UniteRecap;
    r.UniteJob = reglages.UniteJob;
    r.Separateur = separateur;
    return r;
}

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
