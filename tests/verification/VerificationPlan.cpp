#include "VerificationPlan.h"

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>

namespace tavelune::test {

namespace {

struct Boite {
    int64_t x0, y0, x1, y1;
};

Boite EnBoite(const MONRect& r) {
    return {r.Left, r.Bottom, r.Right, r.Top};
}

bool Correcte(const Boite& b) {
    return b.x0 <= b.x1 && b.y0 <= b.y1;
}

bool Dedans(const Boite& a, const Boite& b) {
    return Correcte(a) && b.x0 <= a.x0 && a.x1 <= b.x1 && b.y0 <= a.y0 && a.y1 <= b.y1;
}

bool SeChevauchent(const Boite& a, const Boite& b) {
    return std::max(a.x0, b.x0) < std::min(a.x1, b.x1) &&
           std::max(a.y0, b.y0) < std::min(a.y1, b.y1);
}

std::string Texte(const MONRect& r) {
    std::ostringstream s;
    s << '{' << r.Left << ',' << r.Top << ',' << r.Right << ',' << r.Bottom << '}';
    return s.str();
}

// Whether the boxes can be parted by a sequence of edge-to-edge cuts, each leaving
// at least `trait` between the boxes on either side. Any cut that parts them will do:
// the boxes on each side of a sound sequence's cuts stay parted after another cut. The
// cut nearest the middle keeps the recursion shallow.
bool Guillotine(std::vector<Boite> boites, int64_t trait) {
    if (boites.size() < 2)
        return true;
    for (const bool enX : {true, false}) {
        const auto debut = [&](const Boite& b) { return enX ? b.x0 : b.y0; };
        const auto fin = [&](const Boite& b) { return enX ? b.x1 : b.y1; };
        std::sort(boites.begin(), boites.end(),
                  [&](const Boite& a, const Boite& b) { return debut(a) < debut(b); });
        std::optional<std::size_t> coupe;
        int64_t finMax = INT64_MIN;
        const std::size_t milieu = boites.size() / 2;
        for (std::size_t k = 0; k + 1 < boites.size(); ++k) {
            finMax = std::max(finMax, fin(boites[k]));
            const bool possible = finMax + trait <= debut(boites[k + 1]);
            const auto ecart = [&](std::size_t i) { return i > milieu ? i - milieu : milieu - i; };
            if (possible && (!coupe || ecart(k + 1) < ecart(*coupe)))
                coupe = k + 1;
        }
        if (coupe) {
            const auto m = boites.begin() + static_cast<std::ptrdiff_t>(*coupe);
            return Guillotine({boites.begin(), m}, trait) && Guillotine({m, boites.end()}, trait);
        }
    }
    return false;
}

using Identite = std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t, int32_t>;

Identite IdentiteDe(const TPiece& p) {
    return {p.Numero, p.Longueur, p.Largeur, p.Epaisseur, p.Essence, p.Sens};
}

class Verificateur {
public:
    explicit Verificateur(const Debit& debit) : debit_(debit) {
        ml_ = std::max<int64_t>(debit.MargesJob.MargeLongueur, 0);
        mL_ = std::max<int64_t>(debit.MargesJob.MargeLargeur, 0);
    }

    std::vector<std::string> Verifier() {
        for (std::size_t k = 0; k < debit_.Panneaux.size(); ++k)
            VerifierPanneau(k, debit_.Panneaux[k]);
        VerifierComptes();
        return fautes_;
    }

private:
    void Faute(std::size_t k, const std::string& quoi) {
        std::ostringstream s;
        s << "plaque " << k << ": " << quoi;
        fautes_.push_back(s.str());
    }

    void VerifierPanneau(std::size_t k, const Panneau_p& panneau) {
        const Boite plaque{0, 0, panneau.Longueur, panneau.Largeur};
        std::vector<Boite> occupe;
        for (const MONRect& c : panneau.Chutes) {
            const Boite b = EnBoite(c);
            if (!Dedans(b, plaque) || b.x0 == b.x1 || b.y0 == b.y1)
                Faute(k, "chute " + Texte(c) + " vide ou hors de la plaque");
            occupe.push_back(b);
        }
        for (const TPiece& piece : panneau.Pieces) {
            VerifierPiece(k, panneau, piece, plaque);
            occupe.push_back(EnBoite(piece.RectHorsTout));
            ++placees_[IdentiteDe(piece)];
            ++parNumero_[piece.Numero];
        }
        std::vector<Boite> pieces(occupe.end() - static_cast<std::ptrdiff_t>(panneau.Pieces.size()),
                                  occupe.end());
        if (!Guillotine(std::move(pieces), std::max<int64_t>(debit_.TraitScie, 0)))
            Faute(k, "pas de suite de coupes de bout en bout laissant le trait de scie");
        for (std::size_t a = 0; a < occupe.size(); ++a)
            for (std::size_t b = a + 1; b < occupe.size(); ++b)
                if (SeChevauchent(occupe[a], occupe[b]))
                    Faute(k, "chevauchement entre les rectangles " + std::to_string(a) + " et " +
                                 std::to_string(b));
        if (panneau.LineaireDecoupe < 0)
            Faute(k, "longueur de coupe negative");
    }

    void VerifierPiece(std::size_t k, const Panneau_p& panneau, const TPiece& piece,
                       const Boite& plaque) {
        const std::string nom = "piece " + std::to_string(piece.Numero) + " " +
                                Texte(piece.RectCoupe) + " " + Texte(piece.RectHorsTout);
        const Boite coupe = EnBoite(piece.RectCoupe);
        const Boite horsTout = EnBoite(piece.RectHorsTout);
        if (!Dedans(horsTout, plaque) || !Dedans(coupe, plaque) || !Dedans(coupe, horsTout))
            Faute(k, nom + " deborde");
        // A square piece, or equal margins, may read both ways: either reading will do.
        const auto pose = [&](int64_t lx, int64_t ly, int64_t mx, int64_t my) {
            return coupe.x1 - coupe.x0 == lx && coupe.y1 - coupe.y0 == ly &&
                   coupe.x0 - horsTout.x0 == mx && horsTout.x1 - coupe.x1 == mx &&
                   horsTout.y1 - coupe.y1 == my && coupe.y0 - horsTout.y0 == my;
        };
        const bool droite = pose(piece.Longueur, piece.Largeur, ml_, mL_);
        const bool tournee = pose(piece.Largeur, piece.Longueur, mL_, ml_);
        if (piece.Longueur <= 0 || piece.Largeur <= 0 || (!droite && !tournee))
            Faute(k, nom + " n'a pas ses dimensions et ses marges");
        const auto fixe = [](int32_t s) { return s == Horizontal || s == Vertical; };
        if (fixe(piece.Sens) && fixe(panneau.Sens) &&
            !(piece.Sens == panneau.Sens ? droite : tournee))
            Faute(k, nom + " contre le sens des motifs");
        const int64_t e = int64_t{piece.Epaisseur} + debit_.MargesJob.EcartEpaisseur;
        const bool epaisseur = panneau.Epaisseur == e ||
                               (debit_.MargesJob.EpaisseurSuperieure && panneau.Epaisseur >= e);
        if (!epaisseur || panneau.Essence != piece.Essence)
            Faute(k, nom + " sur une plaque d'une autre epaisseur ou essence");
    }

    void VerifierComptes() {
        std::map<Identite, int64_t> voulues;
        std::map<int32_t, int64_t> vouluesParNumero;
        for (const TPiece& p : debit_.PiecesSaisies) {
            voulues[IdentiteDe(p)] += std::max(p.Nb, 0);
            vouluesParNumero[p.Numero] += std::max(p.Nb, 0);
        }
        for (const auto& [identite, n] : placees_)
            if (n > voulues[identite])
                fautes_.push_back("piece " + std::to_string(std::get<0>(identite)) +
                                  " placee trop souvent");
        for (int32_t numero : debit_.NonPlacees)
            ++parNumero_[numero];
        for (const auto& [numero, n] : vouluesParNumero)
            if (parNumero_[numero] != n)
                fautes_.push_back("piece " + std::to_string(numero) + ": " +
                                  std::to_string(parNumero_[numero]) + " copies au lieu de " +
                                  std::to_string(n));
        for (const auto& [numero, n] : parNumero_)
            if (!vouluesParNumero.count(numero))
                fautes_.push_back("piece inconnue " + std::to_string(numero));
    }

    const Debit& debit_;
    int64_t ml_;
    int64_t mL_;
    std::map<Identite, int64_t> placees_;
    std::map<int32_t, int64_t> parNumero_;
    std::vector<std::string> fautes_;
};

} // namespace

std::vector<std::string> VerifierPlan(const Debit& debit) {
    return Verificateur(debit).Verifier();
}

} // namespace tavelune::test
