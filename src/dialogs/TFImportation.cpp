#include "dialogs/TFImportation.h"

#include "dialogs/ControlesDialogue.h"
#include "platform/Fenetres.h"
#include "strings/TextesFixes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tavelune {

namespace {

constexpr int RubriqueAide = 150;

QPushButton* BoutonGras(QWidget* parent, const char* nom, const QRect& cadre,
                        const std::string& texte) {
    auto* bouton = Controle<QPushButton>(parent, nom, cadre);
    bouton->setText(VersQt(texte));
    QFont police = bouton->font();
    police.setBold(true);
    bouton->setFont(police);
    return bouton;
}

} // namespace

TFImportation::TFImportation(Plateforme& plateforme, const Reglages& reglages, QWidget* parent)
    : QDialog(parent) {
    const Textes textes(reglages.BaseLangue);
    setWindowTitle(VersQt(textes.Text(188)));
    setFixedSize(391, 320);
    SansMenuSysteme(*this);
    PoliceFormulaire(*this);

    GroupBox = Controle<QGroupBox>(this, "GroupBox", {7, 3, 377, 212});
    GroupBox->setTitle(VersQt(textes.Text(189)));
    Label = Controle<QLabel>(GroupBox, "Label", {7, 15, 366, 193});
    Label->setText(VersQt(textes.Text(190)));
    Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CbxEntetes = Controle<QCheckBox>(this, "CbxEntetes", {7, 222, 250, 17});
    CbxEntetes->setText(VersQt(textes.Text(191)));
    CbxListeUnites = Controle<QComboBox>(this, "CbxListeUnites", {294, 246, 90, 21});
    BtnAnnuler = BoutonGras(this, "BtnAnnuler", {7, 283, 80, 25}, textes.Text(37));
    BtnOK = BoutonGras(this, "BtnOK", {304, 283, 80, 25}, textes.Text(36));
    LblUnite = Controle<QLabel>(this, "LblUnite", {7, 249, 278, 26});
    LblUnite->setWordWrap(true);
    LblUnite->setText(VersQt(textes.Text(212)));

    const std::pair<int32_t, UNITE_MESURE> proposees[] = {
        {19, {1.0f, std::string(fixes::NomMillimetre)}},
        {20, {10.0f, std::string(fixes::NomCentimetre)}},
        {21, {FacteurPouce(), textes.Text(57)}},
        {94, {1000.0f, std::string(fixes::NomMetre)}},
    };
    for (const auto& [texte, unite] : proposees) {
        CbxListeUnites->addItem(VersQt(textes.Text(texte)));
        unites.push_back(unite);
    }

    connect(CbxEntetes, &QCheckBox::clicked, this, &TFImportation::CbxEntetesClick);
    connect(CbxListeUnites, &QComboBox::activated, this, &TFImportation::CbxListeUnitesClick);
    connect(BtnAnnuler, &QPushButton::clicked, this, &TFImportation::BtnAnnulerClick);
    connect(BtnOK, &QPushButton::clicked, this, &TFImportation::BtnOKClick);

    OrdreTabulation({CbxEntetes, CbxListeUnites, BtnAnnuler, BtnOK});
    ConnecterAide(*this, plateforme.AideEnLigne, RubriqueAide);
}

void TFImportation::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormActivate();
}

void TFImportation::FormActivate() {
    Entetes = true;
    CbxEntetes->setChecked(true);
    for (std::size_t i = 0; i < unites.size(); ++i)
        if (unites[i].Facteur == UniteFichier.Facteur)
            CbxListeUnites->setCurrentIndex(static_cast<int>(i));
}

void TFImportation::CbxEntetesClick() {
    Entetes = CbxEntetes->isChecked();
}

void TFImportation::CbxListeUnitesClick() {
    const int choisie = CbxListeUnites->currentIndex();
    if (choisie >= 0)
        UniteFichier = unites[static_cast<std::size_t>(choisie)];
}

void TFImportation::BtnAnnulerClick() {
    QDialog::reject();
}

void TFImportation::BtnOKClick() {
    accept();
}

} // namespace tavelune
