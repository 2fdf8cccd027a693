// Options of a piece-list import: whether the file's first line holds column
// headers, and the unit its dimensions are written in.
#pragma once

#include "model/Modele.h"
#include "model/Reglages.h"
#include "platform/Plateforme.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tavelune {

class TFImportation : public QDialog {
public:
    TFImportation(Plateforme& plateforme, const Reglages& reglages, QWidget* parent = nullptr);

    // The caller presets UniteFichier to the program's unit before showing; the
    // dialog proposes it and gives back the chosen one. The result of the
    // dialog (Accepted for OK, Rejected for Annuler) says whether to go on.
    bool Entetes = true;
    UNITE_MESURE UniteFichier;

    QGroupBox* GroupBox;
    QLabel* Label;
    QCheckBox* CbxEntetes;
    QComboBox* CbxListeUnites;
    QPushButton* BtnAnnuler;
    QPushButton* BtnOK;
    QLabel* LblUnite;

    void FormActivate();
    void CbxEntetesClick();
    void CbxListeUnitesClick();
    void BtnAnnulerClick();
    void BtnOKClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    // Escape cancels, as Annuler does.
    void reject() override { BtnAnnulerClick(); }

private:
    // The units of the list, in its order.
    std::vector<UNITE_MESURE> unites;
};

} // namespace tavelune
