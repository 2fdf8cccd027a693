// The commands of the main window that create and change jobs (new job,
// modification, import), the export, and the settings commands whose dialogs
// the job flows share.
#include "mainwindow/TFDebit.h"

#include "dialogs/TFImportation.h"
#include "dialogs/TFOptions.h"
#include "dialogs/TGestDimensions.h"
#include "dialogs/TGestTypeVitrages.h"
#include "dialogs/TSelDebit.h"
#include "dialogs/TSelMarge.h"
#include "dialogs/TSelMargesMultiples.h"
#include "dialogs/TSelMod.h"
#include "dialogs/TSelPanneaux.h"
#include "dialogs/TSelPieces.h"
#include "documents/Exportation.h"
#include "documents/Fichiers.h"
#include "documents/Importation.h"
#include "platform/Conversions.h"
#include "platform/Fenetres.h"
#include "platform/Plateforme.h"
#include "strings/TextesFixes.h"

#include <QCheckBox>

#include <exception>

namespace tavelune {

namespace {

// Ours: the table has no text for an export file that could not be written.
constexpr std::string_view ErreurExportation = "Le fichier n'a pas pu être écrit :";

} // namespace

// ---------------------------------------------------------------- shared steps

// Shows an entry dialog with the inputs both take from the job and the
// settings. The shared lists were changed in place, whatever way it closed.
bool TFDebit::Saisir(DialogueSaisie& d, bool modification) {
    d.TypeDebit = debit.TypeDebit;
    d.Essences = &reglages.Essences;
    d.UniteJob = reglages.UniteJob;
    d.Options = reglages.Options;
    d.ModeModification = modification;
    d.Preparer();
    PlacerDialogue(d, *this, Placement::HautFenetre);
    plateforme.Modal.Executer(d);
    reglages.Marques.Essences |= d.EssenceAjoutee;
    return d.Termine;
}

bool TFDebit::SaisirPanneaux(std::vector<Panneau_p>& panneaux, bool modification) {
    TSelPanneaux& d = *selPanneaux;
    d.MargesJob = debit.MargesJob;
    d.PiecesSaisies = &debit.PiecesSaisies;
    d.PanneauxSaisis = &panneaux;
    d.DimPanneaux = &reglages.DimPanneaux;
    const bool termine = Saisir(d, modification);
    reglages.Marques.DimPanneaux |= d.DimensionsModifiees;
    return termine;
}

bool TFDebit::SaisirPieces(std::vector<TPiece>& pieces, std::vector<std::string>& designations,
                           std::vector<std::string>& references, bool modification) {
    TSelPieces& d = *selPieces;
    d.MargesJob = debit.MargesJob;
    d.PiecesSaisies = &pieces;
    d.Designations = &designations;
    d.References = &references;
    d.PanneauxSaisis = &debit.PanneauxSaisis;
    d.DimPieces = &reglages.DimPieces;
    const bool termine = Saisir(d, modification);
    reglages.Marques.DimPieces |= d.DimensionsModifiees;
    return termine;
}

// The margin dialogs cannot be cancelled: the job always takes their margins,
// and no saw kerf.
void TFDebit::SaisirMarges(bool margesCourantes) {
    DialogueMarge* d = selMarge.get();
    if (debit.MargesJob.MargesDifferenciees)
        d = selMargesMultiples.get();
    selMarge->TypeDebit = debit.TypeDebit;
    d->UniteJob = reglages.UniteJob;
    d->PiecesSaisies = &debit.PiecesSaisies;
    d->PanneauxSaisis = &debit.PanneauxSaisis;
    d->MargesJob = debit.MargesJob;
    d->AfficherMargeCourante = margesCourantes;
    PlacerDialogue(*d, *this, Placement::HautFenetre);
    plateforme.Modal.Executer(*d);
    debit.MargesJob = d->MargesJob;
    debit.TraitScie = DialogueMarge::TraitScie;
}

// ---------------------------------------------------------------- new job

void TFDebit::NouveauClick() {
    if (!EnregistrerAvantRemplacement(
            {textes.Text(0), textes.Text(104), IconeMessage::Exclamation, BoutonsMessage::Ok}))
        return;
    ViderDebit();

    PlacerDialogue(*selDebit, *this, Placement::HautFenetre);
    plateforme.Modal.Executer(*selDebit);
    if (!selDebit->OK)
        return AnnulerCreation();
    debit.TypeDebit = selDebit->TypeDebit;
    debit.MargesJob = selDebit->MargesJob;
    if (!SaisirPanneaux(debit.PanneauxSaisis, false) ||
        !SaisirPieces(debit.PiecesSaisies, debit.Designations, debit.References, false))
        return AnnulerCreation();

    try {
        if (reglages.Options.DemanderMarge) {
            SaisirMarges(false);
        } else {
            Marges& m = debit.MargesJob;
            m.MargeLongueur = 0;
            m.MargeLargeur = 0;
            m.EcartEpaisseur = 0;
            m.EpaisseurSuperieure = 0;
        }
        CalculerPlan();
        Rafraichir();
        etat.JamaisEnregistre = true;
        etat.Modifie = true;
    } catch (const std::exception&) {
        Message(textes.Text(103), IconeMessage::Exclamation);
    }
}

void TFDebit::AnnulerCreation() {
    etat.Modifie = false;
    etat.DebitCharge = false;
    ActiverCommandesDebit(false);
    debit.PanneauxSaisis.clear();
    debit.Panneaux.clear();
    debit.PiecesSaisies.clear();
    debit.Designations.clear();
    debit.References.clear();
    // The sheet view, empty; its button stays up with the other job commands.
    ChoisirVue(VuePanneaux);
    Message(textes.Text(104), IconeMessage::Exclamation);
}

// ---------------------------------------------------------------- modification

void TFDebit::ModifierClick() {
    selMod->ChbModifMarge->setEnabled(reglages.Options.DemanderMarge != 0);
    PlacerDialogue(*selMod, *this, Placement::SousHautFenetre);
    plateforme.Modal.Executer(*selMod);
    bool panneaux = selMod->ModifPanneaux;
    bool pieces = selMod->ModifPieces;
    const bool marge = selMod->ModifMarge;

    // The dialogs work on copies: giving up one of them leaves its lists as they were.
    if (panneaux) {
        std::vector<Panneau_p> copie = debit.PanneauxSaisis;
        panneaux = SaisirPanneaux(copie, true);
        if (panneaux)
            debit.PanneauxSaisis = std::move(copie);
    }
    if (pieces) {
        std::vector<TPiece> copie = debit.PiecesSaisies;
        std::vector<std::string> designations = debit.Designations;
        std::vector<std::string> references = debit.References;
        pieces = SaisirPieces(copie, designations, references, true);
        if (pieces) {
            debit.PiecesSaisies = std::move(copie);
            debit.Designations = std::move(designations);
            debit.References = std::move(references);
        }
    }
    if (marge) {
        SaisirMarges(true);
    } else if (etat.ImportationEnCours) {
        debit.MargesJob.MargeLongueur = 0;
        debit.MargesJob.MargeLargeur = 0;
    }
    if (!panneaux && !pieces && !marge && !etat.ImportationEnCours)
        return;

    CalculerPlan();
    etat.Modifie = true;
    Rafraichir();
}

// ---------------------------------------------------------------- import and export

void TFDebit::MessageImportation(const std::string& texte) {
    plateforme.Messages.Afficher(
        {textes.Text(188), texte, IconeMessage::Information, BoutonsMessage::Ok});
}

void TFDebit::ImporterClick() {
    const std::string annulee(fixes::ImportationAnnulee);
    const std::string erreur = std::string(fixes::ErreurOuverture) + "\n" + annulee;
    if (!EnregistrerAvantRemplacement(
            {textes.Text(188), annulee, IconeMessage::Information, BoutonsMessage::Ok}))
        return;
    ViderDebit();

    importation->UniteFichier = reglages.UniteJob;
    PlacerDialogue(*importation, *this, Placement::SousHautFenetre);
    if (plateforme.Modal.Executer(*importation) != QDialog::Accepted)
        return MessageImportation(annulee);
    const std::optional<std::string> chemin =
        plateforme.Fichiers.Ouvrir({{}, std::string(fixes::FiltreImportation), "txt", {}, false});
    if (!chemin)
        return MessageImportation(annulee);
    const ResultatLecture lecture = LireFichier(*chemin, TailleMaxListePieces);
    if (!lecture.octets)
        return MessageImportation(erreur);
    ResultatImport resultat = LireListePieces(*lecture.octets, importation->Entetes,
                                              importation->UniteFichier.Facteur, reglages.Essences);
    if (resultat.issue == IssueImport::FichierVide)
        return MessageImportation(annulee);
    if (resultat.issue != IssueImport::Importee)
        return MessageImportation(erreur);

    if (!PreparerDebitImporte(debit, std::move(resultat.liste), reglages.Options).empty())
        return MessageImportation(erreur);
    etat.ImportationEnCours = true;
    ModifierClick();
    etat.ImportationEnCours = false;
    etat.JamaisEnregistre = true;
}

void TFDebit::ExporterClick() {
    const auto avis = [this](const std::string& texte, IconeMessage icone) {
        plateforme.Messages.Afficher({textes.Text(130), texte, icone, BoutonsMessage::Ok});
    };
    const std::optional<std::string> chemin =
        plateforme.Fichiers.Enregistrer({std::string(fixes::TitreDialogueExportation),
                                         std::string(fixes::FiltreExportation),
                                         {},
                                         {},
                                         true});
    if (!chemin)
        return avis(std::string(fixes::ExportationAnnulee), IconeMessage::Information);
    const std::optional<FormatExport> format = FormatSelonExtension(*chemin);
    if (!format)
        return avis(std::string(fixes::ExtensionNonValideDebut) + NomDeFichier(*chemin) +
                        std::string(fixes::ExtensionNonValideFin),
                    IconeMessage::Exclamation);
    // Qualified: the menu entry of the window bears the same name.
    const std::string octets =
        tavelune::Exporter(*format, debit, reglages.Essences, reglages.UniteJob.Facteur,
                           EntetesDepuisTable(textes), plateforme.Separateur);
    if (const std::string raison = EcrireFichier(*chemin, octets); !raison.empty())
        return avis(std::string(ErreurExportation) + "\n" + raison, IconeMessage::Exclamation);
    avis(std::string(fixes::ExportationTerminee), IconeMessage::Information);
}

// ---------------------------------------------------------------- settings

void TFDebit::OptionsGlClick() {
    options->Options = reglages.Options;
    options->Optimisation = reglages.Optimisation;
    options->UniteJob = reglages.UniteJob;
    PlacerDialogue(*options, *this, Placement::HautFenetre);
    plateforme.Modal.Executer(*options);
    if (options->OptimisationModifiee) {
        reglages.Optimisation = options->Optimisation;
        reglages.Marques.Optimisation = true;
    }
    if (!options->Modifie)
        return;
    reglages.Options = options->Options;
    // Restored defaults: Options.dat is already deleted and stays so.
    reglages.DesignationsDuFichier = !options->ParametresParDefaut;
    reglages.Marques.Options = !options->ParametresParDefaut;
    LegendesBoutonsVues();
}

void TFDebit::GestionnaireDesTypesVitragesClick() {
    gestTypeVitrages->Essences = reglages.Essences;
    PlacerDialogue(*gestTypeVitrages, *this, Placement::SousHautFenetre);
    plateforme.Modal.Executer(*gestTypeVitrages);
    if (!gestTypeVitrages->Modifie)
        return;
    reglages.Essences = gestTypeVitrages->Essences;
    reglages.Marques.Essences = true;
}

// A list that an entry dialog changed earlier stays marked for writing.
void TFDebit::DimensionsPiecesClick() {
    reglages.Marques.DimPieces |= gestDimensions->Gerer(*this, reglages.DimPieces, debit.TypeDebit);
}

void TFDebit::DimensionsDesPanneauxClick() {
    reglages.Marques.DimPanneaux |=
        gestDimensions->Gerer(*this, reglages.DimPanneaux, debit.TypeDebit);
}

} // namespace tavelune
