#include "cli/Commandes.h"
#include "cli/Contexte.h"
#include "cli/Json.h"
#include "documents/FichierDebit.h"
#include "documents/FichiersReglages.h"
#include "strings/Nombres.h"

#include <algorithm>

namespace tavelune {

namespace {

constexpr char Separateur = ',';

void RectJson(EcrivainJson& j, const MONRect& r) {
    j.DebutListe();
    for (int32_t v : {r.Left, r.Top, r.Right, r.Bottom})
        j.Nombre(v);
    j.FinListe();
}

void DimensionsJson(EcrivainJson& j, const TPanneau& p) {
    j.Champ("Longueur", p.Longueur);
    j.Champ("Largeur", p.Largeur);
    j.Champ("Epaisseur", p.Epaisseur);
    j.Champ("Essence", p.Essence);
    j.Champ("Sens", p.Sens);
}

void MargesJson(EcrivainJson& j, const Marges& m) {
    j.Cle("MargesJob");
    j.DebutObjet();
    j.Champ("MargeLongueur", m.MargeLongueur);
    j.Champ("MargeLargeur", m.MargeLargeur);
    j.Champ("EcartEpaisseur", m.EcartEpaisseur);
    j.Champ("MargesDifferenciees", m.MargesDifferenciees);
    j.Champ("EpaisseurSuperieure", m.EpaisseurSuperieure);
    j.FinObjet();
}

void PanneauxSaisisJson(EcrivainJson& j, const std::vector<Panneau_p>& panneaux) {
    j.Cle("PanneauxSaisis");
    j.DebutListe();
    for (const auto& p : panneaux) {
        j.DebutObjet();
        DimensionsJson(j, p);
        j.Champ("Nb", p.Nb);
        j.FinObjet();
    }
    j.FinListe();
}

void PiecesSaisiesJson(EcrivainJson& j, const Debit& debit) {
    j.Cle("PiecesSaisies");
    j.DebutListe();
    for (std::size_t i = 0; i < debit.PiecesSaisies.size(); ++i) {
        const TPiece& p = debit.PiecesSaisies[i];
        const auto position = static_cast<int32_t>(i);
        j.DebutObjet();
        j.Champ("Numero", p.Numero);
        j.Champ("Longueur", p.Longueur);
        j.Champ("Largeur", p.Largeur);
        j.Champ("Epaisseur", p.Epaisseur);
        j.Champ("Essence", p.Essence);
        j.Champ("Sens", p.Sens);
        j.Champ("Nb", p.Nb);
        j.Champ("IndexDesignation", p.IndexDesignation);
        j.Champ("Designation", TexteEntree(debit.Designations, position));
        j.Champ("Reference", TexteEntree(debit.References, position));
        j.FinObjet();
    }
    j.FinListe();
}

void PanneauxJson(EcrivainJson& j, const std::vector<Panneau_p>& panneaux) {
    j.Cle("Panneaux");
    j.DebutListe();
    for (const auto& p : panneaux) {
        j.DebutObjet();
        DimensionsJson(j, p);
        j.Champ("Surface", p.Surface);
        j.Champ("LineaireDecoupe", p.LineaireDecoupe);
        j.Cle("Chutes");
        j.DebutListe();
        for (const auto& c : p.Chutes)
            RectJson(j, c);
        j.FinListe();
        j.Cle("Pieces");
        j.DebutListe();
        for (const auto& piece : p.Pieces) {
            j.DebutObjet();
            j.Champ("Numero", piece.Numero);
            j.Cle("RectCoupe");
            RectJson(j, piece.RectCoupe);
            j.Cle("RectHorsTout");
            RectJson(j, piece.RectHorsTout);
            j.FinObjet();
        }
        j.FinListe();
        j.FinObjet();
    }
    j.FinListe();
}

void MetragesJson(EcrivainJson& j, const std::vector<METRAGE>& metrages) {
    j.Cle("Metrages");
    j.DebutListe();
    for (const auto& m : metrages) {
        j.DebutObjet();
        j.Champ("Libelle", m.Libelle);
        j.Champ("NbPanneaux", m.NbPanneaux);
        j.ChampReel("SurfacePanneaux", m.SurfacePanneaux);
        j.ChampReel("SurfacePieces", m.SurfacePieces);
        j.ChampReel("LineaireTotal", m.LineaireTotal);
        j.ChampReel("SurfaceChutes", m.SurfaceChutes);
        j.ChampReel("TauxChutes", m.TauxChutes);
        j.FinObjet();
    }
    j.FinListe();
}

// How the plan was computed: the settings file's choice or the flags'.
void OptimisationJson(EcrivainJson& j, const ChoixOptimisation& choix) {
    j.Cle("Optimisation");
    j.DebutObjet();
    j.Champ("Mode", NomMode(choix.Mode));
    j.ChampReel("Budget", choix.Budget);
    j.FinObjet();
}

// The whole plan as one JSON document.
void EcrirePlanJson(std::ostream& sortie, const Debit& debit, const ChoixOptimisation& choix) {
    EcrivainJson j(sortie);
    j.DebutObjet();
    j.Champ("TypeDebit", debit.TypeDebit);
    j.Champ("TraitScie", debit.TraitScie);
    OptimisationJson(j, choix);
    MargesJson(j, debit.MargesJob);
    PanneauxSaisisJson(j, debit.PanneauxSaisis);
    PiecesSaisiesJson(j, debit);
    PanneauxJson(j, debit.Panneaux);
    j.Cle("NonPlacees");
    j.DebutListe();
    for (int32_t numero : debit.NonPlacees)
        j.Nombre(numero);
    j.FinListe();
    MetragesJson(j, debit.Metrages);
    j.FinObjet();
    sortie << '\n';
}

std::string Cote(int64_t mm) {
    return TexteCote(static_cast<double>(mm), Separateur);
}

std::string TexteRect(const MONRect& r) {
    return "[" + Cote(r.Left) + ", " + Cote(r.Top) + ", " + Cote(r.Right) + ", " + Cote(r.Bottom) +
           "]";
}

std::string_view NomSens(int32_t sens) {
    switch (sens) {
    case Horizontal:
        return "Horizontal";
    case Vertical:
        return "Vertical";
    default:
        return "Indifférent";
    }
}

// "a  Porte vitrée": the reference and designation of a piece, found by its designation index.
std::string NomPiece(const Debit& debit, int32_t indexDesignation, int32_t numero) {
    std::string nom = TexteEntree(debit.References, indexDesignation);
    const std::string designation = TexteEntree(debit.Designations, indexDesignation);
    if (!designation.empty())
        nom += (nom.empty() ? "" : "  ") + designation;
    return nom.empty() ? "vitrage " + std::to_string(numero) : nom;
}

std::string NomPiece(const Debit& debit, const TPiece& piece) {
    return NomPiece(debit, piece.IndexDesignation, piece.Numero);
}

// An unplaced copy is known by its number only.
std::string NomNonPlacee(const Debit& debit, int32_t numero) {
    const auto& pieces = debit.PiecesSaisies;
    const auto p = std::find_if(pieces.begin(), pieces.end(),
                                [numero](const TPiece& p) { return p.Numero == numero; });
    return NomPiece(debit, p == pieces.end() ? -1 : p->IndexDesignation, numero);
}

// The glass type by its name in the list of the current directory, else by its number.
std::string NomVerre(const std::vector<std::string>& essences, int32_t essence) {
    const std::string nom = TexteEntree(essences, essence);
    return nom.empty() ? "verre " + std::to_string(essence) : "verre " + nom;
}

void EcrirePanneauTexte(std::ostream& sortie, const Debit& debit,
                        const std::vector<std::string>& essences, std::size_t i) {
    const Panneau_p& p = debit.Panneaux[i];
    sortie << "\nPlaque " << i + 1 << " sur " << debit.Panneaux.size() << " : " << Cote(p.Longueur)
           << " x " << Cote(p.Largeur) << " mm, épaisseur " << Cote(p.Epaisseur) << " mm, "
           << NomVerre(essences, p.Essence) << ", sens " << NomSens(p.Sens) << '\n';
    sortie << "  Vitrages :" << (p.Pieces.empty() ? " aucun" : "") << '\n';
    for (const auto& piece : p.Pieces)
        sortie << "    " << NomPiece(debit, piece) << "  net " << TexteRect(piece.RectCoupe)
               << "  hors tout " << TexteRect(piece.RectHorsTout) << '\n';
    sortie << "  Chutes :" << (p.Chutes.empty() ? " aucune" : "") << '\n';
    for (const auto& c : p.Chutes)
        sortie << "    " << TexteRect(c) << '\n';
    sortie << "  Linéaire de découpe : " << Cote(p.LineaireDecoupe) << " mm\n";
}

// The plan for a person to read.
void EcrirePlanTexte(std::ostream& sortie, const Debit& debit, const ContexteCli& contexte) {
    const std::vector<std::string>& essences = contexte.reglages.Essences;
    const Marges& m = debit.MargesJob;
    sortie << (debit.TypeDebit == DebitSimple ? "Débit simple" : "Débit complexe")
           << ", trait de scie " << Cote(debit.TraitScie) << " mm, marges " << Cote(m.MargeLongueur)
           << " x " << Cote(m.MargeLargeur) << " mm\n";
    sortie << "Rectangles en mm : [gauche, haut, droite, bas]\n";
    for (std::size_t i = 0; i < debit.Panneaux.size(); ++i)
        EcrirePanneauTexte(sortie, debit, essences, i);
    sortie << "\nVitrages non placés :" << (debit.NonPlacees.empty() ? " aucun" : "") << '\n';
    for (int32_t numero : debit.NonPlacees)
        sortie << "    " << NomNonPlacee(debit, numero) << '\n';
    EcrireRecapitulatif(sortie, debit, contexte);
}

int Usage(std::ostream& erreurs) {
    erreurs << "usage: tavelune-cli " << UsagePlan << '\n';
    return SortieErreur;
}

} // namespace

int CommandePlan(const Arguments& arguments, std::ostream& sortie, std::ostream& erreurs) {
    Arguments autres = arguments;
    const auto optimisation = ExtraireOptimisation(autres, erreurs);
    if (!optimisation)
        return SortieErreur;
    bool json = false;
    std::vector<std::string> fichiers;
    for (const auto& a : autres) {
        if (a == "--json")
            json = true;
        else if (a.starts_with("--"))
            return Usage(erreurs);
        else
            fichiers.push_back(a);
    }
    if (fichiers.size() != 1)
        return Usage(erreurs);
    Debit debit;
    if (!LireDebitCli(fichiers[0], debit, erreurs))
        return SortieErreur;
    const ContexteCli contexte = LireContexte(*optimisation);
    CalculerPlan(debit, contexte);
    if (json)
        EcrirePlanJson(sortie, debit, contexte.reglages.Optimisation);
    else
        EcrirePlanTexte(sortie, debit, contexte);
    return SortieReussie;
}

} // namespace tavelune
