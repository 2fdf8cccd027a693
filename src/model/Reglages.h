// The program's settings: what is kept from one run to the next outside any
// job (unit, language, options, glass types, usual dimensions) and the marks
// that ask for each settings file to be written at close.
#pragma once

#include "model/Modele.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavelune {

// ModeAffichage: which piece dimensions the plan shows.
enum ModeCotes : int32_t {
    CotesHorsToutEtNettesPetites = 0, // both, net dimensions for small pieces
    CotesNettesEtHorsToutPetites = 1, // both, overall dimensions for small pieces
    CotesNettesSeules = 10,
    CotesHorsToutSeules = 20,
};

// UniteRecap: unit of the cutting summary.
enum UniteDuRecap : int32_t { RecapUniteJob = 0, RecapMetres = 1 };

struct OptionsProgramme {
    float LongueurMaxi = 6000.0f; // mm
    float LargeurMaxi = 6000.0f;
    float LongueurDefaut = 2500.0f;
    float LargeurDefaut = 1250.0f;
    std::string DesignationPanneau;  // singular
    std::string DesignationPanneaux; // plural
    std::string DesignationPiece;
    std::string DesignationPieces;
    uint8_t SensFil = 1;       // pattern directions are taken into account
    uint8_t DemanderMarge = 0; // the new-job wizard asks for the margin
    int32_t ModeAffichage = CotesHorsToutSeules;
    int32_t UniteRecap = RecapMetres;

    friend bool operator==(const OptionsProgramme&, const OptionsProgramme&) = default;
};

// How the plan is computed: the standard optimisation, reproducible, or a search
// for fewer sheets within a time budget.
enum class ModeOptimisation : uint8_t { Standard, Qualite };

struct ChoixOptimisation {
    static constexpr double BudgetMini = 0.1; // seconds
    static constexpr double BudgetMaxi = 3600.0;

    ModeOptimisation Mode = ModeOptimisation::Standard;
    double Budget = 1.0; // seconds the search may take

    friend bool operator==(const ChoixOptimisation&, const ChoixOptimisation&) = default;
};

// One mark per settings file: write it at close.
struct MarquesEcriture {
    bool Unite = false;
    bool Langue = false;
    bool Options = false;
    bool Essences = false;
    bool DimPanneaux = false;
    bool DimPieces = false;
    bool Optimisation = false;

    friend bool operator==(const MarquesEcriture&, const MarquesEcriture&) = default;
};

struct Reglages {
    UNITE_MESURE UniteJob;
    int32_t BaseLangue = 0; // added to every string-table id
    OptionsProgramme Options;
    bool DesignationsDuFichier = false; // the designations were read from the options file
    std::vector<std::string> Essences;
    std::vector<DIMENSIONS> DimPanneaux;
    std::vector<DIMENSIONS> DimPieces;
    ChoixOptimisation Optimisation;
    std::string FichierEssences = "FVitrages.dat"; // chosen at start, kept for writing
    MarquesEcriture Marques;

    friend bool operator==(const Reglages&, const Reglages&) = default;
};

} // namespace tavelune
