#include "documents/FichierDebit.h"

#include "documents/Fichiers.h"
#include "strings/Texte.h"

#include <algorithm>
#include <cstdint>

namespace tavelune {

namespace {

constexpr std::size_t TailleEnTete = 32;
constexpr std::size_t TaillePanneau = 200;
constexpr std::size_t TaillePiece = 68;
constexpr std::size_t TailleDesignation = 50;
constexpr std::size_t TailleReference = 4;

// Offsets inside the records.
constexpr std::size_t PositionNombres = 24;
constexpr std::size_t PositionSensDansRecord = 36;
constexpr std::size_t PositionNbDansRecord = 40;

// Bytes of a file that holds no information (in-memory lists, padding).
constexpr std::size_t VidePanneau = 144;
constexpr std::uintmax_t TailleMaxFichier = 64u << 20;

class Ecriture {
public:
    void Entier(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int decalage = 0; decalage < 32; decalage += 8)
            octets_ += static_cast<char>((u >> decalage) & 0xFF);
    }
    void Octet(uint8_t v) { octets_ += static_cast<char>(v); }
    void Zeros(std::size_t n) { octets_.append(n, '\0'); }
    void Rect(const MONRect& r) {
        Entier(r.Left);
        Entier(r.Top);
        Entier(r.Right);
        Entier(r.Bottom);
    }
    // The text in Windows-1252, cut to leave room for its NUL, then zeros.
    void Texte(std::string_view utf8, std::size_t largeur) {
        const std::string code = VersCp1252(utf8).substr(0, largeur - 1);
        octets_ += code;
        Zeros(largeur - code.size());
    }
    std::string Octets() && { return std::move(octets_); }

private:
    std::string octets_;
};

// Sequential reads over bytes whose size has already been checked.
class Lecture {
public:
    explicit Lecture(std::string_view octets, std::size_t position = 0)
        : octets_(octets), position_(position) {}

    int32_t Entier() {
        uint32_t u = 0;
        for (int decalage = 0; decalage < 32; decalage += 8)
            u |= uint32_t{static_cast<unsigned char>(octets_[position_++])} << decalage;
        return static_cast<int32_t>(u);
    }
    uint8_t Octet() { return static_cast<unsigned char>(octets_[position_++]); }
    void Sauter(std::size_t n) { position_ += n; }
    MONRect Rect() {
        MONRect r;
        r.Left = Entier();
        r.Top = Entier();
        r.Right = Entier();
        r.Bottom = Entier();
        return r;
    }
    // The text up to its NUL, from Windows-1252. A field without its NUL gives what
    // the writer keeps of it, so that a job read is saved as it was read.
    std::string Texte(std::size_t largeur) {
        std::string_view champ = octets_.substr(position_, largeur);
        position_ += largeur;
        return DepuisCp1252(champ.substr(0, std::min(champ.find('\0'), largeur - 1)));
    }

private:
    std::string_view octets_;
    std::size_t position_;
};

void EcrireMarges(Ecriture& e, const Marges& m) {
    e.Entier(m.MargeLongueur);
    e.Entier(m.MargeLargeur);
    e.Entier(m.EcartEpaisseur);
    e.Octet(m.MargesDifferenciees);
    e.Octet(m.EpaisseurSuperieure);
    e.Zeros(2);
}

void EcrirePanneau(Ecriture& e, const Panneau_p& p) {
    e.Entier(p.Surface);
    e.Rect(p.Rect);
    e.Entier(p.Longueur);
    e.Entier(p.Largeur);
    e.Entier(p.Epaisseur);
    e.Entier(p.Essence);
    e.Entier(p.Sens);
    e.Entier(p.Nb);
    e.Entier(p.IndexDesignation);
    e.Zeros(VidePanneau);
    e.Entier(p.LineaireDecoupe);
    e.Zeros(4);
}

void EcrirePiece(Ecriture& e, const TPiece& p) {
    e.Entier(p.Surface);
    e.Rect(p.RectCoupe);
    e.Entier(p.Longueur);
    e.Entier(p.Largeur);
    e.Entier(p.Epaisseur);
    e.Entier(p.Essence);
    e.Entier(p.Sens);
    e.Entier(p.Nb);
    e.Entier(p.IndexDesignation);
    e.Rect(p.RectHorsTout);
    e.Entier(p.Numero);
}

// One field per piece, so that the references always start where a reader looks for them.
void EcrireTextes(Ecriture& e, const std::vector<std::string>& textes, std::size_t nombre,
                  std::size_t largeur) {
    for (std::size_t i = 0; i < nombre; ++i)
        e.Texte(i < textes.size() ? std::string_view(textes[i]) : std::string_view(), largeur);
}

Marges LireMarges(Lecture& l) {
    Marges m;
    m.MargeLongueur = l.Entier();
    m.MargeLargeur = l.Entier();
    m.EcartEpaisseur = l.Entier();
    m.MargesDifferenciees = l.Octet();
    m.EpaisseurSuperieure = l.Octet();
    l.Sauter(2);
    return m;
}

// The record becomes a sheet as CopierNeuf makes one from a model, with its cut length kept.
Panneau_p LirePanneau(Lecture& l) {
    Panneau_p modele;
    modele.Surface = l.Entier();
    modele.Rect = l.Rect();
    modele.Longueur = l.Entier();
    modele.Largeur = l.Entier();
    modele.Epaisseur = l.Entier();
    modele.Essence = l.Entier();
    modele.Sens = l.Entier();
    modele.Nb = l.Entier();
    l.Sauter(4 + VidePanneau);
    Panneau_p panneau = CopierNeuf(modele);
    panneau.LineaireDecoupe = l.Entier();
    l.Sauter(4);
    return panneau;
}

TPiece LirePiece(Lecture& l) {
    TPiece p;
    p.Surface = l.Entier();
    p.RectCoupe = l.Rect();
    p.Longueur = l.Entier();
    p.Largeur = l.Entier();
    p.Epaisseur = l.Entier();
    p.Essence = l.Entier();
    p.Sens = l.Entier();
    p.Nb = l.Entier();
    p.IndexDesignation = l.Entier();
    p.RectHorsTout = l.Rect();
    p.Numero = l.Entier();
    return p;
}

struct Comptes {
    int32_t panneaux = 0;
    int32_t pieces = 0;
};

int32_t ChampDeRecord(std::string_view octets, std::size_t debut, std::size_t taille, int32_t index,
                      std::size_t champ) {
    return Lecture(octets, debut + static_cast<std::size_t>(index) * taille + champ).Entier();
}

// Sum of the positive Nb of `nombre` records of `taille` bytes from `debut`.
int64_t SommeNb(std::string_view octets, std::size_t debut, std::size_t taille, int32_t nombre) {
    int64_t somme = 0;
    for (int32_t i = 0; i < nombre; ++i) {
        const int32_t nb = ChampDeRecord(octets, debut, taille, i, PositionNbDansRecord);
        if (nb > 0)
            somme += nb;
    }
    return somme;
}

bool SensValides(std::string_view octets, std::size_t debut, std::size_t taille, int32_t nombre) {
    for (int32_t i = 0; i < nombre; ++i) {
        const int32_t sens = ChampDeRecord(octets, debut, taille, i, PositionSensDansRecord);
        if (sens < Horizontal || sens > Indifferent)
            return false;
    }
    return true;
}

// Why the bytes cannot be a job, or an empty text; reads the counts into `comptes`.
// The size of a file of s sheet records and p piece records.
int64_t TailleAnnoncee(int64_t s, int64_t p) {
    return int64_t{TailleEnTete} + s * int64_t{TaillePanneau} +
           p * int64_t{TaillePiece + TailleDesignation + TailleReference};
}

std::string Verifier(std::string_view octets, Comptes& comptes) {
    if (octets.size() < TailleEnTete)
        return "en-tête incomplet";
    Lecture l(octets, PositionNombres);
    comptes.panneaux = l.Entier();
    comptes.pieces = l.Entier();
    if (comptes.panneaux < 0 || comptes.pieces < 0)
        return "nombre de plaques ou de vitrages négatif";
    if (comptes.panneaux == 0 || comptes.pieces == 0)
        return "aucune plaque ou aucun vitrage";
    if (TailleAnnoncee(comptes.panneaux, comptes.pieces) > static_cast<int64_t>(octets.size()))
        return "fichier tronqué";
    const std::size_t debutPieces =
        TailleEnTete + static_cast<std::size_t>(comptes.panneaux) * TaillePanneau;
    if (SommeNb(octets, TailleEnTete, TaillePanneau, comptes.panneaux) > NombreMaxPlaques)
        return "trop de plaques";
    if (SommeNb(octets, debutPieces, TaillePiece, comptes.pieces) > NombreMaxExemplaires)
        return "trop de vitrages";
    if (!SensValides(octets, TailleEnTete, TaillePanneau, comptes.panneaux) ||
        !SensValides(octets, debutPieces, TaillePiece, comptes.pieces))
        return "sens des motifs inconnu";
    return {};
}

} // namespace

template <class Liste> int64_t SommeNbPositifs(const Liste& liste) {
    int64_t somme = 0;
    for (const auto& element : liste)
        somme += std::max(element.Nb, 0);
    return somme;
}

std::string DepasseLesLimites(const Debit& debit) {
    const auto s = static_cast<int64_t>(debit.PanneauxSaisis.size());
    const auto p = static_cast<int64_t>(debit.PiecesSaisies.size());
    if (TailleAnnoncee(s, p) > static_cast<int64_t>(TailleMaxFichier))
        return "débit trop grand pour son fichier";
    if (SommeNbPositifs(debit.PanneauxSaisis) > NombreMaxPlaques)
        return "trop de plaques";
    if (SommeNbPositifs(debit.PiecesSaisies) > NombreMaxExemplaires)
        return "trop de vitrages";
    return {};
}

std::string EcrireDebit(const Debit& debit) {
    Ecriture e;
    e.Entier(debit.TypeDebit);
    e.Entier(debit.TraitScie);
    EcrireMarges(e, debit.MargesJob);
    e.Entier(static_cast<int32_t>(debit.PanneauxSaisis.size()));
    e.Entier(static_cast<int32_t>(debit.PiecesSaisies.size()));
    for (const auto& p : debit.PanneauxSaisis)
        EcrirePanneau(e, p);
    for (const auto& p : debit.PiecesSaisies)
        EcrirePiece(e, p);
    EcrireTextes(e, debit.Designations, debit.PiecesSaisies.size(), TailleDesignation);
    EcrireTextes(e, debit.References, debit.PiecesSaisies.size(), TailleReference);
    return std::move(e).Octets();
}

ResultatDebit LireDebit(std::string_view octets) {
    Comptes comptes;
    if (std::string raison = Verifier(octets, comptes); !raison.empty())
        return {std::nullopt, std::move(raison)};
    Lecture l(octets);
    Debit debit;
    debit.TypeDebit = l.Entier();
    debit.TraitScie = l.Entier();
    debit.MargesJob = LireMarges(l);
    l.Sauter(8); // the counts, already checked
    debit.PanneauxSaisis.reserve(static_cast<std::size_t>(comptes.panneaux));
    for (int32_t i = 0; i < comptes.panneaux; ++i)
        debit.PanneauxSaisis.push_back(LirePanneau(l));
    debit.PiecesSaisies.reserve(static_cast<std::size_t>(comptes.pieces));
    for (int32_t i = 0; i < comptes.pieces; ++i)
        debit.PiecesSaisies.push_back(LirePiece(l));
    for (int32_t i = 0; i < comptes.pieces; ++i)
        debit.Designations.push_back(l.Texte(TailleDesignation));
    for (int32_t i = 0; i < comptes.pieces; ++i)
        debit.References.push_back(l.Texte(TailleReference));
    return {std::move(debit), {}};
}

std::string OuvrirDebit(const std::filesystem::path& chemin, Debit& debit) {
    ResultatLecture fichier = LireFichier(chemin, TailleMaxFichier);
    if (!fichier.octets)
        return fichier.raison;
    ResultatDebit lu = LireDebit(*fichier.octets);
    if (!lu.debit)
        return lu.raison;
    debit = std::move(*lu.debit);
    return {};
}

std::string EnregistrerDebit(const std::filesystem::path& chemin, const Debit& debit) {
    return EcrireFichier(chemin, EcrireDebit(debit));
}

} // namespace tavelune
