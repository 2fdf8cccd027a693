// The program options: maximum and default sheet sizes, the words for sheets
// and pieces, whether a margin is asked and pattern directions are used, and
// how the plan is optimised. Works on copies; the caller takes each back when
// the dialog reports it changed.
#pragma once

#include "model/Reglages.h"
#include "platform/Plateforme.h"
#include "strings/TableTextes.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavelune {

// One mark per edited value; the two sheet designations share one, and so do
// the two piece designations.
struct MarquesOptions {
    bool MaxLongueur = false;
    bool MaxLargeur = false;
    bool DesignationsPanneaux = false;
    bool DesignationsPieces = false;
    bool Marge = false;
    bool SensFil = false;
    bool LongueurDefaut = false;
    bool LargeurDefaut = false;

    bool Une() const;
    friend bool operator==(const MarquesOptions&, const MarquesOptions&) = default;
};

class TFOptions : public QDialog {
public:
    TFOptions(Plateforme& plateforme, const Reglages& reglages, QWidget* parent = nullptr);

    // Inputs: the working copies of the options and of the optimisation choice,
    // and the unit lengths are shown in.
    OptionsProgramme Options;
    ChoixOptimisation Optimisation;
    UNITE_MESURE UniteJob;
    // Results: what was changed, whether the defaults were restored (Options.dat
    // is then already deleted), and whether any option changed at all. The
    // optimisation choice has its own file, which the defaults leave alone: it
    // is reported apart, changed only when it differs from the one shown.
    MarquesOptions Marques;
    bool ParametresParDefaut = false;
    bool Modifie = false;
    bool OptimisationModifiee = false;

    QGroupBox* GpBoxDesPanneaux;
    QLabel* LblDesignationPanneaux;
    QLabel* LblSingulierPan;
    QLabel* LblPlurielPan;
    QLineEdit* EdtDesignationPanneau;
    QLineEdit* EdtDesignationPanneaux;
    QGroupBox* GpBoxDesPieces;
    QLabel* LblDesignationPieces;
    QLabel* LblSingulierPie;
    QLabel* LblPlurielPie;
    QLineEdit* EdtDesignationPiece;
    QLineEdit* EdtDesignationPieces;
    QGroupBox* GpbValMax;
    QLabel* LblMaxLongueur;
    QLabel* LblMaxLargeur;
    QLineEdit* EdtMaxLongueur;
    QLineEdit* EdtMaxLargeur;
    QGroupBox* GpbValDef;
    QLabel* LblLongueurDefaut;
    QLabel* LblLargeurDefaut;
    QLineEdit* EdtLongueurDefaut;
    QLineEdit* EdtLargeurDefaut;
    QCheckBox* ChkBoxMarge;
    QLabel* LblMarge;
    QCheckBox* ChkBoxSensFil;
    QLabel* LblSensFil;
    QGroupBox* GpbOptimisation;
    QRadioButton* RbtnStandard;
    QRadioButton* RbtnQualite;
    QLabel* LblBudget;
    QDoubleSpinBox* EdtBudget;
    QPushButton* BtnParamDefaut;
    QPushButton* BtnOK;

    void FormShow();
    void FormActivate();
    void EdtMaxLongueurExit();
    void EdtMaxLargeurExit();
    void EdtLongueurDefautExit();
    void EdtLargeurDefautExit();
    void EdtDesignationPanneauExit();
    void EdtDesignationPanneauxExit();
    void EdtDesignationPieceExit();
    void EdtDesignationPiecesExit();
    void ChkBoxMargeClick();
    void ChkBoxSensFilClick();
    void RbtnModeClick();
    void EdtBudgetChange(double secondes);
    void BtnParamDefautClick();
    void BtnOKClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    // Only OK closes the dialog.
    void reject() override {}

private:
    using Longueur = float OptionsProgramme::*;
    using Designation = std::string OptionsProgramme::*;
    using Marque = bool MarquesOptions::*;

    // A length typed in the job's unit, in mm, when 1 mm < it <= plafond.
    std::optional<float> LireLongueur(const QLineEdit& edit, double plafond) const;
    void AfficherLongueur(QLineEdit& edit, float mm) const;
    // A typed length: stored and marked when valid (a default above a new
    // maximum comes down to it), refused with the message 'erreur' otherwise.
    void SortieLongueur(QLineEdit& edit, Longueur valeur, Marque marque, int32_t erreur,
                        double plafond, QLineEdit* editDefaut = nullptr, Longueur defaut = nullptr);
    // A typed designation of 1 to 20 characters; a new singular also gives the
    // plural (the singular and an s).
    void SortieDesignation(QLineEdit& edit, Designation valeur, Marque marque,
                           QLineEdit* editPluriel = nullptr, Designation pluriel = nullptr);
    void RemplirChamps();
    void RemplirOptimisation();
    // The budget is for the search only.
    void ActiverBudget();
    void DessinerLibelles();

    Plateforme& plateforme;
    Textes textes;
    ChoixOptimisation optimisationMontree;
};

} // namespace tavelune
