// The cut job: records, job settings, lists and the small operations on them.
// Lengths are whole millimetres (int32_t) as stored in the files; areas are
// computed in 64 bits because a side above 46 340 mm overflows a 32-bit area.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavelune {

// Pattern directions, the same codes everywhere (files, dialogs, engine).
enum SensMotifs : int32_t { Horizontal = 0, Vertical = 1, Indifferent = 2 };

enum TypeDeDebit : int32_t { DebitSimple = 1, DebitComplexe = 2 };

// Most piece copies and laid-out sheets (sums of positive Nb) a job may ask the optimiser for.
inline constexpr int32_t NombreMaxExemplaires = 1'000'000;
inline constexpr int32_t NombreMaxPlaques = 100'000;

struct MONRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    friend bool operator==(const MONRect&, const MONRect&) = default;
};

int64_t Aire(const MONRect& r);

// A sheet model as entered.
struct TPanneau {
    int32_t Surface = 0;
    MONRect Rect;
    int32_t Longueur = 0;
    int32_t Largeur = 0;
    int32_t Epaisseur = 10;
    int32_t Essence = 0;
    int32_t Sens = Horizontal;
    int32_t Nb = 1;
    int32_t IndexDesignation = 0;

    friend bool operator==(const TPanneau&, const TPanneau&) = default;
};

// A piece to cut; after placement RectCoupe and RectHorsTout are in sheet coordinates.
struct TPiece {
    int32_t Surface = 0;
    MONRect RectCoupe;
    int32_t Longueur = 0;
    int32_t Largeur = 0;
    int32_t Epaisseur = 0;
    int32_t Essence = 0;
    int32_t Sens = Horizontal;
    int32_t Nb = 1;
    int32_t IndexDesignation = 0;
    MONRect RectHorsTout;
    int32_t Numero = 0;

    friend bool operator==(const TPiece&, const TPiece&) = default;
};

// One physical sheet of the result (or an entered sheet model, which keeps its
// whole Rect as its only free rectangle). Owns its two lists.
struct Panneau_p : TPanneau {
    std::vector<MONRect> Chutes;
    std::vector<TPiece> Pieces;
    int32_t LineaireDecoupe = 0;

    friend bool operator==(const Panneau_p&, const Panneau_p&) = default;
};

struct Marges {
    int32_t MargeLongueur = 0;
    int32_t MargeLargeur = 0;
    int32_t EcartEpaisseur = 0;
    uint8_t MargesDifferenciees = 0;
    uint8_t EpaisseurSuperieure = 0;

    friend bool operator==(const Marges&, const Marges&) = default;
};

struct UNITE_MESURE {
    float Facteur = 1.0f; // millimetres per unit
    std::string Nom = "mm";

    friend bool operator==(const UNITE_MESURE&, const UNITE_MESURE&) = default;
};

// The single-precision 25.4 of the files and dialogs (bits 0x41CB3333).
float FacteurPouce();

struct METRAGE {
    std::string Libelle;
    int32_t NbPanneaux = 0;
    float SurfacePanneaux = 0;
    float SurfacePieces = 0;
    float LineaireTotal = 0;
    float SurfaceChutes = 0;
    float TauxChutes = 0;
};

struct PAGE {
    int32_t Premier = 0;
    int32_t Dernier = 0;

    friend bool operator==(const PAGE&, const PAGE&) = default;
};

struct DIMENSIONS {
    int32_t Longueur = 0;
    int32_t Largeur = 0;
    int32_t Epaisseur = 0;
    int32_t TypeDebit = DebitSimple;

    friend bool operator==(const DIMENSIONS&, const DIMENSIONS&) = default;
};

// The one open cut job: what the user entered and the plan computed from it.
struct Debit {
    int32_t TypeDebit = DebitSimple;
    Marges MargesJob;
    int32_t TraitScie = 0;
    std::vector<Panneau_p> PanneauxSaisis;
    std::vector<TPiece> PiecesSaisies;
    std::vector<std::string> Designations;
    std::vector<std::string> References;

    std::vector<Panneau_p> Panneaux;
    std::vector<std::vector<TPiece>> Groupes;
    std::vector<METRAGE> Metrages;
    std::vector<PAGE> Pages;
    // Numero of every copy the optimisation could not place (a job the entry
    // dialogs could have made leaves it empty).
    std::vector<int32_t> NonPlacees;
};

// What the user entered, without the plan computed from it nor the lists of texts.
Debit SaisieSeule(const Debit& debit);

// Sheet operations.
void Reinitialiser(Panneau_p& panneau);
Panneau_p CopierNeuf(const Panneau_p& modele);
Panneau_p NouveauPanneau(int32_t longueur, int32_t largeur);

// Queries on a list of sheets.
int32_t LongueurMax(const std::vector<Panneau_p>& panneaux);
int32_t LargeurMax(const std::vector<Panneau_p>& panneaux);
bool EpaisseurPresente(const std::vector<Panneau_p>& panneaux, int32_t e);
bool EpaisseurSuffisante(const std::vector<Panneau_p>& panneaux, int32_t e);
bool EssencePresente(const std::vector<Panneau_p>& panneaux, int32_t t);

bool TextePresent(const std::vector<std::string>& textes, const std::string& s);

// The entry at index i of a list of texts (glass types, designations, references),
// nullptr when i is outside the list: files and dialogs may leave an index there.
const std::string* Entree(const std::vector<std::string>& liste, int32_t i);
// The same entry as a text, empty when i is outside the list.
std::string TexteEntree(const std::vector<std::string>& liste, int32_t i);

// A piece as a new entry: Surface and RectCoupe made from its sides.
void ReinitialiserPiece(TPiece& piece);

// A value typed in the job's unit becomes whole millimetres: trunc(value x Facteur + 0.5),
// computed in double from the single-precision factor.
int32_t ValeurEnMillimetres(double valeur, float facteur);

} // namespace tavelune
