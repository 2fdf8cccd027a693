#include "dialogs/TFOptions.h"

#include "dialogs/ControlesDialogue.h"
#include "documents/FichiersReglages.h"
#include "platform/Fenetres.h"
#include "strings/Nombres.h"
#include "strings/Texte.h"
#include "strings/TextesFixes.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tavelune {

namespace {

constexpr double LongueurMaxiAdmise = 1'000'000; // mm
constexpr std::size_t DesignationMaxi = 20;      // characters
constexpr int32_t ErreurLongueur = 113;
constexpr int32_t ErreurLargeur = 114;

QLabel* Libelle(QWidget* parent, const char* nom, const QRect& cadre, std::string_view texte) {
    auto* libelle = Controle<QLabel>(parent, nom, cadre);
    libelle->setText(VersQt(texte));
    return libelle;
}

QRadioButton* BoutonRadio(QWidget* parent, const char* nom, const QRect& cadre,
                          std::string_view texte) {
    auto* bouton = Controle<QRadioButton>(parent, nom, cadre);
    bouton->setText(VersQt(texte));
    return bouton;
}

} // namespace

bool MarquesOptions::Une() const {
    return MaxLongueur || MaxLargeur || DesignationsPanneaux || DesignationsPieces || Marge ||
           SensFil || LongueurDefaut || LargeurDefaut;
}

TFOptions::TFOptions(Plateforme& plateforme, const Reglages& reglages, QWidget* parent)
    : QDialog(parent), plateforme(plateforme), textes(reglages.BaseLangue) {
    setWindowTitle(VersQt(textes.Text(90)));
    setFixedSize(367, 446);
    SansMenuSysteme(*this);
    PoliceFormulaire(*this);

    GpBoxDesPanneaux = Controle<QGroupBox>(this, "GpBoxDesPanneaux", {7, 3, 353, 54});
    LblDesignationPanneaux =
        Libelle(GpBoxDesPanneaux, "LblDesignationPanneaux", {4, 8, 345, 16}, textes.Text(145));
    LblSingulierPan =
        Libelle(GpBoxDesPanneaux, "LblSingulierPan", {4, 29, 60, 16}, textes.Text(35));
    LblPlurielPan = Libelle(GpBoxDesPanneaux, "LblPlurielPan", {184, 29, 56, 16}, textes.Text(174));
    EdtDesignationPanneau =
        Controle<QLineEdit>(GpBoxDesPanneaux, "EdtDesignationPanneau", {67, 25, 105, 21});
    EdtDesignationPanneaux =
        Controle<QLineEdit>(GpBoxDesPanneaux, "EdtDesignationPanneaux", {242, 25, 105, 21});

    GpBoxDesPieces = Controle<QGroupBox>(this, "GpBoxDesPieces", {7, 59, 353, 54});
    LblDesignationPieces =
        Libelle(GpBoxDesPieces, "LblDesignationPieces", {4, 8, 345, 16}, textes.Text(146));
    LblSingulierPie = Libelle(GpBoxDesPieces, "LblSingulierPie", {4, 29, 60, 16}, textes.Text(35));
    LblPlurielPie = Libelle(GpBoxDesPieces, "LblPlurielPie", {184, 29, 56, 16}, textes.Text(174));
    EdtDesignationPiece =
        Controle<QLineEdit>(GpBoxDesPieces, "EdtDesignationPiece", {67, 25, 105, 21});
    EdtDesignationPieces =
        Controle<QLineEdit>(GpBoxDesPieces, "EdtDesignationPieces", {242, 25, 105, 21});

    GpbValMax = Controle<QGroupBox>(this, "GpbValMax", {7, 115, 353, 68});
    LblMaxLongueur = Controle<QLabel>(GpbValMax, "LblMaxLongueur", {4, 17, 265, 16});
    LblMaxLargeur = Controle<QLabel>(GpbValMax, "LblMaxLargeur", {4, 43, 265, 16});
    EdtMaxLongueur = Controle<QLineEdit>(GpbValMax, "EdtMaxLongueur", {273, 13, 73, 21});
    EdtMaxLargeur = Controle<QLineEdit>(GpbValMax, "EdtMaxLargeur", {273, 39, 73, 21});

    GpbValDef = Controle<QGroupBox>(this, "GpbValDef", {7, 185, 353, 68});
    LblLongueurDefaut = Controle<QLabel>(GpbValDef, "LblLongueurDefaut", {4, 17, 265, 16});
    LblLargeurDefaut = Controle<QLabel>(GpbValDef, "LblLargeurDefaut", {4, 43, 265, 16});
    EdtLongueurDefaut = Controle<QLineEdit>(GpbValDef, "EdtLongueurDefaut", {273, 13, 73, 21});
    EdtLargeurDefaut = Controle<QLineEdit>(GpbValDef, "EdtLargeurDefaut", {273, 39, 73, 21});

    ChkBoxMarge = Controle<QCheckBox>(this, "ChkBoxMarge", {7, 260, 16, 16});
    LblMarge = Libelle(this, "LblMarge", {26, 262, 334, 26}, textes.Text(95));
    ChkBoxSensFil = Controle<QCheckBox>(this, "ChkBoxSensFil", {7, 286, 16, 16});
    LblSensFil = Controle<QLabel>(this, "LblSensFil", {26, 288, 334, 26});

    // The title first: the controls then come below it.
    GpbOptimisation = Controle<QGroupBox>(this, "GpbOptimisation", {7, 319, 353, 84});
    GpbOptimisation->setTitle(VersQt(fixes::GroupeOptimisation));
    RbtnStandard =
        BoutonRadio(GpbOptimisation, "RbtnStandard", {8, 12, 337, 17}, fixes::OptimisationStandard);
    RbtnQualite =
        BoutonRadio(GpbOptimisation, "RbtnQualite", {8, 31, 337, 17}, fixes::OptimisationQualite);
    LblBudget = Libelle(GpbOptimisation, "LblBudget", {26, 55, 243, 16}, fixes::DureeRecherche);
    EdtBudget = Controle<QDoubleSpinBox>(GpbOptimisation, "EdtBudget", {273, 52, 73, 21});
    // Typed with the decimal separator of the lengths.
    EdtBudget->setLocale(plateforme.Separateur == ',' ? QLocale(QLocale::French) : QLocale::c());
    EdtBudget->setDecimals(1);
    EdtBudget->setRange(ChoixOptimisation::BudgetMini, ChoixOptimisation::BudgetMaxi);
    EdtBudget->setSingleStep(0.5);

    BtnParamDefaut = Controle<QPushButton>(this, "BtnParamDefaut", {7, 409, 136, 25});
    BtnParamDefaut->setText(VersQt(textes.Text(175)));
    BtnOK = Controle<QPushButton>(this, "BtnOK", {279, 409, 81, 25});
    BtnOK->setText(VersQt(textes.Text(36)));
    BtnOK->setDefault(true);

    ConnecterSortie(*EdtMaxLongueur, [this] { EdtMaxLongueurExit(); });
    ConnecterSortie(*EdtMaxLargeur, [this] { EdtMaxLargeurExit(); });
    ConnecterSortie(*EdtLongueurDefaut, [this] { EdtLongueurDefautExit(); });
    ConnecterSortie(*EdtLargeurDefaut, [this] { EdtLargeurDefautExit(); });
    ConnecterSortie(*EdtDesignationPanneau, [this] { EdtDesignationPanneauExit(); });
    ConnecterSortie(*EdtDesignationPanneaux, [this] { EdtDesignationPanneauxExit(); });
    ConnecterSortie(*EdtDesignationPiece, [this] { EdtDesignationPieceExit(); });
    ConnecterSortie(*EdtDesignationPieces, [this] { EdtDesignationPiecesExit(); });
    connect(ChkBoxMarge, &QCheckBox::clicked, this, &TFOptions::ChkBoxMargeClick);
    connect(ChkBoxSensFil, &QCheckBox::clicked, this, &TFOptions::ChkBoxSensFilClick);
    connect(RbtnStandard, &QRadioButton::clicked, this, &TFOptions::RbtnModeClick);
    connect(RbtnQualite, &QRadioButton::clicked, this, &TFOptions::RbtnModeClick);
    connect(EdtBudget, &QDoubleSpinBox::valueChanged, this, &TFOptions::EdtBudgetChange);
    connect(BtnParamDefaut, &QPushButton::clicked, this, &TFOptions::BtnParamDefautClick);
    connect(BtnOK, &QPushButton::clicked, this, &TFOptions::BtnOKClick);

    OrdreTabulation({EdtDesignationPanneau, EdtDesignationPanneaux, EdtDesignationPiece,
                     EdtDesignationPieces, EdtMaxLongueur, EdtMaxLargeur, EdtLongueurDefaut,
                     EdtLargeurDefaut, ChkBoxMarge, ChkBoxSensFil, RbtnStandard, RbtnQualite,
                     EdtBudget, BtnParamDefaut, BtnOK});
}

void TFOptions::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormShow();
    FormActivate();
}

void TFOptions::FormShow() {
    const std::string en = textes.Text(47) + UniteJob.Nom;
    LblMaxLongueur->setText(VersQt(textes.Text(143) + en));
    LblMaxLargeur->setText(VersQt(textes.Text(144) + en));
    DessinerLibelles();
}

void TFOptions::DessinerLibelles() {
    const std::string panneau = Minuscules(Options.DesignationPanneau);
    const std::string en = textes.Text(47) + UniteJob.Nom;
    LblLongueurDefaut->setText(VersQt(textes.Text(98) + panneau + en));
    LblLargeurDefaut->setText(VersQt(textes.Text(99) + panneau + en));
    LblSensFil->setText(VersQt(textes.Text(96) + Minuscules(Options.DesignationPanneaux) +
                               textes.Text(97) + Minuscules(Options.DesignationPieces) + ")"));
}

void TFOptions::FormActivate() {
    RemplirChamps();
    RemplirOptimisation();
    Marques = {};
    ParametresParDefaut = false;
    optimisationMontree = Optimisation;
    EdtDesignationPanneau->setFocus();
}

// The box shows the budget to one decimal; the budget itself changes only when
// the user changes the box.
void TFOptions::RemplirOptimisation() {
    const bool qualite = Optimisation.Mode == ModeOptimisation::Qualite;
    RbtnStandard->setChecked(!qualite);
    RbtnQualite->setChecked(qualite);
    const QSignalBlocker bloque(EdtBudget);
    EdtBudget->setValue(Optimisation.Budget);
    ActiverBudget();
}

void TFOptions::ActiverBudget() {
    const bool qualite = Optimisation.Mode == ModeOptimisation::Qualite;
    Activer(*EdtBudget, qualite);
    LblBudget->setEnabled(qualite);
}

void TFOptions::RemplirChamps() {
    EdtDesignationPanneau->setText(VersQt(Options.DesignationPanneau));
    EdtDesignationPanneaux->setText(VersQt(Options.DesignationPanneaux));
    EdtDesignationPiece->setText(VersQt(Options.DesignationPiece));
    EdtDesignationPieces->setText(VersQt(Options.DesignationPieces));
    AfficherLongueur(*EdtMaxLongueur, Options.LongueurMaxi);
    AfficherLongueur(*EdtMaxLargeur, Options.LargeurMaxi);
    AfficherLongueur(*EdtLongueurDefaut, Options.LongueurDefaut);
    AfficherLongueur(*EdtLargeurDefaut, Options.LargeurDefaut);
    ChkBoxMarge->setChecked(Options.DemanderMarge != 0);
    ChkBoxSensFil->setChecked(Options.SensFil != 0);
}

void TFOptions::AfficherLongueur(QLineEdit& edit, float mm) const {
    edit.setText(
        VersQt(TexteCote(mm / static_cast<double>(UniteJob.Facteur), plateforme.Separateur)));
}

std::optional<float> TFOptions::LireLongueur(const QLineEdit& edit, double plafond) const {
    const auto lu = LireReel(DepuisQt(edit.text()), plateforme.Separateur);
    if (!lu)
        return std::nullopt;
    const double mm = *lu * static_cast<double>(UniteJob.Facteur);
    if (!(mm > 1 && mm <= plafond))
        return std::nullopt;
    return static_cast<float>(mm);
}

// A refusal leaves the mark as it was: an earlier accepted change of the same
// value must still be reported.
void TFOptions::SortieLongueur(QLineEdit& edit, Longueur valeur, Marque marque, int32_t erreur,
                               double plafond, QLineEdit* editDefaut, Longueur defaut) {
    if (!edit.isModified())
        return;
    const auto mm = LireLongueur(edit, plafond);
    if (!mm) {
        RefuserNombre(plateforme, textes, erreur);
        AfficherLongueur(edit, Options.*valeur);
        return;
    }
    Options.*valeur = *mm;
    Marques.*marque = true;
    edit.setModified(false);
    if (editDefaut != nullptr && Options.*defaut > *mm) {
        Options.*defaut = *mm;
        AfficherLongueur(*editDefaut, *mm);
    }
}

void TFOptions::EdtMaxLongueurExit() {
    SortieLongueur(*EdtMaxLongueur, &OptionsProgramme::LongueurMaxi, &MarquesOptions::MaxLongueur,
                   ErreurLongueur, LongueurMaxiAdmise, EdtLongueurDefaut,
                   &OptionsProgramme::LongueurDefaut);
}

void TFOptions::EdtMaxLargeurExit() {
    SortieLongueur(*EdtMaxLargeur, &OptionsProgramme::LargeurMaxi, &MarquesOptions::MaxLargeur,
                   ErreurLargeur, LongueurMaxiAdmise, EdtLargeurDefaut,
                   &OptionsProgramme::LargeurDefaut);
}

void TFOptions::EdtLongueurDefautExit() {
    SortieLongueur(*EdtLongueurDefaut, &OptionsProgramme::LongueurDefaut,
                   &MarquesOptions::LongueurDefaut, ErreurLongueur, Options.LongueurMaxi);
}

void TFOptions::EdtLargeurDefautExit() {
    SortieLongueur(*EdtLargeurDefaut, &OptionsProgramme::LargeurDefaut,
                   &MarquesOptions::LargeurDefaut, ErreurLargeur, Options.LargeurMaxi);
}

void TFOptions::SortieDesignation(QLineEdit& edit, Designation valeur, Marque marque,
                                  QLineEdit* editPluriel, Designation pluriel) {
    const std::string texte = DepuisQt(edit.text());
    const std::size_t longueur = NombreCaracteres(texte);
    if (longueur < 1 || longueur > DesignationMaxi) {
        RefuserValeur(plateforme, textes, textes.Text(17));
        edit.setText(VersQt(Options.*valeur));
        return;
    }
    Options.*valeur = texte;
    Marques.*marque = true;
    edit.setModified(false);
    if (editPluriel != nullptr) {
        Options.*pluriel = texte + "s";
        editPluriel->setText(VersQt(Options.*pluriel));
    }
    DessinerLibelles();
}

void TFOptions::EdtDesignationPanneauExit() {
    if (EdtDesignationPanneau->isModified())
        SortieDesignation(*EdtDesignationPanneau, &OptionsProgramme::DesignationPanneau,
                          &MarquesOptions::DesignationsPanneaux, EdtDesignationPanneaux,
                          &OptionsProgramme::DesignationPanneaux);
}

void TFOptions::EdtDesignationPanneauxExit() {
    if (EdtDesignationPanneaux->isModified())
        SortieDesignation(*EdtDesignationPanneaux, &OptionsProgramme::DesignationPanneaux,
                          &MarquesOptions::DesignationsPanneaux);
}

void TFOptions::EdtDesignationPieceExit() {
    if (EdtDesignationPiece->isModified())
        SortieDesignation(*EdtDesignationPiece, &OptionsProgramme::DesignationPiece,
                          &MarquesOptions::DesignationsPieces, EdtDesignationPieces,
                          &OptionsProgramme::DesignationPieces);
}

// Checked on every exit, edited or not.
void TFOptions::EdtDesignationPiecesExit() {
    SortieDesignation(*EdtDesignationPieces, &OptionsProgramme::DesignationPieces,
                      &MarquesOptions::DesignationsPieces);
}

void TFOptions::ChkBoxMargeClick() {
    Options.DemanderMarge = ChkBoxMarge->isChecked() ? 1 : 0;
    Marques.Marge = true;
}

void TFOptions::ChkBoxSensFilClick() {
    Options.SensFil = ChkBoxSensFil->isChecked() ? 1 : 0;
    Marques.SensFil = true;
}

void TFOptions::RbtnModeClick() {
    Optimisation.Mode =
        RbtnQualite->isChecked() ? ModeOptimisation::Qualite : ModeOptimisation::Standard;
    ActiverBudget();
}

void TFOptions::EdtBudgetChange(double secondes) {
    Optimisation.Budget = secondes;
}

void TFOptions::BtnParamDefautClick() {
    OptionsProgramme defauts = OptionsParDefaut(textes);
    // The display settings belong to their own dialog.
    defauts.ModeAffichage = Options.ModeAffichage;
    defauts.UniteRecap = Options.UniteRecap;
    Options = defauts;
    RemplirChamps();
    DessinerLibelles();
    Marques = {true, true, true, true, true, true, true, true};
    ParametresParDefaut = true;
    SupprimerOptions(".");
}

void TFOptions::BtnOKClick() {
    Modifie = Marques.Une();
    OptimisationModifiee = Optimisation != optimisationMontree;
    accept();
}

} // namespace tavelune
