// The margin dialogs: one safety margin for both sides of every piece
// (TSelMarge), or separate length and width margins (TSelMargesMultiples, in
// TSelMargesMultiples.h). A margin is refused when some entered piece would no
// longer fit any entered sheet with it.
#pragma once

#include "model/Modele.h"
#include "model/Reglages.h"
#include "platform/Plateforme.h"
#include "strings/TableTextes.h"

#include <QDialog>
#include <initializer_list>
#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavelune {

// What both margin dialogs hold and share: the figure and its explanation,
// the reading of a margin box and the OK rule.
class DialogueMarge : public QDialog {
public:
    // Inputs, copied in by the caller before showing; MargesJob is also the
    // result, whatever way the dialog closes.
    Marges MargesJob;
    UNITE_MESURE UniteJob;
    const std::vector<TPiece>* PiecesSaisies = nullptr;
    const std::vector<Panneau_p>* PanneauxSaisis = nullptr;
    // Start with the boxes showing the current margins (a modification).
    bool AfficherMargeCourante = false;
    // No control sets the saw kerf: closing a margin dialog gives the job none.
    static constexpr int32_t TraitScie = 0;

    QFrame* Panel1;
    QLabel* Image1;
    QFrame* Panel2;
    QLabel* Label1;

protected:
    using Cibles = std::initializer_list<int32_t Marges::*>;

    DialogueMarge(Plateforme& plateforme, const Reglages& reglages, int largeurClient,
                  int hauteurClient, int titre, QWidget* parent);

    // [30] " en " unit: the caption over the margin boxes.
    QString LibelleMarge() const;
    // A margin in the job's unit, or an empty box.
    QString TexteMarge(int32_t marge) const;

    // Leaving a margin box with some text: the margin becomes the typed value
    // in whole millimetres when it is below 100 mm, not negative and leaves
    // every entered piece a sheet; otherwise the message, the margins of
    // 'cibles' back to 0 and the box emptied.
    void SortieMarge(QLineEdit& boite, Cibles cibles, bool parTypeVitrage);

    // OK: when every box is empty the user confirms that no margin is wanted
    // (No keeps the dialog open). An empty box stands for a margin of 0.
    void Terminer(std::initializer_list<std::pair<QLineEdit*, int32_t Marges::*>> boites);

    Plateforme& plateforme;
    Textes textes;

private:
    bool PiecesLogees(const Marges& marges, bool parTypeVitrage) const;
};

class TSelMarge : public DialogueMarge {
public:
    TSelMarge(Plateforme& plateforme, const Reglages& reglages, QWidget* parent = nullptr);

    // A complex job only counts the sheets of each piece's glass type.
    int32_t TypeDebit = DebitSimple;

    QFrame* Panel3;
    QLabel* LblMarge;
    QLineEdit* EdtMarge;
    QPushButton* BtnOk;

    // The margin label in this unit; the unit command relabels the dialog at once.
    void LibellesUnite(const UNITE_MESURE& unite);

    void FormShow();
    void EdtMargeExit();
    void BtnOkClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    // Only OK closes the dialog.
    void reject() override {}
};

} // namespace tavelune
