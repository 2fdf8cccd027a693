#include "dialogs/TSelUnite.h"

#include "platform/Conversions.h"
#include "platform/Fenetres.h"
#include "strings/TextesFixes.h"

namespace tavelune {

TSelUnite::TSelUnite(const Textes& textes, Aide& aide, QWidget* parent)
    : QDialog(parent), RbtnMillimetre(VersQt(textes.Text(19)), this),
      RbtnCentimetre(VersQt(textes.Text(20)), this), RbtnPouce(VersQt(textes.Text(21)), this),
      RbtnMetre(VersQt(textes.Text(94)), this), BtnOk(VersQt(textes.Text(36)), this),
      lignes{{{&RbtnMillimetre, {1.0f, std::string(fixes::NomMillimetre)}},
              {&RbtnCentimetre, {10.0f, std::string(fixes::NomCentimetre)}},
              {&RbtnPouce, {FacteurPouce(), textes.Text(57)}},
              {&RbtnMetre, {1000.0f, std::string(fixes::NomMetre)}}}} {
    SansMenuSysteme(*this);
    setWindowTitle(VersQt(textes.Text(18)));
    setFixedSize(262, 167);
    int haut = 16;
    for (const Ligne& ligne : lignes) {
        ligne.Bouton->move(40, haut);
        ligne.Bouton->adjustSize();
        groupe.addButton(ligne.Bouton);
        connect(ligne.Bouton, &QRadioButton::clicked, this, [this, &ligne] { RbtnClick(ligne); });
        haut += 25;
    }
    BtnOk.setGeometry(93, 128, 75, 25);
    connect(&BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    ConnecterAide(*this, aide, 100);
}

void TSelUnite::showEvent(QShowEvent* evenement) {
    FormShow();
    QDialog::showEvent(evenement);
}

void TSelUnite::FormShow() {
    QAbstractButton* coche = nullptr;
    for (const Ligne& ligne : lignes)
        if (ligne.Unite.Nom == Unite.Nom)
            coche = ligne.Bouton;
    Cocher(groupe, coche);
    Change = false;
}

void TSelUnite::RbtnClick(const Ligne& ligne) {
    if (ligne.Unite.Nom == Unite.Nom)
        return;
    Unite = ligne.Unite;
    Change = true;
}

} // namespace tavelune
