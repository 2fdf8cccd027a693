#include "view/Recapitulatif.h"

#include "strings/Legendes.h"
#include "strings/Nombres.h"
#include "strings/Texte.h"

#include <algorithm>
#include <array>

namespace tavelune {

namespace {

double DiviseurLongueur(const ReglagesDessin& r) {
    return r.UniteRecap == 1 ? 1000.0 : static_cast<double>(r.UniteJob.Facteur);
}

double DiviseurSurface(const ReglagesDessin& r) {
    const double d = DiviseurLongueur(r);
    return d * d;
}

std::string TexteUnite(const ReglagesDessin& r) {
    return r.UniteRecap == 1 ? std::string("m") : r.UniteJob.Nom;
}

// Adds in double and keeps the single-precision sum.
void Ajouter(float& somme, double valeur) {
    somme = static_cast<float>(somme + valeur);
}

} // namespace

std::string CleGroupe(const Panneau_p& panneau, const std::vector<std::string>& essences,
                      int32_t typeDebit, const ReglagesDessin& reglages) {
    const double diviseur = DiviseurLongueur(reglages);
    const auto cote = [&](int32_t v) {
        return TexteCote(static_cast<float>(v / diviseur), reglages.Separateur);
    };
    const bool complexe = typeDebit == DebitComplexe;
    std::string t = cote(panneau.Longueur) + "x" + cote(panneau.Largeur);
    if (complexe)
        t += "x" + cote(panneau.Epaisseur);
    t += TexteUnite(reglages);
    if (complexe) {
        const std::string* essence = Entree(essences, panneau.Essence);
        t += " - " + (essence ? Minuscules(*essence) : reglages.Mots.NonSpecifie);
    }
    return t + " - " + NomSensMinuscule(reglages.Mots, panneau.Sens);
}

void CalculerRecapitulatif(std::vector<METRAGE>& metrages, const std::vector<Panneau_p>& panneaux,
                           const std::vector<std::string>& essences, int32_t typeDebit,
                           const ReglagesDessin& reglages) {
    metrages.clear();
    std::vector<std::string> cles;
    cles.reserve(panneaux.size());
    for (const Panneau_p& p : panneaux) {
        cles.push_back(CleGroupe(p, essences, typeDebit, reglages));
        if (!std::any_of(metrages.begin(), metrages.end(),
                         [&](const METRAGE& m) { return m.Libelle == cles.back(); }))
            metrages.push_back({cles.back()});
    }
    const double longueur = DiviseurLongueur(reglages);
    const double surface = DiviseurSurface(reglages);
    for (METRAGE& m : metrages)
        for (std::size_t i = 0; i < panneaux.size(); ++i) {
            if (cles[i] != m.Libelle)
                continue;
            const Panneau_p& p = panneaux[i];
            ++m.NbPanneaux;
            float pieces = 0;
            for (const TPiece& piece : p.Pieces)
                Ajouter(pieces, piece.Surface);
            float chutes = 0;
            for (const MONRect& r : p.Chutes)
                if (const int64_t aire = Aire(r); aire > 0)
                    Ajouter(chutes, static_cast<double>(aire));
            Ajouter(m.SurfacePanneaux, p.Surface / surface);
            Ajouter(m.SurfacePieces, pieces / surface);
            Ajouter(m.LineaireTotal, p.LineaireDecoupe / longueur);
            Ajouter(m.SurfaceChutes, chutes / surface);
            m.TauxChutes = m.SurfacePanneaux == 0
                               ? 0.0f
                               : static_cast<float>(static_cast<double>(m.SurfaceChutes) /
                                                    m.SurfacePanneaux * 100);
        }
}

std::string Raccourcir(const std::string& texte, int32_t cw, int32_t largeur) {
    return Fit(texte, largeur, cw + 1);
}

std::array<std::string, 6> ChiffresRecapitulatif(const METRAGE& m, const ReglagesDessin& reglages) {
    const MotsDessin& mots = reglages.Mots;
    const std::string u = TexteUnite(reglages);
    const std::string panneaux = Minuscules(mots.NomPanneaux) + " : ";
    const std::string pieces = Minuscules(mots.NomPieces) + " : ";
    const auto nombre = [&](float v) { return TexteCote(v, reglages.Separateur); };
    return {mots.PrefixeNombre + panneaux + std::to_string(m.NbPanneaux),
            mots.PrefixeSurface + panneaux + nombre(m.SurfacePanneaux) + " " + u + "²",
            mots.PrefixeLineaire + nombre(m.LineaireTotal) + " " + u,
            mots.PrefixeSurface + pieces + nombre(m.SurfacePieces) + " " + u + "²",
            mots.PrefixeChutes + nombre(m.SurfaceChutes) + " " + u + "²",
            mots.PrefixeTaux + nombre(m.TauxChutes) + " %"};
}

int32_t HauteurRecapitulatif(std::size_t lignes, int32_t h) {
    return static_cast<int32_t>(lignes) * (6 * h + 24) + 2;
}

void DessinerLignesRecapitulatif(Canvas& c, const std::vector<METRAGE>& metrages, int32_t y,
                                 int32_t largeur, int32_t h, int32_t cw,
                                 const ReglagesDessin& reglages) {
    const int32_t q = (largeur - 16) / 2;
    for (std::size_t i = 0; i < metrages.size(); ++i) {
        const METRAGE& m = metrages[i];
        c.Gras(true);
        c.Texte({1, y}, Raccourcir(m.Libelle, cw, q - 4));
        c.Gras(false);
        const auto chiffres = ChiffresRecapitulatif(m, reglages);
        for (std::size_t k = 0; k < chiffres.size(); ++k)
            c.Texte({q + 1, y + static_cast<int32_t>(k) * (h + 4)}, chiffres[k]);
        if (i + 1 < metrages.size()) {
            const int32_t separateur = y + 5 * (h + 4) + h + 2;
            c.Ligne({0, separateur}, {largeur, separateur});
        }
        y += 6 * (h + 4);
    }
}

} // namespace tavelune
