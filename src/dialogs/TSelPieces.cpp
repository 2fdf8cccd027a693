#include "dialogs/TSelPieces.h"

#include "dialogs/ControlesDialogue.h"
#include "engine/Remplissage.h"
#include "platform/Fenetres.h"
#include "strings/Nombres.h"
#include "strings/Texte.h"

#include <algorithm>

namespace tavelune {

TSelPieces::TSelPieces(Plateforme& plateforme, const Reglages& reglages,
                       TGestDimensions& gestDimensions, QWidget* parent)
    : DialogueSaisie(plateforme, reglages, gestDimensions, parent),
      pieceMinuscule(Minuscules(reglages.Options.DesignationPiece)),
      panneauxMinuscule(Minuscules(reglages.Options.DesignationPanneaux)) {
    setObjectName("TSelPieces");
    setWindowTitle(VersQt(textes.Text(34) + Minuscules(reglages.Options.DesignationPieces)));
    setFixedSize(366, 349);
    SansMenuSysteme(*this);
    ConnecterAide(*this, plateforme.AideEnLigne, 1030);
    ConstruireControles();
}

void TSelPieces::ConstruireControles() {
    PlacerDessin(125);

    Placer(lblReference, *this, "lblReference", 188, 8);
    Placer(EdtReference, *this, "EdtReference", 188, 24, 58, 21);
    Placer(lblDesignation, *this, "lblDesignation", 254, 8);
    Placer(EdtDesignation, *this, "EdtDesignation", 254, 24, 104, 21);
    PlacerCotes(50);
    PlacerNombre("GroupBox1", "ChbNbPieces", 144);

    Placer(GpbDebitComplexe, *this, "GpbDebitComplexe", 188, 176, 171, 92);
    Placer(lblEpaisseur, GpbDebitComplexe, "lblEpaisseur", 8, 14);
    Placer(EdtEpaisseur, GpbDebitComplexe, "EdtEpaisseur", 8, 30, 70, 21);
    Placer(CbxEpaisseur, GpbDebitComplexe, "CbxEpaisseur", 86, 30, 77, 21);
    Placer(lblEssence, GpbDebitComplexe, "lblEssence", 8, 58);
    Placer(CbxEssence, GpbDebitComplexe, "CbxEssence", 56, 55, 107, 21);

    PlacerNavigation(278);

    lblReference.setText(VersQt(textes.Text(83)));
    lblDesignation.setText(VersQt(textes.Text(76)));
    for (QLabel* libelle : {&lblReference, &lblDesignation})
        libelle->adjustSize();
    PreparerControles();
    OrdreTabulation({&EdtReference, &EdtDesignation, &EdtLongueur, &EdtLargeur, &CbxSens,
                     &ChbNbPieces, &EdtNb, &EdtEpaisseur, &CbxEpaisseur, &CbxEssence, &BtnPred,
                     &BtnSuivant, &BtnAnnul, &BtnNouveau, &BtnSupprimer, &BtnTerminer});

    ConnecterSortie(EdtReference, [this] { EdtReferenceExit(); });
    ConnecterSortie(EdtDesignation, [this] { EdtDesignationExit(); });
    ConnecterCommuns(*this);
    connect(&CbxEpaisseur, &QComboBox::activated, this, &TSelPieces::CbxEpaisseurChange);
    connect(&ChbNbPieces, &QCheckBox::clicked, this, &TSelPieces::ChbNbPiecesClick);
}

void TSelPieces::Initialiser() {
    indexCourant = 0;
    modifie = {};
    intacte = false;
    CbxEpaisseur.clear();
    for (const Panneau_p& panneau : *PanneauxSaisis)
        if (CbxEpaisseur.count() == 0 ||
            CbxEpaisseur.itemData(CbxEpaisseur.count() - 1).toInt() != panneau.Epaisseur)
            CbxEpaisseur.addItem(TexteEnUnite(panneau.Epaisseur, UniteJob, plateforme.Separateur),
                                 panneau.Epaisseur);
    RemplirEssences();
    Activer(CbxSens, Options.SensFil != 0);
    lblSens.setEnabled(Options.SensFil != 0);
    if (!Options.SensFil)
        AfficherSens(Indifferent);
    if (PiecesSaisies->empty()) {
        BtnSupprimer.setEnabled(false);
        AjouterPieceNeuve(0);
    } else {
        BtnSupprimer.setEnabled(true);
        AfficherPiece();
    }
    MettreAJourBoutons();
    BtnNouveau.setEnabled(true);
    GpbDebitComplexe.setEnabled(Complexe());
    Activer(EdtEpaisseur, Complexe() && EpaisseurTapee());
    Activer(CbxEpaisseur, Complexe() && !EpaisseurTapee());
    Activer(CbxEssence, Complexe());
    ChbNbPieces.setChecked(false);
    Activer(EdtNb, false);
}

void TSelPieces::AfficherSens(int32_t sens) {
    CbxSens.setCurrentIndex(sens);
    Image.setPixmap(ImageSens(sens));
    sensCourant = sens;
}

void TSelPieces::AfficherEpaisseur(int32_t epaisseur) {
    EdtEpaisseur.setText(TexteEnUnite(epaisseur, UniteJob, plateforme.Separateur));
    const int item = CbxEpaisseur.findData(epaisseur);
    if (item >= 0)
        CbxEpaisseur.setCurrentIndex(item);
    epaisseurCourante = static_cast<float>(epaisseur);
}

void TSelPieces::AfficherPiece() {
    const TPiece& p = Piece();
    const auto texte = [](const std::vector<std::string>* liste, int32_t i) {
        return liste && i >= 0 && static_cast<std::size_t>(i) < liste->size()
                   ? VersQt((*liste)[static_cast<std::size_t>(i)])
                   : QString();
    };
    EdtDesignation.setText(texte(Designations, p.IndexDesignation));
    EdtReference.setText(texte(References, p.IndexDesignation));
    referencePrecedente = EdtReference.text();
    // A piece still without a side shows an empty box, as when it was added.
    const auto cote = [this](int32_t mm) {
        return mm == 0 ? QString() : TexteEnUnite(mm, UniteJob, plateforme.Separateur);
    };
    EdtLongueur.setText(cote(p.Longueur));
    EdtLargeur.setText(cote(p.Largeur));
    EdtNb.setText(QString::number(p.Nb));
    AfficherSens(p.Sens);
    if (Complexe()) {
        AfficherEpaisseur(p.Epaisseur);
        CbxEssence.setCurrentIndex(p.Essence < CbxEssence.count() ? p.Essence : -1);
    }
    longueurCourante = static_cast<float>(p.Longueur);
    largeurCourante = static_cast<float>(p.Largeur);
    epaisseurCourante = static_cast<float>(p.Epaisseur);
    nbCourant = p.Nb;
}

// A new piece numbered 'numero' joins the list, with the thickness and glass
// type of the first sheet so that it matches the job's sheets.
void TSelPieces::AjouterPieceNeuve(int32_t numero) {
    const Panneau_p premiere = PanneauxSaisis->empty() ? Panneau_p{} : PanneauxSaisis->front();
    const std::string designation = textes.Text(46) + std::to_string(numero + 1);
    const std::string reference = LettresPiece(numero);
    EdtDesignation.setText(VersQt(designation));
    EdtReference.setText(VersQt(reference));
    referencePrecedente = EdtReference.text();
    EdtLongueur.setText({});
    EdtLargeur.setText({});
    AfficherSens(Options.SensFil ? Horizontal : Indifferent);
    EdtNb.setText("1");
    if (Complexe()) {
        AfficherEpaisseur(premiere.Epaisseur);
        CbxEpaisseur.setCurrentIndex(CbxEpaisseur.count() > 0 ? 0 : -1);
        CbxEssence.setCurrentIndex(premiere.Essence < CbxEssence.count() ? premiere.Essence : -1);
    }
    longueurCourante = 0;
    largeurCourante = 0;
    nbCourant = 1;
    epaisseurCourante = static_cast<float>(premiere.Epaisseur);

    indexCourant = static_cast<int32_t>(PiecesSaisies->size());
    TPiece piece;
    piece.Numero = numero;
    piece.Nb = 1;
    piece.Epaisseur = premiere.Epaisseur;
    piece.Essence = premiere.Essence;
    piece.Sens = sensCourant;
    piece.IndexDesignation = indexCourant;
    ReinitialiserPiece(piece);
    PiecesSaisies->push_back(piece);
    Designations->push_back(designation);
    References->push_back(reference);
}

// Removes a piece with its designation and reference; the pieces after it
// keep their texts.
void TSelPieces::RetirerPiece(std::size_t index) {
    const auto retirer = [index](auto& liste) {
        if (index < liste.size())
            liste.erase(liste.begin() + static_cast<std::ptrdiff_t>(index));
    };
    retirer(*PiecesSaisies);
    retirer(*Designations);
    retirer(*References);
    for (std::size_t i = 0; i < PiecesSaisies->size(); ++i)
        (*PiecesSaisies)[i].IndexDesignation = static_cast<int32_t>(i);
}

// Too large for the entered sheets, given the piece's direction and whether
// some sheet has that direction.
bool TSelPieces::TropGrande(int32_t valeur, bool longueur) const {
    const int32_t lmax = LongueurMax(*PanneauxSaisis);
    const int32_t wmax = LargeurMax(*PanneauxSaisis);
    if (sensCourant == Indifferent)
        return valeur > wmax && valeur > lmax;
    const bool partage = std::any_of(PanneauxSaisis->begin(), PanneauxSaisis->end(),
                                     [this](const Panneau_p& p) { return p.Sens == sensCourant; });
    const bool selonLongueur = (partage || sensCourant == Horizontal) == longueur;
    return valeur > (selonLongueur ? lmax : wmax);
}

// The value typed (relire) or the current one, against the maximum of the
// options and the entered sheets. A refused value is dropped: the piece keeps
// its stored side.
void TSelPieces::ControlerCote(QLineEdit& edit, float& courante, bool& modifiee, bool longueur,
                               bool relire) {
    if (edit.text().isEmpty())
        return;
    std::optional<double> valeur = courante;
    if (relire) {
        const auto lu = LireReel(DepuisQt(edit.text()), plateforme.Separateur);
        valeur =
            lu ? std::optional(*lu * static_cast<double>(UniteJob.Facteur) + 0.5) : std::nullopt;
    }
    const float maximum = longueur ? Options.LongueurMaxi : Options.LargeurMaxi;
    if (!valeur || !(*valeur > 0.5) || !(Millimetres(*valeur) <= maximum) ||
        TropGrande(Millimetres(*valeur), longueur)) {
        const std::string texte = AvecRappelSeparateur(textes, longueur ? 113 : 114) + "\n" +
                                  textes.Text(longueur ? 119 : 120) + panneauxMinuscule + ".";
        RefuserValeur(plateforme, textes, texte);
        edit.setText({});
        modifiee = false;
        courante =
            static_cast<float>(Affichee() ? (longueur ? Piece().Longueur : Piece().Largeur) : 0);
        return;
    }
    courante = static_cast<float>(*valeur);
    if (relire) {
        modifiee = true;
        ChampAccepte();
    }
}

void TSelPieces::EdtLongueurExit() {
    if (!EdtLongueur.isModified())
        return;
    EdtLongueur.setModified(false);
    ControlerCote(EdtLongueur, longueurCourante, modifie.Longueur, true, true);
}

void TSelPieces::EdtLargeurExit() {
    if (!EdtLargeur.isModified())
        return;
    EdtLargeur.setModified(false);
    ControlerCote(EdtLargeur, largeurCourante, modifie.Largeur, false, true);
}

void TSelPieces::EdtNbExit() {
    const auto nombre = NombreSaisi();
    if (!nombre) {
        modifie.Nb = false;
        intacte = false;
        return;
    }
    nbCourant = *nombre;
    modifie.Nb = true;
}

// A thickness in mm (half already added): refused outside 0..150 or, in a
// complex job, when no sheet has it (or, when thicker sheets are accepted, no
// sheet is thick enough).
bool TSelPieces::ControlerEpaisseur(double valeur, bool suffisante) {
    const int32_t mm = Millimetres(valeur);
    const bool presente = suffisante ? EpaisseurSuffisante(*PanneauxSaisis, mm)
                                     : EpaisseurPresente(*PanneauxSaisis, mm);
    if (valeur > 0 && valeur <= EpaisseurMaxi && (!Complexe() || presente)) {
        epaisseurCourante = static_cast<float>(valeur);
        modifie.Epaisseur = true;
        intacte = false;
        return true;
    }
    RefuserValeur(plateforme, textes,
                  AvecRappelSeparateur(textes, 108) + "\n" + textes.Text(123) + panneauxMinuscule +
                      ".");
    modifie.Epaisseur = false;
    return false;
}

// The items hold the sheets' thicknesses in mm: reading back the text shown
// would lose them in metres.
void TSelPieces::CbxEpaisseurChange() {
    if (!ControlerEpaisseur(CbxEpaisseur.currentData().toInt() + 0.5, false))
        CbxEpaisseur.setCurrentIndex(0);
}

void TSelPieces::EdtEpaisseurExit() {
    if (!EdtEpaisseur.isModified())
        return;
    EdtEpaisseur.setModified(false);
    const auto lu = LireReel(DepuisQt(EdtEpaisseur.text()), plateforme.Separateur);
    if (!lu || !ControlerEpaisseur(*lu * static_cast<double>(UniteJob.Facteur) + 0.5, true))
        EdtEpaisseur.setText({});
    else
        ChampAccepte();
}

void TSelPieces::CbxSensClick() {
    AfficherSens(CbxSens.currentIndex());
    modifie.Sens = true;
    intacte = false;
    ControlerCote(EdtLongueur, longueurCourante, modifie.Longueur, true, false);
    ControlerCote(EdtLargeur, largeurCourante, modifie.Largeur, false, false);
}

void TSelPieces::CbxEssenceExit() {
    if (Complexe() &&
        !EssencePresente(*PanneauxSaisis,
                         IndexEssence(Essences ? *Essences : std::vector<std::string>{},
                                      DepuisQt(CbxEssence.currentText()))))
        return;
    if (Essences && ProposerEssence(plateforme.Messages, textes, CbxEssence, *Essences))
        EssenceAjoutee = true;
    modifie.Essence = true;
    intacte = false;
}

void TSelPieces::EdtReferenceExit() {
    if (!EdtReference.isModified())
        return;
    EdtReference.setModified(false);
    const std::string reference = DepuisQt(EdtReference.text());
    if (reference.empty() || NombreCaracteres(reference) > 3 ||
        TextePresent(*References, reference)) {
        EdtReference.setText(referencePrecedente);
        return;
    }
    referencePrecedente = EdtReference.text();
    modifie.Reference = true;
    intacte = false;
}

void TSelPieces::EdtDesignationExit() {
    if (!EdtDesignation.isModified())
        return;
    EdtDesignation.setModified(false);
    modifie.Designation = true;
    intacte = false;
}

void TSelPieces::ChbNbPiecesClick() {
    Activer(EdtNb, ChbNbPieces.isChecked());
}

void TSelPieces::EdtDimensionsClicDroit() {
    EdtLongueurExit();
    EdtLargeurExit();
    EdtEpaisseurExit();
    if (!DimPieces)
        return;
    // Thicknesses mean something in a complex job only: there the offer is
    // limited to the thicknesses of the entered sheets.
    const auto choix = ProposerDimensions(*DimPieces, Complexe() ? PanneauxSaisis : nullptr,
                                          Complexe() ? Millimetres(epaisseurCourante) : 0);
    if (!choix)
        return;
    modifie.Longueur = modifie.Largeur = true;
    if (Complexe()) {
        AfficherEpaisseur(choix->Epaisseur);
        modifie.Epaisseur = true;
    }
    ChampAccepte();
}

// A length and a width entered, the width not above the length.
bool TSelPieces::PieceSaisie() const {
    return longueurCourante > 0.5f && largeurCourante > 0.5f &&
           Millimetres(largeurCourante) <= Millimetres(longueurCourante);
}

void TSelPieces::EnregistrerPiece() {
    if (!Affichee())
        return;
    TPiece& p = Piece();
    const auto i = static_cast<std::size_t>(indexCourant);
    const auto ecrire = [i](std::vector<std::string>& liste, const QString& texte) {
        if (liste.size() <= i)
            liste.resize(i + 1);
        liste[i] = DepuisQt(texte);
    };
    if (modifie.Designation) {
        ecrire(*Designations, EdtDesignation.text());
        p.IndexDesignation = indexCourant;
    }
    if (modifie.Reference)
        ecrire(*References, EdtReference.text());
    if (modifie.Longueur)
        p.Longueur = Millimetres(longueurCourante);
    if (modifie.Largeur)
        p.Largeur = Millimetres(largeurCourante);
    if (modifie.Longueur || modifie.Largeur)
        ReinitialiserPiece(p);
    if (modifie.Nb)
        p.Nb = nbCourant;
    if (modifie.Sens)
        p.Sens = sensCourant;
    if (modifie.Epaisseur)
        p.Epaisseur = Millimetres(epaisseurCourante);
    if (modifie.Essence)
        p.Essence = Essences ? IndexEssence(*Essences, DepuisQt(CbxEssence.currentText())) : -1;
    modifie = {};
}

void TSelPieces::PieceNonValide() {
    RefuserValeur(plateforme, textes,
                  textes.Text(124) + pieceMinuscule + textes.Text(109) + panneauxMinuscule +
                      textes.Text(110));
}

// Checks the shown piece, stores it and checks that it fits an entered sheet.
bool TSelPieces::ValiderPiece() {
    if (!PieceSaisie()) {
        PieceNonValide();
        return false;
    }
    EnregistrerPiece();
    if (Affichee() && !PieceAdmise(*PanneauxSaisis, Piece(), MargesJob, ModeModification)) {
        PieceNonValide();
        return false;
    }
    return true;
}

void TSelPieces::BtnNouveauClick() {
    if (!ValiderPiece()) {
        intacte = false;
        return;
    }
    int32_t n = 0;
    for (const TPiece& p : *PiecesSaisies)
        n = std::max(n, p.Numero);
    AjouterPieceNeuve(n + 1);
    intacte = true;
    MontrerNouvelleEntree();
}

void TSelPieces::BtnSuivantClick() {
    if (!ValiderPiece() || indexCourant >= Dernier())
        return;
    ++indexCourant;
    AfficherPiece();
    MettreAJourBoutons();
    BtnNouveau.setEnabled(true);
}

void TSelPieces::BtnPredClick() {
    if (indexCourant <= 0)
        return;
    if (modifie.Aucune() && indexCourant == Dernier() && intacte) {
        const Message question{textes.Text(34),
                               textes.Text(125) + pieceMinuscule + textes.Text(129),
                               IconeMessage::Aucune, BoutonsMessage::OuiNon};
        if (plateforme.Messages.Afficher(question) == ReponseMessage::Oui) {
            PieceNonValide();
            return;
        }
        RetirerPiece(static_cast<std::size_t>(indexCourant));
        intacte = false;
        if (PiecesSaisies->size() < 2)
            BtnSupprimer.setEnabled(false);
    } else if (!ValiderPiece()) {
        return;
    }
    --indexCourant;
    AfficherPiece();
    MettreAJourBoutons();
    BtnNouveau.setEnabled(true);
}

void TSelPieces::BtnSupprimerClick() {
    if (!Affichee())
        return;
    RetirerPiece(static_cast<std::size_t>(indexCourant));
    for (std::size_t i = 0; i < PiecesSaisies->size(); ++i)
        (*PiecesSaisies)[i].Numero = static_cast<int32_t>(i);
    modifie = {};
    intacte = false;
    // Lets the move to the previous piece pass the check of the removed one.
    longueurCourante = largeurCourante = 1.0f;
    if (PiecesSaisies->size() < 2)
        BtnSupprimer.setEnabled(false);
    if (PiecesSaisies->size() < 2 || indexCourant == 0)
        Initialiser();
    else
        BtnPredClick();
}

void TSelPieces::BtnTerminerClick() {
    if (!PieceSaisie()) {
        // Only a piece that never got its two sides goes away unasked.
        const bool inachevee = Affichee() && (Piece().Longueur == 0 || Piece().Largeur == 0);
        if (indexCourant == 0 || !inachevee) {
            PieceNonValide();
            return;
        }
        RetirerPiece(static_cast<std::size_t>(indexCourant));
    } else {
        EnregistrerPiece();
        if (Affichee() && !PieceAdmise(*PanneauxSaisis, Piece(), MargesJob, ModeModification)) {
            PieceNonValide();
            return;
        }
    }
    Termine = true;
    accept();
}

void TSelPieces::BtnAnnulClick() {
    Termine = false;
    done(QDialog::Rejected);
}

} // namespace tavelune
