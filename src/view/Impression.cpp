#include "view/Impression.h"

#include "strings/Texte.h"
#include "view/Fiche.h"
#include "view/Plan.h"
#include "view/Recapitulatif.h"

#include <cstdlib>

namespace tavelune {

namespace {

constexpr int32_t PolicePlan = 5;
constexpr int32_t PoliceTableau = 10;

// A plan page in the 0.1 mm frame: its size and the size-5 font's metrics.
struct PagePlan {
    int32_t A;
    int32_t B;
    int32_t h;
    int32_t cw;
};

PagePlan PreparerPagePlan(Imprimante& imprimante) {
    Canvas& c = imprimante.Canevas();
    c.ModeDixiemes();
    c.TaillePolice(PolicePlan);
    return {std::abs(c.EnDixiemes(imprimante.HauteurPage())),
            std::abs(c.EnDixiemes(imprimante.LargeurPage())), c.HauteurTexte(), c.LargeurMoyenne()};
}

// Right-aligned on the printable area's right edge, h + 5 below its top.
void DessinerTexteEchelle(Canvas& c, const PagePlan& page, const std::string& texte) {
    c.Texte({page.B - static_cast<int32_t>(NombreCaracteres(texte)) * page.cw, -page.h - 5}, texte);
}

bool Terminer(Imprimante& imprimante) {
    imprimante.Canevas().ModePixels();
    return imprimante.FinDocument();
}

} // namespace

bool ImprimerPanneaux(Imprimante& imprimante, const Debit& debit,
                      const std::vector<std::string>& essences, const ReglagesDessin& reglages) {
    if (debit.Panneaux.empty())
        return true;
    imprimante.DefinirOrientation(Orientation::Paysage);
    if (!imprimante.DebutDocument())
        return false;
    Canvas& c = imprimante.Canevas();
    const PagePlan page = PreparerPagePlan(imprimante);
    const auto s = CalculerEchelle(page.A, page.B, (4 * page.h + 290) / 2, debit.Panneaux);
    if (s) {
        const TextesJob textes{essences, debit.Designations, debit.References};
        const Plan plan{c,       {100, -page.A + 100}, *s, debit.TypeDebit + VuePanneau, textes,
                        reglages};
        const std::string echelle = TexteEchelle(reglages.Mots.Echelle, *s);
        for (std::size_t i = 0; i < debit.Panneaux.size(); ++i) {
            if (i > 0)
                imprimante.NouvellePage();
            // A sheet may leave the small font selected; every page starts at size 5.
            c.TaillePolice(PolicePlan);
            DessinerTexteEchelle(c, page, echelle);
            DessinerPanneau(plan, debit.Panneaux[i]);
        }
    }
    return Terminer(imprimante);
}

bool ImprimerPieces(Imprimante& imprimante, const Debit& debit,
                    const std::vector<std::string>& essences, const ReglagesDessin& reglages,
                    Commande commande) {
    if (debit.PiecesSaisies.empty())
        return true;
    imprimante.DefinirOrientation(Orientation::Portrait);
    if (!imprimante.DebutDocument())
        return false;
    Canvas& c = imprimante.Canevas();
    const PagePlan page = PreparerPagePlan(imprimante);
    const int32_t lignesEntete = commande == Commande::Menu ? 5 : 8;
    const auto s =
        CalculerEchelle(page.A / 2, page.B, (lignesEntete * page.h + 310) / 2, debit.PiecesSaisies);
    if (s) {
        const TextesJob textes{essences, debit.Designations, debit.References};
        const std::string echelle = TexteEchelle(reglages.Mots.Echelle, *s);
        const Point haut{100, -page.A / 2 + 100};
        const Point bas{100, -page.A + 100};
        for (std::size_t i = 0; i < debit.PiecesSaisies.size(); ++i) {
            const bool enHaut = i % 2 == 0;
            if (enHaut && i > 0)
                imprimante.NouvellePage();
            const TPiece& piece = debit.PiecesSaisies[i];
            DessinerTexteEchelle(c, page, echelle);
            const std::string reference = commande == Commande::Menu
                                              ? LettresPiece(piece.Numero)
                                              : TexteEntree(debit.References, piece.Numero);
            const Plan plan{c,       enHaut ? haut : bas, *s, debit.TypeDebit + VuePiece, textes,
                            reglages};
            DessinerCadre(plan, piece, reference);
        }
    }
    return Terminer(imprimante);
}

bool ImprimerFiche(Imprimante& imprimante, const Debit& debit,
                   const std::vector<std::string>& essences, const ReglagesDessin& reglages,
                   Commande commande, int32_t reserve) {
    imprimante.DefinirOrientation(Orientation::Portrait);
    if (!imprimante.DebutDocument())
        return false;
    Canvas& c = imprimante.Canevas();
    c.ModePixels();
    c.TaillePolice(PoliceTableau);
    c.Gras(false);
    MiseEnPageFiche mise;
    mise.Largeur = imprimante.LargeurPage();
    mise.Hauteur = imprimante.HauteurPage();
    mise.Haut = 1;
    mise.h = c.HauteurTexte();
    mise.cw = c.LargeurMoyenne();
    mise.EnteteDesignation =
        commande == Commande::Menu ? std::string("Designation") : reglages.Mots.Designation;
    mise.LettresPourReference = commande == Commande::Menu;

    std::vector<PAGE> pages;
    PaginerFiche(debit.PiecesSaisies, pages,
                 (imprimante.HauteurPage() - reserve) / (std::abs(mise.h) + 3));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            imprimante.NouvellePage();
        DessinerPageFiche(c, mise, pages[i], debit, essences, reglages);
    }
    return imprimante.FinDocument();
}

bool ImprimerRecapitulatif(Imprimante& imprimante, const std::vector<METRAGE>& metrages,
                           const ReglagesDessin& reglages) {
    if (!imprimante.DebutDocument())
        return false;
    Canvas& c = imprimante.Canevas();
    c.ModePixels();
    c.TaillePolice(PoliceTableau);
    c.Gras(false);
    const int32_t h = c.HauteurTexte();
    const int32_t cw = c.LargeurMoyenne();
    const int32_t largeur = imprimante.LargeurPage();
    const std::string& titre = reglages.Mots.TitreRecapitulatif;
    c.Texte({(largeur - static_cast<int32_t>(NombreCaracteres(titre)) * cw) / 2, 2}, titre);
    c.Gras(true);
    const int32_t q = (largeur - 16) / 2;
    c.Ligne({q, 2 * h + 18}, {q, imprimante.HauteurPage()});
    DessinerLignesRecapitulatif(c, metrages, 2 * h + 18, largeur, h, cw, reglages);
    return imprimante.FinDocument();
}

} // namespace tavelune
