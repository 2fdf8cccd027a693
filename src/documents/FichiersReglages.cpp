#include "documents/FichiersReglages.h"

#include "documents/Fichiers.h"
#include "strings/Texte.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <system_error>

namespace tavelune {

namespace fs = std::filesystem;

namespace {

constexpr const char* FichierUnite = "Unite.dat";
constexpr const char* FichierLangue = "Langue.dat";
constexpr const char* FichierOptions = "Options.dat";
constexpr const char* FichierDimPanneaux = "FDimPanneaux.dat";
constexpr const char* FichierDimPieces = "FDimPieces.dat";
constexpr const char* FichierOptimisation = "Optimisation.dat";

constexpr std::string_view CleMode = "mode";
constexpr std::string_view CleBudget = "budget";

// Field widths, NUL included.
constexpr std::size_t ChampUnite = 15;
constexpr std::size_t ChampDesignation = 21;
constexpr std::size_t ChampEssence = 50;

// Far above any real settings file; a larger file is treated as unreadable.
constexpr std::uintmax_t TailleMaxReglages = 16 * 1024 * 1024;

// Sequential little-endian reads. A read that finds too few bytes fails,
// leaves its target alone and ends the reading.
class Lecteur {
public:
    explicit Lecteur(std::string_view octets) : octets_(octets) {}

    bool Entier(int32_t& v) {
        const auto o = Prendre(4);
        if (!o)
            return false;
        uint32_t u = 0;
        for (int i = 3; i >= 0; --i)
            u = (u << 8) | static_cast<unsigned char>((*o)[i]);
        v = static_cast<int32_t>(u);
        return true;
    }

    bool Reel(float& v) {
        int32_t bits = 0;
        if (!Entier(bits))
            return false;
        v = std::bit_cast<float>(bits);
        return true;
    }

    bool Octet(uint8_t& v) {
        const auto o = Prendre(1);
        if (!o)
            return false;
        v = static_cast<uint8_t>((*o)[0]);
        return true;
    }

    bool Texte(std::size_t largeur, std::string& v) {
        const auto o = Prendre(largeur);
        if (!o)
            return false;
        v = TexteDuChamp(*o, largeur);
        return true;
    }

    // The text up to its NUL; a field without its NUL gives what the writer keeps
    // of it, so that the settings read are written back as they were read.
    static std::string TexteDuChamp(std::string_view champ, std::size_t largeur) {
        return DepuisCp1252(champ.substr(0, std::min(champ.find('\0'), largeur - 1)));
    }

private:
    std::optional<std::string_view> Prendre(std::size_t n) {
        if (octets_.size() - pos_ < n) {
            pos_ = octets_.size();
            return std::nullopt;
        }
        const auto o = octets_.substr(pos_, n);
        pos_ += n;
        return o;
    }

    std::string_view octets_;
    std::size_t pos_ = 0;
};

void EcrireEntier(std::string& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

void EcrireReel(std::string& out, float v) {
    EcrireEntier(out, std::bit_cast<int32_t>(v));
}

// The text in Windows-1252, cut to the field and padded with NULs.
void EcrireChamp(std::string& out, std::string_view utf8, std::size_t largeur) {
    std::string octets = VersCp1252(utf8).substr(0, largeur - 1);
    octets.resize(largeur, '\0');
    out += octets;
}

std::optional<std::string> Contenu(const fs::path& chemin) {
    return LireFichier(chemin, TailleMaxReglages).octets;
}

// Any other value would make every length meaningless (or divide by zero).
bool FacteurUtilisable(float f) {
    return std::isfinite(f) && f > 0;
}

// The unit is read whole or not at all, so that a factor never goes with
// another unit's name.
void LireUnite(std::string_view octets, UNITE_MESURE& unite) {
    Lecteur l(octets);
    UNITE_MESURE lue;
    if (l.Reel(lue.Facteur) && l.Texte(ChampUnite, lue.Nom) && FacteurUtilisable(lue.Facteur))
        unite = lue;
}

void LireOptions(std::string_view octets, OptionsProgramme& o) {
    Lecteur l(octets);
    l.Reel(o.LongueurMaxi);
    l.Reel(o.LargeurMaxi);
    l.Reel(o.LongueurDefaut);
    l.Reel(o.LargeurDefaut);
    l.Texte(ChampDesignation, o.DesignationPanneau);
    l.Texte(ChampDesignation, o.DesignationPanneaux);
    l.Texte(ChampDesignation, o.DesignationPiece);
    l.Texte(ChampDesignation, o.DesignationPieces);
    l.Octet(o.SensFil);
    l.Octet(o.DemanderMarge);
    l.Entier(o.ModeAffichage);
    l.Entier(o.UniteRecap);
}

// 50-byte records; a short last record holds the text up to the end of the file.
std::vector<std::string> LireEssences(std::string_view octets) {
    std::vector<std::string> essences;
    for (std::size_t pos = 0; pos < octets.size(); pos += ChampEssence)
        essences.push_back(Lecteur::TexteDuChamp(octets.substr(pos, ChampEssence), ChampEssence));
    return essences;
}

// N, then N records; only the whole records the file holds are taken.
std::vector<DIMENSIONS> LireDimensions(std::string_view octets) {
    std::vector<DIMENSIONS> dims;
    Lecteur l(octets);
    int32_t n = 0;
    l.Entier(n);
    for (int32_t i = 0; i < n; ++i) {
        DIMENSIONS d;
        if (!(l.Entier(d.Longueur) && l.Entier(d.Largeur) && l.Entier(d.Epaisseur) &&
              l.Entier(d.TypeDebit)))
            break;
        dims.push_back(d);
    }
    return dims;
}

std::string_view SansBlancs(std::string_view texte) {
    const auto debut = texte.find_first_not_of(" \t\r");
    if (debut == std::string_view::npos)
        return {};
    return texte.substr(debut, texte.find_last_not_of(" \t\r") - debut + 1);
}

// A hand-edited line may have blanks around its key and value, or a CR.
void LireLigneOptimisation(std::string_view ligne, ChoixOptimisation& choix) {
    const auto egal = ligne.find('=');
    if (egal == std::string_view::npos)
        return;
    const auto cle = SansBlancs(ligne.substr(0, egal));
    const auto valeur = SansBlancs(ligne.substr(egal + 1));
    if (cle == CleMode) {
        if (const auto mode = ModeNomme(valeur))
            choix.Mode = *mode;
    } else if (cle == CleBudget) {
        if (const auto budget = BudgetLu(valeur))
            choix.Budget = *budget;
    }
}

void LireOptimisation(std::string_view octets, ChoixOptimisation& choix) {
    while (!octets.empty()) {
        const auto fin = std::min(octets.find('\n'), octets.size());
        LireLigneOptimisation(octets.substr(0, fin), choix);
        octets.remove_prefix(std::min(fin + 1, octets.size()));
    }
}

std::string OctetsUnite(const UNITE_MESURE& unite) {
    std::string out;
    EcrireReel(out, unite.Facteur);
    EcrireChamp(out, unite.Nom, ChampUnite);
    return out;
}

std::string OctetsLangue(int32_t base) {
    std::string out;
    EcrireEntier(out, base);
    return out;
}

std::string OctetsOptions(const OptionsProgramme& o) {
    std::string out;
    for (float f : {o.LongueurMaxi, o.LargeurMaxi, o.LongueurDefaut, o.LargeurDefaut})
        EcrireReel(out, f);
    for (const auto* d :
         {&o.DesignationPanneau, &o.DesignationPanneaux, &o.DesignationPiece, &o.DesignationPieces})
        EcrireChamp(out, *d, ChampDesignation);
    out += static_cast<char>(o.SensFil);
    out += static_cast<char>(o.DemanderMarge);
    EcrireEntier(out, o.ModeAffichage);
    EcrireEntier(out, o.UniteRecap);
    return out;
}

// The shortest text that reads back as the same budget.
std::string OctetsOptimisation(const ChoixOptimisation& choix) {
    char budget[32];
    const auto fin = std::to_chars(std::begin(budget), std::end(budget), choix.Budget).ptr;
    return std::string(CleMode) + "=" + std::string(NomMode(choix.Mode)) + "\n" +
           std::string(CleBudget) + "=" + std::string(budget, fin) + "\n";
}

std::string OctetsEssences(const std::vector<std::string>& essences) {
    std::string out;
    for (const auto& e : essences)
        EcrireChamp(out, e, ChampEssence);
    return out;
}

std::string OctetsDimensions(const std::vector<DIMENSIONS>& dims) {
    std::string out;
    EcrireEntier(out, static_cast<int32_t>(dims.size()));
    for (const auto& d : dims)
        for (int32_t v : {d.Longueur, d.Largeur, d.Epaisseur, d.TypeDebit})
            EcrireEntier(out, v);
    return out;
}

} // namespace

OptionsProgramme OptionsParDefaut(const Textes& textes) {
    OptionsProgramme o;
    o.DesignationPanneau = textes.Text(74);
    o.DesignationPanneaux = textes.Text(13);
    o.DesignationPiece = textes.Text(75);
    o.DesignationPieces = textes.Text(14);
    return o;
}

std::string_view NomMode(ModeOptimisation mode) {
    return mode == ModeOptimisation::Qualite ? "qualite" : "standard";
}

std::optional<ModeOptimisation> ModeNomme(std::string_view nom) {
    for (const auto mode : {ModeOptimisation::Standard, ModeOptimisation::Qualite})
        if (nom == NomMode(mode))
            return mode;
    return std::nullopt;
}

std::optional<double> BudgetLu(std::string_view texte) {
    double secondes = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), secondes);
    // NaN fails the bounds as well.
    if (erreur != std::errc() || fin != texte.data() + texte.size() ||
        !(secondes >= ChoixOptimisation::BudgetMini && secondes <= ChoixOptimisation::BudgetMaxi))
        return std::nullopt;
    return secondes;
}

std::string NomFichierEssences(int32_t baseLangue) {
    return baseLangue == 0 ? "FVitrages.dat" : "AVitrages.dat";
}

Reglages LireReglages(const fs::path& dossier) {
    Reglages r;
    if (const auto o = Contenu(dossier / FichierUnite))
        LireUnite(*o, r.UniteJob);
    else
        r.Marques.Unite = true;

    if (const auto o = Contenu(dossier / FichierLangue))
        Lecteur(*o).Entier(r.BaseLangue);
    else
        r.Marques.Langue = true;

    // The table's designations stay wherever the file holds none.
    r.Options = OptionsParDefaut(Textes(r.BaseLangue));
    if (const auto o = Contenu(dossier / FichierOptions)) {
        LireOptions(*o, r.Options);
        r.DesignationsDuFichier = true;
    }

    r.FichierEssences = NomFichierEssences(r.BaseLangue);
    if (const auto o = Contenu(dossier / r.FichierEssences))
        r.Essences = LireEssences(*o);
    if (const auto o = Contenu(dossier / FichierDimPanneaux))
        r.DimPanneaux = LireDimensions(*o);
    if (const auto o = Contenu(dossier / FichierDimPieces))
        r.DimPieces = LireDimensions(*o);
    if (const auto o = Contenu(dossier / FichierOptimisation))
        LireOptimisation(*o, r.Optimisation);
    return r;
}

std::vector<EchecEcriture> EcrireReglages(const fs::path& dossier, const Reglages& r) {
    struct Ecriture {
        bool marque;
        std::string fichier;
        std::string octets;
    };
    const auto& m = r.Marques;
    const Ecriture ecritures[] = {
        {m.Essences && !r.Essences.empty(), r.FichierEssences, OctetsEssences(r.Essences)},
        {m.DimPanneaux, FichierDimPanneaux, OctetsDimensions(r.DimPanneaux)},
        {m.DimPieces, FichierDimPieces, OctetsDimensions(r.DimPieces)},
        {m.Unite, FichierUnite, OctetsUnite(r.UniteJob)},
        {m.Langue, FichierLangue, OctetsLangue(r.BaseLangue)},
        {m.Options, FichierOptions, OctetsOptions(r.Options)},
        {m.Optimisation, FichierOptimisation, OctetsOptimisation(r.Optimisation)},
    };
    std::vector<EchecEcriture> echecs;
    for (const auto& e : ecritures) {
        if (!e.marque)
            continue;
        if (auto raison = EcrireFichier(dossier / e.fichier, e.octets); !raison.empty())
            echecs.push_back({e.fichier, std::move(raison)});
    }
    return echecs;
}

std::string SupprimerOptions(const fs::path& dossier) {
    std::error_code ec;
    fs::remove(dossier / FichierOptions, ec);
    return ec ? std::string("suppression impossible") : std::string();
}

} // namespace tavelune
