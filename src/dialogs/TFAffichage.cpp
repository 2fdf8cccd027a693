#include "dialogs/TFAffichage.h"

#include "platform/Conversions.h"
#include "platform/Fenetres.h"
#include "strings/TextesFixes.h"

#include <algorithm>

namespace tavelune {

TFAffichage::TFAffichage(const Textes& textes, QWidget* parent)
    : QDialog(parent), GpbRecap(VersQt(fixes::GroupeRecapitulatif), this),
      RbtnRecapUnite(VersQt(fixes::RecapUniteCourante), &GpbRecap),
      RbtnRecapMetres(VersQt(fixes::RecapMetres), &GpbRecap),
      GpbPlanCoupe(VersQt(fixes::GroupePlanCoupe), this),
      Label1(VersQt(fixes::ExplicationPlanCoupe), &GpbPlanCoupe),
      RbtnFiniesSeul(VersQt(fixes::AffichageHorsToutSeul), &GpbPlanCoupe),
      RbtnNettesSeul(VersQt(fixes::AffichageNettesSeul), &GpbPlanCoupe), RbtnNettes(&GpbPlanCoupe),
      LblNettes(VersQt(fixes::AffichageNettes), &GpbPlanCoupe), RbtnFinies(&GpbPlanCoupe),
      LblFinies(VersQt(fixes::AffichageHorsTout), &GpbPlanCoupe),
      BtnOk(VersQt(textes.Text(36)), this) {
    FermetureSeule(*this);
    setWindowTitle(VersQt(fixes::TitreAffichage));
    // About the size of the forms' usual 8-point font, for which the places below
    // were chosen.
    QFont police = font();
    police.setPixelSize(11);
    setFont(police);

    GpbRecap.setGeometry(7, 3, 356, 55);
    RbtnRecapUnite.setGeometry(8, 17, 340, 17);
    RbtnRecapMetres.setGeometry(8, 34, 340, 17);
    recap.addButton(&RbtnRecapUnite, 0);
    recap.addButton(&RbtnRecapMetres, 1);
    connect(&recap, &QButtonGroup::idClicked, this, &TFAffichage::GpbRecapClick);

    GpbPlanCoupe.setGeometry(7, 61, 356, 231);
    Label1.move(8, 16);
    RbtnFiniesSeul.setGeometry(8, 112, 333, 17);
    RbtnNettesSeul.setGeometry(8, 139, 333, 16);
    RbtnNettes.setGeometry(8, 166, 16, 17);
    LblNettes.move(25, 167);
    RbtnFinies.setGeometry(8, 195, 16, 17);
    LblFinies.move(25, 197);
    for (QRadioButton* bouton : {&RbtnFiniesSeul, &RbtnNettesSeul, &RbtnNettes, &RbtnFinies})
        mode.addButton(bouton);
    connect(&RbtnFiniesSeul, &QRadioButton::clicked, this, &TFAffichage::RbtnFiniesSeulClick);
    connect(&RbtnNettesSeul, &QRadioButton::clicked, this, &TFAffichage::RbtnNettesSeulClick);
    connect(&RbtnNettes, &QRadioButton::clicked, this, &TFAffichage::RbtnNettesClick);
    connect(&RbtnFinies, &QRadioButton::clicked, this, &TFAffichage::RbtnFiniesClick);

    QFont gras = BtnOk.font();
    gras.setBold(true);
    BtnOk.setFont(gras);
    BtnOk.setGeometry(144, 304, 80, 25);
    connect(&BtnOk, &QPushButton::clicked, this, &TFAffichage::BtnOkClick);
    ElargirAuTexte();
}

void TFAffichage::ElargirAuTexte() {
    int largeur = 0;
    for (QWidget* texte : std::initializer_list<QWidget*>{&Label1, &LblNettes, &LblFinies})
        texte->adjustSize();
    for (QWidget* texte :
         std::initializer_list<QWidget*>{&Label1, &LblNettes, &LblFinies, &RbtnRecapUnite,
                                         &RbtnRecapMetres, &RbtnFiniesSeul, &RbtnNettesSeul})
        largeur =
            std::max(largeur, texte->x() + std::max(texte->width(), texte->sizeHint().width()));
    const int surplus = std::max(0, largeur + 8 - GpbPlanCoupe.width());
    for (QWidget* elargi :
         std::initializer_list<QWidget*>{&GpbRecap, &GpbPlanCoupe, &RbtnRecapUnite,
                                         &RbtnRecapMetres, &RbtnFiniesSeul, &RbtnNettesSeul})
        elargi->resize(elargi->width() + surplus, elargi->height());
    BtnOk.move(BtnOk.x() + surplus / 2, BtnOk.y());
    setFixedSize(369 + surplus, 341);
}

void TFAffichage::Preparer(int32_t modeAffichage, int32_t uniteRecap) {
    ModeAffichage = modeAffichage;
    UniteRecap = uniteRecap;
    if (QAbstractButton* choix = recap.button(UniteRecap))
        Cocher(recap, choix);
    QRadioButton* coche = nullptr;
    switch (ModeAffichage) {
    case 0:
        coche = &RbtnNettes;
        break;
    case 1:
        coche = &RbtnFinies;
        break;
    case 10:
        coche = &RbtnNettesSeul;
        break;
    case 20:
        coche = &RbtnFiniesSeul;
        break;
    }
    Cocher(mode, coche);
}

void TFAffichage::GpbRecapClick() {
    UniteRecap = recap.checkedId();
}

} // namespace tavelune
