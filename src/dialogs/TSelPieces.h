// The piece entry dialog: the pieces of a job, one at a time, each with a
// reference and a designation, checked against the sheets entered before so
// that every piece it lets through fits at least one of them.
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

class TSelPieces : public QDialog {
public:
    // Captions take the designations of the settings as they are now; the
    // dimension manager serves the right-click picking.
    TSelPieces(Plateforme& plateforme, const Reglages& reglages, TGestDimensions& gestDimensions,
               QWidget* parent = nullptr);

    // Inputs, set by the caller before Preparer.
    int32_t TypeDebit = DebitSimple;
    // The dialog's copy: outside modification mode the first fit check clears
    // its margins (the wizard asks for them after the pieces).
    Marges MargesJob;
    std::vector<std::string>* Essences = nullptr;
    std::vector<TPiece>* PiecesSaisies = nullptr; // the three lists are edited in place
    std::vector<std::string>* Designations = nullptr;
    std::vector<std::string>* References = nullptr;
    const std::vector<Panneau_p>* PanneauxSaisis = nullptr;
    std::vector<DIMENSIONS>* DimPieces = nullptr;
    UNITE_MESURE UniteJob;
    OptionsProgramme Options; // maximum sizes, pattern directions
    bool ModeModification = false;

    // Results.
    bool Termine = false;
    bool EssenceAjoutee = false;      // Essences grew: mark it for writing
    bool DimensionsModifiees = false; // DimPieces changed: mark it for writing

    // Resets the working state and the results and shows the first piece (a
    // new one when the list is empty). Run before each showing.
    void Preparer();

    // The length, width and thickness labels in this unit; the unit command
    // relabels the dialog at once.
    void LibellesUnite(const UNITE_MESURE& unite);

    // Escape does not close the dialog: only its buttons do.
    void reject() override;

    QFrame PanelDessin;
    QLabel Image;
    QLabel lblReference;
    QLineEdit EdtReference;
    QLabel lblDesignation;
    QLineEdit EdtDesignation;
    QLabel lblLongueur;
    QLineEdit EdtLongueur;
    QLabel lblLargeur;
    QLineEdit EdtLargeur;
    QLabel lblSens;
    QComboBox CbxSens;
    QGroupBox GroupBox1;
    QCheckBox ChbNbPieces;
    QLabel lblNb;
    QLineEdit EdtNb;
    QGroupBox GpbDebitComplexe;
    QLabel lblEpaisseur;
    QLineEdit EdtEpaisseur;
    QComboBox CbxEpaisseur;
    QLabel lblEssence;
    QComboBox CbxEssence;
    QPushButton BtnPred;
    QLineEdit EdtCompteur;
    QPushButton BtnSuivant;
    QPushButton BtnAnnul;
    QPushButton BtnNouveau;
    QPushButton BtnSupprimer;
    QPushButton BtnTerminer;

    void EdtReferenceExit();
    void EdtDesignationExit();
    void EdtLongueurExit();
    void EdtLargeurExit();
    void EdtNbExit();
    void EdtEpaisseurExit();
    void CbxEpaisseurChange();
    void CbxSensClick();
    void CbxEssenceExit();
    void ChbNbPiecesClick();
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
        bool Designation = false;
        bool Reference = false;
        bool Longueur = false;
        bool Largeur = false;
        bool Nb = false;
        bool Sens = false;
        bool Epaisseur = false;
        bool Essence = false;
        bool Aucune() const {
            return !(Designation || Reference || Longueur || Largeur || Nb || Sens || Epaisseur ||
                     Essence);
        }
    };

    void ConstruireControles();
    void Initialiser();
    void AfficherSens(int32_t sens);
    void AfficherEpaisseur(int32_t epaisseur);
    void AfficherPiece();
    void AjouterPieceNeuve(int32_t numero);
    void RetirerPiece(std::size_t index);
    void MettreAJourBoutons();
    void ChampAccepte();
    bool TropGrande(int32_t valeur, bool longueur) const;
    void ControlerCote(QLineEdit& edit, float& courante, bool& modifiee, bool longueur,
                       bool relire);
    bool ControlerEpaisseur(double valeur, bool suffisante);
    bool PieceSaisie() const;
    void EnregistrerPiece();
    bool ValiderPiece();
    void PieceNonValide();
    bool Complexe() const { return TypeDebit == DebitComplexe; }
    bool EpaisseurTapee() const { return MargesJob.EpaisseurSuperieure != 0; }
    int32_t Dernier() const { return static_cast<int32_t>(PiecesSaisies->size()) - 1; }
    bool Affichee() const { return indexCourant >= 0 && indexCourant <= Dernier(); }
    TPiece& Piece() { return (*PiecesSaisies)[static_cast<std::size_t>(indexCourant)]; }

    Plateforme& plateforme;
    TGestDimensions& gestDimensions;
    Textes textes;
    std::string pieceMinuscule;    // piece designation, singular, lower case
    std::string panneauxMinuscule; // sheet designation, plural, lower case

    int32_t indexCourant = 0;
    float longueurCourante = 0;
    float largeurCourante = 0;
    float epaisseurCourante = 0;
    int32_t nbCourant = 1;
    int32_t sensCourant = Horizontal;
    Modifications modifie;
    bool intacte = false;
    QString referencePrecedente;
};

} // namespace tavelune
