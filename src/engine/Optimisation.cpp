#include "engine/Optimisation.h"

#include "engine/GroupeEnCours.h"
#include "engine/Qualite.h"
#include "engine/Remplissage.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace tavelune {

namespace {

void AjouterCopies(std::vector<TPiece>& groupe, const TPiece& piece) {
    for (int32_t k = 0; k < piece.Nb; ++k)
        groupe.push_back(piece);
}

// The directions of the sheets: added sheets bring no new one.
class SensPresents {
public:
    explicit SensPresents(const std::vector<Panneau_p>& panneaux) {
        for (const Panneau_p& p : panneaux)
            if (!Contient(p.Sens))
                sens_.push_back(p.Sens);
    }
    bool Contient(int32_t sens) const {
        return std::find(sens_.begin(), sens_.end(), sens) != sens_.end();
    }

private:
    std::vector<int32_t> sens_;
};

// Counts out the free rectangles the placement took and counts in those it made. Both
// lists are in the order of ChuteAvant, kept by PlacerPiece.
template <typename Compter>
void Recompter(std::vector<MONRect> avant, const Panneau_p& panneau, const Compter& compter) {
    if (!std::is_sorted(avant.begin(), avant.end(), ChuteAvant))
        std::sort(avant.begin(), avant.end(), ChuteAvant);
    std::vector<MONRect> parties, venues;
    std::set_difference(avant.begin(), avant.end(), panneau.Chutes.begin(), panneau.Chutes.end(),
                        std::back_inserter(parties), ChuteAvant);
    std::set_difference(panneau.Chutes.begin(), panneau.Chutes.end(), avant.begin(), avant.end(),
                        std::back_inserter(venues), ChuteAvant);
    compter(parties, panneau.Sens, -1);
    compter(venues, panneau.Sens, 1);
}

} // namespace

Marges MargesPositives(Marges marges) {
    marges.MargeLongueur = std::max(marges.MargeLongueur, 0);
    marges.MargeLargeur = std::max(marges.MargeLargeur, 0);
    return marges;
}

void RegrouperPieces(Debit& debit) {
    debit.Groupes.clear();
    if (debit.PiecesSaisies.empty())
        return;
    if (debit.TypeDebit != DebitComplexe) {
        debit.Groupes.emplace_back();
        for (const TPiece& piece : debit.PiecesSaisies)
            AjouterCopies(debit.Groupes.back(), piece);
        return;
    }
    // All pieces of a non-empty group share its thickness and glass type, so the first
    // group holding a matching piece is the one recorded for that pair.
    std::map<std::pair<int32_t, int32_t>, std::size_t> groupeDe;
    for (const TPiece& piece : debit.PiecesSaisies) {
        const auto cle = std::make_pair(piece.Epaisseur, piece.Essence);
        const auto trouve = groupeDe.find(cle);
        if (trouve != groupeDe.end()) {
            AjouterCopies(debit.Groupes[trouve->second], piece);
            continue;
        }
        debit.Groupes.emplace_back();
        AjouterCopies(debit.Groupes.back(), piece);
        if (!debit.Groupes.back().empty())
            groupeDe.emplace(cle, debit.Groupes.size() - 1);
    }
}

void TrierGroupes(Debit& debit) {
    for (auto& groupe : debit.Groupes)
        std::stable_sort(groupe.begin(), groupe.end(), [](const TPiece& a, const TPiece& b) {
            return Aire(a.RectCoupe) > Aire(b.RectCoupe);
        });
}

void PreparerPanneaux(std::vector<Panneau_p>& panneaux) {
    for (Panneau_p& panneau : panneaux) {
        panneau.Chutes.clear();
        Reinitialiser(panneau);
        if (!PanneauUtilisable(panneau))
            panneau.Chutes.clear();
    }
    std::stable_sort(panneaux.begin(), panneaux.end(), [](const Panneau_p& a, const Panneau_p& b) {
        return Aire(a.Rect) < Aire(b.Rect);
    });
}

std::optional<std::size_t> ChoisirModele(std::span<const Panneau_p> panneaux, const TPiece& piece,
                                         const Marges& marges) {
    const bool memeSens = std::any_of(panneaux.begin(), panneaux.end(),
                                      [&](const Panneau_p& p) { return p.Sens == piece.Sens; });
    std::optional<std::size_t> choisi;
    for (std::size_t t = 0; t < panneaux.size(); ++t) {
        const Panneau_p& p = panneaux[t];
        if (!PanneauUtilisable(p) || !PanneauConvient(p, piece, marges) ||
            (memeSens && p.Sens != piece.Sens) || !PiecePasse(piece, p.Rect, marges, p.Sens))
            continue;
        if (!choisi || Aire(p.Rect) > Aire(panneaux[*choisi].Rect))
            choisi = t;
    }
    return choisi;
}

bool EcarterPanneau(const std::vector<Panneau_p>& panneaux, const TPiece& piece,
                    const Marges& marges, std::size_t j) {
    if (marges.EpaisseurSuperieure == 0 || j + 1 >= panneaux.size())
        return false;
    const int64_t e = int64_t{piece.Epaisseur} + marges.EcartEpaisseur;
    return std::any_of(panneaux.begin() + j + 1, panneaux.end(), [&](const Panneau_p& t) {
        return t.Epaisseur < panneaux[j].Epaisseur && t.Epaisseur >= e &&
               t.Essence == piece.Essence &&
               std::any_of(t.Chutes.begin(), t.Chutes.end(),
                           [&](const MONRect& r) { return PiecePasse(piece, r, marges, t.Sens); });
    });
}

std::vector<int32_t> Optimiser(std::vector<std::vector<TPiece>>& groupes,
                               std::vector<Panneau_p>& panneaux, const Marges& marges, int32_t K) {
    // Added sheets copy the first ones: those alone hold every possible model and
    // every direction present.
    const std::size_t nbModeles = panneaux.size();
    const auto modeles = [&] { return std::span<const Panneau_p>(panneaux).first(nbModeles); };
    const SensPresents sensPresents(panneaux);
    std::vector<Place> places;
    for (const Panneau_p& panneau : panneaux)
        places.push_back(PlaceLibre(panneau));

    std::vector<int32_t> nonPlacees;
    for (auto& pieces : groupes) {
        GroupeEnCours groupe(pieces, marges);
        std::size_t s = 0;
        while (!groupe.Vide()) {
            // The distinct free rectangles of the open sheets that some remaining piece may
            // still fill: a piece none of them may hold is not tried. Free rectangles only
            // shrink and the remaining pieces only go, so a useless one stays useless.
            std::map<Place, int64_t> comptes;
            std::vector<Place> libres;
            const auto compter = [&](const std::vector<MONRect>& chutes, int32_t sens, int delta) {
                for (const MONRect& r : chutes) {
                    const auto it = comptes.try_emplace(PlaceRect(r, sens), 0).first;
                    it->second += delta;
                    if (it->second == 0)
                        comptes.erase(it);
                }
            };
            const auto recenser = [&] {
                libres.clear();
                for (auto it = comptes.begin(); it != comptes.end();)
                    if (groupe.Utile(it->first))
                        libres.push_back((it++)->first);
                    else
                        it = comptes.erase(it);
            };
            for (std::size_t j = s; j < panneaux.size(); ++j)
                compter(panneaux[j].Chutes, panneaux[j].Sens, 1);
            recenser();
            // Placed pieces leave the group at once: nothing looks back at them.
            for (std::size_t i = groupe.PremiereQuiPeutTenir(0, libres);
                 i != GroupeEnCours::Aucune;) {
                TPiece& piece = groupe[i];
                const bool memeSens = sensPresents.Contient(piece.Sens);
                groupe.PlacerEn(i);
                bool placee = false;
                bool ecartee = false;
                for (std::size_t j = s; j < panneaux.size() && !placee; ++j) {
                    if (!places[j].PeutTenir(groupe.MesureDe(i)) ||
                        (memeSens && panneaux[j].Sens != piece.Sens))
                        continue;
                    if (EcarterPanneau(panneaux, piece, marges, j)) {
                        ecartee = true;
                        continue;
                    }
                    std::vector<MONRect> avant = panneaux[j].Chutes;
                    if (PlacerPiece(panneaux[j], piece, groupe, marges, K)) {
                        placee = true;
                        groupe.Retirer(i);
                        places[j] = PlaceLibre(panneaux[j]);
                        Recompter(std::move(avant), panneaux[j], compter);
                        recenser();
                    }
                }
                // The sheets only lose room, so the identical copies that follow a copy
                // that found none find none either; unless a sheet was passed over for a
                // thinner one, which may fill up meanwhile.
                const std::size_t suivante = placee || ecartee ? i + 1 : groupe.FinDeSerie(i);
                i = groupe.PremiereQuiPeutTenir(suivante, libres);
            }
            // A piece that no sheet model can take would be offered new sheets forever.
            std::optional<std::size_t> m;
            for (std::size_t k = groupe.Premiere(); k != GroupeEnCours::Aucune && !m;
                 k = groupe.Premiere()) {
                m = ChoisirModele(modeles(), groupe[k], marges);
                if (!m) {
                    nonPlacees.push_back(groupe[k].Numero);
                    groupe.Retirer(k);
                }
            }
            if (!m)
                break;
            s = panneaux.size();
            panneaux.push_back(CopierNeuf(panneaux[*m]));
            places.push_back(PlaceLibre(panneaux.back()));
        }
        pieces.clear();
    }
    return nonPlacees;
}

std::vector<Panneau_p> PanneauxDeDepart(const Debit& debit) {
    std::vector<Panneau_p> panneaux;
    for (const Panneau_p& modele : debit.PanneauxSaisis)
        for (int32_t k = 0; k < modele.Nb; ++k)
            panneaux.push_back(CopierNeuf(modele));
    PreparerPanneaux(panneaux);
    return panneaux;
}

void Optimisation(Debit& debit) {
    debit.Panneaux = PanneauxDeDepart(debit);
    RegrouperPieces(debit);
    TrierGroupes(debit);
    debit.NonPlacees = Optimiser(debit.Groupes, debit.Panneaux, MargesPositives(debit.MargesJob),
                                 std::max(debit.TraitScie, 0));
}

void Optimisation(Debit& debit, const ChoixOptimisation& choix, const std::atomic<bool>* arret) {
    if (choix.Mode == ModeOptimisation::Qualite)
        OptimisationQualite(debit, std::chrono::duration<double>(choix.Budget), arret);
    else
        Optimisation(debit);
}

} // namespace tavelune
