#include "dialogs/TSelMargesMultiples.h"

#include "dialogs/ControlesDialogue.h"
#include "platform/Fenetres.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavelune {

TSelMargesMultiples::TSelMargesMultiples(Plateforme& plateforme, const Reglages& reglages,
                                         QWidget* parent)
    : DialogueMarge(plateforme, reglages, 350, 341, 87, parent) {
    GpbMarges = Controle<QGroupBox>(this, "GpbMarges", {8, 250, 334, 52});
    LblLongueur = Controle<QLabel>(GpbMarges, "LblLongueur", {10, 25, 64, 16});
    LblLongueur->setText(VersQt(textes.Text(41)));
    EdtMargeL = Controle<QLineEdit>(GpbMarges, "EdtMargeL", {76, 22, 80, 21});
    LblLargeur = Controle<QLabel>(GpbMarges, "LblLargeur", {176, 25, 64, 16});
    LblLargeur->setText(VersQt(textes.Text(42)));
    EdtMargeH = Controle<QLineEdit>(GpbMarges, "EdtMargeH", {242, 22, 80, 21});
    BtnOk = Controle<QPushButton>(this, "BtnOk", {135, 308, 80, 25});
    BtnOk->setText(VersQt(textes.Text(36)));
    BtnOk->setDefault(true);

    ConnecterSortie(*EdtMargeL, [this] { EdtMargeLExit(); });
    ConnecterSortie(*EdtMargeH, [this] { EdtMargeHExit(); });
    connect(BtnOk, &QPushButton::clicked, this, &TSelMargesMultiples::BtnOkClick);
    OrdreTabulation({EdtMargeL, EdtMargeH, BtnOk});
}

void TSelMargesMultiples::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormShow();
}

void TSelMargesMultiples::LibellesUnite(const UNITE_MESURE& unite) {
    UniteJob = unite;
    GpbMarges->setTitle(LibelleMarge());
}

void TSelMargesMultiples::FormShow() {
    LibellesUnite(UniteJob);
    const bool courantes =
        AfficherMargeCourante && (MargesJob.MargeLongueur != 0 || MargesJob.MargeLargeur != 0);
    EdtMargeL->setText(courantes ? TexteMarge(MargesJob.MargeLongueur) : QString());
    EdtMargeH->setText(courantes ? TexteMarge(MargesJob.MargeLargeur) : QString());
    EdtMargeL->setFocus();
}

void TSelMargesMultiples::EdtMargeLExit() {
    SortieMarge(*EdtMargeL, {&Marges::MargeLongueur}, true);
}

void TSelMargesMultiples::EdtMargeHExit() {
    SortieMarge(*EdtMargeH, {&Marges::MargeLargeur}, true);
}

void TSelMargesMultiples::BtnOkClick() {
    Terminer({{EdtMargeL, &Marges::MargeLongueur}, {EdtMargeH, &Marges::MargeLargeur}});
}

} // namespace tavelune
