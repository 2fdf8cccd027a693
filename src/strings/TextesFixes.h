// The program's texts that have no identifier in the string table: hints and
// captions kept from the forms, file dialog filters, and the messages of the
// file commands. Every window takes its French from here or from the table.
#pragma once

#include <string_view>

namespace tavelune::fixes {

// Product.
inline constexpr std::string_view Version = "1.0";
inline constexpr std::string_view FichierAide = "AIDE.HLP";

// Main window: tool bar hints and menu captions.
inline constexpr std::string_view BulleNouveau = "Nouveau débit";
inline constexpr std::string_view BulleOuvrir = "Charger un débit";
inline constexpr std::string_view BulleEnregistrer = "Sauvegarder le débit";
inline constexpr std::string_view BulleImprimer = "Imprimer";
inline constexpr std::string_view MenuAffichage = "Affichage";
inline constexpr std::string_view MenuAide = "&?";

// Window title: product name, separator, shown file name.
inline constexpr std::string_view SeparateurTitre = " - ";

// Cut job files. Filters are "description|pattern" pairs.
inline constexpr std::string_view NomNouveauDebit = "NouveauDebit.deb";
inline constexpr std::string_view FiltreDebits = "Fichiers Débits|*.deb";

// The save question: text 101, then these around the shown file name.
inline constexpr std::string_view AvantNomQuestion = " '";
inline constexpr std::string_view ApresNomQuestion = "' ?";

inline constexpr std::string_view AnnulationOuverture = "Annulation de l'ouverture débit !";
inline constexpr std::string_view ErreurOuverture = "Erreur dans l'ouverture du fichier !";

// Settings files that could not be written at close (the names follow, one a line).
inline constexpr std::string_view ReglagesNonEnregistres =
    "Les réglages suivants n'ont pas pu être enregistrés :";

// Export.
inline constexpr std::string_view TitreDialogueExportation = "Exportation du débit";
inline constexpr std::string_view FiltreExportation =
    "Fichiers texte (*.txt) |*.txt|Fichiers csv (*.csv)|*.csv|Fichiers silk (*.slk)|*.slk";
inline constexpr std::string_view ExportationAnnulee = "Exportation annulée !";
inline constexpr std::string_view ExtensionNonValideDebut = "L'extension du fichier ";
inline constexpr std::string_view ExtensionNonValideFin = " n'est pas valide !";
inline constexpr std::string_view ExportationTerminee = "Exportation terminée !";

// Import.
inline constexpr std::string_view FiltreImportation =
    "Fichiers texte (*.txt) |*.txt|Fichiers csv (*.csv)|*.csv";
inline constexpr std::string_view ImportationAnnulee = "Importation annulée !";

// Headings of a drawn item and the scale of printed pages.
inline constexpr std::string_view PrefixeDimensions = "Dimensions : ";
inline constexpr std::string_view PrefixeReference = "Ref : ";
inline constexpr std::string_view SeparateurEchelle = " : 1/";

// The designation header of the cutting list printed from the menu.
inline constexpr std::string_view EnteteDesignationImprimee = "Designation";

// Display dialog.
inline constexpr std::string_view TitreAffichage = "Affichage";
inline constexpr std::string_view GroupeRecapitulatif = "Récapitulatif";
inline constexpr std::string_view RecapUniteCourante =
    "Afficher les dimensions dans l'unité de mesure courante";
inline constexpr std::string_view RecapMetres =
    "Afficher les dimensions en mètres (m) et en mètres carrés (m²)";
inline constexpr std::string_view GroupePlanCoupe = "Plan de coupe";
inline constexpr std::string_view ExplicationPlanCoupe =
    "Tavelune peu afficher :\n"
    "Soit les dimensions hors tout des vitrages (dimensions nettes + marges).\n"
    "Soit les dimensions nettes des vitrages.\n"
    "Soit à la fois les dimensions nettes entre parenthèses ( ) et des\n"
    "dimensions hors tout entre crochets [ ], si la taille des vitrages le permet.\n"
    "Dans le cas ou l'affichage des deux dimensions n'est  pas possible,\n"
    "vous pouvez choisir celles (hors tout ou nettes) que Tavelune affichera.";
inline constexpr std::string_view AffichageHorsToutSeul =
    "Affichage des dimensions hors tout (dimensions nettes + marges)";
inline constexpr std::string_view AffichageNettesSeul = "Affichage des dimensions nettes";
inline constexpr std::string_view AffichageNettes =
    "Affichage des dimensions nettes et hors tout (vitrages grandestailles),\n"
    "affichage des dimensions nettes (vitrages petites tailles)";
inline constexpr std::string_view AffichageHorsTout =
    "Affichage des dimensions nettes et hors tout (vitrages grandes tailles),\n"
    "affichage des dimensions hors tout (vitrages petites tailles)";

// Options dialog: the optimisation choice.
inline constexpr std::string_view GroupeOptimisation = "Optimisation";
inline constexpr std::string_view OptimisationStandard = "Standard (plan reproductible)";
inline constexpr std::string_view OptimisationQualite = "Qualité (moins de plaques)";
inline constexpr std::string_view DureeRecherche = "Durée de recherche (s) :";

// Sheet characteristics window (the waste rate prefix is text 149).
inline constexpr std::string_view TitreRecapitulatif = "Récapitulatif du débit";
inline constexpr std::string_view AccesRecapitulatifDebut =
    "Pour afficher cette fenêtre, sélectionnez ";
inline constexpr std::string_view AccesRecapitulatifChemin = "\"Fichier\\Récapitulatif\"";
inline constexpr std::string_view AccesRecapitulatifFin = ".";
inline constexpr std::string_view PrefixeNombre = "Nombre de ";
inline constexpr std::string_view PrefixeSurfaceTotale = "Surface totale des ";
inline constexpr std::string_view PrefixeLineaire = "Linéaire de découpe : ";
inline constexpr std::string_view PrefixeSurfaceChutes = "Surface totale des chutes : ";
inline constexpr std::string_view BoutonImprimer = "Imprimer";

// The search for fewer sheets, while it runs.
inline constexpr std::string_view RechercheDePlan = "Recherche d'un plan avec moins de plaques...";
inline constexpr std::string_view Arreter = "Arrêter";

// Unit abbreviations (the inch's is text 57).
inline constexpr std::string_view NomMillimetre = "mm";
inline constexpr std::string_view NomCentimetre = "cm";
inline constexpr std::string_view NomMetre = "m";

} // namespace tavelune::fixes
