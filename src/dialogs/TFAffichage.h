// The display dialog: which piece dimensions the cutting plan writes, and the
// unit of the summary.
#pragma once

#include "strings/TableTextes.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>

namespace tavelune {

class TFAffichage : public QDialog {
public:
    explicit TFAffichage(const Textes& textes, QWidget* parent = nullptr);

    // Copies the two settings in and shows them. An unknown value leaves its
    // choice as it was (the summary) or checks no button (the mode).
    void Preparer(int32_t modeAffichage, int32_t uniteRecap);

    // The choices, taken back by the caller however the dialog was closed.
    int32_t ModeAffichage = 20;
    int32_t UniteRecap = 1;

    QGroupBox GpbRecap;
    QRadioButton RbtnRecapUnite;
    QRadioButton RbtnRecapMetres;
    QGroupBox GpbPlanCoupe;
    QLabel Label1;
    QRadioButton RbtnFiniesSeul;
    QRadioButton RbtnNettesSeul;
    QRadioButton RbtnNettes;
    QLabel LblNettes;
    QRadioButton RbtnFinies;
    QLabel LblFinies;
    QPushButton BtnOk;

private:
    void GpbRecapClick();
    void RbtnFiniesSeulClick() { ModeAffichage = 20; }
    void RbtnNettesSeulClick() { ModeAffichage = 10; }
    void RbtnNettesClick() { ModeAffichage = 0; }
    void RbtnFiniesClick() { ModeAffichage = 1; }
    void BtnOkClick() { accept(); }
    // The places are kept; the groups and the window widen when the texts need it.
    void ElargirAuTexte();

    QButtonGroup recap;
    QButtonGroup mode;
};

} // namespace tavelune
