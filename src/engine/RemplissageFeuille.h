// Filling one sheet for the search for fewer sheets: the pieces left are laid in the
// sheet's free rectangles with the cuts of the standard optimisation (a piece against the
// top-left corner of a free rectangle, then two cuts leaving the kerf), led by one of
// several rules. Each fill is recorded as the placements to replay on the real sheet.
#pragma once

#include "engine/Remplissage.h"
#include "model/Modele.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace tavelune {

using Horloge = std::chrono::steady_clock;

// The copies of one entered piece, as the search handles them.
struct Sorte {
    TPiece piece; // one copy
    int64_t ex;   // overall size lying straight (Longueur along x), margins included
    int64_t ey;
    int32_t nb;                        // copies
    std::optional<std::size_t> modele; // the sheet to add for it; none: it fits no sheet

    int64_t AireHorsTout() const { return ex * ey; }
};

// One piece laid in a free rectangle, with the way it lies and the cut made first.
struct Pose {
    std::size_t sorte;
    MONRect f;
    bool tournee;
    bool verticale;
};

struct Feuille {
    std::size_t modele; // index among the sheets laid out at the start
    std::vector<MONRect> libres;
    std::vector<Pose> poses;
    int64_t aire = 0; // overall area of its pieces
};

// How a fill picks the free rectangle for a piece and the cut made first.
enum class ChoixChute { MoinsDAire, PetitCote, GrandCote };
enum class ChoixCoupe { GardeLaPlusGrande, PetitReste, GrandReste, GardeLaPlusPetite };

// What leads a fill: each piece in turn looks for the free rectangle it fills best; each
// free rectangle in turn takes the heaviest piece it holds; or strips opened by one piece
// and filled with rows of identical pieces, then free rectangles as before.
enum class Pilote { Pieces, Chutes, Bandes };

struct Regles {
    ChoixChute chute = ChoixChute::MoinsDAire;
    ChoixCoupe coupe = ChoixCoupe::GardeLaPlusGrande;
    int cle = 0;        // which size orders the pieces (0: area)
    double bruit = 0.0; // how far the order strays from it
    Pilote pilote = Pilote::Pieces;
    bool perte = false;           // a free rectangle's piece loses the strips it leaves too narrow
    bool bandesEnLargeur = false; // strips run along y, across the sheet's length
};

class RemplissageFeuille {
public:
    static constexpr int NombreDeCles = 5;

    // The fills end early, with what they placed, once `fin` is past or `arret` is set.
    RemplissageFeuille(const std::vector<Panneau_p>& depart, const std::vector<Sorte>& sortes,
                       const Marges& marges, int32_t K, Horloge::time_point fin,
                       const std::atomic<bool>* arret);

    // May copies of sort s go on the sheet: thickness, glass type and pattern direction.
    bool Convient(const Sorte& s, const Panneau_p& plaque) const;
    bool Expire() const {
        return (arret_ && arret_->load(std::memory_order_relaxed)) || Horloge::now() >= fin_;
    }

    // A new fill of sheet `modele` with the copies left; `poids` weighs each sort in the
    // orders the rules make, `hasard` draws their noise.
    Feuille Remplir(std::size_t modele, std::vector<int32_t> restes, const Regles& regles,
                    const std::vector<double>& poids, std::mt19937_64& hasard) const;

    // Lays one copy of sort t in the free rectangle of the sheet that the rules pick;
    // false when none takes it.
    bool Placer(Feuille& feuille, std::size_t t, const Regles& regles) const;

private:
    struct Poses {
        bool droite;
        bool tournee;
    };
    struct Rangee {
        std::size_t t;
        bool tournee;
        int32_t nb;
    };
    // A way a piece may lie in a strip, with its size across the strip and along it.
    struct Facon {
        std::size_t t;
        bool tournee;
        int64_t travers;
        int64_t long_;
        int64_t aire;
    };
    class Tirage;

    Poses PosesPermises(const Sorte& s, const Panneau_p& plaque) const;
    // The ways the pieces left may lie in strips on the sheet: worked out once a fill,
    // as the strips ask for them again and again.
    std::vector<Facon> Facons(const std::vector<int32_t>& restes, const Panneau_p& plaque,
                              bool enLargeur) const;
    void RemplirParPieces(Feuille& feuille, std::vector<int32_t>& restes, const Regles& regles,
                          Tirage& tirage) const;
    void RemplirParChutes(Feuille& feuille, std::vector<int32_t>& restes, const Regles& regles,
                          Tirage& tirage) const;
    void PoserBandes(Feuille& feuille, std::vector<int32_t>& restes, const Regles& regles,
                     Tirage& tirage) const;
    // The best strip to open across the free rectangle r: its opening piece.
    std::optional<Rangee> Ouvrante(const MONRect& r, const std::vector<int32_t>& restes,
                                   const std::vector<Facon>& facons, bool enLargeur,
                                   Tirage& tirage) const;
    // Rows of identical pieces down a strip `largeur` across and `longueur` long, the
    // densest row first; their overall area.
    int64_t Rangees(std::vector<int32_t> restes, const std::vector<Facon>& facons, int64_t largeur,
                    int64_t longueur, std::vector<Rangee>* rangees) const;
    // Lays sort t in free rectangle k, cutting first as the rule chooses, or as told.
    void Poser(Feuille& feuille, std::size_t k, std::size_t t, bool tournee,
               ChoixCoupe coupe) const;
    Decoupes Poser(Feuille& feuille, std::size_t k, std::size_t t, bool tournee,
                   bool verticale) const;
    // Free rectangle k gives way to the strips of the chosen cut; the sheet records the piece.
    void Garder(Feuille& feuille, std::size_t k, std::size_t t, bool tournee, const Decoupes& d,
                bool verticale) const;

    const std::vector<Panneau_p>& depart_;
    const std::vector<Sorte>& sortes_;
    Marges marges_;
    int32_t K_;
    Horloge::time_point fin_;
    const std::atomic<bool>* arret_;
    std::vector<int32_t> sens_; // the directions of the sheets
};

} // namespace tavelune
