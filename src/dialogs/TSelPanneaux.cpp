#include "dialogs/TSelPanneaux.h"

#include "dialogs/ControlesDialogue.h"
#include "engine/Remplissage.h"
#include "platform/Fenetres.h"
#include "strings/Nombres.h"
#include "strings/Texte.h"

namespace tavelune {

TSelPanneaux::TSelPanneaux(Plateforme& plateforme, const Reglages& reglages,
                           TGestDimensions& gestDimensions, QWidget* parent)
    : DialogueSaisie(plateforme, reglages, gestDimensions, parent),
      panneauMinuscule(Minuscules(reglages.Options.DesignationPanneau)),
      panneauxMinuscule(Minuscules(reglages.Options.DesignationPanneaux)),
      piecesMinuscule(Minuscules(reglages.Options.DesignationPieces)) {
    setObjectName("TSelPanneaux");
    setWindowTitle(VersQt(textes.Text(32) + panneauxMinuscule));
    setFixedSize(367, 350);
    SansMenuSysteme(*this);
    ConnecterAide(*this, plateforme.AideEnLigne, 1020);
    ConstruireControles();
}

void TSelPanneaux::ConstruireControles() {
    PlacerDessin(105);
    PlacerCotes(8);
    PlacerNombre("GroupBox2", "ChbNbPanneaux", 140);

    Placer(GpbDebitComplexe, *this, "GpbDebitComplexe", 188, 140, 171, 110);
    Placer(lblEpaisseur, GpbDebitComplexe, "lblEpaisseur", 8, 18);
    Placer(EdtEpaisseur, GpbDebitComplexe, "EdtEpaisseur", 8, 34, 80, 21);
    Placer(lblEssence, GpbDebitComplexe, "lblEssence", 8, 60);
    Placer(CbxEssence, GpbDebitComplexe, "CbxEssence", 8, 76, 155, 21);

    PlacerNavigation(279);

    PreparerControles();
    OrdreTabulation({&EdtLongueur, &EdtLargeur, &CbxSens, &ChbNbPanneaux, &EdtNb, &EdtEpaisseur,
                     &CbxEssence, &BtnPred, &BtnSuivant, &BtnAnnul, &BtnNouveau, &BtnSupprimer,
                     &BtnTerminer});

    ConnecterCommuns(*this);
    connect(&EdtLongueur, &QLineEdit::textChanged, this, &TSelPanneaux::EdtLongueurChange);
    connect(&EdtLargeur, &QLineEdit::textChanged, this, &TSelPanneaux::EdtLargeurChange);
    connect(&ChbNbPanneaux, &QCheckBox::clicked, this, &TSelPanneaux::ChbNbPanneauxClick);
}

void TSelPanneaux::Initialiser() {
    indexCourant = 0;
    modifie = {};
    nouvelleEntree = false;
    intacte = false;
    RemplirEssences();
    Activer(CbxSens, Options.SensFil != 0);
    lblSens.setEnabled(Options.SensFil != 0);
    if (!Options.SensFil)
        AfficherSens(Indifferent);
    if (PanneauxSaisis->empty()) {
        BtnSupprimer.setEnabled(false);
        AjouterEntreeParDefaut();
    } else {
        BtnSupprimer.setEnabled(true);
        AfficherEntree();
    }
    MettreAJourBoutons();
    BtnNouveau.setEnabled(true);
    BtnAnnul.setEnabled(true);
    GpbDebitComplexe.setEnabled(Complexe());
    Activer(EdtEpaisseur, Complexe());
    Activer(CbxEssence, Complexe());
    ChbNbPanneaux.setChecked(false);
    Activer(EdtNb, false);
}

void TSelPanneaux::AfficherSens(int32_t sens) {
    CbxSens.setCurrentIndex(sens);
    Image.setPixmap(ImageSens(sens));
}

void TSelPanneaux::AfficherEntree() {
    const Panneau_p& e = Entree();
    const char separateur = plateforme.Separateur;
    EdtLongueur.setText(TexteEnUnite(e.Longueur, UniteJob, separateur));
    EdtLargeur.setText(TexteEnUnite(e.Largeur, UniteJob, separateur));
    EdtNb.setText(QString::number(e.Nb));
    AfficherSens(e.Sens);
    if (Complexe()) {
        EdtEpaisseur.setText(TexteEnUnite(e.Epaisseur, UniteJob, separateur));
        CbxEssence.setCurrentIndex(e.Essence < CbxEssence.count() ? e.Essence : -1);
    }
    longueurCourante = static_cast<float>(e.Longueur);
    largeurCourante = static_cast<float>(e.Largeur);
    epaisseurCourante = static_cast<float>(e.Epaisseur);
    nbCourant = e.Nb;
}

// The boxes show the default sheet and an entry of it joins the list.
void TSelPanneaux::AjouterEntreeParDefaut() {
    const char separateur = plateforme.Separateur;
    EdtLongueur.setText(TexteEnUnite(Options.LongueurDefaut, UniteJob, separateur));
    EdtLargeur.setText(TexteEnUnite(Options.LargeurDefaut, UniteJob, separateur));
    AfficherSens(Options.SensFil ? Horizontal : Indifferent);
    EdtNb.setText("1");
    if (Complexe()) {
        EdtEpaisseur.setText(TexteEnUnite(EpaisseurParDefaut, UniteJob, separateur));
        CbxEssence.setCurrentIndex(CbxEssence.count() > 0 ? 0 : -1);
    } else {
        EdtEpaisseur.setText({});
    }
    longueurCourante = Options.LongueurDefaut;
    largeurCourante = Options.LargeurDefaut;
    nbCourant = 1;
    epaisseurCourante = EpaisseurParDefaut;

    Panneau_p entree =
        NouveauPanneau(Millimetres(Options.LongueurDefaut), Millimetres(Options.LargeurDefaut));
    entree.Longueur = entree.Rect.Right;
    entree.Largeur = entree.Rect.Top;
    Reinitialiser(entree);
    entree.Nb = 1;
    entree.Sens = CbxSens.currentIndex();
    entree.Epaisseur = EpaisseurParDefaut;
    entree.Essence = 0;
    PanneauxSaisis->push_back(std::move(entree));
}

void TSelPanneaux::ControlerCote(QLineEdit& edit, float& courante, bool& modifiee, float maximum,
                                 int32_t stockee, int32_t idMessage) {
    if (!edit.isModified())
        return;
    edit.setModified(false);
    const auto lu = LireReel(DepuisQt(edit.text()), plateforme.Separateur);
    const double valeur = lu ? *lu * static_cast<double>(UniteJob.Facteur) : 0.0;
    // Under one millimetre the sheet would be kept with a side of 0.
    if (!lu || !(valeur >= 1.0) || valeur > maximum) {
        RefuserNombre(plateforme, textes, idMessage);
        edit.setText(TexteEnUnite(stockee, UniteJob, plateforme.Separateur));
        courante = static_cast<float>(stockee);
        modifiee = false;
        return;
    }
    courante = static_cast<float>(valeur);
    modifiee = true;
    ChampAccepte();
}

void TSelPanneaux::EdtLongueurExit() {
    ControlerCote(EdtLongueur, longueurCourante, modifie.Longueur, Options.LongueurMaxi,
                  Entree().Longueur, 113);
}

void TSelPanneaux::EdtLargeurExit() {
    ControlerCote(EdtLargeur, largeurCourante, modifie.Largeur, Options.LargeurMaxi,
                  Entree().Largeur, 114);
}

void TSelPanneaux::EdtNbExit() {
    if (!EdtNb.isModified())
        return;
    EdtNb.setModified(false);
    const auto nombre = NombreSaisi();
    if (!nombre) {
        modifie.Nb = false;
        return;
    }
    nbCourant = *nombre;
    modifie.Nb = true;
    ChampAccepte();
}

void TSelPanneaux::EdtEpaisseurExit() {
    if (!EdtEpaisseur.isModified())
        return;
    EdtEpaisseur.setModified(false);
    const auto lu = LireReel(DepuisQt(EdtEpaisseur.text()), plateforme.Separateur);
    // Rounded to the millimetre: 149,5 is the largest thickness kept below 150.
    const double valeur = lu ? *lu * static_cast<double>(UniteJob.Facteur) + 0.5 : 0.0;
    if (!lu || !(valeur > 0) || !(valeur <= EpaisseurMaxi)) {
        RefuserNombre(plateforme, textes, 108);
        EdtEpaisseur.setText({});
        modifie.Epaisseur = false;
        return;
    }
    epaisseurCourante = static_cast<float>(valeur);
    modifie.Epaisseur = true;
    ChampAccepte();
}

void TSelPanneaux::EdtLongueurChange() {
    if (!EdtLargeur.text().isEmpty())
        BtnTerminer.setEnabled(true);
}

void TSelPanneaux::EdtLargeurChange() {
    if (!EdtLongueur.text().isEmpty())
        BtnTerminer.setEnabled(true);
}

void TSelPanneaux::CbxSensClick() {
    Image.setPixmap(ImageSens(CbxSens.currentIndex()));
    modifie.Sens = true;
    ChampAccepte();
}

void TSelPanneaux::CbxEssenceExit() {
    if (Essences && ProposerEssence(plateforme.Messages, textes, CbxEssence, *Essences))
        EssenceAjoutee = true;
    modifie.Essence = true;
    ChampAccepte();
}

void TSelPanneaux::ChbNbPanneauxClick() {
    Activer(EdtNb, ChbNbPanneaux.isChecked());
}

void TSelPanneaux::EdtDimensionsClicDroit() {
    EdtLongueurExit();
    EdtLargeurExit();
    EdtEpaisseurExit();
    if (!DimPanneaux)
        return;
    const auto choix =
        ProposerDimensions(*DimPanneaux, nullptr, CoteProposee(EdtEpaisseur, epaisseurCourante));
    if (!choix)
        return;
    modifie.Longueur = modifie.Largeur = true;
    if (Complexe()) {
        epaisseurCourante = static_cast<float>(choix->Epaisseur);
        EdtEpaisseur.setText(TexteEnUnite(choix->Epaisseur, UniteJob, plateforme.Separateur));
        modifie.Epaisseur = true;
    }
    ChampAccepte();
}

// A side refused because the width would exceed the length: its box is emptied
// and the refused value dropped, so that it is never written later.
bool TSelPanneaux::CoteRefusee(QLineEdit& edit, float& courante, bool& modifiee, int32_t stockee,
                               int32_t idMessage) {
    RefuserValeur(plateforme, textes, textes.Text(idMessage));
    edit.setText({});
    courante = static_cast<float>(stockee);
    modifiee = false;
    return false;
}

// Writes the changed fields into the shown entry. False when a side was refused.
bool TSelPanneaux::EnregistrerEntree() {
    if (modifie.Aucune() || indexCourant > Dernier())
        return true;
    Panneau_p& e = Entree();
    const int32_t largeur = modifie.Largeur ? Millimetres(largeurCourante) : e.Largeur;
    if (modifie.Longueur) {
        const int32_t longueur = Millimetres(longueurCourante);
        if (largeur > longueur)
            return CoteRefusee(EdtLongueur, longueurCourante, modifie.Longueur, e.Longueur, 113);
        e.Longueur = longueur;
        Reinitialiser(e);
        modifie.Longueur = false;
    }
    if (modifie.Largeur) {
        if (largeur > e.Longueur)
            return CoteRefusee(EdtLargeur, largeurCourante, modifie.Largeur, e.Largeur, 114);
        e.Largeur = largeur;
        Reinitialiser(e);
        modifie.Largeur = false;
    }
    if (modifie.Nb)
        e.Nb = nbCourant;
    if (modifie.Sens)
        e.Sens = CbxSens.currentIndex();
    if (modifie.Epaisseur)
        e.Epaisseur = Millimetres(epaisseurCourante);
    if (modifie.Essence)
        e.Essence = Essences ? IndexEssence(*Essences, DepuisQt(CbxEssence.currentText())) : -1;
    modifie = {};
    return true;
}

// In modification mode every entered piece must still fit some sheet. A new
// entry is let through while the user moves around, never when finishing.
bool TSelPanneaux::PiecesAdmises(bool memeNouvelle) {
    if (!ModeModification || !PiecesSaisies || (nouvelleEntree && !memeNouvelle))
        return true;
    for (const TPiece& piece : *PiecesSaisies) {
        if (!PieceAdmise(*PanneauxSaisis, piece, MargesJob, ModeModification)) {
            RefuserValeur(plateforme, textes,
                          textes.Text(91) + panneauMinuscule + textes.Text(172) + piecesMinuscule +
                              textes.Text(173) + panneauMinuscule + " !");
            return false;
        }
    }
    return true;
}

void TSelPanneaux::BtnSuivantClick() {
    if (!PanneauxSaisis->empty() && (indexCourant != Dernier() || !modifie.Aucune()) &&
        !(EnregistrerEntree() && PiecesAdmises(false)))
        return;
    if (indexCourant >= Dernier())
        return;
    ++indexCourant;
    MettreAJourBoutons();
    AfficherEntree();
    nouvelleEntree = false;
}

void TSelPanneaux::BtnPredClick() {
    if (indexCourant <= 0)
        return;
    if (modifie.Aucune() && indexCourant == Dernier() && intacte) {
        const Message question{textes.Text(32),
                               textes.Text(128) + panneauxMinuscule + textes.Text(171),
                               IconeMessage::Aucune, BoutonsMessage::OuiNon};
        if (plateforme.Messages.Afficher(question) == ReponseMessage::Non) {
            PanneauxSaisis->pop_back();
            if (PanneauxSaisis->size() < 2)
                BtnSupprimer.setEnabled(false);
        }
    } else if (!(EnregistrerEntree() && PiecesAdmises(false))) {
        return;
    }
    --indexCourant;
    BtnNouveau.setEnabled(true);
    MettreAJourBoutons();
    if (indexCourant == 0)
        BtnAnnul.setEnabled(true);
    AfficherEntree();
}

void TSelPanneaux::BtnNouveauClick() {
    if (!(EnregistrerEntree() && PiecesAdmises(false)))
        return;
    nouvelleEntree = true;
    intacte = true;
    indexCourant = static_cast<int32_t>(PanneauxSaisis->size());
    AjouterEntreeParDefaut();
    MontrerNouvelleEntree();
}

void TSelPanneaux::BtnSupprimerClick() {
    if (indexCourant > Dernier())
        return;
    PanneauxSaisis->erase(PanneauxSaisis->begin() + indexCourant);
    modifie = {};
    nouvelleEntree = false;
    if (PanneauxSaisis->size() < 2)
        BtnSupprimer.setEnabled(false);
    if (PanneauxSaisis->size() > 1 && indexCourant > 0)
        BtnPredClick();
    else
        Initialiser();
}

void TSelPanneaux::BtnTerminerClick() {
    if (!(EnregistrerEntree() && PiecesAdmises(true)))
        return;
    Termine = true;
    nouvelleEntree = false;
    accept();
}

void TSelPanneaux::BtnAnnulClick() {
    Termine = false;
    nouvelleEntree = false;
    done(QDialog::Rejected);
}

} // namespace tavelune
