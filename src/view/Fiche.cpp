#include "view/Fiche.h"

#include "strings/Texte.h"

#include <algorithm>
#include <array>

namespace tavelune {

int32_t PaginerFiche(const std::vector<TPiece>& pieces, std::vector<PAGE>& pages, int32_t lignes) {
    // The end tests compare as unsigned: r = 0 puts everything on one page, n = 0 gives (0, -1).
    const auto n = static_cast<int32_t>(pieces.size());
    const auto nonSigne = [](int32_t v) { return static_cast<uint32_t>(v); };
    pages.clear();
    PAGE page{0, nonSigne(lignes - 1) < nonSigne(n) ? lignes - 1 : n - 1};
    for (;;) {
        pages.push_back(page);
        if (nonSigne(page.Dernier) >= nonSigne(n - 1))
            return n - 1;
        const int32_t premier = page.Dernier + 1;
        page = {premier, page.Dernier + lignes < n ? page.Dernier + lignes : n - 1};
    }
}

void DessinerPageFiche(Canvas& c, const MiseEnPageFiche& mise, const PAGE& page, const Debit& debit,
                       const std::vector<std::string>& essences, const ReglagesDessin& reglages) {
    const MotsDessin& mots = reglages.Mots;
    const int32_t o = 4 * mise.cw;
    const auto colonne = [&](int32_t k) { return o + (k * (mise.Largeur - o)) / 6; };
    const int32_t coupe = std::max(0, (mise.Largeur - o) / 6 / std::max(mise.cw, 1) - 1);

    c.Ligne({o, 0}, {o, mise.Hauteur});
    for (int32_t i = 1; i <= 6; ++i)
        c.Ligne({colonne(i), 0}, {colonne(i), mise.Hauteur});

    c.Gras(true);
    c.Texte({1, mise.Haut}, PremiersCaracteres(mots.Reference, 3));
    c.Texte({o + 1, mise.Haut}, mise.EnteteDesignation);
    const std::array<const std::string*, 5> entetes = {&mots.Nombre, &mots.Longueur, &mots.Largeur,
                                                       &mots.Epaisseur, &mots.Vitrage};
    for (int32_t k = 1; k <= 5; ++k)
        c.Texte({colonne(k) + 1, mise.Haut}, *entetes[static_cast<std::size_t>(k - 1)]);
    c.Gras(false);

    int32_t ligne = mise.Haut + mise.h + 2;
    c.Ligne({0, ligne}, {mise.Largeur, ligne});
    const bool complexe = debit.TypeDebit == DebitComplexe;
    const auto n = static_cast<int32_t>(debit.PiecesSaisies.size());
    for (int32_t i = std::max(page.Premier, 0); i <= page.Dernier && i < n; ++i) {
        const TPiece& p = debit.PiecesSaisies[static_cast<std::size_t>(i)];
        const int32_t y = ligne + 2;
        c.Texte({2, y}, mise.LettresPourReference ? LettresPiece(p.Numero)
                                                  : TexteEntree(debit.References, p.Numero));
        c.Texte({o + 1, y}, PremiersCaracteres(TexteEntree(debit.Designations, i),
                                               static_cast<std::size_t>(coupe)));
        const std::string* essence = Entree(essences, p.Essence);
        const std::array<std::string, 5> cellules = {
            std::to_string(p.Nb), TexteLongueur(reglages, p.Longueur),
            TexteLongueur(reglages, p.Largeur),
            complexe ? TexteLongueur(reglages, p.Epaisseur) : mots.NonSpecifie,
            complexe && essence ? *essence : mots.NonSpecifie};
        for (int32_t k = 1; k <= 5; ++k)
            c.Texte({colonne(k) + 1, y}, cellules[static_cast<std::size_t>(k - 1)]);
        ligne += mise.h + 3;
        c.Ligne({0, ligne}, {mise.Largeur, ligne});
    }
}

} // namespace tavelune
