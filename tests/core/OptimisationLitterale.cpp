#include "OptimisationLitterale.h"

#include "engine/Remplissage.h"

#include <algorithm>

namespace tavelune::test {

namespace {

bool SensPresent(const std::vector<Panneau_p>& panneaux, int32_t sens) {
    for (const Panneau_p& p : panneaux)
        if (p.Sens == sens)
            return true;
    return false;
}

void Regrouper(Debit& debit) {
    debit.Groupes.clear();
    if (debit.PiecesSaisies.empty())
        return;
    if (debit.TypeDebit != DebitComplexe)
        debit.Groupes.emplace_back();
    for (const TPiece& p : debit.PiecesSaisies) {
        std::vector<TPiece>* groupe = nullptr;
        if (debit.TypeDebit != DebitComplexe)
            groupe = &debit.Groupes.front();
        for (auto& g : debit.Groupes)
            for (const TPiece& q : g)
                if (!groupe && q.Essence == p.Essence && q.Epaisseur == p.Epaisseur)
                    groupe = &g;
        if (!groupe)
            groupe = &debit.Groupes.emplace_back();
        for (int32_t k = 0; k < p.Nb; ++k)
            groupe->push_back(p);
    }
}

int ChoisirModele(const std::vector<Panneau_p>& panneaux, const TPiece& piece,
                  const Marges& marges) {
    const bool memeSens = SensPresent(panneaux, piece.Sens);
    int choisi = -1;
    for (std::size_t t = 0; t < panneaux.size(); ++t) {
        const Panneau_p& p = panneaux[t];
        if (p.Rect.Right <= p.Rect.Left || p.Rect.Top <= p.Rect.Bottom)
            continue;
        if (!PanneauConvient(p, piece, marges) || (memeSens && p.Sens != piece.Sens))
            continue;
        if (!PiecePasse(piece, p.Rect, marges, p.Sens))
            continue;
        if (choisi < 0 || p.Surface > panneaux[choisi].Surface)
            choisi = static_cast<int>(t);
    }
    return choisi;
}

bool Ecarter(const std::vector<Panneau_p>& panneaux, const TPiece& piece, const Marges& marges,
             std::size_t j) {
    if (!marges.EpaisseurSuperieure || j == panneaux.size() - 1)
        return false;
    const int32_t e = piece.Epaisseur + marges.EcartEpaisseur;
    for (std::size_t t = j + 1; t < panneaux.size(); ++t) {
        const Panneau_p& p = panneaux[t];
        if (p.Epaisseur < panneaux[j].Epaisseur && p.Epaisseur >= e && p.Essence == piece.Essence)
            for (const MONRect& r : p.Chutes)
                if (PiecePasse(piece, r, marges, p.Sens))
                    return true;
    }
    return false;
}

std::vector<int32_t> Optimiser(std::vector<std::vector<TPiece>>& groupes,
                               std::vector<Panneau_p>& panneaux, const Marges& marges, int32_t K) {
    std::vector<int32_t> nonPlacees;
    for (auto& groupe : groupes) {
        std::size_t s = 0;
        while (!groupe.empty()) {
            std::vector<int32_t> places;
            for (std::size_t i = 0; i < groupe.size(); ++i) {
                TPiece& piece = groupe[i];
                const bool memeSens = SensPresent(panneaux, piece.Sens);
                for (std::size_t j = s; j < panneaux.size(); ++j) {
                    if (Ecarter(panneaux, piece, marges, j))
                        continue;
                    if (memeSens && panneaux[j].Sens != piece.Sens)
                        continue;
                    if (PlacerPiece(panneaux[j], piece, groupe, i, marges, K)) {
                        places.push_back(piece.Numero);
                        break;
                    }
                }
            }
            for (int32_t numero : places)
                for (auto it = groupe.begin(); it != groupe.end(); ++it)
                    if (it->Numero == numero) {
                        groupe.erase(it);
                        break;
                    }
            while (!groupe.empty() && ChoisirModele(panneaux, groupe.front(), marges) < 0) {
                nonPlacees.push_back(groupe.front().Numero);
                groupe.erase(groupe.begin());
            }
            if (!groupe.empty()) {
                s = panneaux.size();
                const int m = ChoisirModele(panneaux, groupe.front(), marges);
                panneaux.push_back(CopierNeuf(panneaux[m]));
            }
        }
    }
    return nonPlacees;
}

} // namespace

void OptimisationLitterale(Debit& debit) {
    debit.Panneaux.clear();
    for (const Panneau_p& modele : debit.PanneauxSaisis)
        for (int32_t k = 0; k < modele.Nb; ++k)
            debit.Panneaux.push_back(CopierNeuf(modele));
    Regrouper(debit);
    for (auto& groupe : debit.Groupes)
        std::stable_sort(groupe.begin(), groupe.end(), [](const TPiece& a, const TPiece& b) {
            return Aire(a.RectCoupe) > Aire(b.RectCoupe);
        });
    for (Panneau_p& p : debit.Panneaux) {
        p.Chutes.clear();
        Reinitialiser(p);
        if (p.Rect.Right <= p.Rect.Left || p.Rect.Top <= p.Rect.Bottom)
            p.Chutes.clear();
    }
    std::stable_sort(
        debit.Panneaux.begin(), debit.Panneaux.end(),
        [](const Panneau_p& a, const Panneau_p& b) { return Aire(a.Rect) < Aire(b.Rect); });
    Marges marges = debit.MargesJob;
    marges.MargeLongueur = std::max(marges.MargeLongueur, 0);
    marges.MargeLargeur = std::max(marges.MargeLargeur, 0);
    debit.NonPlacees =
        Optimiser(debit.Groupes, debit.Panneaux, marges, std::max(debit.TraitScie, 0));
}

} // namespace tavelune::test
