#include "engine/GroupeEnCours.h"

#include <algorithm>
#include <cstdlib>

namespace tavelune {

namespace {

Mesure MesurePiece(const TPiece& piece, const Marges& marges) {
    const int64_t a = int64_t{piece.Longueur} + 2 * int64_t{marges.MargeLongueur};
    const int64_t b = int64_t{piece.Largeur} + 2 * int64_t{marges.MargeLargeur};
    return {piece.Surface, std::min(a, b), std::max(a, b)};
}

} // namespace

// Sides taken as the fit query takes them, so that the bounds never refuse a fit.
Place PlaceRect(const MONRect& r) {
    const int64_t w = std::abs(int64_t{r.Right} - r.Left);
    const int64_t h = std::abs(int64_t{r.Top} - r.Bottom);
    return {w * h, std::min(w, h), std::max(w, h)};
}

void Place::Ajouter(const Place& autre) {
    aire = std::max(aire, autre.aire);
    petit = std::max(petit, autre.petit);
    grand = std::max(grand, autre.grand);
}

Place PlaceLibre(const Panneau_p& panneau) {
    Place place;
    for (const MONRect& r : panneau.Chutes)
        place.Ajouter(PlaceRect(r));
    return place;
}

GroupeEnCours::GroupeEnCours(std::vector<TPiece>& pieces, const Marges& marges)
    : pieces_(pieces), restantes_(pieces.size()) {
    mesures_.reserve(pieces.size());
    for (const TPiece& piece : pieces)
        mesures_.push_back(MesurePiece(piece, marges));
    decroissantes_ =
        std::is_sorted(pieces.begin(), pieces.end(),
                       [](const TPiece& a, const TPiece& b) { return a.Surface > b.Surface; });
    while (feuilles_ < pieces.size())
        feuilles_ *= 2;
    petit_.assign(2 * feuilles_, Hors);
    grand_.assign(2 * feuilles_, Hors);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        petit_[feuilles_ + k] = mesures_[k].petit;
        grand_[feuilles_ + k] = mesures_[k].grand;
    }
    for (std::size_t n = feuilles_ - 1; n >= 1; --n) {
        petit_[n] = std::min(petit_[2 * n], petit_[2 * n + 1]);
        grand_[n] = std::min(grand_[2 * n], grand_[2 * n + 1]);
    }
}

void GroupeEnCours::Retirer(std::size_t k) {
    --restantes_;
    std::size_t n = feuilles_ + k;
    petit_[n] = grand_[n] = Hors;
    for (n /= 2; n >= 1; n /= 2) {
        petit_[n] = std::min(petit_[2 * n], petit_[2 * n + 1]);
        grand_[n] = std::min(grand_[2 * n], grand_[2 * n + 1]);
    }
}

std::size_t GroupeEnCours::Premiere() const {
    return Premiere(1, 0, feuilles_, 0, feuilles_, Hors - 1, Hors - 1);
}

std::size_t GroupeEnCours::PremiereQuiPeutTenir(std::size_t debut,
                                                const std::vector<Place>& libres) const {
    std::size_t premiere = Aucune;
    for (const Place& libre : libres) {
        std::size_t de = std::min(debut, mesures_.size());
        if (decroissantes_) {
            // Every piece before the first small enough one is larger than the rectangle.
            de = static_cast<std::size_t>(
                std::partition_point(mesures_.begin() + de, mesures_.end(),
                                     [&](const Mesure& m) { return m.surface > libre.aire; }) -
                mesures_.begin());
        }
        if (de < premiere)
            premiere =
                std::min(premiere, Premiere(1, 0, feuilles_, de, std::min(premiere, feuilles_),
                                            libre.petit, libre.grand));
    }
    return premiere;
}

std::size_t GroupeEnCours::Premiere(std::size_t noeud, std::size_t debut, std::size_t fin,
                                    std::size_t de, std::size_t a, int64_t petit,
                                    int64_t grand) const {
    if (fin <= de || debut >= a || petit_[noeud] > petit || grand_[noeud] > grand)
        return Aucune;
    if (fin - debut == 1)
        return debut;
    const std::size_t milieu = (debut + fin) / 2;
    const std::size_t gauche = Premiere(2 * noeud, debut, milieu, de, a, petit, grand);
    return gauche != Aucune ? gauche : Premiere(2 * noeud + 1, milieu, fin, de, a, petit, grand);
}

std::size_t GroupeEnCours::Derniere(std::size_t noeud, std::size_t debut, std::size_t fin,
                                    std::size_t de, std::size_t a, int64_t petit,
                                    int64_t grand) const {
    if (fin <= de || debut >= a || petit_[noeud] > petit || grand_[noeud] > grand)
        return Aucune;
    if (fin - debut == 1)
        return debut;
    const std::size_t milieu = (debut + fin) / 2;
    const std::size_t droite = Derniere(2 * noeud + 1, milieu, fin, de, a, petit, grand);
    return droite != Aucune ? droite : Derniere(2 * noeud, debut, milieu, de, a, petit, grand);
}

std::optional<int32_t> GroupeEnCours::PlusPetiteSurface(const MONRect& r, const Marges& marges,
                                                        int32_t sens) const {
    const Place place = PlaceRect(r);
    const std::size_t de = courante_ + 1;
    if (decroissantes_) {
        // From the end of the group the surfaces grow: the first piece that fits is the
        // smallest, and once they outgrow the area none further can fit.
        for (std::size_t a = pieces_.size();;) {
            const std::size_t k = Derniere(1, 0, feuilles_, de, a, place.petit, place.grand);
            if (k == Aucune || mesures_[k].surface > place.aire)
                return std::nullopt;
            if (PiecePasse(pieces_[k], r, marges, sens))
                return pieces_[k].Surface;
            a = k;
        }
    }
    std::optional<int32_t> plusPetite;
    for (std::size_t k = Premiere(1, 0, feuilles_, de, feuilles_, place.petit, place.grand);
         k != Aucune; k = Premiere(1, 0, feuilles_, k + 1, feuilles_, place.petit, place.grand))
        if ((!plusPetite || pieces_[k].Surface < *plusPetite) &&
            PiecePasse(pieces_[k], r, marges, sens))
            plusPetite = pieces_[k].Surface;
    return plusPetite;
}

} // namespace tavelune
