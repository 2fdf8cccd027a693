// The glass-type list: add and delete names. After a change, OK sorts the list
// by the bytes of the names as the list file holds them.
#pragma once

#include "model/Reglages.h"
#include "platform/Plateforme.h"

#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavelune {

// Ordinal order of the Windows-1252 bytes: capitals before small letters,
// accented letters after "z".
void TrierEssences(std::vector<std::string>& essences);

class TGestTypeVitrages : public QDialog {
public:
    TGestTypeVitrages(Plateforme& plateforme, const Reglages& reglages, QWidget* parent = nullptr);

    // The list, copied in before showing and taken back afterwards; Modifie
    // says whether it changed (and was sorted).
    std::vector<std::string> Essences;
    bool Modifie = false;

    QLineEdit* EdtEssence;
    QListWidget* LbEssence;
    QPushButton* BtnAjouter;
    QPushButton* BtnSupprimer;
    QPushButton* BtnOK;

    void FormShow();
    void EdtEssenceChange();
    void LbEssenceClick();
    void BtnAjouterClick();
    void BtnSupprimerClick();
    void BtnOKClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    // Only OK closes the dialog.
    void reject() override {}

private:
    void ActiverBoutons(bool ajouter, bool supprimer);
};

} // namespace tavelune
