// What the drawings need from the program's settings and string table, handed
// in as plain values so that the drawing code never looks anything up.
#pragma once

#include "model/Modele.h"
#include "model/Reglages.h"
#include "strings/TableTextes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavelune {

// Words of the drawings; the defaults are the French texts of the string table.
struct MotsDessin {
    std::string NomPanneau = "Plaque de verre";
    std::string NomPiece = "Vitrage";
    std::string NomPanneaux = "Plaques de verre";
    std::string NomPieces = "Vitrages";
    std::string Vitrage = "Vitrage";
    std::string Epaisseur = "Epaisseur";
    std::string Nombre = "Nombre";
    std::string SensMotifs = "sens des motifs";
    std::string NonSpecifie = "Non spécifié";
    std::array<std::string, 3> Sens = {"Horizontal", "Vertical", "Indifférent"};
    std::string Echelle = "Echelle";
    std::string Reference = "Référence";
    std::string Designation = "Désignation";
    std::string Longueur = "Longueur";
    std::string Largeur = "Largeur";
    std::string TitreRecapitulatif = "Récapitulatif du débit";
    std::string PrefixeNombre = "Nombre de ";
    std::string PrefixeSurface = "Surface totale des ";
    std::string PrefixeLineaire = "Linéaire de découpe : ";
    std::string PrefixeChutes = "Surface totale des chutes : ";
    std::string PrefixeTaux = "Taux de chutes : ";
};

// The piece labels: both dimensions when the piece is large enough, with the net
// (0) or overall (1) ones on small pieces; net only (10); overall only (20).
enum ModesAffichage : int32_t {
    DeuxCotesNettes = 0,
    DeuxCotesHorsTout = 1,
    CotesNettes = 10,
    CotesHorsTout = 20
};

struct ReglagesDessin {
    MotsDessin Mots;
    int32_t ModeAffichage = CotesHorsTout;
    int32_t UniteRecap = 1; // 1: metres and square metres, 0: the job's unit
    UNITE_MESURE UniteJob;
    char Separateur = ',';
};

// The words from the string table and the designations of the options, with the
// display settings and the unit of the program's settings.
ReglagesDessin ReglagesPourDessin(const Reglages& reglages, const Textes& textes, char separateur);

// The job's texts read by the drawings.
struct TextesJob {
    const std::vector<std::string>& Essences;
    const std::vector<std::string>& Designations;
    const std::vector<std::string>& References;
};

// A model length (mm) in the job's unit, as the user reads it.
std::string TexteLongueur(const ReglagesDessin& reglages, int64_t millimetres);

// The lower-cased name of a pattern direction ("Non spécifié" for an unknown code).
std::string NomSensMinuscule(const MotsDessin& mots, int32_t sens);

} // namespace tavelune
