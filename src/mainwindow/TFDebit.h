// The main window: owns the open job and the program's settings, shows the job
// in three views (result sheets, entered pieces, cutting list) and carries the
// menu and tool bar through which every command is reached.
#pragma once

#include "documents/FichiersReglages.h"
#include "mainwindow/EtatDebit.h"
#include "model/Modele.h"
#include "model/Reglages.h"
#include "strings/TableTextes.h"
#include "view/Canvas.h"
#include "view/Impression.h"
#include "view/Reglages.h"

#include <QMainWindow>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QLineEdit;
class QMenu;
class QToolButton;

namespace tavelune {

struct Plateforme;
struct Message;
enum class IconeMessage;
class TFAffichage;
class TFApropos;
class TFCaractPanneaux;
class DialogueSaisie;
class TFImportation;
class TFOptions;
class TGestDimensions;
class TGestTypeVitrages;
class TSelDebit;
class TSelMarge;
class TSelMargesMultiples;
class TSelMod;
class TSelPanneaux;
class TSelPieces;
class TSelUnite;

// VueCourante.
enum Vue : int { AucuneVue = 0, VuePieces = 10, VuePanneaux = 20, VueFiche = 30 };

struct EtatVue {
    int VueCourante = AucuneVue;
    int IndexCourant = 0;
    // No value while the area is too small for the list: nothing is drawn then.
    std::optional<float> EchellePanneaux;
    std::optional<float> EchellePieces;
    Point OrigineDessin{20, 0};
    int32_t A = 0; // available height and width of the client area, 0.1 mm
    int32_t B = 0;
    int32_t EntetePanneaux = 0; // header allowances handed to CalculerEchelle
    int32_t EntetePieces = 0;
    int32_t LignesParPage = 0;
};

class TFDebit : public QMainWindow {
public:
    // Settings files are read from, and written to, `dossierReglages`; the first
    // of `arguments` (if any) is the job opened at start-up.
    TFDebit(Plateforme& plateforme, std::filesystem::path dossierReglages,
            const QStringList& arguments);
    ~TFDebit() override;

    const Debit& Job() const { return debit; }
    const Reglages& Parametres() const { return reglages; }
    const EtatDebit& Etat() const { return etat; }
    // The job flows (new job, modification, import) set the flags themselves.
    EtatDebit& Etat() { return etat; }
    const EtatVue& Vues() const { return vue; }

    // Commands, named after their menu entries and buttons.
    void NouveauClick();
    void OuvrirClick();
    void EnregistrerClick();
    void EnreClick();
    void ImporterClick();
    void ExporterClick();
    void ModifierClick();
    void SupprimerClick();
    void QuitterClick();
    void ImprimerClick();
    void BtnImpressionClick();
    void RecapClick();
    void GestionnaireDesTypesVitragesClick();
    void DimensionsPiecesClick();
    void DimensionsDesPanneauxClick();
    void UnitesClick();
    void AffichageClick();
    void OptionsGlClick();
    void AproposdeDebitClick();

    void SBtnPanneauxClick();
    void SBtnPiecesClick();
    void SBtnFicheClick();
    void BtnPremierClick();
    void BtnPrecedentClick();
    void BtnSuivantClick();
    void BtnDernierClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    class ZoneClient;

    void FormCreate(const QStringList& arguments);
    void FormActivate();
    void FormClose();
    void SignalerReglagesNonEcrits(const std::vector<EchecEcriture>& echecs);
    void FormPaint();
    void FormResize();

    void CreerMenus();
    void CreerBarreOutils();
    void CreerDialogues();
    void DefinirLegendes();
    void LegendesBoutonsVues();

    // Job state.
    void DefinirTitre();
    bool OuvrirFichier(const std::string& chemin);
    void Rafraichir();
    std::optional<std::string> DemanderFichierDebit();
    bool EcrireSous(const std::string& chemin);
    std::string QuestionEnregistrement() const;
    bool EnregistrerAvantRemplacement(const tavelune::Message& annulation);
    void ActiverCommandesDebit(bool actives);
    void DesactiverAuDemarrage();

    // Building and changing a job.
    // The plan of the job, computed the way the user chose.
    void CalculerPlan();
    void ViderDebit();
    void AnnulerCreation();
    bool Saisir(DialogueSaisie& d, bool modification);
    bool SaisirPanneaux(std::vector<Panneau_p>& panneaux, bool modification);
    bool SaisirPieces(std::vector<TPiece>& pieces, std::vector<std::string>& designations,
                      std::vector<std::string>& references, bool modification);
    void SaisirMarges(bool margesCourantes);
    void MessageImportation(const std::string& texte);

    // Views and navigation.
    int32_t NombreElements() const;
    void ChoisirVue(int vueCourante);
    void AfficherCompteur();
    void ActiverNavigation(bool premierPrecedent, bool suivantDernier);
    void CalculerEchelles();

    // Printing.
    bool ImprimerVue(Imprimante& imprimante, Commande commande);

    void Message(const std::string& texte, IconeMessage icone);
    ReglagesDessin ReglagesPourDessin() const;
    void OuvrirPageWeb(const std::string& adresse);

    Plateforme& plateforme;
    std::filesystem::path dossierReglages;
    Textes textes;
    Reglages reglages;
    Debit debit;
    EtatDebit etat;
    EtatVue vue;
    std::string fichierInitial;
    int32_t reserveImpression = 0; // printer pixels kept off the cutting list's page
    bool demarre = false;
    bool ferme = false;

    ZoneClient* zone = nullptr;
    QWidget* Panel1 = nullptr;
    QToolButton* BtnNouveau = nullptr;
    QToolButton* BtnOuvrir = nullptr;
    QToolButton* BtnEnre = nullptr;
    QToolButton* BtnImpression = nullptr;
    QToolButton* SBtnPanneaux = nullptr;
    QToolButton* SBtnPieces = nullptr;
    QToolButton* SBtnFiche = nullptr;
    QButtonGroup* groupeVues = nullptr;
    QToolButton* BtnPremier = nullptr;
    QToolButton* BtnPrecedant = nullptr;
    QLineEdit* EdtQuantieme = nullptr;
    QToolButton* BtnSuivant = nullptr;
    QToolButton* BtnDernier = nullptr;

    QMenu* Fichier = nullptr;
    QMenu* Edition = nullptr;
    QMenu* Options = nullptr;
    QMenu* GestionnaireDesDimensions = nullptr;
    QMenu* Langue = nullptr;
    QMenu* N11 = nullptr;
    QAction* Nouveau = nullptr;
    QAction* Ouvrir = nullptr;
    QAction* Enregistrer = nullptr;
    QAction* Enre = nullptr;
    QAction* Importer = nullptr;
    QAction* Exporter = nullptr;
    QAction* Recap = nullptr;
    QAction* Imprimer = nullptr;
    QAction* Quitter = nullptr;
    QAction* Modifier = nullptr;
    QAction* Supprimer = nullptr;
    QAction* GestionnaireDesTypesVitrages = nullptr;
    QAction* DimensionsPieces = nullptr;
    QAction* DimensionsDesPanneaux = nullptr;
    QAction* Unites = nullptr;
    QAction* Affichage = nullptr;
    QAction* OptionsGl = nullptr;
    QAction* AideDebit = nullptr;
    QAction* Guide = nullptr;
    QAction* Videos = nullptr;
    QAction* SiteInternet = nullptr;
    QAction* AproposdeDebit = nullptr;

    std::unique_ptr<TFApropos> apropos;
    std::unique_ptr<TSelMod> selMod;
    std::unique_ptr<TSelDebit> selDebit;
    std::unique_ptr<TGestDimensions> gestDimensions;
    std::unique_ptr<TSelPanneaux> selPanneaux;
    std::unique_ptr<TSelPieces> selPieces;
    std::unique_ptr<TSelMarge> selMarge;
    std::unique_ptr<TSelUnite> selUnite;
    std::unique_ptr<TSelMargesMultiples> selMargesMultiples;
    std::unique_ptr<TFCaractPanneaux> caractPanneaux;
    std::unique_ptr<TFOptions> options;
    std::unique_ptr<TFImportation> importation;
    std::unique_ptr<TFAffichage> affichage;
    std::unique_ptr<TGestTypeVitrages> gestTypeVitrages;
};

} // namespace tavelune
