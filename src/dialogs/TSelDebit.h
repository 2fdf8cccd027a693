// First step of the new-job wizard: a simple or a complex job, and for a
// complex job whether the length and width margins differ.
#pragma once

#include "model/Modele.h"
#include "model/Reglages.h"
#include "platform/Plateforme.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tavelune {

class TSelDebit : public QDialog {
public:
    TSelDebit(Plateforme& plateforme, const Reglages& reglages, QWidget* parent = nullptr);

    // Results: the job type, whether OK closed the dialog, and the margins
    // record whose lengths stay 0 and whose MargesDifferenciees follows the box.
    int32_t TypeDebit = DebitSimple;
    bool OK = false;
    Marges MargesJob;

    QGroupBox* GpbDebitSimple;
    QRadioButton* RbtnDebitSimple;
    QLabel* Label1;
    QGroupBox* GpbDebitComplexe;
    QRadioButton* RbtnDebitComplexe;
    QLabel* Label2;
    QCheckBox* CBoxMargesDiff;
    QLabel* LblMargesDiff;
    QGroupBox* GpbAide;
    QLabel* LblAide;
    QPushButton* btnAnnul;
    QPushButton* btnOk;

    void FormActivate();
    void RbtnDebitSimpleClick();
    void RbtnDebitComplexeClick();
    void CBoxMargesDiffClick();
    void btnOkClick();
    void btnAnnulClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    // Escape cancels, as the cancel button does.
    void reject() override { btnAnnulClick(); }

private:
    void ActiverMargesDiff(bool actif);
};

} // namespace tavelune
