#include "mainwindow/TFDebit.h"

#include "dialogs/TFAffichage.h"
#include "dialogs/TFApropos.h"
#include "dialogs/TFCaractPanneaux.h"
#include "dialogs/TFImportation.h"
#include "dialogs/TFOptions.h"
#include "dialogs/TGestDimensions.h"
#include "dialogs/TGestTypeVitrages.h"
#include "dialogs/TSelDebit.h"
#include "dialogs/TSelMarge.h"
#include "dialogs/TSelMargesMultiples.h"
#include "dialogs/TSelMod.h"
#include "dialogs/TSelPanneaux.h"
#include "dialogs/TSelPieces.h"
#include "dialogs/TSelUnite.h"
#include "documents/FichierDebit.h"
#include "documents/FichiersReglages.h"
#include "engine/Optimisation.h"
#include "mainwindow/CanevasMesure.h"
#include "mainwindow/ImpressionDirecte.h"
#include "platform/Conversions.h"
#include "platform/Fenetres.h"
#include "platform/Plateforme.h"
#include "platform/Ressources.h"
#include "strings/Legendes.h"
#include "strings/Texte.h"
#include "strings/TextesFixes.h"
#include "view/Fiche.h"
#include "view/Plan.h"
#include "view/Recapitulatif.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include <cstdlib>

namespace tavelune {

namespace {

constexpr int HauteurBarre = 31;
constexpr int TailleBouton = 25;
constexpr int LargeurBoutonVue = 57;
constexpr int LargeurCompteur = 50;

// Our own texts: the table has none for these.
constexpr std::string_view ErreurEnregistrement = "Erreur dans l'enregistrement du fichier !";
constexpr std::string_view AdresseVideos = "https://www.tavelune.example/videos.html";
constexpr std::string_view AdresseSite = "https://www.tavelune.example/";

// The help topic F1 opens for a menu entry.
const char* const ProprieteRubrique = "rubrique";

// F1 on a highlighted menu entry opens its help topic.
class AideDesMenus : public QObject {
public:
    AideDesMenus(QObject* parent, Aide& aide) : QObject(parent), aide(aide) {}

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(evenement)->key() != Qt::Key_F1)
            return false;
        const QAction* entree = static_cast<QMenu*>(objet)->activeAction();
        if (!entree || !entree->property(ProprieteRubrique).isValid())
            return false;
        aide.AfficherRubrique(entree->property(ProprieteRubrique).toInt());
        return true;
    }

private:
    Aide& aide;
};

QAction* NouvelleEntree(QMenu& menu, const char* nom, int rubrique = 0) {
    QAction* entree = menu.addAction(QString());
    entree->setObjectName(QString::fromLatin1(nom));
    if (rubrique)
        entree->setProperty(ProprieteRubrique, rubrique);
    return entree;
}

} // namespace

// The client area below the menu: the tool bar and the drawing.
class TFDebit::ZoneClient : public QWidget {
public:
    explicit ZoneClient(TFDebit& fenetre) : QWidget(&fenetre), fenetre(fenetre) {
        setObjectName(QStringLiteral("ZoneClient"));
        setAutoFillBackground(true);
        QPalette blanc = palette();
        blanc.setColor(QPalette::Window, Qt::white);
        setPalette(blanc);
    }

protected:
    void paintEvent(QPaintEvent*) override { fenetre.FormPaint(); }
    void resizeEvent(QResizeEvent*) override { fenetre.FormResize(); }

private:
    TFDebit& fenetre;
};

TFDebit::TFDebit(Plateforme& plateforme, std::filesystem::path dossierReglages,
                 const QStringList& arguments)
    : plateforme(plateforme), dossierReglages(std::move(dossierReglages)) {
    setObjectName(QStringLiteral("FDebit"));
    zone = new ZoneClient(*this);
    setCentralWidget(zone);
    CreerMenus();
    CreerBarreOutils();
    FormCreate(arguments);
}

TFDebit::~TFDebit() = default;

// ---------------------------------------------------------------- creation

void TFDebit::FormCreate(const QStringList& arguments) {
    resize(582, 375);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    if (!arguments.isEmpty())
        fichierInitial = DepuisQt(arguments.front());
}

void TFDebit::CreerMenus() {
    auto* aideMenus = new AideDesMenus(this, plateforme.AideEnLigne);
    const auto nouveauMenu = [&](QMenu* parent, const char* nom) {
        QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(nom));
        menu->installEventFilter(aideMenus);
        return menu;
    };

    Fichier = nouveauMenu(nullptr, "Fichier");
    Nouveau = NouvelleEntree(*Fichier, "Nouveau", 10);
    Ouvrir = NouvelleEntree(*Fichier, "Ouvrir", 60);
    Enregistrer = NouvelleEntree(*Fichier, "Enregistrer", 50);
    Enre = NouvelleEntree(*Fichier, "Enre");
    Fichier->addSeparator();
    Importer = NouvelleEntree(*Fichier, "Importer");
    Exporter = NouvelleEntree(*Fichier, "Exporter", 80);
    Fichier->addSeparator();
    Recap = NouvelleEntree(*Fichier, "Recap");
    Imprimer = NouvelleEntree(*Fichier, "Imprimer", 70);
    Fichier->addSeparator();
    Quitter = NouvelleEntree(*Fichier, "Quitter");

    Edition = nouveauMenu(nullptr, "Edition");
    Modifier = NouvelleEntree(*Edition, "Modifier", 30);
    Supprimer = NouvelleEntree(*Edition, "Supprimer", 40);

    Options = nouveauMenu(nullptr, "Options");
    GestionnaireDesTypesVitrages = NouvelleEntree(*Options, "GestionnaireDesTypesVitrages", 90);
    GestionnaireDesDimensions = nouveauMenu(Options, "GestionnaireDesDimensions");
    DimensionsPieces = NouvelleEntree(*GestionnaireDesDimensions, "DimensionsPieces");
    DimensionsDesPanneaux = NouvelleEntree(*GestionnaireDesDimensions, "DimensionsDesPanneaux");
    Unites = NouvelleEntree(*Options, "Unites", 100);
    Affichage = NouvelleEntree(*Options, "Affichage");
    OptionsGl = NouvelleEntree(*Options, "OptionsGl");
    // The language is fixed by Langue.dat: the sub-menu stays hidden.
    Langue = nouveauMenu(Options, "Langue");
    Langue->addAction(QStringLiteral("Français"))->setObjectName(QStringLiteral("Francais"));
    Langue->addAction(QStringLiteral("Anglais"))->setObjectName(QStringLiteral("Anglais"));
    Langue->menuAction()->setVisible(false);

    N11 = nouveauMenu(nullptr, "N11");
    AideDebit = NouvelleEntree(*N11, "AideDebit");
    N11->addSeparator();
    Guide = NouvelleEntree(*N11, "Guide");
    Videos = NouvelleEntree(*N11, "Videos");
    SiteInternet = NouvelleEntree(*N11, "SiteInternet");
    N11->addSeparator();
    AproposdeDebit = NouvelleEntree(*N11, "AproposdeDebit");

    connect(Nouveau, &QAction::triggered, this, &TFDebit::NouveauClick);
    connect(Ouvrir, &QAction::triggered, this, &TFDebit::OuvrirClick);
    connect(Enregistrer, &QAction::triggered, this, &TFDebit::EnregistrerClick);
    connect(Enre, &QAction::triggered, this, &TFDebit::EnreClick);
    connect(Importer, &QAction::triggered, this, &TFDebit::ImporterClick);
    connect(Exporter, &QAction::triggered, this, &TFDebit::ExporterClick);
    connect(Recap, &QAction::triggered, this, &TFDebit::RecapClick);
    connect(Imprimer, &QAction::triggered, this, &TFDebit::ImprimerClick);
    connect(Quitter, &QAction::triggered, this, &TFDebit::QuitterClick);
    connect(Modifier, &QAction::triggered, this, &TFDebit::ModifierClick);
    connect(Supprimer, &QAction::triggered, this, &TFDebit::SupprimerClick);
    connect(GestionnaireDesTypesVitrages, &QAction::triggered, this,
            &TFDebit::GestionnaireDesTypesVitragesClick);
    connect(DimensionsPieces, &QAction::triggered, this, &TFDebit::DimensionsPiecesClick);
    connect(DimensionsDesPanneaux, &QAction::triggered, this, &TFDebit::DimensionsDesPanneauxClick);
    connect(Unites, &QAction::triggered, this, &TFDebit::UnitesClick);
    connect(Affichage, &QAction::triggered, this, &TFDebit::AffichageClick);
    connect(OptionsGl, &QAction::triggered, this, &TFDebit::OptionsGlClick);
    connect(AproposdeDebit, &QAction::triggered, this, &TFDebit::AproposdeDebitClick);
    connect(AideDebit, &QAction::triggered, this,
            [this] { plateforme.AideEnLigne.AfficherSommaire(); });
    connect(Guide, &QAction::triggered, this,
            [this] { plateforme.AideEnLigne.AfficherSommaire(); });
    connect(Videos, &QAction::triggered, this,
            [this] { OuvrirPageWeb(std::string(AdresseVideos)); });
    connect(SiteInternet, &QAction::triggered, this,
            [this] { OuvrirPageWeb(std::string(AdresseSite)); });

    // F1 outside the menus: the main window has no topic of its own.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { plateforme.AideEnLigne.AfficherSommaire(); });
}

void TFDebit::CreerBarreOutils() {
    Panel1 = new QWidget(zone);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Panel1->setBackgroundRole(QPalette::Button);
    const auto bouton = [this](const char* nom, std::string_view glyphe, std::string_view bulle) {
        auto* b = new QToolButton(Panel1);
        b->setObjectName(QString::fromLatin1(nom));
        b->setIcon(Glyphe(glyphe));
        b->setToolTip(VersQt(bulle));
        b->setAutoRaise(true);
        b->resize(TailleBouton, TailleBouton);
        return b;
    };
    BtnNouveau = bouton("BtnNouveau", "nouveau", fixes::BulleNouveau);
    BtnOuvrir = bouton("BtnOuvrir", "ouvrir", fixes::BulleOuvrir);
    BtnEnre = bouton("BtnEnre", "enregistrer", fixes::BulleEnregistrer);
    BtnImpression = bouton("BtnImpression", "imprimer", fixes::BulleImprimer);

    groupeVues = new QButtonGroup(this);
    const auto boutonVue = [&](const char* nom) {
        QToolButton* b = bouton(nom, {}, {});
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->resize(LargeurBoutonVue, TailleBouton);
        groupeVues->addButton(b);
        return b;
    };
    SBtnPanneaux = boutonVue("SBtnPanneaux");
    SBtnPieces = boutonVue("SBtnPieces");
    SBtnFiche = boutonVue("SBtnFiche");
    SBtnPanneaux->setChecked(true);

    BtnPremier = bouton("BtnPremier", "premier", {});
    BtnPrecedant = bouton("BtnPrecedant", "precedent", {});
    EdtQuantieme = new QLineEdit(Panel1);
    EdtQuantieme->setObjectName(QStringLiteral("EdtQuantieme"));
    EdtQuantieme->setReadOnly(true);
    EdtQuantieme->setAlignment(Qt::AlignCenter);
    EdtQuantieme->resize(LargeurCompteur, TailleBouton - 4);
    BtnSuivant = bouton("BtnSuivant", "suivant", {});
    BtnDernier = bouton("BtnDernier", "dernier", {});

    connect(BtnNouveau, &QToolButton::clicked, this, &TFDebit::NouveauClick);
    connect(BtnOuvrir, &QToolButton::clicked, this, &TFDebit::OuvrirClick);
    connect(BtnEnre, &QToolButton::clicked, this, &TFDebit::EnregistrerClick);
    connect(BtnImpression, &QToolButton::clicked, this, &TFDebit::BtnImpressionClick);
    connect(SBtnPanneaux, &QToolButton::clicked, this, &TFDebit::SBtnPanneauxClick);
    connect(SBtnPieces, &QToolButton::clicked, this, &TFDebit::SBtnPiecesClick);
    connect(SBtnFiche, &QToolButton::clicked, this, &TFDebit::SBtnFicheClick);
    connect(BtnPremier, &QToolButton::clicked, this, &TFDebit::BtnPremierClick);
    connect(BtnPrecedant, &QToolButton::clicked, this, &TFDebit::BtnPrecedentClick);
    connect(BtnSuivant, &QToolButton::clicked, this, &TFDebit::BtnSuivantClick);
    connect(BtnDernier, &QToolButton::clicked, this, &TFDebit::BtnDernierClick);
}

// Once, after the settings were read: their captions carry the designations of the start-up.
// The entry dialogs pick usual dimensions through the dimension manager: it is
// made before them.
void TFDebit::CreerDialogues() {
    apropos = std::make_unique<TFApropos>(textes, this);
    selMod = std::make_unique<TSelMod>(plateforme, reglages, this);
    selDebit = std::make_unique<TSelDebit>(plateforme, reglages, this);
    gestDimensions = std::make_unique<TGestDimensions>(plateforme, reglages, this);
    selPanneaux = std::make_unique<TSelPanneaux>(plateforme, reglages, *gestDimensions, this);
    selPieces = std::make_unique<TSelPieces>(plateforme, reglages, *gestDimensions, this);
    selMarge = std::make_unique<TSelMarge>(plateforme, reglages, this);
    selUnite = std::make_unique<TSelUnite>(textes, plateforme.AideEnLigne, this);
    selMargesMultiples = std::make_unique<TSelMargesMultiples>(plateforme, reglages, this);
    caractPanneaux = std::make_unique<TFCaractPanneaux>(plateforme, textes, this);
    options = std::make_unique<TFOptions>(plateforme, reglages, this);
    importation = std::make_unique<TFImportation>(plateforme, reglages, this);
    affichage = std::make_unique<TFAffichage>(textes, this);
    gestTypeVitrages = std::make_unique<TGestTypeVitrages>(plateforme, reglages, this);
}

// ---------------------------------------------------------------- start-up

void TFDebit::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    if (demarre)
        return;
    demarre = true;
    FormActivate();
    CreerDialogues();
}

void TFDebit::FormActivate() {
    reglages = LireReglages(dossierReglages);
    textes = Textes(reglages.BaseLangue);
    DefinirLegendes();
    setWindowTitle(VersQt(textes.Text(0)));
    reserveImpression = ReserveImpression;
    if (!fichierInitial.empty()) {
        // The job is drawn at once: take the client area's size now.
        if (layout())
            layout()->activate();
        FormResize();
        if (OuvrirFichier(fichierInitial))
            return;
    }
    DesactiverAuDemarrage();
}

void TFDebit::DefinirLegendes() {
    const auto legende = [this](QAction* entree, int32_t id) {
        entree->setText(VersQt(textes.Text(id)));
    };
    Fichier->setTitle(VersQt(textes.Text(1)));
    legende(Nouveau, 2);
    legende(Ouvrir, 3);
    legende(Enregistrer, 4);
    legende(Enre, 5);
    legende(Importer, 187);
    legende(Exporter, 81);
    legende(Recap, 89);
    legende(Imprimer, 61);
    legende(Quitter, 6);
    Edition->setTitle(VersQt(textes.Text(68)));
    legende(Modifier, 7);
    legende(Supprimer, 69);
    Options->setTitle(VersQt(textes.Text(8)));
    legende(GestionnaireDesTypesVitrages, 9);
    GestionnaireDesDimensions->setTitle(VersQt(textes.Text(183)));
    const OptionsProgramme& o = reglages.Options;
    DimensionsPieces->setText(VersQt(textes.Text(184) + Minuscules(o.DesignationPieces)));
    DimensionsDesPanneaux->setText(VersQt(textes.Text(184) + Minuscules(o.DesignationPanneaux)));
    legende(Unites, 10);
    Affichage->setText(VersQt(fixes::MenuAffichage));
    legende(OptionsGl, 90);
    N11->setTitle(VersQt(fixes::MenuAide));
    legende(AideDebit, 11);
    legende(Guide, 100);
    legende(Videos, 210);
    legende(SiteInternet, 177);
    legende(AproposdeDebit, 12);
    LegendesBoutonsVues();
    SBtnFiche->setText(VersQt(textes.Text(79)));
    SBtnFiche->setToolTip(VersQt(textes.Text(80)));
}

void TFDebit::LegendesBoutonsVues() {
    if (!reglages.DesignationsDuFichier) {
        SBtnPanneaux->setText(VersQt(textes.Text(78)));
        SBtnPanneaux->setToolTip(VersQt(textes.Text(74)));
        SBtnPieces->setText(VersQt(textes.Text(75)));
        SBtnPieces->setToolTip(VersQt(textes.Text(75)));
        return;
    }
    const int cw = SBtnPanneaux->fontMetrics().averageCharWidth();
    const auto ajuster = [cw](QToolButton* b, const std::string& designation) {
        b->setText(VersQt(Fit(designation, b->width() - 6, cw)));
        b->setToolTip(VersQt(designation));
    };
    ajuster(SBtnPanneaux, reglages.Options.DesignationPanneau);
    ajuster(SBtnPieces, reglages.Options.DesignationPiece);
}

void TFDebit::DesactiverAuDemarrage() {
    for (QAction* a : {Modifier, Supprimer, Enregistrer, Enre, Recap, Exporter, Imprimer})
        a->setEnabled(false);
    for (QToolButton* b : {BtnEnre, BtnImpression, BtnPremier, BtnPrecedant, BtnSuivant, BtnDernier,
                           SBtnPanneaux, SBtnPieces, SBtnFiche})
        b->setEnabled(false);
}

// ---------------------------------------------------------------- job state

void TFDebit::Message(const std::string& texte, IconeMessage icone) {
    plateforme.Messages.Afficher({textes.Text(0), texte, icone, BoutonsMessage::Ok});
}

void TFDebit::DefinirTitre() {
    setWindowTitle(VersQt(TitreAvecFichier(textes.Text(0), etat.NomAffiche)));
}

void TFDebit::CalculerPlan() {
    if (reglages.Optimisation.Mode != ModeOptimisation::Qualite) {
        Optimisation(debit);
        return;
    }
    // The search may take its whole budget: it runs apart, on the entered job alone,
    // while the window keeps showing the job as it was; the user may stop it and keep
    // the best plan found so far.
    Debit saisie = SaisieSeule(debit);
    plateforme.Long.Executer(std::string(fixes::RechercheDePlan),
                             [&](const std::atomic<bool>& arret) {
                                 Optimisation(saisie, reglages.Optimisation, &arret);
                             });
    debit.Panneaux = std::move(saisie.Panneaux);
    debit.Groupes = std::move(saisie.Groupes);
    debit.NonPlacees = std::move(saisie.NonPlacees);
}

bool TFDebit::OuvrirFichier(const std::string& chemin) {
    // A file that cannot be read leaves the shown job, its path and its title as they were.
    if (!OuvrirDebit(chemin, debit).empty()) {
        Message(std::string(fixes::ErreurOuverture), IconeMessage::Exclamation);
        return false;
    }
    etat.Associer(chemin);
    etat.JamaisEnregistre = false;
    etat.Modifie = false;
    etat.ImportationEnCours = false;
    CalculerPlan();
    DefinirTitre();
    Rafraichir();
    return true;
}

void TFDebit::Rafraichir() {
    CalculerEchelles();
    CalculerRecapitulatif(debit.Metrages, debit.Panneaux, reglages.Essences, debit.TypeDebit,
                          ReglagesPourDessin());
    PaginerFiche(debit.PiecesSaisies, debit.Pages, vue.LignesParPage);
    etat.DebitCharge = true;
    ActiverCommandesDebit(true);
    SBtnPanneauxClick();
}

void TFDebit::ActiverCommandesDebit(bool actives) {
    for (QAction* a : {Enregistrer, Enre, Imprimer, Recap, Exporter, Modifier, Supprimer})
        a->setEnabled(actives);
    for (QToolButton* b : {BtnEnre, SBtnPanneaux, SBtnPieces, SBtnFiche, BtnImpression})
        b->setEnabled(actives);
    if (actives) {
        SBtnPanneaux->setChecked(true);
        return;
    }
    EdtQuantieme->clear();
    // No view button stays down.
    groupeVues->setExclusive(false);
    SBtnPanneaux->setChecked(false);
    groupeVues->setExclusive(true);
}

std::optional<std::string> TFDebit::DemanderFichierDebit() {
    return plateforme.Fichiers.Enregistrer(
        {{}, std::string(fixes::FiltreDebits), "deb", std::string(fixes::NomNouveauDebit), true});
}

bool TFDebit::EcrireSous(const std::string& chemin) {
    if (!EnregistrerDebit(chemin, debit).empty()) {
        Message(std::string(ErreurEnregistrement), IconeMessage::Exclamation);
        return false;
    }
    etat.Associer(chemin);
    etat.JamaisEnregistre = false;
    etat.Modifie = false;
    DefinirTitre();
    return true;
}

std::string TFDebit::QuestionEnregistrement() const {
    return textes.Text(101) + std::string(fixes::AvantNomQuestion) + etat.NomAffiche +
           std::string(fixes::ApresNomQuestion);
}

bool TFDebit::EnregistrerAvantRemplacement(const tavelune::Message& annulation) {
    if (!etat.Modifie)
        return true;
    const ReponseMessage reponse =
        plateforme.Messages.Afficher({textes.Text(0), QuestionEnregistrement(),
                                      IconeMessage::Question, BoutonsMessage::OuiNonAnnuler});
    const auto annuler = [&] {
        plateforme.Messages.Afficher(annulation);
        return false;
    };
    if (reponse == ReponseMessage::Non) {
        etat.Modifie = false;
        Message(textes.Text(102), IconeMessage::Exclamation);
        return true;
    }
    if (reponse != ReponseMessage::Oui)
        return annuler();
    const std::optional<std::string> chemin =
        etat.JamaisEnregistre ? DemanderFichierDebit() : etat.CheminCourant;
    if (!chemin)
        return annuler();
    // A job that could not be saved is not replaced.
    return EcrireSous(*chemin);
}

void TFDebit::OuvrirClick() {
    if (!EnregistrerAvantRemplacement(
            {textes.Text(0), std::string(fixes::AnnulationOuverture), IconeMessage::Exclamation}))
        return;
    const std::optional<std::string> chemin =
        plateforme.Fichiers.Ouvrir({{}, std::string(fixes::FiltreDebits), "deb", {}, false});
    if (chemin)
        OuvrirFichier(*chemin);
}

void TFDebit::EnregistrerClick() {
    const std::optional<std::string> chemin =
        etat.JamaisEnregistre ? DemanderFichierDebit() : etat.CheminCourant;
    if (chemin)
        EcrireSous(*chemin);
}

void TFDebit::EnreClick() {
    if (const std::optional<std::string> chemin = DemanderFichierDebit())
        EcrireSous(*chemin);
}

void TFDebit::SupprimerClick() {
    if (plateforme.Messages.Afficher({textes.Text(135), textes.Text(136), IconeMessage::Question,
                                      BoutonsMessage::OuiNon}) != ReponseMessage::Oui)
        return;
    debit.Groupes.clear();
    debit.Panneaux.clear();
    debit.PiecesSaisies.clear();
    debit.Designations.clear();
    debit.References.clear();
    etat.DebitCharge = false;
    etat.Modifie = false;
    ActiverNavigation(false, false);
    EdtQuantieme->setEnabled(false);
    ActiverCommandesDebit(false);
    zone->update();
}

// The previous job is gone: a new, empty one that is not shown.
void TFDebit::ViderDebit() {
    etat.NomAffiche = std::string(fixes::NomNouveauDebit);
    setWindowTitle(VersQt(textes.Text(0)));
    debit.PanneauxSaisis.clear();
    debit.PiecesSaisies.clear();
    debit.Designations.clear();
    debit.References.clear();
    etat.DebitCharge = false;
    ActiverCommandesDebit(false);
    zone->update();
}

void TFDebit::QuitterClick() {
    close();
}

void TFDebit::closeEvent(QCloseEvent* evenement) {
    if (!ferme) {
        ferme = true;
        FormClose();
    }
    evenement->accept();
}

void TFDebit::SignalerReglagesNonEcrits(const std::vector<EchecEcriture>& echecs) {
    if (echecs.empty())
        return;
    std::string texte(fixes::ReglagesNonEnregistres);
    for (const EchecEcriture& e : echecs)
        texte += "\n" + e.fichier + " : " + e.raison;
    Message(texte, IconeMessage::Exclamation);
}

void TFDebit::FormClose() {
    // A settings file that cannot be written is reported; the rest of the close goes on.
    SignalerReglagesNonEcrits(EcrireReglages(dossierReglages, reglages));
    if (etat.Modifie) {
        const ReponseMessage reponse =
            plateforme.Messages.Afficher({textes.Text(0), QuestionEnregistrement(),
                                          IconeMessage::Question, BoutonsMessage::OuiNon});
        if (reponse == ReponseMessage::Oui) {
            const std::optional<std::string> chemin =
                etat.JamaisEnregistre ? DemanderFichierDebit() : etat.CheminCourant;
            if (chemin)
                EcrireSous(*chemin);
        } else {
            etat.Modifie = false;
            Message(textes.Text(102), IconeMessage::Exclamation);
        }
    }
    plateforme.AideEnLigne.Fermer();
}

// ---------------------------------------------------------------- views

ReglagesDessin TFDebit::ReglagesPourDessin() const {
    ReglagesDessin r;
    MotsDessin& m = r.Mots;
    const OptionsProgramme& o = reglages.Options;
    m.NomPanneau = o.DesignationPanneau;
    m.NomPiece = o.DesignationPiece;
    m.NomPanneaux = o.DesignationPanneaux;
    m.NomPieces = o.DesignationPieces;
    m.Vitrage = textes.Text(46);
    m.Epaisseur = textes.Text(45);
    m.Nombre = textes.Text(44);
    m.SensMotifs = textes.Text(82);
    m.NonSpecifie = textes.Text(148);
    m.Sens = {textes.Text(51), textes.Text(52), textes.Text(53)};
    m.Echelle = textes.Text(66);
    m.Reference = textes.Text(83);
    m.Designation = textes.Text(76);
    m.Longueur = textes.Text(41);
    m.Largeur = textes.Text(42);
    m.PrefixeTaux = textes.Text(149);
    r.ModeAffichage = o.ModeAffichage;
    r.UniteRecap = o.UniteRecap;
    r.UniteJob = reglages.UniteJob;
    r.Separateur = plateforme.Separateur;
    return r;
}

int32_t TFDebit::NombreElements() const {
    switch (vue.VueCourante) {
    case VuePanneaux:
        return static_cast<int32_t>(debit.Panneaux.size());
    case VuePieces:
        return static_cast<int32_t>(debit.PiecesSaisies.size());
    case VueFiche:
        return static_cast<int32_t>(debit.Pages.size());
    default:
        return 0;
    }
}

void TFDebit::AfficherCompteur() {
    const int32_t n = NombreElements();
    if (vue.VueCourante == VuePanneaux && n == 0) {
        EdtQuantieme->clear();
        return;
    }
    EdtQuantieme->setText(QStringLiteral("%1\\%2").arg(vue.IndexCourant + 1).arg(n));
}

void TFDebit::ActiverNavigation(bool premierPrecedent, bool suivantDernier) {
    BtnPremier->setEnabled(premierPrecedent);
    BtnPrecedant->setEnabled(premierPrecedent);
    BtnSuivant->setEnabled(suivantDernier);
    BtnDernier->setEnabled(suivantDernier);
}

void TFDebit::ChoisirVue(int vueCourante) {
    vue.VueCourante = vueCourante;
    // With more than one item all five are enabled, the first item being shown or not.
    const bool plusieurs = NombreElements() > 1;
    ActiverNavigation(plusieurs, plusieurs);
    EdtQuantieme->setEnabled(plusieurs);
    vue.IndexCourant = 0;
    AfficherCompteur();
    zone->update();
}

void TFDebit::SBtnPanneauxClick() {
    SBtnPanneaux->setChecked(true);
    ChoisirVue(VuePanneaux);
}

void TFDebit::SBtnPiecesClick() {
    SBtnPieces->setChecked(true);
    ChoisirVue(VuePieces);
}

void TFDebit::SBtnFicheClick() {
    SBtnFiche->setChecked(true);
    ChoisirVue(VueFiche);
}

void TFDebit::BtnPremierClick() {
    vue.IndexCourant = 0;
    AfficherCompteur();
    ActiverNavigation(false, true);
    zone->update();
}

void TFDebit::BtnPrecedentClick() {
    if (vue.IndexCourant <= 0)
        return;
    --vue.IndexCourant;
    AfficherCompteur();
    if (vue.IndexCourant == 0) {
        BtnPremier->setEnabled(false);
        BtnPrecedant->setEnabled(false);
    }
    if (vue.IndexCourant < NombreElements() - 1) {
        BtnSuivant->setEnabled(true);
        BtnDernier->setEnabled(true);
    }
    zone->update();
}

void TFDebit::BtnSuivantClick() {
    if (vue.IndexCourant >= NombreElements() - 1)
        return;
    ++vue.IndexCourant;
    AfficherCompteur();
    const bool dernier = vue.IndexCourant == NombreElements() - 1;
    ActiverNavigation(true, !dernier);
    zone->update();
}

void TFDebit::BtnDernierClick() {
    vue.IndexCourant = NombreElements() - 1;
    AfficherCompteur();
    ActiverNavigation(true, false);
    zone->update();
}

void TFDebit::CalculerEchelles() {
    vue.EchellePanneaux = CalculerEchelle(vue.A, vue.B, vue.EntetePanneaux, debit.Panneaux);
    vue.EchellePieces = CalculerEchelle(vue.A, vue.B, vue.EntetePieces, debit.PiecesSaisies);
}

void TFDebit::FormResize() {
    Panel1->setGeometry(0, 0, zone->width(), HauteurBarre);
    int gauche = 2;
    for (QWidget* controle : std::initializer_list<QWidget*>{
             BtnNouveau, BtnOuvrir, BtnEnre, BtnImpression, SBtnPanneaux, SBtnPieces, SBtnFiche,
             BtnPremier, BtnPrecedant, EdtQuantieme, BtnSuivant, BtnDernier}) {
        if (controle == SBtnPanneaux || controle == BtnPremier)
            gauche += 3;
        controle->move(gauche, (HauteurBarre - controle->height()) / 2);
        gauche += controle->width() + 1;
    }

    CanevasMesure mesure(*zone);
    Canvas& c = mesure.Canevas();
    c.TaillePolice(5);
    c.ModeDixiemes();
    const int32_t h = c.HauteurTexte();
    const int32_t barre = std::abs(c.EnDixiemes(HauteurBarre));
    vue.A = std::abs(c.EnDixiemes(zone->height()));
    vue.B = c.EnDixiemes(zone->width());
    vue.EntetePanneaux = EnteteFenetrePanneaux(barre, h);
    vue.EntetePieces = EnteteFenetrePieces(barre, h);
    vue.OrigineDessin = {20, -vue.A + 20};
    c.ModePixels();
    if (!debit.Panneaux.empty())
        vue.EchellePanneaux = CalculerEchelle(vue.A, vue.B, vue.EntetePanneaux, debit.Panneaux);
    if (!debit.PiecesSaisies.empty())
        vue.EchellePieces = CalculerEchelle(vue.A, vue.B, vue.EntetePieces, debit.PiecesSaisies);

    vue.LignesParPage = std::abs(zone->height() - HauteurBarre + 1) / (c.HauteurTexte() + 4);
    PaginerFiche(debit.PiecesSaisies, debit.Pages, vue.LignesParPage);
    if (etat.DebitCharge && vue.VueCourante == VueFiche)
        SBtnFicheClick();
    zone->update();
}

void TFDebit::FormPaint() {
    if (!etat.DebitCharge)
        return;
    QPainter painter(zone);
    painter.setFont(zone->font());
    CanevasQt c(painter);
    c.CouleurCrayon(Noir);
    const ReglagesDessin r = ReglagesPourDessin();
    const TextesJob textesJob{reglages.Essences, debit.Designations, debit.References};
    const auto index = static_cast<std::size_t>(vue.IndexCourant);
    const auto dessinerPlan = [&](const std::optional<float>& echelle, int32_t code,
                                  const auto& dessiner) {
        if (!echelle)
            return;
        const int32_t taille = c.TaillePolice();
        c.TaillePolice(5);
        c.ModeDixiemes();
        dessiner(Plan{c, vue.OrigineDessin, *echelle, debit.TypeDebit + code, textesJob, r});
        c.ModePixels();
        c.TaillePolice(taille);
    };
    switch (vue.VueCourante) {
    case VuePanneaux:
        if (index < debit.Panneaux.size())
            dessinerPlan(vue.EchellePanneaux, VuePanneau,
                         [&](const Plan& plan) { DessinerPanneau(plan, debit.Panneaux[index]); });
        break;
    case VuePieces:
        if (index < debit.PiecesSaisies.size()) {
            const TPiece& piece = debit.PiecesSaisies[index];
            const std::string* reference = Entree(debit.References, piece.Numero);
            dessinerPlan(vue.EchellePieces, VuePiece, [&](const Plan& plan) {
                DessinerCadre(plan, piece, reference ? *reference : std::string());
            });
        }
        break;
    case VueFiche:
        if (index < debit.Pages.size()) {
            c.TaillePolice(5);
            c.Gras(true);
            const MiseEnPageFiche mise{zone->width(),
                                       zone->height(),
                                       HauteurBarre + 1,
                                       c.HauteurTexte(),
                                       c.LargeurMoyenne(),
                                       r.Mots.Designation,
                                       false};
            DessinerPageFiche(c, mise, debit.Pages[index], debit, reglages.Essences, r);
        }
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- other commands

void TFDebit::OuvrirPageWeb(const std::string& adresse) {
    if (!plateforme.Web.Ouvrir(adresse))
        Message(textes.Text(182), IconeMessage::Exclamation);
}

bool TFDebit::ImprimerVue(Imprimante& imprimante, Commande commande) {
    const ReglagesDessin r = ReglagesPourDessin();
    switch (vue.VueCourante) {
    case VuePanneaux:
        return ImprimerPanneaux(imprimante, debit, reglages.Essences, r);
    case VuePieces:
        return ImprimerPieces(imprimante, debit, reglages.Essences, r, commande);
    case VueFiche:
        return ImprimerFiche(imprimante, debit, reglages.Essences, r, commande, reserveImpression);
    default:
        return true;
    }
}

void TFDebit::ImprimerClick() {
    if (vue.VueCourante == AucuneVue)
        return;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setCopyCount(1);
    if (!plateforme.Impression.Afficher(imprimante))
        return;
    ImprimerSur(imprimante, plateforme, textes,
                [this](Imprimante& sortie) { return ImprimerVue(sortie, Commande::Menu); });
}

void TFDebit::BtnImpressionClick() {
    if (vue.VueCourante == AucuneVue)
        return;
    ImprimerDirectement(plateforme, textes, [this](Imprimante& sortie) {
        return ImprimerVue(sortie, Commande::BarreOutils);
    });
}

void TFDebit::UnitesClick() {
    selUnite->Unite = reglages.UniteJob;
    PlacerDialogue(*selUnite, *this, Placement::SousHautFenetre);
    plateforme.Modal.Executer(*selUnite);
    reglages.UniteJob = selUnite->Unite;
    reglages.Marques.Unite = selUnite->Change;
    selPieces->LibellesUnite(reglages.UniteJob);
    selPanneaux->LibellesUnite(reglages.UniteJob);
    selMarge->LibellesUnite(reglages.UniteJob);
    selMargesMultiples->LibellesUnite(reglages.UniteJob);
    zone->update();
}

void TFDebit::AffichageClick() {
    OptionsProgramme& o = reglages.Options;
    affichage->Preparer(o.ModeAffichage, o.UniteRecap);
    PlacerDialogue(*affichage, *this, Placement::HautFenetre);
    plateforme.Modal.Executer(*affichage);
    o.ModeAffichage = affichage->ModeAffichage;
    o.UniteRecap = affichage->UniteRecap;
    reglages.Marques.Options = true;
    CalculerRecapitulatif(debit.Metrages, debit.Panneaux, reglages.Essences, debit.TypeDebit,
                          ReglagesPourDessin());
    zone->update();
}

void TFDebit::AproposdeDebitClick() {
    PlacerDialogue(*apropos, *this, Placement::SousHautFenetre);
    plateforme.Modal.Executer(*apropos);
}

void TFDebit::RecapClick() {
    caractPanneaux->Afficher(debit.Metrages, ReglagesPourDessin());
    PlacerDialogue(*caractPanneaux, *this, Placement::SousHautFenetre);
    plateforme.Modal.Executer(*caractPanneaux);
}

} // namespace tavelune
