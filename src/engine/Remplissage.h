// Placing one piece on one physical sheet: the free rectangles of the sheet, the
// fit queries shared with the dialogs and the import, and the guillotine split that
// looks ahead at the pieces still to place.
#pragma once

#include "model/Modele.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tavelune {

// Overall length and width of a piece with its margins (64 bits: a side plus two
// margins may not fit 32).
struct HorsTout {
    int64_t a;
    int64_t b;
};
HorsTout Encombrement(const TPiece& piece, const Marges& marges);

// Horizontal and Vertical fix the orientation; anything else lets the piece turn.
bool SensFixe(int32_t sens);
bool LibreDeTourner(int32_t sensPiece, int32_t sensPanneau);

// Does the piece, with its margins, fit in r on a sheet of direction sens? A piece
// with a side of zero or less fits nowhere.
bool PiecePasse(const TPiece& piece, const MONRect& r, const Marges& marges, int32_t sens);

// Thickness (with EcartEpaisseur, and thicker sheets when EpaisseurSuperieure) and
// glass type: a sheet that does not match takes nothing of the piece.
bool PanneauConvient(const Panneau_p& panneau, const TPiece& piece, const Marges& marges);

// A sheet whose Rect has no area can hold nothing and is never a model.
bool PanneauUtilisable(const Panneau_p& panneau);

// Does the piece fit at least one sheet of the list? Without margins, the caller's
// margins are cleared first and stay so.
bool PieceAdmise(const std::vector<Panneau_p>& panneaux, const TPiece& piece, Marges& marges,
                 bool avecMarges);

// The pieces after the one being placed, as the look-ahead of the split sees them.
class PiecesSuivantes {
public:
    virtual ~PiecesSuivantes() = default;
    // The smallest net Surface among them that fits r on a sheet of direction sens.
    virtual std::optional<int32_t> PlusPetiteSurface(const MONRect& r, const Marges& marges,
                                                     int32_t sens) const = 0;
};

// The pieces after position i of a group, looked at one by one.
class SuiteDuGroupe final : public PiecesSuivantes {
public:
    SuiteDuGroupe(const std::vector<TPiece>& groupe, std::size_t i) : groupe_(groupe), i_(i) {}
    std::optional<int32_t> PlusPetiteSurface(const MONRect& r, const Marges& marges,
                                             int32_t sens) const override;

private:
    const std::vector<TPiece>& groupe_;
    std::size_t i_;
};

// Which way a piece free to turn prefers: turned, unless the sheet is still empty and
// a plain grid of the piece's copies holds strictly more of them straight.
bool PreferenceTournee(const TPiece& piece, const Panneau_p& panneau, const Marges& marges,
                       int32_t K);

// Whether the piece lies turned in f (its Longueur along y) on a sheet of direction
// sensPanneau, given the preference p.
bool PieceTournee(const TPiece& piece, const MONRect& f, const Marges& marges, int32_t sensPanneau,
                  bool p);

// Puts the piece against the top-left corner of f: sets RectCoupe and RectHorsTout.
void PoserPiece(const Panneau_p& panneau, TPiece& piece, const MONRect& f, const Marges& marges,
                bool p);

// What a piece of overall size ex x ey, against the top-left corner of f, leaves of f
// with each cut first: below it and right of it (v1, v2) when the vertical cut runs the
// whole height of f, below it and right of it (h1, h2) when the horizontal one runs the
// whole width. A strip starts beyond the kerf; one too narrow for the kerf has no area.
struct Decoupes {
    MONRect v1, v2, h1, h2;
};
Decoupes DecoupesPossibles(const MONRect& f, int64_t ex, int64_t ey, int32_t K);

// Keeps the strips of the chosen cut as free rectangles (those with an area) and adds
// the two cuts to LineaireDecoupe.
void AppliquerDecoupe(Panneau_p& panneau, const Decoupes& d, bool verticale);

// Cuts what the placed piece leaves of f into at most two free rectangles, vertical or
// horizontal cut first, and adds the two cuts to LineaireDecoupe.
void DecouperChute(Panneau_p& panneau, const MONRect& f, const TPiece& piece,
                   const PiecesSuivantes& suivantes, const Marges& marges, int32_t K);

// Score of a pair of free rectangles: lower is better.
float NoterDecoupe(const MONRect& r1, const MONRect& r2, const PiecesSuivantes& suivantes,
                   const Marges& marges, int32_t sens);

// Score of one free rectangle: how tightly the smallest following piece that fits fills
// it, 1.0 when none fits.
float NoterChute(const MONRect& r, const PiecesSuivantes& suivantes, const Marges& marges,
                 int32_t sens);

// Free rectangles by increasing area, then highest top, then leftmost left.
bool ChuteAvant(const MONRect& a, const MONRect& b);
void TrierChutes(Panneau_p& panneau);

// Places piece i of the group on the sheet. True when placed (the piece carries its
// rectangles and a copy joins the sheet); false changes nothing.
bool PlacerPiece(Panneau_p& panneau, TPiece& piece, const std::vector<TPiece>& groupe,
                 std::size_t i, const Marges& marges, int32_t K);
bool PlacerPiece(Panneau_p& panneau, TPiece& piece, const PiecesSuivantes& suivantes,
                 const Marges& marges, int32_t K);

} // namespace tavelune
