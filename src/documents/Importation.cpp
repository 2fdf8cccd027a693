#include "documents/Importation.h"

#include "documents/FichierDebit.h"

#include "engine/Remplissage.h"
#include "strings/Nombres.h"
#include "strings/Texte.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

namespace tavelune {

namespace {

constexpr std::string_view MarqueUtf8 = "\xEF\xBB\xBF";

constexpr int32_t SurplusProposition = 20; // mm added to a piece side for its sheet

std::string EnUtf8(std::string_view octets) {
    if (octets.starts_with(MarqueUtf8))
        octets.remove_prefix(MarqueUtf8.size());
    return EstUtf8Valide(octets) ? std::string(octets) : DepuisCp1252(octets);
}

bool EstBlancOuControle(char c) {
    const auto o = static_cast<unsigned char>(c);
    return o <= 0x20 || o == 0x7F;
}

std::string_view SansBlancsNiControles(std::string_view t) {
    while (!t.empty() && EstBlancOuControle(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && EstBlancOuControle(t.back()))
        t.remove_suffix(1);
    return t;
}

int32_t IndexEssence(std::string_view type, const std::vector<std::string>& essences) {
    const auto it = std::find(essences.begin(), essences.end(), SansBlancsNiControles(type));
    return it == essences.end() ? -1 : static_cast<int32_t>(it - essences.begin());
}

using Champs = std::array<std::string, 7>;

enum Champ { Reference, Description, Nombre, Longueur, Largueur, Epaisseur, Type };

constexpr std::array<const char*, 7> NomsChamps = {"Référence", "Description", "Nombre", "Longueur",
                                                   "Largueur",  "Epaisseur",   "Type"};

// The reading stops at a blank CR LF line: one field is exactly CR LF while
// another is still empty.
bool FinDeLecture(const Champs& f) {
    const bool vide = std::any_of(f.begin(), f.end(), [](const auto& c) { return c.empty(); });
    return vide && std::find(f.begin(), f.end(), "\r\n") != f.end();
}

bool Complets(const Champs& f) {
    return std::none_of(f.begin(), f.end(), [](const auto& c) { return c.empty(); });
}

class LecteurListe {
public:
    LecteurListe(float facteur, const std::vector<std::string>& essences, int premiereLigne)
        : facteur_(facteur), essences_(essences), ligne_(premiereLigne) {}

    ResultatImport Lire(std::string_view texte) {
        Champs f;
        std::size_t k = 0;
        for (char octet : texte) {
            if (FinDeLecture(f))
                break;
            if (octet == '\n' && Complets(f)) {
                if (auto raison = AjouterPiece(f); !raison.empty())
                    return Echec(raison);
                f = Champs();
                k = 0;
            } else if (octet == ';') {
                k = std::min(k + 1, f.size());
            } else if (k == f.size()) {
                return Echec("plus de sept champs");
            } else if (octet == '\0') {
                return Echec("octet nul, ce n'est pas un fichier texte");
            } else {
                f[k] += octet;
            }
            if (octet == '\n')
                ++ligne_;
        }
        if (liste_.Pieces.empty())
            return {IssueImport::Erreur, {}, "aucune pièce dans le fichier"};
        return {IssueImport::Importee, std::move(liste_), {}};
    }

private:
    ResultatImport Echec(const std::string& raison) const {
        return {IssueImport::Erreur, {}, "ligne " + std::to_string(ligne_) + " : " + raison};
    }

    // The field as whole millimetres (value x factor truncated toward zero),
    // or the reason it is refused.
    std::optional<int32_t> Millimetres(const Champs& f, Champ c, int32_t minimum,
                                       std::string& raison) const {
        const auto v = LireEntier(f[c]);
        const double mm = v ? std::trunc(*v * static_cast<double>(facteur_)) : 0;
        if (!v)
            raison = std::string(NomsChamps[c]) + " n'est pas un nombre entier";
        else if (!(mm >= minimum && mm <= std::numeric_limits<int32_t>::max()))
            raison = std::string(NomsChamps[c]) + " hors limites";
        else
            return static_cast<int32_t>(mm);
        return std::nullopt;
    }

    // Returns why the piece is refused, or an empty text once it is added.
    std::string AjouterPiece(const Champs& f) {
        std::string raison;
        const auto nb = LireEntier(f[Nombre]);
        if (!nb)
            return std::string(NomsChamps[Nombre]) + " n'est pas un nombre entier";
        const auto longueur = Millimetres(f, Longueur, 1, raison);
        const auto largeur = longueur ? Millimetres(f, Largueur, 1, raison) : std::nullopt;
        const auto epaisseur = largeur ? Millimetres(f, Epaisseur, 0, raison) : std::nullopt;
        if (!epaisseur)
            return raison;
        exemplaires_ += std::max(*nb, 0);
        if (exemplaires_ > NombreMaxExemplaires)
            return "plus de " + std::to_string(NombreMaxExemplaires) + " exemplaires";

        TPiece p;
        p.Nb = *nb;
        p.Longueur = *longueur;
        p.Largeur = *largeur;
        p.Epaisseur = *epaisseur == 0 ? 10 : *epaisseur;
        p.Essence = IndexEssence(f[Type], essences_);
        p.Sens = Horizontal;
        if (p.Longueur < p.Largeur) {
            std::swap(p.Longueur, p.Largeur);
            p.Sens = Vertical;
        }
        p.Numero = static_cast<int32_t>(liste_.Pieces.size());
        p.IndexDesignation = p.Numero;
        ReinitialiserPiece(p);
        liste_.Pieces.push_back(p);
        liste_.Designations.push_back(f[Description]);
        liste_.References.push_back(f[Reference]);
        return {};
    }

    float facteur_;
    const std::vector<std::string>& essences_;
    int ligne_;
    ListeImportee liste_;
    int64_t exemplaires_ = 0;
};

// A side of a proposed sheet: the piece side plus the surplus, never above
// what a length can hold.
int32_t CoteProposee(int32_t cotePiece) {
    return static_cast<int32_t>(std::min<int64_t>(int64_t{cotePiece} + SurplusProposition,
                                                  std::numeric_limits<int32_t>::max()));
}

// The larger of a side and a default size held as a float, truncated to whole mm.
int32_t AuMoinsDefaut(int32_t cote, float defaut) {
    const double d = defaut;
    if (!(d > cote))
        return cote;
    return static_cast<int32_t>(std::min<double>(d, std::numeric_limits<int32_t>::max()));
}

void FixerCotes(Panneau_p& panneau, int32_t longueur, int32_t largeur) {
    panneau.Longueur = longueur;
    panneau.Largeur = largeur;
    panneau.Chutes.clear();
    Reinitialiser(panneau);
}

} // namespace

ResultatImport LireListePieces(std::string_view octets, bool entetes, float facteur,
                               const std::vector<std::string>& essences) {
    if (octets.empty())
        return {IssueImport::FichierVide, {}, {}};
    const std::string utf8 = EnUtf8(octets);
    std::string_view texte = utf8;
    if (entetes) {
        const auto fin = texte.find('\n');
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
    }
    return LecteurListe(facteur, essences, entetes ? 2 : 1).Lire(texte);
}

void ProposerPanneaux(Debit& debit, float longueurDefaut, float largeurDefaut) {
    auto& panneaux = debit.PanneauxSaisis;
    panneaux.clear();
    // The sheet of each glass type and thickness, by its place in the list.
    std::map<std::pair<int32_t, int32_t>, std::size_t> parVerre;
    for (const TPiece& piece : debit.PiecesSaisies) {
        const auto [place, nouveau] =
            parVerre.try_emplace({piece.Essence, piece.Epaisseur}, panneaux.size());
        const int32_t longueur = CoteProposee(piece.Longueur);
        const int32_t largeur = CoteProposee(piece.Largeur);
        if (!nouveau) {
            Panneau_p* memeVerre = &panneaux[place->second];
            if (!PiecePasse(piece, memeVerre->Rect, debit.MargesJob, memeVerre->Sens)) {
                const int32_t cote = std::max(longueur, largeur);
                FixerCotes(*memeVerre, std::max(memeVerre->Longueur, cote),
                           std::max(memeVerre->Largeur, cote));
            }
            continue;
        }
        // Only the first sheet starts from the default size.
        const bool premier = panneaux.empty();
        const int32_t l = premier ? AuMoinsDefaut(longueur, longueurDefaut) : longueur;
        const int32_t w = premier ? AuMoinsDefaut(largeur, largeurDefaut) : largeur;
        Panneau_p neuf = NouveauPanneau(l, w);
        neuf.Epaisseur = piece.Epaisseur;
        neuf.Essence = piece.Essence;
        neuf.Sens = piece.Sens;
        neuf.Nb = 1;
        FixerCotes(neuf, l, w);
        panneaux.push_back(std::move(neuf));
    }
    debit.TypeDebit = panneaux.size() <= 1 ? DebitSimple : DebitComplexe;
}

std::string PreparerDebitImporte(Debit& debit, ListeImportee liste,
                                 const OptionsProgramme& options) {
    Debit importe;
    importe.PiecesSaisies = std::move(liste.Pieces);
    importe.Designations = std::move(liste.Designations);
    importe.References = std::move(liste.References);
    importe.MargesJob = Marges{10, 10, 0, 0, 0};
    importe.TraitScie = 3;
    ProposerPanneaux(importe, options.LongueurDefaut, options.LargeurDefaut);
    if (std::string raison = DepasseLesLimites(importe); !raison.empty())
        return raison;
    debit = std::move(importe);
    return {};
}

} // namespace tavelune
