// The piece entry dialog: the pieces of a job, one at a time, each with a
// reference and a designation, checked against the sheets entered before so
// that every piece it lets through fits at least one of them.
#pragma once

#include "dialogs/DialogueSaisie.h"
#include "dialogs/TGestDimensions.h"
#include "model/Modele.h"
#include "model/Reglages.h"
#include "platform/Plateforme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <string>
#include <vector>

namespace tavelune {

class TSelPieces : public DialogueSaisie {
public:
    TSelPieces(Plateforme& plateforme, const Reglages& reglages, TGestDimensions& gestDimensions,
               QWidget* parent = nullptr);

    // Inputs, set by the caller before Preparer (with TypeDebit, Essences,
    // UniteJob, Options and ModeModification). Preparer shows a new piece when
    // the list is empty.

    // The dialog's copy: outside modification mode the first fit check clears
    // its margins (the wizard asks for them after the pieces).
    Marges MargesJob;
    std::vector<TPiece>* PiecesSaisies = nullptr; // the three lists are edited in place
    std::vector<std::string>* Designations = nullptr;
    std::vector<std::string>* References = nullptr;
    const std::vector<Panneau_p>* PanneauxSaisis = nullptr;
    std::vector<DIMENSIONS>* DimPieces = nullptr;

    // The controls shared with the sheet dialog are DialogueSaisie's.
    QLabel lblReference;
    QLineEdit EdtReference;
    QLabel lblDesignation;
    QLineEdit EdtDesignation;
    QGroupBox GroupBox1;
    QCheckBox ChbNbPieces;
    QLabel lblNb;
    QLineEdit EdtNb;
    QComboBox CbxEpaisseur;

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
    void EdtDimensionsClicDroit() override;
    void BtnSuivantClick();
    void BtnPredClick();
    void BtnNouveauClick();
    void BtnSupprimerClick();
    void BtnTerminerClick();
    void BtnAnnulClick();

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
    ControlesNombre Nombre() override { return {GroupBox1, ChbNbPieces, lblNb, EdtNb}; }
    void Initialiser() override;
    void AfficherSens(int32_t sens);
    void AfficherEpaisseur(int32_t epaisseur);
    void AfficherPiece();
    void AjouterPieceNeuve(int32_t numero);
    void RetirerPiece(std::size_t index);
    bool TropGrande(int32_t valeur, bool longueur) const;
    void ControlerCote(QLineEdit& edit, float& courante, bool& modifiee, bool longueur,
                       bool relire);
    bool ControlerEpaisseur(double valeur, bool suffisante);
    bool PieceSaisie() const;
    void EnregistrerPiece();
    bool ValiderPiece();
    void PieceNonValide();
    bool EpaisseurTapee() const { return MargesJob.EpaisseurSuperieure != 0; }
    int32_t Dernier() const override { return static_cast<int32_t>(PiecesSaisies->size()) - 1; }
    bool Affichee() const { return indexCourant >= 0 && indexCourant <= Dernier(); }
    TPiece& Piece() { return (*PiecesSaisies)[static_cast<std::size_t>(indexCourant)]; }

    std::string pieceMinuscule;    // piece designation, singular, lower case
    std::string panneauxMinuscule; // sheet designation, plural, lower case

    int32_t sensCourant = Horizontal;
    Modifications modifie;
    QString referencePrecedente;
};

} // namespace tavelune
