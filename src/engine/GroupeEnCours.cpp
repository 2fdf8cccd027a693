#include "engine/GroupeEnCours.h"

#include <algorithm>
#include <cstdlib>

namespace tavelune {

namespace {

// Above any room a rectangle can offer, below the mark of a piece already out.
constexpr int64_t Jamais = INT64_MAX - 1;

Mesure MesurePiece(const TPiece& piece, const Marges& marges) {
    const auto [a, b] = Encombrement(piece, marges);
    // The fit query refuses such a piece everywhere.
    if (piece.Longueur <= 0 || piece.Largeur <= 0 || a <= 0 || b <= 0)
        return {piece.Surface, Jamais, Jamais, false, Jamais, Jamais};
    // A Vertical piece lies turned on a Horizontal sheet.
    const bool tournee = piece.Sens == Vertical;
    return {piece.Surface,        std::min(a, b),  std::max(a, b),
            SensFixe(piece.Sens), tournee ? b : a, tournee ? a : b};
}

} // namespace

// Sides taken as the fit query takes them, so that the bounds never refuse a fit.
Place PlaceRect(const MONRect& r, int32_t sens) {
    const int64_t w = std::abs(int64_t{r.Right} - r.Left);
    const int64_t h = std::abs(int64_t{r.Top} - r.Bottom);
    int64_t aire = 0;
    if (__builtin_mul_overflow(w, h, &aire))
        aire = INT64_MAX;
    const bool vertical = sens == Vertical;
    return {aire,           std::min(w, h),   std::max(w, h),
            SensFixe(sens), vertical ? h : w, vertical ? w : h};
}

void Place::Ajouter(const Place& autre) {
    aire = std::max(aire, autre.aire);
    petit = std::max(petit, autre.petit);
    grand = std::max(grand, autre.grand);
    x = std::max(x, autre.x);
    y = std::max(y, autre.y);
}

Place PlaceLibre(const Panneau_p& panneau) {
    Place place;
    place.fixe = SensFixe(panneau.Sens);
    for (const MONRect& r : panneau.Chutes)
        place.Ajouter(PlaceRect(r, panneau.Sens));
    return place;
}

GroupeEnCours::Minima GroupeEnCours::MinimaDe(const Mesure& m) {
    if (m.petit == Jamais)
        return {Jamais, Jamais, Hors, Hors, Hors, Hors};
    if (m.fixe)
        return {m.petit, m.grand, Hors, Hors, m.x, m.y};
    return {m.petit, m.grand, m.petit, m.grand, Hors, Hors};
}

GroupeEnCours::Minima GroupeEnCours::Combiner(const Minima& a, const Minima& b) {
    return {std::min(a.petit, b.petit),
            std::min(a.grand, b.grand),
            std::min(a.petitLibre, b.petitLibre),
            std::min(a.grandLibre, b.grandLibre),
            std::min(a.x, b.x),
            std::min(a.y, b.y)};
}

bool GroupeEnCours::Admet(std::size_t noeud, const Place& place) const {
    const Minima& n = arbre_[noeud];
    if (n.petit > place.petit || n.grand > place.grand)
        return false;
    // On a sheet of fixed direction, a piece of fixed direction may not turn.
    return !place.fixe || (n.petitLibre <= place.petit && n.grandLibre <= place.grand) ||
           (n.x <= place.x && n.y <= place.y);
}

GroupeEnCours::GroupeEnCours(std::vector<TPiece>& pieces, const Marges& marges)
    : pieces_(pieces), restantes_(pieces.size()) {
    mesures_.reserve(pieces.size());
    for (const TPiece& piece : pieces)
        mesures_.push_back(MesurePiece(piece, marges));
    finsDeSerie_.resize(pieces.size());
    for (std::size_t k = pieces.size(); k-- > 0;)
        finsDeSerie_[k] =
            k + 1 < pieces.size() && pieces[k] == pieces[k + 1] ? finsDeSerie_[k + 1] : k + 1;
    decroissantes_ =
        std::is_sorted(pieces.begin(), pieces.end(),
                       [](const TPiece& a, const TPiece& b) { return a.Surface > b.Surface; });
    while (feuilles_ < pieces.size())
        feuilles_ *= 2;
    arbre_.assign(2 * feuilles_, Minima{});
    for (std::size_t k = 0; k < pieces.size(); ++k)
        arbre_[feuilles_ + k] = MinimaDe(mesures_[k]);
    for (std::size_t n = feuilles_ - 1; n >= 1; --n)
        arbre_[n] = Combiner(arbre_[2 * n], arbre_[2 * n + 1]);
}

void GroupeEnCours::Retirer(std::size_t k) {
    --restantes_;
    std::size_t n = feuilles_ + k;
    arbre_[n] = Minima{};
    for (n /= 2; n >= 1; n /= 2)
        arbre_[n] = Combiner(arbre_[2 * n], arbre_[2 * n + 1]);
}

std::size_t GroupeEnCours::Premiere() const {
    Place partout;
    partout.petit = partout.grand = Jamais;
    return Premiere(1, 0, feuilles_, 0, feuilles_, partout);
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
            premiere = std::min(
                premiere, Premiere(1, 0, feuilles_, de, std::min(premiere, feuilles_), libre));
    }
    return premiere;
}

std::size_t GroupeEnCours::Premiere(std::size_t noeud, std::size_t debut, std::size_t fin,
                                    std::size_t de, std::size_t a, const Place& place) const {
    if (fin <= de || debut >= a || !Admet(noeud, place))
        return Aucune;
    if (fin - debut == 1)
        return debut;
    const std::size_t milieu = (debut + fin) / 2;
    const std::size_t gauche = Premiere(2 * noeud, debut, milieu, de, a, place);
    return gauche != Aucune ? gauche : Premiere(2 * noeud + 1, milieu, fin, de, a, place);
}

std::size_t GroupeEnCours::Derniere(std::size_t noeud, std::size_t debut, std::size_t fin,
                                    std::size_t de, std::size_t a, const Place& place) const {
    if (fin <= de || debut >= a || !Admet(noeud, place))
        return Aucune;
    if (fin - debut == 1)
        return debut;
    const std::size_t milieu = (debut + fin) / 2;
    const std::size_t droite = Derniere(2 * noeud + 1, milieu, fin, de, a, place);
    return droite != Aucune ? droite : Derniere(2 * noeud, debut, milieu, de, a, place);
}

std::optional<int32_t> GroupeEnCours::PlusPetiteSurface(const MONRect& r, const Marges& marges,
                                                        int32_t sens) const {
    const Place place = PlaceRect(r, sens);
    const std::size_t de = courante_ + 1;
    if (decroissantes_) {
        // From the end of the group the surfaces grow: the first piece that fits is the
        // smallest, and once they outgrow the area none further can fit.
        for (std::size_t a = pieces_.size();;) {
            const std::size_t k = Derniere(1, 0, feuilles_, de, a, place);
            if (k == Aucune || mesures_[k].surface > place.aire)
                return std::nullopt;
            if (PiecePasse(pieces_[k], r, marges, sens))
                return pieces_[k].Surface;
            a = k;
        }
    }
    std::optional<int32_t> plusPetite;
    for (std::size_t k = Premiere(1, 0, feuilles_, de, feuilles_, place); k != Aucune;
         k = Premiere(1, 0, feuilles_, k + 1, feuilles_, place))
        if ((!plusPetite || pieces_[k].Surface < *plusPetite) &&
            PiecePasse(pieces_[k], r, marges, sens))
            plusPetite = pieces_[k].Surface;
    return plusPetite;
}

} // namespace tavelune
