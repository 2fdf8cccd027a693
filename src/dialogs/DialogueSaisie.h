// What the sheet and piece entry dialogs share: the drawing of the pattern
// direction, the sides, the count, the complex-job fields, the navigation bar
// with its counter, and the inputs and results common to both.
#pragma once

#include "dialogs/TGestDimensions.h"
#include "model/Modele.h"
#include "model/Reglages.h"
#include "platform/Fenetres.h"
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
#include <optional>
#include <string>
#include <vector>

namespace tavelune {

class DialogueSaisie : public QDialog {
public:
    // Inputs, set by the caller before Preparer.
    int32_t TypeDebit = DebitSimple;
    std::vector<std::string>* Essences = nullptr;
    UNITE_MESURE UniteJob;
    OptionsProgramme Options; // maximum and default sizes, pattern directions
    bool ModeModification = false;

    // Results.
    bool Termine = false;
    bool EssenceAjoutee = false;      // Essences grew: mark it for writing
    bool DimensionsModifiees = false; // the list of dimensions changed: mark it for writing

    // Resets the working state and the results and shows the first entry.
    // Run before each showing.
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

protected:
    // The count's group, its check box, label and box: each dialog owns them
    // under its own names (a group box must outlive the controls it holds).
    struct ControlesNombre {
        QGroupBox& Groupe;
        QCheckBox& Case;
        QLabel& Libelle;
        QLineEdit& Edit;
    };

    // Captions take the designations of the settings as they are now; the
    // dimension manager serves the right-click picking.
    DialogueSaisie(Plateforme& plateforme, const Reglages& reglages,
                   TGestDimensions& gestDimensions, QWidget* parent);

    void showEvent(QShowEvent* evenement) override;

    // The drawing, at the top left.
    void PlacerDessin(int hauteur);
    // Length, width and direction, one below the other from y.
    void PlacerCotes(int y);
    // The count's group at y.
    void PlacerNombre(const char* nomGroupe, const char* nomCase, int y);
    // The counter and its buttons, then the bottom row.
    void PlacerNavigation(int xTerminer);
    // The captions, hints and behaviours of the shared controls; the right
    // click on a size box runs the picking.
    void PreparerControles();

    // The handlers of the shared fields and buttons, under their names in the dialog D.
    template <class D> void ConnecterCommuns(D& dialogue) {
        ConnecterSortie(EdtLongueur, [&dialogue] { dialogue.EdtLongueurExit(); });
        ConnecterSortie(EdtLargeur, [&dialogue] { dialogue.EdtLargeurExit(); });
        ConnecterSortie(Nombre().Edit, [&dialogue] { dialogue.EdtNbExit(); });
        ConnecterSortie(EdtEpaisseur, [&dialogue] { dialogue.EdtEpaisseurExit(); });
        ConnecterSortie(CbxEssence, [&dialogue] { dialogue.CbxEssenceExit(); });
        connect(&CbxSens, &QComboBox::activated, &dialogue, &D::CbxSensClick);
        connect(&BtnSuivant, &QPushButton::clicked, &dialogue, &D::BtnSuivantClick);
        connect(&BtnPred, &QPushButton::clicked, &dialogue, &D::BtnPredClick);
        connect(&BtnNouveau, &QPushButton::clicked, &dialogue, &D::BtnNouveauClick);
        connect(&BtnSupprimer, &QPushButton::clicked, &dialogue, &D::BtnSupprimerClick);
        connect(&BtnTerminer, &QPushButton::clicked, &dialogue, &D::BtnTerminerClick);
        connect(&BtnAnnul, &QPushButton::clicked, &dialogue, &D::BtnAnnulClick);
    }

    // Fills the glass-type list from Essences.
    void RemplirEssences();
    // The counter shows the current entry; the moves are enabled where there is one.
    void MettreAJourBoutons();
    // A new entry, the last, is shown: nowhere to go but back.
    void MontrerNouvelleEntree();
    // A field was accepted: the entry is no longer the untouched new one.
    void ChampAccepte();
    // The count typed; nullopt after refusing it and putting back 1.
    std::optional<int32_t> NombreSaisi();
    // The side typed in a box for the picking: 0 when the box is empty.
    static int32_t CoteProposee(const QLineEdit& edit, float courante);
    // The dimension manager offers the list for the sides typed (and this
    // thickness, among the sheets' ones when given); the length and width
    // picked become the current ones. The caller has read the boxes first.
    std::optional<DIMENSIONS> ProposerDimensions(std::vector<DIMENSIONS>& liste,
                                                 const std::vector<Panneau_p>* panneaux,
                                                 int32_t epaisseur);

    bool Complexe() const { return TypeDebit == DebitComplexe; }

    virtual ControlesNombre Nombre() = 0;
    virtual void Initialiser() = 0;
    virtual int32_t Dernier() const = 0;
    virtual void EdtDimensionsClicDroit() = 0;

    Plateforme& plateforme;
    TGestDimensions& gestDimensions;
    Textes textes;

    int32_t indexCourant = 0;
    float longueurCourante = 0;
    float largeurCourante = 0;
    float epaisseurCourante = 0;
    int32_t nbCourant = 1;
    bool intacte = false;
};

} // namespace tavelune
