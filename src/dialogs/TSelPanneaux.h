// The sheet entry dialog: the sheet models of a job, one at a time, with a
// counter and buttons to move, add, delete and finish. In modification mode a
// change after which some entered piece fits no sheet is refused.
#pragma once

#include "dialogs/TGestDimensions.h"
#include "model/Modele.h"
#include "model/Reglages.h"
#include "platform/Plateforme.h"
#include "strings/TableTextes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

namespace tavelune {

class TSelPanneaux : public QDialog {
public:
    // Captions take the designations of the settings as they are now; the
    // dimension manager serves the right-click picking.
    TSelPanneaux(Plateforme& plateforme, const Reglages& reglages, TGestDimensions& gestDimensions,
                 QWidget* parent = nullptr);

    // Inputs, set by the caller before Preparer.
    int32_t TypeDebit = DebitSimple;
    Marges MargesJob;
    std::vector<std::string>* Essences = nullptr;
    std::vector<Panneau_p>* PanneauxSaisis = nullptr; // edited in place
    const std::vector<TPiece>* PiecesSaisies = nullptr;
    std::vector<DIMENSIONS>* DimPanneaux = nullptr;
    UNITE_MESURE UniteJob;
    OptionsProgramme Options; // maximum and default sizes, pattern directions
    bool ModeModification = false;

    // Results.
    bool Termine = false;
    bool EssenceAjoutee = false;      // Essences grew: mark it for writing
    bool DimensionsModifiees = false; // DimPanneaux changed: mark it for writing

    // Resets the working state and the results and shows the first entry
    // (a default one when the list is empty). Run before each showing.
    void Preparer();

    // The length, width and thickness labels in this unit; the unit command
    // relabels the dialog at once.
    void LibellesUnite(const UNITE_MESURE& unite);

    // Escape does not close the dialog: only its buttons do.
    void reject() override;

    QFrame PanelDessin;
    QLabel Image;
    QLabel lblLongueur;
    QLineEdit EdtLongueur;
    QLabel lblLargeur;
    QLineEdit EdtLargeur;
    QLabel lblSens;
    QComboBox CbxSens;
    QGroupBox GroupBox2;
    QCheckBox ChbNbPanneaux;
    QLabel lblNb;
    QLineEdit EdtNb;
    QGroupBox GpbDebitComplexe;
    QLabel lblEpaisseur;
    QLineEdit EdtEpaisseur;
    QLabel lblEssence;
    QComboBox CbxEssence;
    QPushButton BtnPred;
    QLineEdit EdtCompteur;
    QPushButton BtnSuivant;
    QPushButton BtnAnnul;
    QPushButton BtnNouveau;
    QPushButton BtnSupprimer;
    QPushButton BtnTerminer;

    void EdtLongueurExit();
    void EdtLargeurExit();
    void EdtNbExit();
    void EdtEpaisseurExit();
    void EdtLongueurChange();
    void EdtLargeurChange();
    void CbxSensClick();
    void CbxEssenceExit();
    void ChbNbPanneauxClick();
    void EdtDimensionsClicDroit();
    void BtnSuivantClick();
    void BtnPredClick();
    void BtnNouveauClick();
    void BtnSupprimerClick();
    void BtnTerminerClick();
    void BtnAnnulClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    struct Modifications {
        bool Longueur = false;
        bool Largeur = false;
        bool Nb = false;
        bool Sens = false;
        bool Epaisseur = false;
        bool Essence = false;
        bool Aucune() const { return !(Longueur || Largeur || Nb || Sens || Epaisseur || Essence); }
    };

    void Initialiser();
    void ConstruireControles();
    void AfficherSens(int32_t sens);
    void AfficherEntree();
    void AjouterEntreeParDefaut();
    void ChampAccepte();
    void ControlerCote(QLineEdit& edit, float& courante, bool& modifiee, float maximum,
                       int32_t stockee, int32_t idMessage);
    bool EnregistrerEntree();
    bool CoteRefusee(QLineEdit& edit, float& courante, bool& modifiee, int32_t stockee,
                     int32_t idMessage);
    bool PiecesAdmises(bool memeNouvelle);
    void MettreAJourBoutons();
    bool Complexe() const { return TypeDebit == DebitComplexe; }
    Panneau_p& Entree() { return (*PanneauxSaisis)[static_cast<std::size_t>(indexCourant)]; }
    int32_t Dernier() const { return static_cast<int32_t>(PanneauxSaisis->size()) - 1; }

    Plateforme& plateforme;
    TGestDimensions& gestDimensions;
    Textes textes;
    std::string panneauMinuscule;  // sheet designation, singular, lower case
    std::string panneauxMinuscule; // plural
    std::string piecesMinuscule;   // piece designation, plural, lower case

    int32_t indexCourant = 0;
    float longueurCourante = 0;
    float largeurCourante = 0;
    float epaisseurCourante = 0;
    int32_t nbCourant = 1;
    Modifications modifie;
    bool nouvelleEntree = false;
    bool intacte = false;
};

} // namespace tavelune
