#include "model/Modele.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace tavelune {

int64_t Aire(const MONRect& r) {
    const int64_t dx = int64_t{r.Right} - r.Left;
    const int64_t dy = int64_t{r.Top} - r.Bottom;
    // Sides near 2^32 (a damaged file) overflow 64 bits: such an area is as large as can be.
    int64_t aire = 0;
    if (__builtin_mul_overflow(dx, dy, &aire))
        return (dx < 0) != (dy < 0) ? std::numeric_limits<int64_t>::min()
                                    : std::numeric_limits<int64_t>::max();
    return aire;
}

float FacteurPouce() {
    return std::bit_cast<float>(uint32_t{0x41CB3333});
}

namespace {

MONRect RectEntier(int32_t longueur, int32_t largeur) {
    return MONRect{0, largeur, longueur, 0};
}

// The Surface fields are 32-bit as stored; the product is formed in 64 bits.
int32_t SurfaceStockee(int32_t longueur, int32_t largeur) {
    return static_cast<int32_t>(int64_t{longueur} * largeur);
}

} // namespace

void Reinitialiser(Panneau_p& panneau) {
    panneau.Rect = RectEntier(panneau.Longueur, panneau.Largeur);
    panneau.Surface = SurfaceStockee(panneau.Longueur, panneau.Largeur);
    if (panneau.Chutes.empty())
        panneau.Chutes.push_back(panneau.Rect);
}

Debit SaisieSeule(const Debit& debit) {
    Debit saisie;
    saisie.TypeDebit = debit.TypeDebit;
    saisie.MargesJob = debit.MargesJob;
    saisie.TraitScie = debit.TraitScie;
    saisie.PanneauxSaisis = debit.PanneauxSaisis;
    saisie.PiecesSaisies = debit.PiecesSaisies;
    return saisie;
}

Panneau_p CopierNeuf(const Panneau_p& modele) {
    Panneau_p neuf;
    neuf.Surface = modele.Surface;
    neuf.Rect = modele.Rect;
    neuf.Longueur = modele.Longueur;
    neuf.Largeur = modele.Largeur;
    neuf.Epaisseur = modele.Epaisseur;
    neuf.Essence = modele.Essence;
    neuf.Sens = modele.Sens;
    neuf.Nb = modele.Nb;
    neuf.Chutes = {modele.Rect};
    return neuf;
}

Panneau_p NouveauPanneau(int32_t longueur, int32_t largeur) {
    Panneau_p neuf;
    neuf.Rect = RectEntier(longueur, largeur);
    neuf.Chutes = {neuf.Rect};
    return neuf;
}

int32_t LongueurMax(const std::vector<Panneau_p>& panneaux) {
    int32_t m = 0;
    for (const auto& p : panneaux)
        m = std::max(m, p.Longueur);
    return m;
}

int32_t LargeurMax(const std::vector<Panneau_p>& panneaux) {
    int32_t m = 0;
    for (const auto& p : panneaux)
        m = std::max(m, p.Largeur);
    return m;
}

bool EpaisseurPresente(const std::vector<Panneau_p>& panneaux, int32_t e) {
    return std::any_of(panneaux.begin(), panneaux.end(),
                       [e](const Panneau_p& p) { return p.Epaisseur == e; });
}

bool EpaisseurSuffisante(const std::vector<Panneau_p>& panneaux, int32_t e) {
    return std::any_of(panneaux.begin(), panneaux.end(),
                       [e](const Panneau_p& p) { return p.Epaisseur >= e; });
}

bool EssencePresente(const std::vector<Panneau_p>& panneaux, int32_t t) {
    return std::any_of(panneaux.begin(), panneaux.end(),
                       [t](const Panneau_p& p) { return p.Essence == t; });
}

bool TextePresent(const std::vector<std::string>& textes, const std::string& s) {
    return std::find(textes.begin(), textes.end(), s) != textes.end();
}

const std::string* Entree(const std::vector<std::string>& liste, int32_t i) {
    if (i < 0 || static_cast<std::size_t>(i) >= liste.size())
        return nullptr;
    return &liste[static_cast<std::size_t>(i)];
}

std::string TexteEntree(const std::vector<std::string>& liste, int32_t i) {
    const std::string* e = Entree(liste, i);
    return e ? *e : std::string();
}

void ReinitialiserPiece(TPiece& piece) {
    piece.RectCoupe = RectEntier(piece.Longueur, piece.Largeur);
    piece.Surface = SurfaceStockee(piece.Longueur, piece.Largeur);
}

int32_t ValeurEnMillimetres(double valeur, float facteur) {
    const double mm = std::trunc(valeur * static_cast<double>(facteur) + 0.5);
    if (!(mm > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(mm < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(mm);
}

} // namespace tavelune
