#include "engine/Qualite.h"

#include "engine/Optimisation.h"
#include "engine/Remplissage.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace tavelune {

namespace {

using Horloge = std::chrono::steady_clock;

// The copies of one entered piece, as the search handles them.
struct Sorte {
    TPiece piece; // one copy
    int64_t ex;   // overall size lying straight (Longueur along x), margins included
    int64_t ey;
    int32_t nb;                        // copies
    std::optional<std::size_t> modele; // the sheet to add for it; none: it fits no sheet
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
    ChoixChute chute;
    ChoixCoupe coupe;
    int cle;      // which size orders the pieces
    double bruit; // how far the order strays from it
    Pilote pilote;
    bool perte;           // the piece for a free rectangle loses the strips it leaves too narrow
    bool bandesEnLargeur; // strips run along y (across the sheet's length)
};

int64_t PlusGrande(const std::vector<MONRect>& chutes) {
    int64_t aire = 0;
    for (const MONRect& r : chutes)
        aire = std::max(aire, Aire(r));
    return aire;
}

// Fewer sheets, then a larger piece of waste on the last one.
using Cout = std::pair<std::size_t, int64_t>;

struct Plan {
    std::vector<Feuille> feuilles;

    Cout CoutPlan() const {
        return {feuilles.size(), feuilles.empty() ? 0 : -PlusGrande(feuilles.back().libres)};
    }
};

int64_t Largeur(const MONRect& r) {
    return int64_t{r.Right} - r.Left;
}

int64_t Hauteur(const MONRect& r) {
    return int64_t{r.Top} - r.Bottom;
}

class Recherche {
public:
    Recherche(std::vector<Panneau_p> depart, std::vector<Sorte> sortes, const Marges& marges,
              int32_t K, Horloge::time_point fin)
        : depart_(std::move(depart)), sortes_(std::move(sortes)), marges_(marges), K_(K), fin_(fin),
          hasard_(20261211) {
        for (const Panneau_p& p : depart_)
            if (std::find(sens_.begin(), sens_.end(), p.Sens) == sens_.end())
                sens_.push_back(p.Sens);
        for (Sorte& s : sortes_)
            s.modele = ChoisirModele(depart_, s.piece, marges_);
        correction_.assign(sortes_.size(), 1.0);
        // The overall areas of the pieces do not overlap: with a single kind of sheet,
        // their sum tells how many sheets they need at least.
        const Panneau_p& p = depart_.front();
        const bool uneSorte = std::all_of(depart_.begin(), depart_.end(), [&](const auto& q) {
            return q.Rect == p.Rect && q.Sens == p.Sens && q.Epaisseur == p.Epaisseur &&
                   q.Essence == p.Essence;
        });
        aireUnique_ = uneSorte ? Aire(p.Rect) : 0;
    }

    const std::vector<Panneau_p>& Depart() const { return depart_; }
    const std::vector<Sorte>& Sortes() const { return sortes_; }

    // The fewest sheets any plan may have.
    std::size_t Minimum() const;

    // Builds plans until the budget is spent or a plan reaches `minimum`; the best one,
    // if any was finished.
    std::optional<Plan> Chercher(std::size_t plafond);

private:
    bool Convient(const Sorte& s, const Panneau_p& p) const {
        const bool memeSens = std::find(sens_.begin(), sens_.end(), s.piece.Sens) != sens_.end();
        return (!memeSens || p.Sens == s.piece.Sens) && PanneauConvient(p, s.piece, marges_);
    }
    bool Expire() const { return Horloge::now() >= fin_; }
    // Builds a plan sheet after sheet, each the fullest of `essais` fills; none when it
    // would need more than `plafond` sheets or the budget runs out.
    std::optional<Plan> Construire(int essais, std::size_t plafond);
    // The fewest sheets the copies left may take.
    std::size_t PlaquesAuMoins(const std::vector<int32_t>& restes) const;
    void Corriger(const std::vector<Feuille>& feuilles, const std::vector<int32_t>& restes);
    // Moves the pieces of the last sheet into the free rectangles of the others; true when
    // all found room, and the last sheet is gone.
    bool ViderDerniere(Plan& plan) const;
    Feuille MeilleurRemplissage(std::size_t modele, const std::vector<int32_t>& restes, int essais);
    struct Poses {
        bool droite;
        bool tournee;
    };
    static Poses PosesPermises(const Sorte& s, const Panneau_p& plaque);
    Feuille Remplir(std::size_t modele, std::vector<int32_t> restes, const Regles& regles);
    void RemplirParPieces(Feuille& feuille, std::vector<int32_t>& restes, const Regles& regles);
    void RemplirParChutes(Feuille& feuille, std::vector<int32_t>& restes, const Regles& regles);
    void PoserBandes(Feuille& feuille, std::vector<int32_t>& restes, const Regles& regles);
    struct Rangee {
        std::size_t t;
        bool tournee;
        int32_t nb;
    };
    // Rows of identical pieces down a strip `largeur` across and `longueur` long, the
    // fullest row first; their overall area.
    int64_t Rangees(std::vector<int32_t> restes, const Panneau_p& plaque, bool enLargeur,
                    int64_t largeur, int64_t longueur, std::vector<Rangee>* rangees) const;
    // Lays each copy of piece t in the free rectangle the rules pick; false when none takes it.
    bool Placer(Feuille& feuille, std::size_t t, const Regles& regles) const;
    bool CoupeVerticale(const MONRect& f, int64_t lx, int64_t ly, ChoixCoupe coupe) const;
    // Lays piece t in free rectangle k, cutting first as told or as the rule chooses.
    Decoupes Poser(Feuille& feuille, std::size_t k, std::size_t t, bool tournee,
                   bool verticale) const;
    void Poser(Feuille& feuille, std::size_t k, std::size_t t, bool tournee,
               ChoixCoupe coupe) const;
    std::vector<std::size_t> Ordre(const Regles& regles);
    Regles ReglesAuHasard();

    std::vector<Panneau_p> depart_;
    std::vector<Sorte> sortes_;
    Marges marges_;
    int32_t K_;
    Horloge::time_point fin_;
    std::vector<int32_t> sens_;
    int64_t aireUnique_ = 0; // the area of the sheets when all are of one kind
    std::vector<double> correction_;
    std::mt19937_64 hasard_;
};

std::size_t Recherche::Minimum() const {
    std::vector<int32_t> toutes;
    for (const Sorte& s : sortes_)
        toutes.push_back(s.modele ? s.nb : 0);
    return std::max(depart_.size(), PlaquesAuMoins(toutes));
}

Regles Recherche::ReglesAuHasard() {
    std::uniform_int_distribution<int> chute(0, 2), coupe(0, 3), cle(0, 4), pile(0, 1),
        pilote(0, 2);
    std::uniform_real_distribution<double> bruit(0.0, 0.3);
    return {static_cast<ChoixChute>(chute(hasard_)),
            static_cast<ChoixCoupe>(coupe(hasard_)),
            cle(hasard_),
            bruit(hasard_),
            static_cast<Pilote>(pilote(hasard_)),
            pile(hasard_) == 1,
            pile(hasard_) == 1};
}

std::vector<std::size_t> Recherche::Ordre(const Regles& regles) {
    std::uniform_real_distribution<double> bruit(1.0 - regles.bruit, 1.0 + regles.bruit);
    std::vector<std::pair<double, std::size_t>> cles;
    for (std::size_t t = 0; t < sortes_.size(); ++t) {
        const Sorte& s = sortes_[t];
        const double a = double(s.ex), b = double(s.ey);
        const double valeurs[] = {a * b, std::max(a, b), a + b, b, a};
        cles.emplace_back(-valeurs[regles.cle] * correction_[t] * bruit(hasard_), t);
    }
    std::sort(cles.begin(), cles.end());
    std::vector<std::size_t> ordre;
    for (const auto& [cle, t] : cles)
        ordre.push_back(t);
    return ordre;
}

Recherche::Poses Recherche::PosesPermises(const Sorte& s, const Panneau_p& plaque) {
    const bool libre = LibreDeTourner(s.piece.Sens, plaque.Sens);
    return {libre || s.piece.Sens == plaque.Sens, libre || s.piece.Sens != plaque.Sens};
}

bool Recherche::Placer(Feuille& feuille, std::size_t t, const Regles& regles) const {
    const Sorte& s = sortes_[t];
    const Poses poses = PosesPermises(s, depart_[feuille.modele]);
    std::optional<std::size_t> choisie;
    bool choisieTournee = false;
    std::pair<int64_t, int64_t> meilleure{INT64_MAX, INT64_MAX};
    const auto essayer = [&](std::size_t k, int64_t lx, int64_t ly, bool estTournee) {
        const MONRect& f = feuille.libres[k];
        const int64_t dx = Largeur(f) - lx, dy = Hauteur(f) - ly;
        if (dx < 0 || dy < 0)
            return;
        std::pair<int64_t, int64_t> note;
        switch (regles.chute) {
        case ChoixChute::MoinsDAire:
            note = {Aire(f) - lx * ly, std::min(dx, dy)};
            break;
        case ChoixChute::PetitCote:
            note = {std::min(dx, dy), std::max(dx, dy)};
            break;
        case ChoixChute::GrandCote:
            note = {std::max(dx, dy), std::min(dx, dy)};
            break;
        }
        if (note < meilleure) {
            meilleure = note;
            choisie = k;
            choisieTournee = estTournee;
        }
    };
    for (std::size_t k = 0; k < feuille.libres.size(); ++k) {
        if (poses.droite)
            essayer(k, s.ex, s.ey, false);
        if (poses.tournee)
            essayer(k, s.ey, s.ex, true);
    }
    if (!choisie)
        return false;
    Poser(feuille, *choisie, t, choisieTournee, regles.coupe);
    return true;
}

bool Recherche::CoupeVerticale(const MONRect& f, int64_t lx, int64_t ly, ChoixCoupe coupe) const {
    const Decoupes d = DecoupesPossibles(f, lx, ly, K_);
    const int64_t resteX = Largeur(f) - lx, resteY = Hauteur(f) - ly;
    const int64_t grandeV = std::max(Aire(d.v1), Aire(d.v2));
    const int64_t grandeH = std::max(Aire(d.h1), Aire(d.h2));
    switch (coupe) {
    case ChoixCoupe::GardeLaPlusGrande:
        return grandeV > grandeH;
    case ChoixCoupe::GardeLaPlusPetite:
        return grandeV < grandeH;
    case ChoixCoupe::PetitReste:
        return resteX > resteY;
    case ChoixCoupe::GrandReste:
        return resteX <= resteY;
    }
    return false;
}

Decoupes Recherche::Poser(Feuille& feuille, std::size_t k, std::size_t t, bool tournee,
                          bool verticale) const {
    const Sorte& s = sortes_[t];
    const MONRect f = feuille.libres[k];
    const Decoupes d = DecoupesPossibles(f, tournee ? s.ey : s.ex, tournee ? s.ex : s.ey, K_);
    feuille.libres.erase(feuille.libres.begin() + static_cast<std::ptrdiff_t>(k));
    for (const MONRect& r : {verticale ? d.v1 : d.h1, verticale ? d.v2 : d.h2})
        if (Aire(r) > 0)
            feuille.libres.push_back(r);
    feuille.poses.push_back({t, f, tournee, verticale});
    feuille.aire += s.ex * s.ey;
    return d;
}

void Recherche::Poser(Feuille& feuille, std::size_t k, std::size_t t, bool tournee,
                      ChoixCoupe coupe) const {
    const Sorte& s = sortes_[t];
    Poser(feuille, k, t, tournee,
          CoupeVerticale(feuille.libres[k], tournee ? s.ey : s.ex, tournee ? s.ex : s.ey, coupe));
}

Feuille Recherche::Remplir(std::size_t modele, std::vector<int32_t> restes, const Regles& regles) {
    Feuille feuille{modele, depart_[modele].Chutes, {}};
    switch (regles.pilote) {
    case Pilote::Pieces:
        RemplirParPieces(feuille, restes, regles);
        break;
    case Pilote::Bandes:
        PoserBandes(feuille, restes, regles);
        RemplirParChutes(feuille, restes, regles);
        break;
    case Pilote::Chutes:
        RemplirParChutes(feuille, restes, regles);
        break;
    }
    return feuille;
}

void Recherche::RemplirParPieces(Feuille& feuille, std::vector<int32_t>& restes,
                                 const Regles& regles) {
    for (std::size_t t : Ordre(regles)) {
        if (restes[t] == 0 || !Convient(sortes_[t], depart_[feuille.modele]))
            continue;
        while (restes[t] > 0 && Placer(feuille, t, regles))
            --restes[t];
    }
}

void Recherche::RemplirParChutes(Feuille& feuille, std::vector<int32_t>& restes,
                                 const Regles& regles) {
    const Panneau_p& plaque = depart_[feuille.modele];
    std::uniform_real_distribution<double> bruit(1.0 - regles.bruit, 1.0 + regles.bruit);
    struct Candidate {
        std::size_t t;
        double poids;
        Poses poses;
    };
    std::vector<Candidate> candidates;
    for (std::size_t t = 0; t < sortes_.size(); ++t)
        if (restes[t] > 0 && Convient(sortes_[t], plaque))
            candidates.push_back(
                {t, double(sortes_[t].ex * sortes_[t].ey) * correction_[t] * bruit(hasard_),
                 PosesPermises(sortes_[t], plaque)});
    // A strip narrower than this holds no piece.
    int64_t etroite = INT64_MAX - K_;
    for (const Candidate& c : candidates)
        etroite = std::min({etroite, sortes_[c.t].ex, sortes_[c.t].ey});
    etroite += K_;
    std::vector<MONRect> perdues;
    while (!feuille.libres.empty()) {
        // The free rectangle to fill next: the smallest, or the one highest on the left.
        const auto avant = [&](const MONRect& a, const MONRect& b) {
            if (regles.chute == ChoixChute::MoinsDAire)
                return Aire(a) < Aire(b);
            return std::make_pair(-int64_t{a.Top}, a.Left) <
                   std::make_pair(-int64_t{b.Top}, b.Left);
        };
        const auto k = static_cast<std::size_t>(
            std::min_element(feuille.libres.begin(), feuille.libres.end(), avant) -
            feuille.libres.begin());
        const MONRect& f = feuille.libres[k];
        // The heaviest piece that fits it, less the strips it would leave too narrow for
        // any piece when the rules count them.
        const Candidate* choisie = nullptr;
        bool tournee = false;
        double meilleure = 0.0;
        const auto essayer = [&](const Candidate& c, int64_t lx, int64_t ly, bool estTournee) {
            const int64_t dx = Largeur(f) - lx, dy = Hauteur(f) - ly;
            if (dx < 0 || dy < 0)
                return;
            double note = c.poids;
            if (regles.perte)
                note -= double((dx > 0 && dx < etroite ? dx * ly : 0) +
                               (dy > 0 && dy < etroite ? dy * lx : 0));
            if (!choisie || note > meilleure) {
                choisie = &c;
                tournee = estTournee;
                meilleure = note;
            }
        };
        for (const Candidate& c : candidates) {
            if (restes[c.t] == 0)
                continue;
            const Sorte& s = sortes_[c.t];
            if (c.poses.droite)
                essayer(c, s.ex, s.ey, false);
            if (c.poses.tournee)
                essayer(c, s.ey, s.ex, true);
        }
        if (!choisie) {
            perdues.push_back(f);
            feuille.libres.erase(feuille.libres.begin() + static_cast<std::ptrdiff_t>(k));
            continue;
        }
        --restes[choisie->t];
        Poser(feuille, k, choisie->t, tournee, regles.coupe);
    }
    feuille.libres = std::move(perdues);
}

int64_t Recherche::Rangees(std::vector<int32_t> restes, const Panneau_p& plaque, bool enLargeur,
                           int64_t largeur, int64_t longueur, std::vector<Rangee>* rangees) const {
    int64_t aire = 0;
    while (longueur > 0) {
        std::optional<Rangee> choisie;
        int64_t pas = 0;
        double densite = 0.0;
        for (std::size_t t = 0; t < sortes_.size(); ++t) {
            if (restes[t] == 0 || !Convient(sortes_[t], plaque))
                continue;
            const Sorte& s = sortes_[t];
            const Poses poses = PosesPermises(s, plaque);
            for (const bool tournee : {false, true}) {
                if (!(tournee ? poses.tournee : poses.droite))
                    continue;
                const int64_t lx = tournee ? s.ey : s.ex, ly = tournee ? s.ex : s.ey;
                const int64_t a = enLargeur ? lx : ly, b = enLargeur ? ly : lx;
                if (a > largeur || b > longueur)
                    continue;
                const auto nb =
                    static_cast<int32_t>(std::min<int64_t>(restes[t], (largeur + K_) / (a + K_)));
                const double d = double(nb * s.ex * s.ey) / double(b + K_);
                if (!choisie || d > densite) {
                    choisie = Rangee{t, tournee, nb};
                    densite = d;
                    pas = b + K_;
                }
            }
        }
        if (!choisie)
            break;
        aire += choisie->nb * sortes_[choisie->t].ex * sortes_[choisie->t].ey;
        restes[choisie->t] -= choisie->nb;
        longueur -= pas;
        if (rangees)
            rangees->push_back(*choisie);
    }
    return aire;
}

void Recherche::PoserBandes(Feuille& feuille, std::vector<int32_t>& restes, const Regles& regles) {
    if (feuille.libres.size() != 1)
        return;
    const Panneau_p& plaque = depart_[feuille.modele];
    const bool enLargeur = regles.bandesEnLargeur;
    std::uniform_real_distribution<double> bruit(1.0 - regles.bruit, 1.0 + regles.bruit);
    const auto indice = [&](const MONRect& r) -> std::optional<std::size_t> {
        const auto it = std::find(feuille.libres.rbegin(), feuille.libres.rend(), r);
        if (Aire(r) <= 0 || it == feuille.libres.rend())
            return std::nullopt;
        return static_cast<std::size_t>(feuille.libres.rend() - it) - 1;
    };
    std::optional<std::size_t> reste = 0;
    while (reste) {
        const MONRect r = feuille.libres[*reste];
        const int64_t travers = enLargeur ? Largeur(r) : Hauteur(r);
        const int64_t long_ = enLargeur ? Hauteur(r) : Largeur(r);
        // The pieces that may open a strip: the heaviest few.
        std::vector<std::pair<double, std::size_t>> ouvrantes;
        for (std::size_t t = 0; t < sortes_.size(); ++t)
            if (restes[t] > 0 && Convient(sortes_[t], plaque))
                ouvrantes.emplace_back(
                    -double(sortes_[t].ex * sortes_[t].ey) * correction_[t] * bruit(hasard_), t);
        const std::size_t nbOuvrantes = std::min<std::size_t>(ouvrantes.size(), 12);
        std::partial_sort(ouvrantes.begin(),
                          ouvrantes.begin() + static_cast<std::ptrdiff_t>(nbOuvrantes),
                          ouvrantes.end());
        std::optional<Rangee> ouvrante;
        double meilleure = 0.0;
        for (std::size_t o = 0; o < nbOuvrantes; ++o) {
            const std::size_t t = ouvrantes[o].second;
            const Sorte& s = sortes_[t];
            const Poses poses = PosesPermises(s, plaque);
            for (const bool tournee : {false, true}) {
                if (!(tournee ? poses.tournee : poses.droite))
                    continue;
                const int64_t lx = tournee ? s.ey : s.ex, ly = tournee ? s.ex : s.ey;
                const int64_t a = enLargeur ? lx : ly, b = enLargeur ? ly : lx;
                if (a > travers || b > long_)
                    continue;
                --restes[t];
                const int64_t aire =
                    s.ex * s.ey + Rangees(restes, plaque, enLargeur, a, long_ - b - K_, nullptr);
                ++restes[t];
                const double part = double(aire) / double(a * long_) * bruit(hasard_);
                if (!ouvrante || part > meilleure) {
                    ouvrante = Rangee{t, tournee, 1};
                    meilleure = part;
                }
            }
        }
        if (!ouvrante)
            return;
        // The opening piece, then each row: its first piece cuts across the strip, the
        // others follow along the row.
        --restes[ouvrante->t];
        const Decoupes d = Poser(feuille, *reste, ouvrante->t, ouvrante->tournee, enLargeur);
        const MONRect corps = enLargeur ? d.v1 : d.h2;
        const MONRect suite = enLargeur ? d.v2 : d.h1;
        const Sorte& s = sortes_[ouvrante->t];
        const int64_t a = enLargeur == ouvrante->tournee ? s.ey : s.ex;
        std::vector<Rangee> rangees;
        Rangees(restes, plaque, enLargeur, a, (enLargeur ? Hauteur(corps) : Largeur(corps)),
                &rangees);
        std::optional<std::size_t> k = indice(corps);
        for (const Rangee& rangee : rangees) {
            if (!k)
                break;
            restes[rangee.t] -= rangee.nb;
            const Decoupes premiere = Poser(feuille, *k, rangee.t, rangee.tournee, !enLargeur);
            std::optional<std::size_t> j = indice(enLargeur ? premiere.h2 : premiere.v1);
            const MONRect apres = enLargeur ? premiere.h1 : premiere.v2;
            for (int32_t n = 1; n < rangee.nb && j; ++n) {
                const Decoupes e = Poser(feuille, *j, rangee.t, rangee.tournee, enLargeur);
                j = indice(enLargeur ? e.v2 : e.h1);
            }
            k = indice(apres);
        }
        reste = indice(suite);
    }
}

Feuille Recherche::MeilleurRemplissage(std::size_t modele, const std::vector<int32_t>& restes,
                                       int essais) {
    // The first fill is the plain one: largest pieces first, each in the free rectangle
    // it fills best.
    Feuille meilleure = Remplir(modele, restes,
                                {ChoixChute::MoinsDAire, ChoixCoupe::GardeLaPlusGrande, 0, 0.0,
                                 Pilote::Pieces, false, false});
    for (int e = 1; e < essais && !Expire(); ++e) {
        Feuille f = Remplir(modele, restes, ReglesAuHasard());
        if (f.aire > meilleure.aire)
            meilleure = std::move(f);
    }
    return meilleure;
}

std::size_t Recherche::PlaquesAuMoins(const std::vector<int32_t>& restes) const {
    if (aireUnique_ == 0)
        return 1;
    int64_t aire = 0;
    for (std::size_t t = 0; t < sortes_.size(); ++t)
        aire += sortes_[t].ex * sortes_[t].ey * restes[t];
    return static_cast<std::size_t>((aire + aireUnique_ - 1) / aireUnique_);
}

void Recherche::Corriger(const std::vector<Feuille>& feuilles, const std::vector<int32_t>& restes) {
    // A piece's cost is the sheet area it took: its own, shared out with the waste of its
    // sheet; pieces left over cost twice their area. Costlier pieces go first next time.
    constexpr double part = 0.3;
    for (const Feuille& f : feuilles) {
        const double cout =
            double(Aire(depart_[f.modele].Rect)) / double(std::max<int64_t>(f.aire, 1));
        for (const Pose& p : f.poses)
            correction_[p.sorte] = (1 - part) * correction_[p.sorte] + part * cout;
    }
    for (std::size_t t = 0; t < sortes_.size(); ++t)
        if (restes[t] > 0)
            correction_[t] = (1 - part) * correction_[t] + part * 2.0;
}

std::optional<Plan> Recherche::Construire(int essais, std::size_t plafond) {
    std::vector<int32_t> restes;
    for (const Sorte& s : sortes_)
        restes.push_back(s.modele ? s.nb : 0);
    const auto retirer = [&](const Feuille& f) {
        for (const Pose& p : f.poses)
            --restes[p.sorte];
    };
    Plan plan;
    for (std::size_t j = 0; j < depart_.size(); ++j) {
        plan.feuilles.push_back(MeilleurRemplissage(j, restes, essais));
        retirer(plan.feuilles.back());
    }
    for (;;) {
        const auto premiere =
            std::find_if(restes.begin(), restes.end(), [](int32_t n) { return n > 0; });
        if (premiere == restes.end()) {
            Corriger(plan.feuilles, restes);
            return plan;
        }
        // One sheet more than the ceiling may still be emptied into the others.
        if (plan.feuilles.size() + PlaquesAuMoins(restes) > plafond + 1 || Expire()) {
            Corriger(plan.feuilles, restes);
            return std::nullopt;
        }
        const std::size_t t = static_cast<std::size_t>(premiere - restes.begin());
        plan.feuilles.push_back(MeilleurRemplissage(*sortes_[t].modele, restes, essais));
        retirer(plan.feuilles.back());
    }
}

bool Recherche::ViderDerniere(Plan& plan) const {
    if (plan.feuilles.size() <= depart_.size())
        return false;
    std::vector<Feuille> autres(plan.feuilles.begin(), plan.feuilles.end() - 1);
    std::vector<Pose> poses = plan.feuilles.back().poses;
    std::stable_sort(poses.begin(), poses.end(), [&](const Pose& a, const Pose& b) {
        return sortes_[a.sorte].ex * sortes_[a.sorte].ey >
               sortes_[b.sorte].ex * sortes_[b.sorte].ey;
    });
    const Regles regles{ChoixChute::MoinsDAire,
                        ChoixCoupe::GardeLaPlusGrande,
                        0,
                        0.0,
                        Pilote::Pieces,
                        false,
                        false};
    for (const Pose& pose : poses) {
        const auto prend = [&](Feuille& f) {
            return Convient(sortes_[pose.sorte], depart_[f.modele]) &&
                   Placer(f, pose.sorte, regles);
        };
        if (std::none_of(autres.begin(), autres.end(), prend))
            return false;
    }
    plan.feuilles = std::move(autres);
    return true;
}

std::optional<Plan> Recherche::Chercher(std::size_t plafond) {
    const std::size_t minimum = Minimum();
    std::optional<Plan> meilleur;
    // A quick first plan, then fills chosen among more and more tries, over again.
    for (int essais = 1; !Expire(); essais = essais < 64 ? std::max(essais * 2, 8) : 8) {
        std::optional<Plan> plan = Construire(essais, plafond);
        while (plan && ViderDerniere(*plan)) {
        }
        if (!plan || plan->feuilles.size() > plafond)
            continue;
        if (!meilleur || plan->CoutPlan() < meilleur->CoutPlan())
            meilleur = std::move(plan);
        if (meilleur->feuilles.size() <= minimum)
            break;
        // From now on only a plan with fewer sheets is worth finishing.
        plafond = meilleur->feuilles.size() - 1;
    }
    return meilleur;
}

// The copies of the groups, one sort per run of identical copies.
std::vector<Sorte> Sortes(const std::vector<std::vector<TPiece>>& groupes, const Marges& marges) {
    std::vector<Sorte> sortes;
    for (const auto& groupe : groupes)
        for (const TPiece& piece : groupe) {
            if (!sortes.empty() && sortes.back().piece == piece) {
                ++sortes.back().nb;
                continue;
            }
            sortes.push_back({piece,
                              int64_t{piece.Longueur} + 2 * int64_t{marges.MargeLongueur},
                              int64_t{piece.Largeur} + 2 * int64_t{marges.MargeLargeur},
                              1,
                              {}});
        }
    return sortes;
}

// The sheets of the plan as the standard optimisation leaves them: pieces with their
// rectangles, free rectangles in order, cut length.
std::vector<Panneau_p> Panneaux(const Recherche& recherche, const Plan& plan, const Marges& marges,
                                int32_t K) {
    std::vector<Panneau_p> panneaux;
    for (std::size_t j = 0; j < plan.feuilles.size(); ++j) {
        const Feuille& feuille = plan.feuilles[j];
        const Panneau_p& modele = recherche.Depart()[feuille.modele];
        Panneau_p panneau = j < recherche.Depart().size() ? modele : CopierNeuf(modele);
        for (const Pose& pose : feuille.poses) {
            auto& chutes = panneau.Chutes;
            chutes.erase(std::find(chutes.begin(), chutes.end(), pose.f));
            TPiece piece = recherche.Sortes()[pose.sorte].piece;
            PoserPiece(panneau, piece, pose.f, marges, pose.tournee);
            const MONRect& h = piece.RectHorsTout;
            AppliquerDecoupe(
                panneau,
                DecoupesPossibles(pose.f, int64_t{h.Right} - h.Left, int64_t{h.Top} - h.Bottom, K),
                pose.verticale);
            panneau.Pieces.push_back(piece);
        }
        TrierChutes(panneau);
        panneaux.push_back(std::move(panneau));
    }
    return panneaux;
}

} // namespace

void OptimisationQualite(Debit& debit, std::chrono::duration<double> budget) {
    const auto fin = Horloge::now() + std::chrono::duration_cast<Horloge::duration>(budget);
    Optimisation(debit);
    std::vector<Panneau_p> depart = PanneauxDeDepart(debit);
    if (depart.empty() || debit.Panneaux.empty())
        return;
    const Marges marges = MargesPositives(debit.MargesJob);
    const int32_t K = std::max(debit.TraitScie, 0);
    RegrouperPieces(debit);
    TrierGroupes(debit);
    Recherche recherche(std::move(depart), Sortes(debit.Groupes, marges), marges, K, fin);
    for (auto& groupe : debit.Groupes)
        groupe.clear();
    if (debit.Panneaux.size() <= recherche.Minimum())
        return;
    const Cout standard{debit.Panneaux.size(), -PlusGrande(debit.Panneaux.back().Chutes)};
    const std::optional<Plan> plan = recherche.Chercher(debit.Panneaux.size());
    if (!plan || !(plan->CoutPlan() < standard))
        return;
    debit.Panneaux = Panneaux(recherche, *plan, marges, K);
}

} // namespace tavelune
