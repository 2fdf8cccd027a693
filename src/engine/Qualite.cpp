#include "engine/Qualite.h"

#include "engine/Optimisation.h"
#include "engine/Remplissage.h"
#include "engine/RemplissageFeuille.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <tuple>
#include <vector>

namespace tavelune {

namespace {

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

class Recherche {
public:
    Recherche(std::vector<Panneau_p> depart, std::vector<Sorte> sortes, const Marges& marges,
              int32_t K, Horloge::time_point fin, const std::atomic<bool>* arret);

    const std::vector<Panneau_p>& Depart() const { return depart_; }
    const std::vector<Sorte>& Sortes() const { return sortes_; }

    // The fewest sheets any plan may have.
    std::size_t Minimum() const;

    // Builds plans of at most `plafond` sheets until the budget is spent or a plan has
    // the fewest sheets possible; the best one, if any was finished.
    std::optional<Plan> Chercher(std::size_t plafond);

private:
    // Builds a plan sheet after sheet, each the fullest of `essais` fills; none when it
    // would need more than one sheet beyond `plafond` or the budget runs out.
    std::optional<Plan> Construire(int essais, std::size_t plafond);
    Feuille MeilleurRemplissage(std::size_t modele, const std::vector<int32_t>& restes, int essais);
    Regles ReglesAuHasard();
    // The fewest sheets pieces of this overall area may take.
    std::size_t PlaquesAuMoins(int64_t aire) const;
    // Pieces that ended on poorly filled sheets, or on none, weigh more in the next plans.
    void Corriger(const std::vector<Feuille>& feuilles, const std::vector<int32_t>& restes);
    // Moves the pieces of the last sheet into the free rectangles of the others; true when
    // all found room, and the last sheet is gone.
    bool ViderDerniere(Plan& plan) const;

    std::vector<Panneau_p> depart_;
    std::vector<Sorte> sortes_;
    RemplissageFeuille remplissage_;
    int64_t aireUnique_ = 0; // the area of the sheets when all are of one kind
    std::vector<double> poids_;
    std::mt19937_64 hasard_;
};

// The sheet kinds among the laid-out sheets: the first sheet of each.
std::vector<Panneau_p> Modeles(const std::vector<Panneau_p>& depart,
                               std::vector<std::size_t>& indices) {
    std::set<std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t>> vues;
    std::vector<Panneau_p> modeles;
    for (std::size_t j = 0; j < depart.size(); ++j) {
        const Panneau_p& p = depart[j];
        if (vues.emplace(p.Rect.Left, p.Rect.Top, p.Rect.Right, p.Rect.Bottom, p.Sens, p.Epaisseur,
                         p.Essence)
                .second) {
            modeles.push_back(p);
            indices.push_back(j);
        }
    }
    return modeles;
}

Recherche::Recherche(std::vector<Panneau_p> depart, std::vector<Sorte> sortes, const Marges& marges,
                     int32_t K, Horloge::time_point fin, const std::atomic<bool>* arret)
    : depart_(std::move(depart)), sortes_(std::move(sortes)),
      remplissage_(depart_, sortes_, marges, K, fin, arret), poids_(sortes_.size(), 1.0),
      hasard_(20261211) {
    // Copies of one sheet are the same model: the first of them is the one chosen.
    std::vector<std::size_t> indices;
    const std::vector<Panneau_p> modeles = Modeles(depart_, indices);
    for (Sorte& s : sortes_) {
        // Many pieces against many kinds of sheet can take long: the budget tells.
        if (remplissage_.Expire())
            return;
        if (const auto m = ChoisirModele(modeles, s.piece, marges))
            s.modele = indices[*m];
    }
    // The overall areas of the pieces do not overlap: with a single kind of sheet, their
    // sum tells how many sheets they need at least.
    if (modeles.size() == 1)
        aireUnique_ = Aire(modeles.front().Rect);
}

std::size_t Recherche::PlaquesAuMoins(int64_t aire) const {
    if (aireUnique_ == 0)
        return aire > 0 ? 1 : 0;
    return static_cast<std::size_t>((aire + aireUnique_ - 1) / aireUnique_);
}

std::size_t Recherche::Minimum() const {
    int64_t aire = 0;
    for (const Sorte& s : sortes_)
        if (s.modele)
            aire += s.AireHorsTout() * s.nb;
    return std::max(depart_.size(), PlaquesAuMoins(aire));
}

Regles Recherche::ReglesAuHasard() {
    const auto entre = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(hasard_); };
    Regles r;
    r.chute = static_cast<ChoixChute>(entre(3));
    r.coupe = static_cast<ChoixCoupe>(entre(4));
    r.cle = entre(RemplissageFeuille::NombreDeCles);
    r.bruit = std::uniform_real_distribution<double>(0.0, 0.3)(hasard_);
    r.pilote = static_cast<Pilote>(entre(3));
    r.perte = entre(2) == 1;
    r.bandesEnLargeur = entre(2) == 1;
    return r;
}

Feuille Recherche::MeilleurRemplissage(std::size_t modele, const std::vector<int32_t>& restes,
                                       int essais) {
    // The first fill is the plain one: largest pieces first, each in the free rectangle
    // it fills best.
    Feuille meilleure = remplissage_.Remplir(modele, restes, Regles{}, poids_, hasard_);
    for (int e = 1; e < essais && !remplissage_.Expire(); ++e) {
        Feuille f = remplissage_.Remplir(modele, restes, ReglesAuHasard(), poids_, hasard_);
        if (f.aire > meilleure.aire)
            meilleure = std::move(f);
    }
    return meilleure;
}

void Recherche::Corriger(const std::vector<Feuille>& feuilles, const std::vector<int32_t>& restes) {
    // A piece's cost is the sheet area it took, its own and its share of the waste; a
    // piece left over costs twice its area. The weight follows the cost, smoothed.
    constexpr double part = 0.3;
    for (const Feuille& f : feuilles) {
        const double cout =
            double(Aire(depart_[f.modele].Rect)) / double(std::max<int64_t>(f.aire, 1));
        for (const Pose& p : f.poses)
            poids_[p.sorte] = (1 - part) * poids_[p.sorte] + part * cout;
    }
    for (std::size_t t = 0; t < sortes_.size(); ++t)
        if (restes[t] > 0)
            poids_[t] = (1 - part) * poids_[t] + part * 2.0;
}

std::optional<Plan> Recherche::Construire(int essais, std::size_t plafond) {
    std::vector<int32_t> restes;
    int64_t aire = 0;
    for (const Sorte& s : sortes_) {
        restes.push_back(s.modele ? s.nb : 0);
        aire += s.AireHorsTout() * restes.back();
    }
    Plan plan;
    const auto ajouter = [&](std::size_t modele) {
        plan.feuilles.push_back(MeilleurRemplissage(modele, restes, essais));
        for (const Pose& p : plan.feuilles.back().poses)
            --restes[p.sorte];
        aire -= plan.feuilles.back().aire;
    };
    for (std::size_t j = 0; j < depart_.size(); ++j)
        ajouter(j);
    // Copies only leave, so the first sort with copies left only moves on.
    for (std::size_t premiere = 0;;) {
        while (premiere < restes.size() && restes[premiere] == 0)
            ++premiere;
        if (premiere == restes.size()) {
            Corriger(plan.feuilles, restes);
            return plan;
        }
        // One sheet more than the ceiling may still be emptied into the others.
        if (plan.feuilles.size() + PlaquesAuMoins(aire) > plafond + 1 || remplissage_.Expire()) {
            Corriger(plan.feuilles, restes);
            return std::nullopt;
        }
        ajouter(*sortes_[premiere].modele);
    }
}

bool Recherche::ViderDerniere(Plan& plan) const {
    if (plan.feuilles.size() <= depart_.size())
        return false;
    std::vector<Feuille> autres(plan.feuilles.begin(), plan.feuilles.end() - 1);
    std::vector<Pose> poses = plan.feuilles.back().poses;
    std::stable_sort(poses.begin(), poses.end(), [&](const Pose& a, const Pose& b) {
        return sortes_[a.sorte].AireHorsTout() > sortes_[b.sorte].AireHorsTout();
    });
    for (const Pose& pose : poses) {
        const auto prend = [&](Feuille& f) {
            return remplissage_.Convient(sortes_[pose.sorte], depart_[f.modele]) &&
                   remplissage_.Placer(f, pose.sorte, Regles{});
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
    // A quick first plan, then plans of fuller sheets, chosen among 8 to 64 fills.
    for (int essais = 1; !remplissage_.Expire();
         essais = essais < 64 ? std::max(essais * 2, 8) : 8) {
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
            const HorsTout e = Encombrement(piece, marges);
            sortes.push_back({piece, e.a, e.b, 1, {}});
        }
    return sortes;
}

// The sheets of the plan as the standard optimisation leaves them: pieces with their
// rectangles, free rectangles in order, cut length. None if a placement does not replay.
std::optional<std::vector<Panneau_p>> Panneaux(const Recherche& recherche, const Plan& plan,
                                               const Marges& marges, int32_t K) {
    std::vector<Panneau_p> panneaux;
    for (std::size_t j = 0; j < plan.feuilles.size(); ++j) {
        const Feuille& feuille = plan.feuilles[j];
        const Panneau_p& modele = recherche.Depart()[feuille.modele];
        Panneau_p panneau = j < recherche.Depart().size() ? modele : CopierNeuf(modele);
        for (const Pose& pose : feuille.poses) {
            auto& chutes = panneau.Chutes;
            const auto f = std::find(chutes.begin(), chutes.end(), pose.f);
            if (f == chutes.end())
                return std::nullopt;
            chutes.erase(f);
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

void OptimisationQualite(Debit& debit, std::chrono::duration<double> budget,
                         const std::atomic<bool>* arret) {
    const auto fin = Horloge::now() + std::chrono::duration_cast<Horloge::duration>(budget);
    Optimisation(debit);
    std::vector<Panneau_p> depart = PanneauxDeDepart(debit);
    if (depart.empty() || debit.Panneaux.empty() || Horloge::now() >= fin || (arret && *arret))
        return;
    const Marges marges = MargesPositives(debit.MargesJob);
    const int32_t K = std::max(debit.TraitScie, 0);
    RegrouperPieces(debit);
    TrierGroupes(debit);
    Recherche recherche(std::move(depart), Sortes(debit.Groupes, marges), marges, K, fin, arret);
    for (auto& groupe : debit.Groupes)
        groupe.clear();
    if (debit.Panneaux.size() <= recherche.Minimum())
        return;
    const Cout standard{debit.Panneaux.size(), -PlusGrande(debit.Panneaux.back().Chutes)};
    const std::optional<Plan> plan = recherche.Chercher(debit.Panneaux.size());
    if (!plan || !(plan->CoutPlan() < standard))
        return;
    if (auto panneaux = Panneaux(recherche, *plan, marges, K))
        debit.Panneaux = std::move(*panneaux);
}

} // namespace tavelune
