// First step of a modification: what the user wants to change (sheets, pieces,
// margin). There is no cancel: unticking everything changes nothing.
#pragma once

#include "model/Reglages.h"
#include "platform/Plateforme.h"
#include "strings/TableTextes.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace tavelune {

class TSelMod : public QDialog {
public:
    // The designations are read from 'reglages' each time the dialog is shown.
    TSelMod(Plateforme& plateforme, const Reglages& reglages, QWidget* parent = nullptr);

    // Results, one per box. The caller enables ChbModifMarge only when the
    // options ask for a margin.
    bool ModifPanneaux = true;
    bool ModifPieces = true;
    bool ModifMarge = false;

    QCheckBox* ChbModifPanneaux;
    QCheckBox* ChbModifPieces;
    QCheckBox* ChbModifMarge;
    QPushButton* BtnOk;

    void FormActivate();
    void ChbModifPanneauxClick();
    void ChbModifPiecesClick();
    void ChbModifMargeClick();
    void BtnOkClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    // Only OK closes the dialog.
    void reject() override {}

private:
    const Reglages& reglages;
    Textes textes;
};

} // namespace tavelune
