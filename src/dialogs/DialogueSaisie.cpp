#include "dialogs/DialogueSaisie.h"

#include "dialogs/ControlesDialogue.h"
#include "strings/Nombres.h"

#include <utility>

namespace tavelune {

DialogueSaisie::DialogueSaisie(Plateforme& plateforme, const Reglages& reglages,
                               TGestDimensions& gestDimensions, QWidget* parent)
    : QDialog(parent), plateforme(plateforme), gestDimensions(gestDimensions),
      textes(reglages.BaseLangue) {
    // Titled before its controls are placed, so that they come below the title.
    GpbDebitComplexe.setTitle(VersQt(textes.Text(24)));
}

void DialogueSaisie::PlacerDessin(int hauteur) {
    Placer(PanelDessin, *this, "PanelDessin", 8, 8, 168, hauteur);
    PanelDessin.setFrameShape(QFrame::Panel);
    PanelDessin.setFrameShadow(QFrame::Sunken);
    Placer(Image, PanelDessin, "Image", 0, 0, 168, hauteur);
    Image.setScaledContents(true);
}

void DialogueSaisie::PlacerCotes(int y) {
    Placer(lblLongueur, *this, "lblLongueur", 188, y);
    Placer(EdtLongueur, *this, "EdtLongueur", 188, y + 16, 100, 21);
    Placer(lblLargeur, *this, "lblLargeur", 188, y + 42);
    Placer(EdtLargeur, *this, "EdtLargeur", 188, y + 58, 100, 21);
    Placer(lblSens, *this, "lblSens", 188, y + 84);
    Placer(CbxSens, *this, "CbxSens", 188, y + 100, 110, 21);
}

void DialogueSaisie::PlacerNombre(const char* nomGroupe, const char* nomCase, int y) {
    const ControlesNombre nombre = Nombre();
    Placer(nombre.Groupe, *this, nomGroupe, 8, y, 168, 80);
    Placer(nombre.Case, nombre.Groupe, nomCase, 8, 20, 150, 17);
    Placer(nombre.Libelle, nombre.Groupe, "lblNb", 8, 50);
    Placer(nombre.Edit, nombre.Groupe, "EdtNb", 70, 46, 60, 21);
}

void DialogueSaisie::PlacerNavigation(int xTerminer) {
    Placer(BtnPred, *this, "BtnPred", 8, 274, 80, 25);
    Placer(EdtCompteur, *this, "EdtCompteur", 96, 276, 40, 21);
    Placer(BtnSuivant, *this, "BtnSuivant", 144, 274, 80, 25);
    Placer(BtnAnnul, *this, "BtnAnnul", 8, 314, 80, 25);
    Placer(BtnNouveau, *this, "BtnNouveau", 96, 314, 80, 25);
    Placer(BtnSupprimer, *this, "BtnSupprimer", 184, 314, 80, 25);
    Placer(BtnTerminer, *this, "BtnTerminer", xTerminer, 314, 80, 25);
}

void DialogueSaisie::PreparerControles() {
    const ControlesNombre nombre = Nombre();
    lblSens.setText(VersQt(textes.Text(43)));
    RemplirSens(CbxSens, textes);
    nombre.Case.setText(VersQt(textes.Text(33)));
    nombre.Libelle.setText(VersQt(textes.Text(44)));
    lblEssence.setText(VersQt(textes.Text(46)));
    // Typed in, so that a glass type missing from the list can be added.
    CbxEssence.setEditable(true);
    CbxEssence.setInsertPolicy(QComboBox::NoInsert);
    for (QLabel* libelle : {&lblSens, &nombre.Libelle, &lblEssence})
        libelle->adjustSize();
    const QString bulle = VersQt(textes.Text(16));
    for (QLineEdit* edit : {&EdtLongueur, &EdtLargeur, &EdtEpaisseur})
        edit->setToolTip(bulle);
    EdtCompteur.setReadOnly(true);
    EdtCompteur.setFocusPolicy(Qt::NoFocus);
    const std::pair<QPushButton*, int32_t> boutons[] = {{&BtnPred, 39},      {&BtnSuivant, 40},
                                                        {&BtnAnnul, 37},     {&BtnNouveau, 77},
                                                        {&BtnSupprimer, 60}, {&BtnTerminer, 38}};
    for (const auto& [bouton, id] : boutons) {
        bouton->setText(VersQt(textes.Text(id)));
        bouton->setAutoDefault(false);
    }
    for (QLineEdit* edit : {&EdtLongueur, &EdtLargeur, &EdtEpaisseur})
        ConnecterClicDroit(*edit, [this] { EdtDimensionsClicDroit(); });
}

void DialogueSaisie::showEvent(QShowEvent* evenement) {
    LibellesUnite(UniteJob);
    QDialog::showEvent(evenement);
}

void DialogueSaisie::LibellesUnite(const UNITE_MESURE& unite) {
    UniteJob = unite;
    lblLongueur.setText(LibelleEnUnite(textes, 41, UniteJob));
    lblLargeur.setText(LibelleEnUnite(textes, 42, UniteJob));
    lblEpaisseur.setText(LibelleEnUnite(textes, 45, UniteJob));
    for (QLabel* libelle : {&lblLongueur, &lblLargeur, &lblEpaisseur})
        libelle->adjustSize();
}

void DialogueSaisie::reject() {}

void DialogueSaisie::Preparer() {
    Termine = false;
    EssenceAjoutee = false;
    DimensionsModifiees = false;
    Initialiser();
}

void DialogueSaisie::RemplirEssences() {
    CbxEssence.clear();
    if (Essences)
        for (const std::string& nom : *Essences)
            CbxEssence.addItem(VersQt(nom));
}

void DialogueSaisie::MettreAJourBoutons() {
    EdtCompteur.setText(QString::number(indexCourant + 1));
    BtnPred.setEnabled(indexCourant > 0);
    BtnSuivant.setEnabled(indexCourant < Dernier());
}

void DialogueSaisie::MontrerNouvelleEntree() {
    BtnNouveau.setEnabled(false);
    BtnSuivant.setEnabled(false);
    BtnPred.setEnabled(true);
    BtnSupprimer.setEnabled(true);
    EdtCompteur.setText(QString::number(indexCourant + 1));
}

void DialogueSaisie::ChampAccepte() {
    intacte = false;
    BtnNouveau.setEnabled(true);
}

std::optional<int32_t> DialogueSaisie::NombreSaisi() {
    QLineEdit& edit = Nombre().Edit;
    const auto nombre = LireEntier(DepuisQt(edit.text()));
    if (nombre && *nombre != 0)
        return nombre;
    RefuserValeur(plateforme, textes, textes.Text(107));
    edit.setText("1");
    return std::nullopt;
}

int32_t DialogueSaisie::CoteProposee(const QLineEdit& edit, float courante) {
    return edit.text().isEmpty() ? 0 : Millimetres(courante);
}

std::optional<DIMENSIONS> DialogueSaisie::ProposerDimensions(std::vector<DIMENSIONS>& liste,
                                                             const std::vector<Panneau_p>* panneaux,
                                                             int32_t epaisseur) {
    const auto choix = gestDimensions.Selectionner(*this, liste, TypeDebit, panneaux,
                                                   {CoteProposee(EdtLongueur, longueurCourante),
                                                    CoteProposee(EdtLargeur, largeurCourante),
                                                    epaisseur, TypeDebit});
    DimensionsModifiees = DimensionsModifiees || gestDimensions.Modifie;
    if (!choix)
        return choix;
    const char separateur = plateforme.Separateur;
    longueurCourante = static_cast<float>(choix->Longueur);
    largeurCourante = static_cast<float>(choix->Largeur);
    EdtLongueur.setText(TexteEnUnite(choix->Longueur, UniteJob, separateur));
    EdtLargeur.setText(TexteEnUnite(choix->Largeur, UniteJob, separateur));
    return choix;
}

} // namespace tavelune
