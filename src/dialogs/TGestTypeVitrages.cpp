#include "dialogs/TGestTypeVitrages.h"

#include "dialogs/ControlesDialogue.h"
#include "platform/Fenetres.h"
#include "strings/Texte.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace tavelune {

namespace {

constexpr int RubriqueAide = 90;

bool AvantOrdinal(const std::string& a, const std::string& b) {
    const std::string octetsA = VersCp1252(a);
    const std::string octetsB = VersCp1252(b);
    return std::lexicographical_compare(
        octetsA.begin(), octetsA.end(), octetsB.begin(), octetsB.end(), [](char x, char y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        });
}

} // namespace

void TrierEssences(std::vector<std::string>& essences) {
    std::stable_sort(essences.begin(), essences.end(), AvantOrdinal);
}

TGestTypeVitrages::TGestTypeVitrages(Plateforme& plateforme, const Reglages& reglages,
                                     QWidget* parent)
    : QDialog(parent) {
    const Textes textes(reglages.BaseLangue);
    setWindowTitle(VersQt(textes.Text(58)));
    setFixedSize(347, 273);
    SansMenuSysteme(*this);
    PoliceFormulaire(*this);

    EdtEssence = Controle<QLineEdit>(this, "EdtEssence", {7, 7, 334, 21});
    LbEssence = Controle<QListWidget>(this, "LbEssence", {7, 35, 333, 189});
    BtnAjouter = Controle<QPushButton>(this, "BtnAjouter", {7, 236, 89, 25});
    BtnAjouter->setText(VersQt(textes.Text(59)));
    BtnSupprimer = Controle<QPushButton>(this, "BtnSupprimer", {129, 236, 89, 25});
    BtnSupprimer->setText(VersQt(textes.Text(60)));
    BtnOK = Controle<QPushButton>(this, "BtnOK", {251, 236, 89, 25});
    BtnOK->setText(VersQt(textes.Text(36)));
    BtnOK->setDefault(true);

    connect(EdtEssence, &QLineEdit::textChanged, this, &TGestTypeVitrages::EdtEssenceChange);
    connect(LbEssence, &QListWidget::itemClicked, this, &TGestTypeVitrages::LbEssenceClick);
    connect(BtnAjouter, &QPushButton::clicked, this, &TGestTypeVitrages::BtnAjouterClick);
    connect(BtnSupprimer, &QPushButton::clicked, this, &TGestTypeVitrages::BtnSupprimerClick);
    connect(BtnOK, &QPushButton::clicked, this, &TGestTypeVitrages::BtnOKClick);

    OrdreTabulation({EdtEssence, LbEssence, BtnAjouter, BtnSupprimer, BtnOK});
    ConnecterAide(*this, plateforme.AideEnLigne, RubriqueAide);
}

void TGestTypeVitrages::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormShow();
}

void TGestTypeVitrages::FormShow() {
    LbEssence->clear();
    for (const std::string& nom : Essences)
        LbEssence->addItem(VersQt(nom));
    if (Essences.empty()) {
        EdtEssence->clear();
        ActiverBoutons(false, false);
    } else {
        LbEssence->setCurrentRow(0);
        EdtEssence->setText(VersQt(Essences.front()));
        ActiverBoutons(true, true);
    }
    Modifie = false;
    EdtEssence->setFocus();
}

void TGestTypeVitrages::ActiverBoutons(bool ajouter, bool supprimer) {
    BtnAjouter->setEnabled(ajouter);
    BtnSupprimer->setEnabled(supprimer);
}

void TGestTypeVitrages::EdtEssenceChange() {
    ActiverBoutons(!EdtEssence->text().isEmpty(), false);
}

void TGestTypeVitrages::LbEssenceClick() {
    const QListWidgetItem* ligne = LbEssence->currentItem();
    if (ligne == nullptr)
        return;
    EdtEssence->setText(ligne->text());
    ActiverBoutons(true, true);
}

void TGestTypeVitrages::BtnAjouterClick() {
    const std::string nom = DepuisQt(EdtEssence->text());
    if (nom.empty() || std::find(Essences.begin(), Essences.end(), nom) != Essences.end())
        return;
    Essences.push_back(nom);
    LbEssence->addItem(VersQt(nom));
    Modifie = true;
}

void TGestTypeVitrages::BtnSupprimerClick() {
    const int ligne = LbEssence->currentRow();
    if (ligne < 0)
        return;
    const std::string nom = DepuisQt(LbEssence->item(ligne)->text());
    delete LbEssence->takeItem(ligne);
    if (const auto entree = std::find(Essences.begin(), Essences.end(), nom);
        entree != Essences.end())
        Essences.erase(entree);
    EdtEssence->clear();
    Modifie = true;
}

void TGestTypeVitrages::BtnOKClick() {
    if (Modifie)
        TrierEssences(Essences);
    accept();
}

} // namespace tavelune
