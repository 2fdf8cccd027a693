// The bookkeeping that lets the driver skip, without trying them, the pieces that
// cannot fit anywhere: the group being optimised with its placed pieces marked out,
// and the largest room left on each sheet.
#pragma once

#include "engine/Remplissage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavelune {

// A piece's overall size with margins, as the quick refusals see it.
struct Mesure {
    int64_t surface; // net Surface, the one the fit query compares with an area
    int64_t petit;   // smaller overall side (above any room for a piece that fits nowhere)
    int64_t grand;   // larger overall side
    bool fixe;       // Horizontal or Vertical: may not turn on a sheet of either direction
    int64_t x;       // overall extent along x on a Horizontal sheet
    int64_t y;       // along y
};

// Upper bounds of the free room of one or more sheets: a piece exceeding one of them
// fits none of their free rectangles.
struct Place {
    int64_t aire = 0;
    int64_t petit = 0;
    int64_t grand = 0;
    bool fixe = false; // the sheet's direction is Horizontal or Vertical
    int64_t x = 0;     // room along a Horizontal sheet's x (a Vertical sheet's y)
    int64_t y = 0;

    bool PeutTenir(const Mesure& m) const {
        return m.surface <= aire && m.petit <= petit && m.grand <= grand &&
               (!fixe || !m.fixe || (m.x <= x && m.y <= y));
    }
    void Ajouter(const Place& autre);

    friend auto operator<=>(const Place&, const Place&) = default;
};

Place PlaceRect(const MONRect& r, int32_t sens);
Place PlaceLibre(const Panneau_p& panneau);

// The group during its passes. Pieces keep their positions; a placed or abandoned piece
// is marked out. It is also the look-ahead of the piece being placed: the pieces after it.
class GroupeEnCours final : public PiecesSuivantes {
public:
    static constexpr std::size_t Aucune = SIZE_MAX;

    GroupeEnCours(std::vector<TPiece>& pieces, const Marges& marges);

    bool Vide() const { return restantes_ == 0; }
    TPiece& operator[](std::size_t k) { return pieces_[k]; }
    const Mesure& MesureDe(std::size_t k) const { return mesures_[k]; }
    std::size_t Premiere() const;
    // The first remaining piece from position debut on that one of the free rectangles
    // may hold, or Aucune.
    std::size_t PremiereQuiPeutTenir(std::size_t debut, const std::vector<Place>& libres) const;
    void Retirer(std::size_t k);
    // One past the run of copies identical to piece k that starts at or before k.
    std::size_t FinDeSerie(std::size_t k) const { return finsDeSerie_[k]; }
    // Whether a free rectangle of this room could hold some remaining piece.
    bool Utile(const Place& place) const { return Admet(1, place); }
    // The piece being placed: the look-ahead sees the pieces after it.
    void PlacerEn(std::size_t i) { courante_ = i; }

    std::optional<int32_t> PlusPetiteSurface(const MONRect& r, const Marges& marges,
                                             int32_t sens) const override;

private:
    // Minima over a range of positions; marked-out leaves hold Hors everywhere.
    static constexpr int64_t Hors = INT64_MAX;
    struct Minima {
        int64_t petit = Hors; // every piece
        int64_t grand = Hors;
        int64_t petitLibre = Hors; // the pieces free to turn on any sheet
        int64_t grandLibre = Hors;
        int64_t x = Hors; // the pieces of fixed direction
        int64_t y = Hors;
    };
    static Minima MinimaDe(const Mesure& m);
    static Minima Combiner(const Minima& a, const Minima& b);
    // Whether the pieces under the node may hold a piece that fits the room.
    bool Admet(std::size_t noeud, const Place& place) const;
    std::size_t Premiere(std::size_t noeud, std::size_t debut, std::size_t fin, std::size_t de,
                         std::size_t a, const Place& place) const;
    std::size_t Derniere(std::size_t noeud, std::size_t debut, std::size_t fin, std::size_t de,
                         std::size_t a, const Place& place) const;

    std::vector<TPiece>& pieces_;
    std::vector<Mesure> mesures_;
    std::vector<std::size_t> finsDeSerie_;
    std::size_t feuilles_ = 1;
    std::vector<Minima> arbre_;
    std::size_t restantes_;
    std::size_t courante_ = 0;
    // Surfaces never grow along the group: the pieces that an area can hold end it.
    bool decroissantes_;
};

} // namespace tavelune
