// Separate safety margins along the length and along the width of the pieces,
// for a complex job whose margins differ.
#pragma once

#include "dialogs/TSelMarge.h"

class QGroupBox;

namespace tavelune {

class TSelMargesMultiples : public DialogueMarge {
public:
    TSelMargesMultiples(Plateforme& plateforme, const Reglages& reglages,
                        QWidget* parent = nullptr);

    QGroupBox* GpbMarges;
    QLabel* LblLongueur;
    QLineEdit* EdtMargeL;
    QLabel* LblLargeur;
    QLineEdit* EdtMargeH;
    QPushButton* BtnOk;

    // The group's caption in this unit; the unit command relabels the dialog at once.
    void LibellesUnite(const UNITE_MESURE& unite);

    void FormShow();
    void EdtMargeLExit();
    void EdtMargeHExit();
    void BtnOkClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    // Only OK closes the dialog.
    void reject() override {}
};

} // namespace tavelune
