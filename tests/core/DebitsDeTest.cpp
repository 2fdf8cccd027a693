#include "DebitsDeTest.h"

#include <random>

namespace tavelune::test {

namespace {

class Hasard {
public:
    explicit Hasard(uint32_t graine) : moteur_(graine) {}
    int32_t Entre(int32_t min, int32_t max) {
        return std::uniform_int_distribution<int32_t>(min, max)(moteur_);
    }

private:
    std::mt19937 moteur_;
};

} // namespace

Debit DebitAleatoire(uint32_t graine, const Tirage& tirage) {
    Hasard h(graine);
    Debit d;
    d.TypeDebit = tirage.complexe ? DebitComplexe : DebitSimple;
    d.MargesJob.MargeLongueur = tirage.marge;
    d.MargesJob.MargeLargeur = tirage.margesDifferenciees ? tirage.marge / 2 + 1 : tirage.marge;
    d.MargesJob.MargesDifferenciees = tirage.margesDifferenciees;
    d.MargesJob.EpaisseurSuperieure = tirage.epaisseurSuperieure;
    d.TraitScie = tirage.traitScie;
    const int32_t epaisseurs[] = {4, 6, 8};
    const int nbModeles = h.Entre(1, 3);
    for (int k = 0; k < nbModeles; ++k) {
        const int32_t ep = tirage.complexe ? epaisseurs[h.Entre(0, 2)] : 10;
        d.PanneauxSaisis.push_back(Plaque(h.Entre(1600, 3210), h.Entre(1600, 2250), h.Entre(0, 2),
                                          h.Entre(k == 0 ? 1 : 0, 2), ep,
                                          tirage.complexe ? h.Entre(0, 1) : 0));
    }
    for (int n = 0; n < tirage.nbPieces; ++n) {
        // Pieces take the thickness and type of some sheet, so that they can be cut.
        const Panneau_p& modele = d.PanneauxSaisis[h.Entre(0, nbModeles - 1)];
        int32_t ep = modele.Epaisseur;
        if (tirage.epaisseurSuperieure && h.Entre(0, 2) == 0)
            ep = 4;
        d.PiecesSaisies.push_back(Piece(h.Entre(40, 1500), h.Entre(40, 1000), h.Entre(0, 2),
                                        h.Entre(1, tirage.nbMaxCopies), n, ep, modele.Essence));
    }
    if (tirage.intrus) {
        const int n = static_cast<int>(d.PiecesSaisies.size());
        d.PiecesSaisies.push_back(Piece(5000, 100, Indifferent, 2, n));
        d.PiecesSaisies.push_back(Piece(0, 300, Indifferent, 2, n + 1));
        d.PiecesSaisies.push_back(Piece(300, 300, Indifferent, 2, n + 2, 10, 57));
    }
    return d;
}

} // namespace tavelune::test
