#include "engine/RemplissageFeuille.h"

#include <algorithm>
#include <utility>

namespace tavelune {

namespace {

int64_t Largeur(const MONRect& r) {
    return int64_t{r.Right} - r.Left;
}

int64_t Hauteur(const MONRect& r) {
    return int64_t{r.Top} - r.Bottom;
}

// The index of free rectangle r, looked for from the end where new ones go; none when it
// has no area (it was dropped) or is not there.
std::optional<std::size_t> Indice(const Feuille& feuille, const MONRect& r) {
    const auto it = std::find(feuille.libres.rbegin(), feuille.libres.rend(), r);
    if (Aire(r) <= 0 || it == feuille.libres.rend())
        return std::nullopt;
    return static_cast<std::size_t>(feuille.libres.rend() - it) - 1;
}

} // namespace

// The weights of one fill: each sort's weight in the search, times some noise.
class RemplissageFeuille::Tirage {
public:
    Tirage(const std::vector<double>& poids, std::mt19937_64& hasard, double bruit)
        : poids_(poids), hasard_(hasard), bruit_(1.0 - bruit, 1.0 + bruit) {}

    double Bruit() { return bruit_(hasard_); }
    double Poids(std::size_t t, double valeur) { return valeur * poids_[t] * Bruit(); }

private:
    const std::vector<double>& poids_;
    std::mt19937_64& hasard_;
    std::uniform_real_distribution<double> bruit_;
};

RemplissageFeuille::RemplissageFeuille(const std::vector<Panneau_p>& depart,
                                       const std::vector<Sorte>& sortes, const Marges& marges,
                                       int32_t K, Horloge::time_point fin,
                                       const std::atomic<bool>* arret)
    : depart_(depart), sortes_(sortes), marges_(marges), K_(K), fin_(fin), arret_(arret) {
    for (const Panneau_p& p : depart_)
        if (std::find(sens_.begin(), sens_.end(), p.Sens) == sens_.end())
            sens_.push_back(p.Sens);
}

bool RemplissageFeuille::Convient(const Sorte& s, const Panneau_p& plaque) const {
    // A piece whose direction some sheet has goes on sheets of that direction only.
    const bool memeSens = std::find(sens_.begin(), sens_.end(), s.piece.Sens) != sens_.end();
    return (!memeSens || plaque.Sens == s.piece.Sens) && PanneauConvient(plaque, s.piece, marges_);
}

RemplissageFeuille::Poses RemplissageFeuille::PosesPermises(const Sorte& s,
                                                            const Panneau_p& plaque) const {
    const bool libre = LibreDeTourner(s.piece.Sens, plaque.Sens);
    return {libre || s.piece.Sens == plaque.Sens, libre || s.piece.Sens != plaque.Sens};
}

Feuille RemplissageFeuille::Remplir(std::size_t modele, std::vector<int32_t> restes,
                                    const Regles& regles, const std::vector<double>& poids,
                                    std::mt19937_64& hasard) const {
    Tirage tirage(poids, hasard, regles.bruit);
    Feuille feuille{modele, depart_[modele].Chutes, {}};
    switch (regles.pilote) {
    case Pilote::Pieces:
        RemplirParPieces(feuille, restes, regles, tirage);
        break;
    case Pilote::Bandes:
        PoserBandes(feuille, restes, regles, tirage);
        RemplirParChutes(feuille, restes, regles, tirage);
        break;
    case Pilote::Chutes:
        RemplirParChutes(feuille, restes, regles, tirage);
        break;
    }
    return feuille;
}

std::vector<RemplissageFeuille::Facon>
RemplissageFeuille::Facons(const std::vector<int32_t>& restes, const Panneau_p& plaque,
                           bool enLargeur) const {
    std::vector<Facon> facons;
    for (std::size_t t = 0; t < sortes_.size(); ++t) {
        const Sorte& s = sortes_[t];
        if (restes[t] == 0 || !Convient(s, plaque))
            continue;
        const Poses poses = PosesPermises(s, plaque);
        for (const bool tournee : {false, true})
            if (tournee ? poses.tournee : poses.droite) {
                const int64_t lx = tournee ? s.ey : s.ex, ly = tournee ? s.ex : s.ey;
                facons.push_back(
                    {t, tournee, enLargeur ? lx : ly, enLargeur ? ly : lx, s.AireHorsTout()});
            }
    }
    return facons;
}

void RemplissageFeuille::RemplirParPieces(Feuille& feuille, std::vector<int32_t>& restes,
                                          const Regles& regles, Tirage& tirage) const {
    std::vector<std::pair<double, std::size_t>> ordre;
    for (std::size_t t = 0; t < sortes_.size(); ++t) {
        if (restes[t] == 0 || !Convient(sortes_[t], depart_[feuille.modele]))
            continue;
        const Sorte& s = sortes_[t];
        const double a = double(s.ex), b = double(s.ey);
        const double cles[NombreDeCles] = {a * b, std::max(a, b), a + b, b, a};
        ordre.emplace_back(-tirage.Poids(t, cles[regles.cle]), t);
    }
    std::sort(ordre.begin(), ordre.end());
    for (const auto& [cle, t] : ordre) {
        if (Expire())
            return;
        while (restes[t] > 0 && Placer(feuille, t, regles))
            --restes[t];
    }
}

bool RemplissageFeuille::Placer(Feuille& feuille, std::size_t t, const Regles& regles) const {
    const Sorte& s = sortes_[t];
    const Poses poses = PosesPermises(s, depart_[feuille.modele]);
    std::optional<std::size_t> choisie;
    bool tournee = false;
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
            tournee = estTournee;
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
    Poser(feuille, *choisie, t, tournee, regles.coupe);
    return true;
}

void RemplissageFeuille::RemplirParChutes(Feuille& feuille, std::vector<int32_t>& restes,
                                          const Regles& regles, Tirage& tirage) const {
    const Panneau_p& plaque = depart_[feuille.modele];
    struct Candidate {
        std::size_t t;
        double poids;
        Poses poses;
    };
    std::vector<Candidate> candidates;
    // A strip narrower than this holds no piece.
    int64_t etroite = INT64_MAX - K_;
    for (std::size_t t = 0; t < sortes_.size(); ++t)
        if (restes[t] > 0 && Convient(sortes_[t], plaque)) {
            const Sorte& s = sortes_[t];
            candidates.push_back(
                {t, tirage.Poids(t, double(s.AireHorsTout())), PosesPermises(s, plaque)});
            etroite = std::min({etroite, s.ex, s.ey});
        }
    etroite += K_;
    // The free rectangle to fill next: the smallest, or the one highest on the left.
    const auto avant = [&](const MONRect& a, const MONRect& b) {
        if (regles.chute == ChoixChute::MoinsDAire)
            return Aire(a) < Aire(b);
        return std::make_pair(-int64_t{a.Top}, a.Left) < std::make_pair(-int64_t{b.Top}, b.Left);
    };
    std::vector<MONRect> perdues;
    while (!feuille.libres.empty() && !Expire()) {
        const auto k = static_cast<std::size_t>(
            std::min_element(feuille.libres.begin(), feuille.libres.end(), avant) -
            feuille.libres.begin());
        const MONRect f = feuille.libres[k];
        // The heaviest piece that fits it, less the strips it leaves too narrow for any
        // piece when the rules count them.
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
    feuille.libres.insert(feuille.libres.end(), perdues.begin(), perdues.end());
}

int64_t RemplissageFeuille::Rangees(std::vector<int32_t> restes, const std::vector<Facon>& facons,
                                    int64_t largeur, int64_t longueur,
                                    std::vector<Rangee>* rangees) const {
    int64_t aire = 0;
    while (longueur > 0 && !Expire()) {
        const Facon* choisie = nullptr;
        int32_t nbChoisi = 0;
        double densite = 0.0;
        for (const Facon& f : facons) {
            if (restes[f.t] == 0 || f.travers > largeur || f.long_ > longueur)
                continue;
            const auto nb = static_cast<int32_t>(
                std::min<int64_t>(restes[f.t], (largeur + K_) / (f.travers + K_)));
            const double d = double(nb * f.aire) / double(f.long_ + K_);
            if (!choisie || d > densite) {
                choisie = &f;
                nbChoisi = nb;
                densite = d;
            }
        }
        if (!choisie)
            break;
        aire += nbChoisi * choisie->aire;
        restes[choisie->t] -= nbChoisi;
        longueur -= choisie->long_ + K_;
        if (rangees)
            rangees->push_back({choisie->t, choisie->tournee, nbChoisi});
    }
    return aire;
}

std::optional<RemplissageFeuille::Rangee>
RemplissageFeuille::Ouvrante(const MONRect& r, const std::vector<int32_t>& restes,
                             const std::vector<Facon>& facons, bool enLargeur,
                             Tirage& tirage) const {
    const int64_t travers = enLargeur ? Largeur(r) : Hauteur(r);
    const int64_t longueur = enLargeur ? Hauteur(r) : Largeur(r);
    // Only the heaviest few are tried: each try fills a whole strip.
    constexpr std::size_t Essayees = 24;
    std::vector<std::pair<double, const Facon*>> ouvrantes;
    for (const Facon& f : facons)
        if (restes[f.t] > 0 && f.travers <= travers && f.long_ <= longueur)
            ouvrantes.emplace_back(-tirage.Poids(f.t, double(f.aire)), &f);
    const auto fin =
        ouvrantes.begin() + static_cast<std::ptrdiff_t>(std::min(ouvrantes.size(), Essayees));
    std::partial_sort(ouvrantes.begin(), fin, ouvrantes.end());

    std::optional<Rangee> choisie;
    double meilleure = 0.0;
    std::vector<int32_t> apres = restes;
    for (auto it = ouvrantes.begin(); it != fin; ++it) {
        const Facon& f = *it->second;
        // The strip's filled share of the room it takes.
        --apres[f.t];
        const int64_t aire =
            f.aire + Rangees(apres, facons, f.travers, longueur - f.long_ - K_, nullptr);
        ++apres[f.t];
        const double part = double(aire) / double(f.travers * longueur) * tirage.Bruit();
        if (!choisie || part > meilleure) {
            choisie = Rangee{f.t, f.tournee, 1};
            meilleure = part;
        }
    }
    return choisie;
}

void RemplissageFeuille::PoserBandes(Feuille& feuille, std::vector<int32_t>& restes,
                                     const Regles& regles, Tirage& tirage) const {
    if (feuille.libres.size() != 1)
        return;
    const Panneau_p& plaque = depart_[feuille.modele];
    const bool enLargeur = regles.bandesEnLargeur;
    // Cutting across a strip is the other way from cutting the strip off.
    const bool coupeBande = enLargeur;
    const bool coupeRangee = !enLargeur;
    const std::vector<Facon> facons = Facons(restes, plaque, enLargeur);
    for (std::optional<std::size_t> reste = 0; reste && !Expire();) {
        const std::optional<Rangee> ouvrante =
            Ouvrante(feuille.libres[*reste], restes, facons, enLargeur, tirage);
        if (!ouvrante)
            return;
        --restes[ouvrante->t];
        const Decoupes d = Poser(feuille, *reste, ouvrante->t, ouvrante->tournee, coupeBande);
        const MONRect corps = enLargeur ? d.v1 : d.h2;
        const MONRect suite = enLargeur ? d.v2 : d.h1;
        const Sorte& s = sortes_[ouvrante->t];
        const int64_t largeur = enLargeur == ouvrante->tournee ? s.ey : s.ex;
        std::vector<Rangee> rangees;
        Rangees(restes, facons, largeur, enLargeur ? Hauteur(corps) : Largeur(corps), &rangees);
        // Each row: its first piece cuts across the strip, the others follow along the row.
        std::optional<std::size_t> k = Indice(feuille, corps);
        for (auto r = rangees.begin(); r != rangees.end() && k; ++r) {
            --restes[r->t];
            const Decoupes premiere = Poser(feuille, *k, r->t, r->tournee, coupeRangee);
            std::optional<std::size_t> j = Indice(feuille, enLargeur ? premiere.h2 : premiere.v1);
            for (int32_t n = 1; n < r->nb && j; ++n) {
                --restes[r->t];
                const Decoupes e = Poser(feuille, *j, r->t, r->tournee, coupeBande);
                j = Indice(feuille, enLargeur ? e.v2 : e.h1);
            }
            k = Indice(feuille, enLargeur ? premiere.h1 : premiere.v2);
        }
        reste = Indice(feuille, suite);
    }
}

void RemplissageFeuille::Poser(Feuille& feuille, std::size_t k, std::size_t t, bool tournee,
                               ChoixCoupe coupe) const {
    const Sorte& s = sortes_[t];
    const MONRect& f = feuille.libres[k];
    const int64_t lx = tournee ? s.ey : s.ex, ly = tournee ? s.ex : s.ey;
    const Decoupes d = DecoupesPossibles(f, lx, ly, K_);
    const int64_t resteX = Largeur(f) - lx, resteY = Hauteur(f) - ly;
    const int64_t grandeV = std::max(Aire(d.v1), Aire(d.v2));
    const int64_t grandeH = std::max(Aire(d.h1), Aire(d.h2));
    bool verticale = false;
    switch (coupe) {
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
    Garder(feuille, k, t, tournee, d, verticale);
}

Decoupes RemplissageFeuille::Poser(Feuille& feuille, std::size_t k, std::size_t t, bool tournee,
                                   bool verticale) const {
    const Sorte& s = sortes_[t];
    const Decoupes d =
        DecoupesPossibles(feuille.libres[k], tournee ? s.ey : s.ex, tournee ? s.ex : s.ey, K_);
    Garder(feuille, k, t, tournee, d, verticale);
    return d;
}

void RemplissageFeuille::Garder(Feuille& feuille, std::size_t k, std::size_t t, bool tournee,
                                const Decoupes& d, bool verticale) const {
    const MONRect f = feuille.libres[k];
    feuille.libres.erase(feuille.libres.begin() + static_cast<std::ptrdiff_t>(k));
    for (const MONRect& r : {verticale ? d.v1 : d.h1, verticale ? d.v2 : d.h2})
        if (Aire(r) > 0)
            feuille.libres.push_back(r);
    feuille.poses.push_back({t, f, tournee, verticale});
    feuille.aire += sortes_[t].AireHorsTout();
}

} // namespace tavelune
