#include "dialogs/TSelDebit.h"

#include "dialogs/ControlesDialogue.h"
#include "platform/Fenetres.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tavelune {

namespace {

constexpr int RubriqueAide = 1010;

QString Lignes(const std::string& premiere, const std::string& suite) {
    return VersQt(premiere + "\n" + suite);
}

} // namespace

TSelDebit::TSelDebit(Plateforme& plateforme, const Reglages& reglages, QWidget* parent)
    : QDialog(parent) {
    const Textes textes(reglages.BaseLangue);
    const auto texte = [&textes](int32_t id) { return VersQt(textes.Text(id)); };
    setWindowTitle(texte(22));
    setFixedSize(351, 260);
    SansMenuSysteme(*this);
    PoliceFormulaire(*this);

    GpbDebitSimple = Controle<QGroupBox>(this, "GpbDebitSimple", {8, 4, 335, 66});
    RbtnDebitSimple = Controle<QRadioButton>(GpbDebitSimple, "RbtnDebitSimple", {8, 8, 200, 20});
    RbtnDebitSimple->setText(texte(23));
    Label1 = Controle<QLabel>(GpbDebitSimple, "Label1", {26, 28, 305, 34});
    Label1->setText(Lignes(textes.Text(64), textes.Text(208)));

    GpbDebitComplexe = Controle<QGroupBox>(this, "GpbDebitComplexe", {8, 72, 335, 116});
    RbtnDebitComplexe =
        Controle<QRadioButton>(GpbDebitComplexe, "RbtnDebitComplexe", {8, 8, 200, 20});
    RbtnDebitComplexe->setText(texte(24));
    Label2 = Controle<QLabel>(GpbDebitComplexe, "Label2", {26, 28, 305, 64});
    Label2->setText(Lignes(textes.Text(65), textes.Text(209)));
    CBoxMargesDiff = Controle<QCheckBox>(GpbDebitComplexe, "CBoxMargesDiff", {26, 93, 16, 18});
    LblMargesDiff = Controle<QLabel>(GpbDebitComplexe, "LblMargesDiff", {46, 94, 250, 16});
    LblMargesDiff->setText(texte(84));

    GpbAide = Controle<QGroupBox>(this, "GpbAide", {8, 190, 335, 38});
    LblAide = Controle<QLabel>(GpbAide, "LblAide", {8, 3, 322, 32});
    LblAide->setText(texte(88));

    btnAnnul = Controle<QPushButton>(this, "btnAnnul", {8, 232, 80, 25});
    btnAnnul->setText(texte(37));
    btnOk = Controle<QPushButton>(this, "btnOk", {263, 232, 80, 25});
    btnOk->setText(texte(36));
    btnOk->setDefault(true);

    // Each button sits in its own group: the handlers keep them exclusive.
    RbtnDebitSimple->setAutoExclusive(false);
    RbtnDebitComplexe->setAutoExclusive(false);
    connect(RbtnDebitSimple, &QRadioButton::clicked, this, &TSelDebit::RbtnDebitSimpleClick);
    connect(RbtnDebitComplexe, &QRadioButton::clicked, this, &TSelDebit::RbtnDebitComplexeClick);
    connect(CBoxMargesDiff, &QCheckBox::clicked, this, &TSelDebit::CBoxMargesDiffClick);
    connect(btnOk, &QPushButton::clicked, this, &TSelDebit::btnOkClick);
    connect(btnAnnul, &QPushButton::clicked, this, &TSelDebit::btnAnnulClick);

    OrdreTabulation({RbtnDebitSimple, RbtnDebitComplexe, CBoxMargesDiff, btnAnnul, btnOk});
    ConnecterAide(*this, plateforme.AideEnLigne, RubriqueAide);
}

void TSelDebit::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormActivate();
}

void TSelDebit::FormActivate() {
    RbtnDebitSimple->setChecked(true);
    RbtnDebitComplexe->setChecked(false);
    CBoxMargesDiff->setChecked(false);
    ActiverMargesDiff(false);
    MargesJob.MargesDifferenciees = 0;
    MargesJob.EpaisseurSuperieure = 0;
}

void TSelDebit::ActiverMargesDiff(bool actif) {
    CBoxMargesDiff->setEnabled(actif);
    LblMargesDiff->setEnabled(actif);
}

void TSelDebit::RbtnDebitSimpleClick() {
    RbtnDebitSimple->setChecked(true);
    RbtnDebitComplexe->setChecked(false);
    CBoxMargesDiff->setChecked(false);
    ActiverMargesDiff(false);
    CBoxMargesDiffClick();
}

void TSelDebit::RbtnDebitComplexeClick() {
    RbtnDebitComplexe->setChecked(true);
    RbtnDebitSimple->setChecked(false);
    CBoxMargesDiff->setChecked(false);
    ActiverMargesDiff(true);
    CBoxMargesDiffClick();
}

void TSelDebit::CBoxMargesDiffClick() {
    if (CBoxMargesDiff->isChecked()) {
        MargesJob.MargesDifferenciees = 1;
    } else {
        MargesJob.MargesDifferenciees = 0;
        MargesJob.EpaisseurSuperieure = 0;
    }
}

void TSelDebit::btnOkClick() {
    TypeDebit = RbtnDebitComplexe->isChecked() ? DebitComplexe : DebitSimple;
    OK = true;
    accept();
}

void TSelDebit::btnAnnulClick() {
    OK = false;
    QDialog::reject();
}

} // namespace tavelune
