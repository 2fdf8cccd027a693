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

struct Regles {
    ChoixChute chute;
    ChoixCoupe coupe;
    int cle;      // which size orders the pieces
    double bruit; // how far the order strays from it
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
    std::optional<Plan> Construire(int essais, std::size_t plafond);
    Feuille MeilleurRemplissage(std::size_t modele, const std::vector<int32_t>& restes, int essais);
    Feuille Remplir(std::size_t modele, std::vector<int32_t> restes, const Regles& regles);
    bool Placer(Feuille& feuille, std::size_t t, const Regles& regles) const;
    std::vector<std::size_t> Ordre(const Regles& regles);
    Regles ReglesAuHasard();

    std::vector<Panneau_p> depart_;
    std::vector<Sorte> sortes_;
    Marges marges_;
    int32_t K_;
    Horloge::time_point fin_;
    std::vector<int32_t> sens_;
    std::mt19937_64 hasard_;
};

std::size_t Recherche::Minimum() const {
    // The overall areas of the pieces do not overlap: with a single kind of sheet they
    // need that many sheets at least.
    const Panneau_p& p = depart_.front();
    const bool uneSorteDePlaque = std::all_of(depart_.begin(), depart_.end(), [&](const auto& q) {
        return q.Rect == p.Rect && q.Sens == p.Sens && q.Epaisseur == p.Epaisseur &&
               q.Essence == p.Essence;
    });
    if (!uneSorteDePlaque)
        return depart_.size();
    int64_t aire = 0;
    for (const Sorte& s : sortes_)
        if (s.modele)
            aire += s.ex * s.ey * s.nb;
    const int64_t aPlaque = Aire(p.Rect);
    const auto parAire = static_cast<std::size_t>((aire + aPlaque - 1) / aPlaque);
    return std::max(depart_.size(), parAire);
}

Regles Recherche::ReglesAuHasard() {
    std::uniform_int_distribution<int> chute(0, 2), coupe(0, 3), cle(0, 4);
    std::uniform_real_distribution<double> bruit(0.0, 0.3);
    return {static_cast<ChoixChute>(chute(hasard_)), static_cast<ChoixCoupe>(coupe(hasard_)),
            cle(hasard_), bruit(hasard_)};
}

std::vector<std::size_t> Recherche::Ordre(const Regles& regles) {
    std::uniform_real_distribution<double> bruit(1.0 - regles.bruit, 1.0 + regles.bruit);
    std::vector<std::pair<double, std::size_t>> cles;
    for (std::size_t t = 0; t < sortes_.size(); ++t) {
        const Sorte& s = sortes_[t];
        const double a = double(s.ex), b = double(s.ey);
        const double valeurs[] = {a * b, std::max(a, b), a + b, b, a};
        cles.emplace_back(-valeurs[regles.cle] * bruit(hasard_), t);
    }
    std::sort(cles.begin(), cles.end());
    std::vector<std::size_t> ordre;
    for (const auto& [cle, t] : cles)
        ordre.push_back(t);
    return ordre;
}

bool Recherche::Placer(Feuille& feuille, std::size_t t, const Regles& regles) const {
    const Sorte& s = sortes_[t];
    const Panneau_p& plaque = depart_[feuille.modele];
    const bool libre = LibreDeTourner(s.piece.Sens, plaque.Sens);
    const bool droite = libre || s.piece.Sens == plaque.Sens;
    const bool tournee = libre || s.piece.Sens != plaque.Sens;
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
        if (droite)
            essayer(k, s.ex, s.ey, false);
        if (tournee)
            essayer(k, s.ey, s.ex, true);
    }
    if (!choisie)
        return false;
    const MONRect f = feuille.libres[*choisie];
    const int64_t lx = choisieTournee ? s.ey : s.ex;
    const int64_t ly = choisieTournee ? s.ex : s.ey;
    const Decoupes d = DecoupesPossibles(f, lx, ly, K_);
    const int64_t resteX = Largeur(f) - lx, resteY = Hauteur(f) - ly;
    const int64_t grandeV = std::max(Aire(d.v1), Aire(d.v2));
    const int64_t grandeH = std::max(Aire(d.h1), Aire(d.h2));
    bool verticale = false;
    switch (regles.coupe) {
    case ChoixCoupe::GardeLaPlusGrande:
        verticale = grandeV > grandeH;
        break;
    case ChoixCoupe::GardeLaPlusPetite:
        verticale = grandeV < grandeH;
        break;
    case ChoixCoupe::PetitReste:
        verticale = resteX > resteY;
        break;
    case ChoixCoupe::GrandReste:
        verticale = resteX <= resteY;
        break;
    }
    feuille.libres.erase(feuille.libres.begin() + static_cast<std::ptrdiff_t>(*choisie));
    for (const MONRect& r : {verticale ? d.v1 : d.h1, verticale ? d.v2 : d.h2})
        if (Aire(r) > 0)
            feuille.libres.push_back(r);
    feuille.poses.push_back({t, f, choisieTournee, verticale});
    feuille.aire += s.ex * s.ey;
    return true;
}

Feuille Recherche::Remplir(std::size_t modele, std::vector<int32_t> restes, const Regles& regles) {
    Feuille feuille{modele, depart_[modele].Chutes, {}, 0};
    for (std::size_t t : Ordre(regles)) {
        if (restes[t] == 0 || !Convient(sortes_[t], depart_[modele]))
            continue;
        while (restes[t] > 0 && Placer(feuille, t, regles))
            --restes[t];
    }
    return feuille;
}

Feuille Recherche::MeilleurRemplissage(std::size_t modele, const std::vector<int32_t>& restes,
                                       int essais) {
    // The first fill follows the standard order and rules, so every plan starts from one
    // the standard optimisation could make.
    Feuille meilleure =
        Remplir(modele, restes, {ChoixChute::MoinsDAire, ChoixCoupe::GardeLaPlusGrande, 0, 0.0});
    for (int e = 1; e < essais && !Expire(); ++e) {
        Feuille f = Remplir(modele, restes, ReglesAuHasard());
        if (f.aire > meilleure.aire)
            meilleure = std::move(f);
    }
    return meilleure;
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
        if (premiere == restes.end())
            return plan;
        if (plan.feuilles.size() >= plafond || Expire())
            return std::nullopt;
        const std::size_t t = static_cast<std::size_t>(premiere - restes.begin());
        plan.feuilles.push_back(MeilleurRemplissage(*sortes_[t].modele, restes, essais));
        retirer(plan.feuilles.back());
    }
}

std::optional<Plan> Recherche::Chercher(std::size_t plafond) {
    const std::size_t minimum = Minimum();
    std::optional<Plan> meilleur;
    for (int essais = 1; !Expire(); essais = std::min(essais * 2, 64)) {
        std::optional<Plan> plan = Construire(essais, plafond);
        if (!plan)
            continue;
        if (!meilleur || plan->CoutPlan() < meilleur->CoutPlan()) {
            meilleur = std::move(plan);
            plafond = meilleur->feuilles.size();
        }
        if (meilleur->feuilles.size() <= minimum)
            break;
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
