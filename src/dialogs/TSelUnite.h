// The unit of measure dialog: the unit lengths are shown and typed in.
#pragma once

#include "model/Modele.h"
#include "strings/TableTextes.h"

#include <QButtonGroup>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace tavelune {

class Aide;

class TSelUnite : public QDialog {
public:
    TSelUnite(const Textes& textes, Aide& aide, QWidget* parent = nullptr);

    // Copied in by the caller before showing, taken back afterwards: there is
    // no cancel.
    UNITE_MESURE Unite;
    // The user picked a unit other than the one held.
    bool Change = false;

    QRadioButton RbtnMillimetre;
    QRadioButton RbtnCentimetre;
    QRadioButton RbtnPouce;
    QRadioButton RbtnMetre;
    QPushButton BtnOk;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    struct Ligne {
        QRadioButton* Bouton;
        UNITE_MESURE Unite;
    };

    void FormShow();
    void RbtnClick(const Ligne& ligne);

    std::array<Ligne, 4> lignes;
    QButtonGroup groupe;
};

} // namespace tavelune
