#include "engine/Remplissage.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace tavelune {

namespace {

int64_t Largeur(const MONRect& r) {
    return std::abs(int64_t{r.Right} - r.Left);
}

int64_t Hauteur(const MONRect& r) {
    return std::abs(int64_t{r.Top} - r.Bottom);
}

struct Ajustement {
    bool droite;
    bool tournee;
};

Ajustement Ajuster(const HorsTout& e, int64_t w, int64_t h) {
    return {e.a <= w && e.b <= h, e.a <= h && e.b <= w};
}

// Whole copies of a step in a length; none when the step is not positive.
int64_t Rangees(int64_t longueur, int64_t pas) {
    return pas > 0 ? longueur / pas : 0;
}

int32_t EnCote(int64_t v) {
    return static_cast<int32_t>(v);
}

} // namespace

HorsTout Encombrement(const TPiece& piece, const Marges& marges) {
    return {int64_t{piece.Longueur} + 2 * int64_t{marges.MargeLongueur},
            int64_t{piece.Largeur} + 2 * int64_t{marges.MargeLargeur}};
}

bool SensFixe(int32_t sens) {
    return sens == Horizontal || sens == Vertical;
}

bool LibreDeTourner(int32_t sensPiece, int32_t sensPanneau) {
    return !SensFixe(sensPiece) || !SensFixe(sensPanneau);
}

bool PiecePasse(const TPiece& piece, const MONRect& r, const Marges& marges, int32_t sens) {
    const HorsTout e = Encombrement(piece, marges);
    if (piece.Longueur <= 0 || piece.Largeur <= 0 || e.a <= 0 || e.b <= 0)
        return false;
    const int64_t w = Largeur(r);
    const int64_t h = Hauteur(r);
    // Both sides are below 2^32, so the product fits 64 unsigned bits.
    if (piece.Surface > 0 &&
        static_cast<uint64_t>(w) * static_cast<uint64_t>(h) < static_cast<uint64_t>(piece.Surface))
        return false;
    const Ajustement aj = Ajuster(e, w, h);
    if (LibreDeTourner(piece.Sens, sens))
        return aj.droite || aj.tournee;
    return piece.Sens == sens ? aj.droite : aj.tournee;
}

bool PanneauConvient(const Panneau_p& panneau, const TPiece& piece, const Marges& marges) {
    const int64_t e = int64_t{piece.Epaisseur} + marges.EcartEpaisseur;
    const bool epaisseur =
        panneau.Epaisseur == e || (marges.EpaisseurSuperieure != 0 && panneau.Epaisseur >= e);
    return epaisseur && panneau.Essence == piece.Essence;
}

bool PanneauUtilisable(const Panneau_p& panneau) {
    return panneau.Rect.Right > panneau.Rect.Left && panneau.Rect.Top > panneau.Rect.Bottom;
}

bool PieceAdmise(const std::vector<Panneau_p>& panneaux, const TPiece& piece, Marges& marges,
                 bool avecMarges) {
    if (!avecMarges) {
        marges.MargeLongueur = 0;
        marges.MargeLargeur = 0;
        marges.EcartEpaisseur = 0;
    }
    const bool memeSens = std::any_of(panneaux.begin(), panneaux.end(),
                                      [&](const Panneau_p& p) { return p.Sens == piece.Sens; });
    return std::any_of(panneaux.begin(), panneaux.end(), [&](const Panneau_p& p) {
        return (!memeSens || p.Sens == piece.Sens) && PanneauUtilisable(p) &&
               PanneauConvient(p, piece, marges) && PiecePasse(piece, p.Rect, marges, p.Sens);
    });
}

std::optional<int32_t> SuiteDuGroupe::PlusPetiteSurface(const MONRect& r, const Marges& marges,
                                                        int32_t sens) const {
    std::optional<int32_t> plusPetite;
    for (std::size_t k = i_ + 1; k < groupe_.size(); ++k) {
        const TPiece& q = groupe_[k];
        if ((!plusPetite || q.Surface < *plusPetite) && PiecePasse(q, r, marges, sens))
            plusPetite = q.Surface;
    }
    return plusPetite;
}

bool PreferenceTournee(const TPiece& piece, const Panneau_p& panneau, const Marges& marges,
                       int32_t K) {
    if (piece.Nb <= 0 || panneau.Chutes.empty())
        return true;
    const MONRect& c = panneau.Chutes.front();
    const int64_t w = Largeur(c);
    const int64_t h = Hauteur(c);
    if (w != Largeur(panneau.Rect) || h != Hauteur(panneau.Rect))
        return true;
    if (!PiecePasse(piece, c, marges, Indifferent))
        return true;
    // Both grids take MargeLongueur on both axes.
    const int64_t bord = 2 * int64_t{marges.MargeLongueur} + K;
    const int64_t nT = Rangees(w, piece.Largeur + bord) * Rangees(h, piece.Longueur + bord);
    const int64_t nS = Rangees(w, piece.Longueur + bord) * Rangees(h, piece.Largeur + bord);
    return std::min<int64_t>(piece.Nb, nT) >= std::min<int64_t>(piece.Nb, nS);
}

bool PieceTournee(const TPiece& piece, const MONRect& f, const Marges& marges, int32_t sensPanneau,
                  bool p) {
    if (!LibreDeTourner(piece.Sens, sensPanneau))
        return piece.Sens != sensPanneau;
    const Ajustement aj = Ajuster(Encombrement(piece, marges), Largeur(f), Hauteur(f));
    return aj.droite && aj.tournee ? p : aj.tournee;
}

void PoserPiece(const Panneau_p& panneau, TPiece& piece, const MONRect& f, const Marges& marges,
                bool p) {
    // The margins turn with the piece: MargeLongueur stays along its Longueur.
    const bool tournee = PieceTournee(piece, f, marges, panneau.Sens, p);
    const int32_t mx = tournee ? marges.MargeLargeur : marges.MargeLongueur;
    const int32_t my = tournee ? marges.MargeLongueur : marges.MargeLargeur;
    const int32_t lx = tournee ? piece.Largeur : piece.Longueur;
    const int32_t ly = tournee ? piece.Longueur : piece.Largeur;
    const int32_t gauche = f.Left + mx;
    const int32_t haut = f.Top - my;
    piece.RectCoupe = {gauche, haut, gauche + lx, haut - ly};
    piece.RectHorsTout = {f.Left, f.Top, gauche + lx + mx, haut - ly - my};
}

Decoupes DecoupesPossibles(const MONRect& f, int64_t ex, int64_t ey, int32_t K) {
    const int64_t w = int64_t{f.Right} - f.Left;
    const int64_t h = int64_t{f.Top} - f.Bottom;
    // Each strip starts beyond a kerf, or is dropped when the kerf does not fit.
    const int32_t yCut = h < ey + K ? f.Bottom : EnCote(f.Top - ey - K);
    const int32_t xCut = w < ex + K ? f.Right : EnCote(f.Left + ex + K);
    const int32_t xPiece = EnCote(f.Left + ex);
    const int32_t yPiece = EnCote(f.Top - ey);
    return {{f.Left, yCut, xPiece, f.Bottom},
            {xCut, f.Top, f.Right, f.Bottom},
            {f.Left, yCut, f.Right, f.Bottom},
            {xCut, f.Top, f.Right, yPiece}};
}

void AppliquerDecoupe(Panneau_p& panneau, const Decoupes& d, bool verticale) {
    const MONRect& r1 = verticale ? d.v1 : d.h1;
    const MONRect& r2 = verticale ? d.v2 : d.h2;
    // Both cuts count even where the piece reaches the edge of f.
    const int64_t decoupe =
        panneau.LineaireDecoupe + (int64_t{r1.Right} - r1.Left) + (int64_t{r2.Top} - r2.Bottom);
    panneau.LineaireDecoupe = EnCote(std::min<int64_t>(decoupe, INT32_MAX));
    for (const MONRect& r : {r1, r2})
        if (Aire(r) > 0)
            panneau.Chutes.push_back(r);
}

void DecouperChute(Panneau_p& panneau, const MONRect& f, const TPiece& piece,
                   const PiecesSuivantes& suivantes, const Marges& marges, int32_t K) {
    const Decoupes d =
        DecoupesPossibles(f, int64_t{piece.RectHorsTout.Right} - piece.RectHorsTout.Left,
                          int64_t{piece.RectHorsTout.Top} - piece.RectHorsTout.Bottom, K);
    const float sV = NoterDecoupe(d.v1, d.v2, suivantes, marges, panneau.Sens);
    const float sH = NoterDecoupe(d.h1, d.h2, suivantes, marges, panneau.Sens);

    bool verticale = sV < sH;
    if (sV == sH) {
        // The first strictly largest rectangle decides; a piece filling f keeps V.
        const int64_t aires[] = {Aire(d.v1), Aire(d.v2), Aire(d.h1), Aire(d.h2)};
        int64_t plusGrande = 0;
        int premiere = 0;
        for (int k = 0; k < 4; ++k)
            if (aires[k] > plusGrande) {
                plusGrande = aires[k];
                premiere = k;
            }
        verticale = premiere < 2;
    }
    AppliquerDecoupe(panneau, d, verticale);
}

float NoterDecoupe(const MONRect& r1, const MONRect& r2, const PiecesSuivantes& suivantes,
                   const Marges& marges, int32_t sens) {
    const float s1 = NoterChute(r1, suivantes, marges, sens);
    const float s2 = NoterChute(r2, suivantes, marges, sens);
    const double somme = double{s1} + double{s2};
    if (s1 >= 1.0f || s2 >= 1.0f)
        return static_cast<float>(somme);
    return static_cast<float>(somme * 0.5);
}

float NoterChute(const MONRect& r, const PiecesSuivantes& suivantes, const Marges& marges,
                 int32_t sens) {
    const std::optional<int32_t> surface = suivantes.PlusPetiteSurface(r, marges, sens);
    if (!surface)
        return 1.0f;
    // Rounding is monotonic, so the smallest surface gives the smallest ratio.
    const float taux =
        static_cast<float>(double(*surface) / (double(Largeur(r)) * double(Hauteur(r))));
    return std::min(taux, 1.0f);
}

bool ChuteAvant(const MONRect& a, const MONRect& b) {
    return std::make_tuple(Aire(a), -int64_t{a.Top}, a.Left, a.Right) <
           std::make_tuple(Aire(b), -int64_t{b.Top}, b.Left, b.Right);
}

void TrierChutes(Panneau_p& panneau) {
    std::sort(panneau.Chutes.begin(), panneau.Chutes.end(), ChuteAvant);
}

bool PlacerPiece(Panneau_p& panneau, TPiece& piece, const std::vector<TPiece>& groupe,
                 std::size_t i, const Marges& marges, int32_t K) {
    return PlacerPiece(panneau, piece, SuiteDuGroupe(groupe, i), marges, K);
}

bool PlacerPiece(Panneau_p& panneau, TPiece& piece, const PiecesSuivantes& suivantes,
                 const Marges& marges, int32_t K) {
    if (panneau.Chutes.empty() || !PanneauConvient(panneau, piece, marges))
        return false;
    const bool p = PreferenceTournee(piece, panneau, marges, K);
    const auto f =
        std::find_if(panneau.Chutes.begin(), panneau.Chutes.end(),
                     [&](const MONRect& r) { return PiecePasse(piece, r, marges, panneau.Sens); });
    if (f == panneau.Chutes.end())
        return false;
    const MONRect libre = *f;
    panneau.Chutes.erase(f);
    const std::size_t anciennes = panneau.Chutes.size();
    PoserPiece(panneau, piece, libre, marges, p);
    DecouperChute(panneau, libre, piece, suivantes, marges, K);
    panneau.Pieces.push_back(piece);
    // The list is kept in order: only the new free rectangles need their place (rectangles
    // that compare equal are the same, so this gives what a full sort gives).
    auto& chutes = panneau.Chutes;
    const auto milieu = chutes.begin() + static_cast<std::ptrdiff_t>(anciennes);
    if (!std::is_sorted(chutes.begin(), milieu, ChuteAvant))
        TrierChutes(panneau);
    else {
        std::sort(milieu, chutes.end(), ChuteAvant);
        std::inplace_merge(chutes.begin(), milieu, chutes.end(), ChuteAvant);
    }
    return true;
}

} // namespace tavelune
