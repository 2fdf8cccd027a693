#include "dialogs/TGestDimensions.h"

#include "dialogs/ControlesDialogue.h"
#include "platform/Fenetres.h"
#include "strings/Nombres.h"

namespace tavelune {

TGestDimensions::TGestDimensions(Plateforme& plateforme, const Reglages& reglages, QWidget* parent)
    : QDialog(parent), plateforme(plateforme), reglages(reglages), textes(reglages.BaseLangue) {
    setObjectName("TGestDimensions");
    setWindowTitle(VersQt(textes.Text(186)));
    setFixedSize(312, 262);
    FermetureSeule(*this);
    PoliceFormulaire(*this);
    ConnecterAide(*this, plateforme.AideEnLigne, 160);

    Placer(LblLongueur, *this, "LblLongueur", 7, 17);
    Placer(EdtLongueur, *this, "EdtLongueur", 57, 12);
    Placer(LblLargeur, *this, "LblLargeur", 117, 17);
    Placer(EdtLargeur, *this, "EdtLargeur", 158, 12);
    Placer(LblEpaisseur, *this, "LblEpaisseur", 209, 17);
    Placer(EdtEpaisseur, *this, "EdtEpaisseur", 260, 12);
    Placer(LbDimensions, *this, "LbDimensions", 7, 48);
    Placer(BtnAjouter, *this, "BtnAjouter", 7, 224);
    Placer(BtnSupprimer, *this, "BtnSupprimer", 116, 224);
    Placer(BtnOK, *this, "BtnOK", 225, 224);
    LblLongueur.setText(VersQt(textes.Text(41)));
    LblLargeur.setText(VersQt(textes.Text(42)));
    LblEpaisseur.setText(VersQt(textes.Text(45)));
    for (QLabel* libelle : {&LblLongueur, &LblLargeur, &LblEpaisseur})
        libelle->adjustSize();
    for (QLineEdit* edit : {&EdtLongueur, &EdtLargeur, &EdtEpaisseur})
        edit->resize(45, 21);
    LbDimensions.resize(298, 167);
    BtnAjouter.setText(VersQt(textes.Text(59)));
    BtnSupprimer.setText(VersQt(textes.Text(60)));
    BtnOK.setText(VersQt(textes.Text(36)));
    for (QPushButton* bouton : {&BtnAjouter, &BtnSupprimer, &BtnOK}) {
        bouton->resize(80, 25);
        bouton->setAutoDefault(false);
    }
    BtnOK.setDefault(true);
    OrdreTabulation({&EdtLongueur, &EdtLargeur, &EdtEpaisseur, &LbDimensions, &BtnAjouter,
                     &BtnSupprimer, &BtnOK});

    ConnecterSortie(EdtLongueur, [this] { EdtLongueurExit(); });
    ConnecterSortie(EdtLargeur, [this] { EdtLargeurExit(); });
    ConnecterSortie(EdtEpaisseur, [this] { EdtEpaisseurExit(); });
    for (QLineEdit* edit : {&EdtLongueur, &EdtLargeur, &EdtEpaisseur})
        connect(edit, &QLineEdit::textChanged, this, &TGestDimensions::EdtChange);
    connect(&LbDimensions, &QListWidget::itemClicked, this, &TGestDimensions::LbDimensionsClick);
    connect(&BtnAjouter, &QPushButton::clicked, this, &TGestDimensions::BtnAjouterClick);
    connect(&BtnSupprimer, &QPushButton::clicked, this, &TGestDimensions::BtnSupprimerClick);
    connect(&BtnOK, &QPushButton::clicked, this, &TGestDimensions::BtnOKClick);
}

bool TGestDimensions::Gerer(const QWidget& principale, std::vector<DIMENSIONS>& liste,
                            int32_t typeDebit) {
    Dimensions = &liste;
    PanneauxSaisis = nullptr;
    TypeDebit = typeDebit;
    ModeSelection = false;
    Modifie = false;
    PlacerDialogue(*this, principale, Placement::SousHautFenetre);
    plateforme.Modal.Executer(*this);
    return Modifie;
}

std::optional<DIMENSIONS>
TGestDimensions::Selectionner(const QWidget& appelant, std::vector<DIMENSIONS>& liste,
                              int32_t typeDebit, const std::vector<Panneau_p>* panneauxSaisis,
                              const DIMENSIONS& donnee) {
    Dimensions = &liste;
    PanneauxSaisis = panneauxSaisis;
    TypeDebit = typeDebit;
    ModeSelection = true;
    Longueur = donnee.Longueur;
    Largeur = donnee.Largeur;
    Epaisseur = donnee.Epaisseur;
    Choisi = false;
    Modifie = false;
    PlacerDialogue(*this, appelant, Placement::SousHautFenetre);
    plateforme.Modal.Executer(*this);
    if (!Choisi)
        return std::nullopt;
    return DIMENSIONS{Longueur, Largeur, Epaisseur, typeAffiche};
}

void TGestDimensions::showEvent(QShowEvent* evenement) {
    FormActivate();
    QDialog::showEvent(evenement);
}

void TGestDimensions::FormActivate() {
    LbDimensions.clear();
    lignes.clear();
    for (QLineEdit* edit : {&EdtLongueur, &EdtLargeur, &EdtEpaisseur})
        edit->clear();
    marqueLongueur = marqueLargeur = marqueEpaisseur = false;
    longueurCourante = largeurCourante = epaisseurCourante = 0;
    typeAffiche = ModeSelection ? TypeDebit : DebitComplexe;
    Activer(EdtEpaisseur, typeAffiche != DebitSimple);
    if (!Dimensions)
        return;
    for (std::size_t i = 0; i < Dimensions->size(); ++i) {
        const DIMENSIONS& d = (*Dimensions)[i];
        if (!Affichee(d))
            continue;
        LbDimensions.addItem(Ligne(d));
        lignes.push_back(i);
    }
    if (ModeSelection)
        Surligner();
}

bool TGestDimensions::Affichee(const DIMENSIONS& d) const {
    if (d.TypeDebit != typeAffiche)
        return false;
    return !ModeSelection || !PanneauxSaisis || EpaisseurPresente(*PanneauxSaisis, d.Epaisseur);
}

QString TGestDimensions::Ligne(const DIMENSIONS& d) const {
    const auto texte = [this](int32_t mm) {
        return TexteEnUnite(mm, reglages.UniteJob, plateforme.Separateur);
    };
    QString ligne = texte(d.Longueur) + " x " + texte(d.Largeur);
    if (typeAffiche == DebitComplexe)
        ligne += " x " + texte(d.Epaisseur);
    return ligne;
}

// The first shown entry that has every value the entry dialog gave.
void TGestDimensions::Surligner() {
    if (Longueur == 0 && Largeur == 0 && Epaisseur == 0)
        return;
    const auto egal = [](int32_t donnee, int32_t valeur) {
        return donnee == 0 || donnee == valeur;
    };
    for (std::size_t ligne = 0; ligne < lignes.size(); ++ligne) {
        const DIMENSIONS& d = (*Dimensions)[lignes[ligne]];
        if (egal(Longueur, d.Longueur) && egal(Largeur, d.Largeur) &&
            egal(Epaisseur, d.Epaisseur)) {
            LbDimensions.setCurrentRow(static_cast<int>(ligne));
            return;
        }
    }
}

void TGestDimensions::ControlerSaisie(const Saisie& saisie, float maximum, int32_t idMessage) {
    if (!saisie.Edit.isModified() || saisie.Edit.text().isEmpty())
        return;
    saisie.Edit.setModified(false);
    const auto lu = LireReel(DepuisQt(saisie.Edit.text()), plateforme.Separateur);
    const double valeur = lu ? *lu * static_cast<double>(reglages.UniteJob.Facteur) : 0.0;
    // A value under one millimetre would be kept as a side of 0.
    if (!lu || !(valeur >= 1.0) || valeur > maximum) {
        RefuserNombre(plateforme, textes, idMessage);
        saisie.Edit.clear();
        saisie.Marque = false;
        return;
    }
    saisie.Courante = static_cast<float>(valeur);
    saisie.Marque = true;
}

void TGestDimensions::EdtLongueurExit() {
    ControlerSaisie({EdtLongueur, longueurCourante, marqueLongueur}, reglages.Options.LongueurMaxi,
                    113);
}

void TGestDimensions::EdtLargeurExit() {
    ControlerSaisie({EdtLargeur, largeurCourante, marqueLargeur}, reglages.Options.LargeurMaxi,
                    114);
}

void TGestDimensions::EdtEpaisseurExit() {
    ControlerSaisie({EdtEpaisseur, epaisseurCourante, marqueEpaisseur}, EpaisseurMaxi, 108);
}

void TGestDimensions::EdtChange(const QString& texte) {
    BtnAjouter.setEnabled(!texte.isEmpty() && !ModeSelection);
    BtnSupprimer.setEnabled(false);
}

void TGestDimensions::LbDimensionsClick() {
    const int ligne = LbDimensions.currentRow();
    if (ligne < 0 || static_cast<std::size_t>(ligne) >= lignes.size())
        return;
    const DIMENSIONS& d = (*Dimensions)[lignes[ligne]];
    longueurCourante = static_cast<float>(d.Longueur);
    largeurCourante = static_cast<float>(d.Largeur);
    EdtLongueur.setText(TexteEnUnite(d.Longueur, reglages.UniteJob, plateforme.Separateur));
    EdtLargeur.setText(TexteEnUnite(d.Largeur, reglages.UniteJob, plateforme.Separateur));
    if (typeAffiche == DebitComplexe) {
        epaisseurCourante = static_cast<float>(d.Epaisseur);
        EdtEpaisseur.setText(TexteEnUnite(d.Epaisseur, reglages.UniteJob, plateforme.Separateur));
    }
    if (!ModeSelection) {
        BtnAjouter.setEnabled(true);
        BtnSupprimer.setEnabled(true);
    }
}

bool TGestDimensions::DimensionsSaisies() const {
    return !EdtLongueur.text().isEmpty() && !EdtLargeur.text().isEmpty() &&
           (!EdtEpaisseur.text().isEmpty() || typeAffiche == DebitSimple);
}

void TGestDimensions::BtnAjouterClick() {
    if (!Dimensions || !DimensionsSaisies())
        return;
    const int32_t longueur = Millimetres(longueurCourante);
    const int32_t largeur = Millimetres(largeurCourante);
    if (largeur > longueur) {
        RefuserValeur(plateforme, textes, textes.Text(114));
        return;
    }
    // A simple job has no thickness to choose: its entries carry the thickness
    // of its sheets.
    const int32_t epaisseur =
        typeAffiche == DebitSimple ? EpaisseurParDefaut : Millimetres(epaisseurCourante);
    const DIMENSIONS nouvelle{longueur, largeur, epaisseur, typeAffiche};
    for (const DIMENSIONS& d : *Dimensions)
        if (d == nouvelle)
            return;
    if (!ModeSelection)
        Dimensions->push_back({longueur, largeur, EpaisseurParDefaut, DebitSimple});
    Dimensions->push_back(nouvelle);

    QString ligne = EdtLongueur.text() + " x " + EdtLargeur.text();
    if (!ModeSelection || typeAffiche == DebitComplexe)
        ligne += " x " + EdtEpaisseur.text();
    LbDimensions.addItem(ligne);
    lignes.push_back(Dimensions->size() - 1);
    Modifie = true;
    marqueLongueur = marqueLargeur = marqueEpaisseur = false;
}

// Removes an entry and keeps every row on its own entry.
void TGestDimensions::RetirerEntree(std::size_t index) {
    Dimensions->erase(Dimensions->begin() + static_cast<std::ptrdiff_t>(index));
    for (std::size_t& l : lignes)
        if (l > index)
            --l;
}

void TGestDimensions::BtnSupprimerClick() {
    const int ligne = LbDimensions.currentRow();
    if (!Dimensions || ligne < 0 || static_cast<std::size_t>(ligne) >= lignes.size())
        return;
    const std::size_t index = lignes[ligne];
    const DIMENSIONS supprimee = (*Dimensions)[index];
    delete LbDimensions.takeItem(ligne);
    lignes.erase(lignes.begin() + ligne);
    RetirerEntree(index);
    // The simple-job companion that BtnAjouter made with it. Only a simple-job
    // entry qualifies: a complex one may have a row of its own.
    for (std::size_t i = 0; i < Dimensions->size(); ++i) {
        const DIMENSIONS& d = (*Dimensions)[i];
        if (d.Longueur == supprimee.Longueur && d.Largeur == supprimee.Largeur &&
            d.Epaisseur == EpaisseurParDefaut && d.TypeDebit == DebitSimple) {
            RetirerEntree(i);
            break;
        }
    }
    for (QLineEdit* edit : {&EdtLongueur, &EdtLargeur, &EdtEpaisseur})
        edit->clear();
    Modifie = true;
}

void TGestDimensions::BtnOKClick() {
    if (ModeSelection && (marqueLongueur || marqueLargeur || marqueEpaisseur))
        BtnAjouterClick();
    Choisi = DimensionsSaisies();
    if (Choisi) {
        Longueur = Millimetres(longueurCourante);
        Largeur = Millimetres(largeurCourante);
        if (typeAffiche == DebitComplexe)
            Epaisseur = Millimetres(epaisseurCourante);
    }
    accept();
}

} // namespace tavelune
