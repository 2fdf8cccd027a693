// The sheet entry dialog: the sheet models of a job, one at a time, with a
// counter and buttons to move, add, delete and finish. In modification mode a
// change after which some entered piece fits no sheet is refused.
#pragma once

#include "dialogs/DialogueSaisie.h"
#include "dialogs/TGestDimensions.h"
#include "model/Modele.h"
#include "model/Reglages.h"
#include "platform/Plateforme.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <string>
#include <vector>

namespace tavelune {

class TSelPanneaux : public DialogueSaisie {
public:
    TSelPanneaux(Plateforme& plateforme, const Reglages& reglages, TGestDimensions& gestDimensions,
                 QWidget* parent = nullptr);

    // Inputs, set by the caller before Preparer (with TypeDebit, Essences,
    // UniteJob, Options and ModeModification). Preparer shows a default entry
    // when the list is empty.
    Marges MargesJob;
    std::vector<Panneau_p>* PanneauxSaisis = nullptr; // edited in place
    const std::vector<TPiece>* PiecesSaisies = nullptr;
    std::vector<DIMENSIONS>* DimPanneaux = nullptr;

    // The controls shared with the piece dialog are DialogueSaisie's.
    QGroupBox GroupBox2;
    QCheckBox ChbNbPanneaux;
    QLabel lblNb;
    QLineEdit EdtNb;

    void EdtLongueurExit();
    void EdtLargeurExit();
    void EdtNbExit();
    void EdtEpaisseurExit();
    void EdtLongueurChange();
    void EdtLargeurChange();
    void CbxSensClick();
    void CbxEssenceExit();
    void ChbNbPanneauxClick();
    void EdtDimensionsClicDroit() override;
    void BtnSuivantClick();
    void BtnPredClick();
    void BtnNouveauClick();
    void BtnSupprimerClick();
    void BtnTerminerClick();
    void BtnAnnulClick();

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

    ControlesNombre Nombre() override { return {GroupBox2, ChbNbPanneaux, lblNb, EdtNb}; }
    void Initialiser() override;
    void ConstruireControles();
    void AfficherSens(int32_t sens);
    void AfficherEntree();
    void AjouterEntreeParDefaut();
    void ControlerCote(QLineEdit& edit, float& courante, bool& modifiee, float maximum,
                       int32_t stockee, int32_t idMessage);
    bool EnregistrerEntree();
    bool CoteRefusee(QLineEdit& edit, float& courante, bool& modifiee, int32_t stockee,
                     int32_t idMessage);
    bool PiecesAdmises(bool memeNouvelle);
    Panneau_p& Entree() { return (*PanneauxSaisis)[static_cast<std::size_t>(indexCourant)]; }
    int32_t Dernier() const override { return static_cast<int32_t>(PanneauxSaisis->size()) - 1; }

    std::string panneauMinuscule;  // sheet designation, singular, lower case
    std::string panneauxMinuscule; // plural
    std::string piecesMinuscule;   // piece designation, plural, lower case

    Modifications modifie;
    bool nouvelleEntree = false;
};

} // namespace tavelune
