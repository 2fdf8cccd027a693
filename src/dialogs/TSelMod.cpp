#include "dialogs/TSelMod.h"

#include "dialogs/ControlesDialogue.h"
#include "platform/Fenetres.h"
#include "strings/Texte.h"

#include <QCheckBox>
#include <QPushButton>

namespace tavelune {

namespace {

constexpr int RubriqueAide = 30;

} // namespace

TSelMod::TSelMod(Plateforme& plateforme, const Reglages& reglages, QWidget* parent)
    : QDialog(parent), reglages(reglages), textes(reglages.BaseLangue) {
    setWindowTitle(VersQt(textes.Text(25)));
    setFixedSize(262, 139);
    SansMenuSysteme(*this);
    PoliceFormulaire(*this);

    ChbModifPanneaux = Controle<QCheckBox>(this, "ChbModifPanneaux", {16, 12, 238, 20});
    ChbModifPieces = Controle<QCheckBox>(this, "ChbModifPieces", {16, 40, 238, 20});
    ChbModifMarge = Controle<QCheckBox>(this, "ChbModifMarge", {16, 68, 238, 20});
    ChbModifMarge->setText(VersQt(textes.Text(28)));
    BtnOk = Controle<QPushButton>(this, "BtnOk", {91, 104, 80, 25});
    BtnOk->setText(VersQt(textes.Text(36)));
    BtnOk->setDefault(true);

    connect(ChbModifPanneaux, &QCheckBox::clicked, this, &TSelMod::ChbModifPanneauxClick);
    connect(ChbModifPieces, &QCheckBox::clicked, this, &TSelMod::ChbModifPiecesClick);
    connect(ChbModifMarge, &QCheckBox::clicked, this, &TSelMod::ChbModifMargeClick);
    connect(BtnOk, &QPushButton::clicked, this, &TSelMod::BtnOkClick);

    OrdreTabulation({ChbModifPanneaux, ChbModifPieces, ChbModifMarge, BtnOk});
    ConnecterAide(*this, plateforme.AideEnLigne, RubriqueAide);
}

void TSelMod::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormActivate();
}

void TSelMod::FormActivate() {
    const OptionsProgramme& o = reglages.Options;
    ChbModifPanneaux->setText(VersQt(textes.Text(26) + Minuscules(o.DesignationPanneaux)));
    ChbModifPieces->setText(VersQt(textes.Text(26) + Minuscules(o.DesignationPieces)));
    ChbModifPanneaux->setChecked(true);
    ChbModifPieces->setChecked(true);
    ChbModifMarge->setChecked(false);
    ChbModifPanneauxClick();
    ChbModifPiecesClick();
    ChbModifMargeClick();
}

void TSelMod::ChbModifPanneauxClick() {
    ModifPanneaux = ChbModifPanneaux->isChecked();
}

void TSelMod::ChbModifPiecesClick() {
    ModifPieces = ChbModifPieces->isChecked();
}

void TSelMod::ChbModifMargeClick() {
    ModifMarge = ChbModifMarge->isChecked();
}

void TSelMod::BtnOkClick() {
    accept();
}

} // namespace tavelune
