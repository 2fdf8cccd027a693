// The scripted platform and the Qt seams that tests cannot replace.
#include "FixturePlateforme.h"

#include "platform/Aide.h"
#include "platform/FenetreAide.h"
#include "platform/Fenetres.h"
#include "platform/Locale.h"
#include "platform/TravailLong.h"

#include <gtest/gtest-spi.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <thread>

namespace tavelune {
namespace {

using R = ReponseMessage;

class BoitesMessageTest : public TestPlateforme {};

TEST_F(BoitesMessageTest, RepondEnOrdreEtEnregistreChaqueBoite) {
    faux.Messages.Repondre(R::Oui);
    faux.Messages.Repondre(R::Annuler);
    faux.Messages.Repondre(R::Ok);
    const Message question{"Suppression d'un débit", "Sûr ?", IconeMessage::Question,
                           BoutonsMessage::OuiNon};
    const Message choix{"Tavelune", "Enregistrer ?", IconeMessage::Question,
                        BoutonsMessage::OuiNonAnnuler};
    const Message avis{"Tavelune", "Fait.", IconeMessage::Information};

    EXPECT_EQ(plateforme.Messages.Afficher(question), R::Oui);
    EXPECT_EQ(plateforme.Messages.Afficher(choix), R::Annuler);
    EXPECT_EQ(plateforme.Messages.Afficher(avis), R::Ok);
    EXPECT_EQ(faux.Messages.Affichees(), (std::vector<Message>{question, choix, avis}));
}

TEST_F(BoitesMessageTest, UneBoiteSansReponsePrevueFaitEchouerLeTest) {
    const Message message{"Tavelune", "Inattendue", IconeMessage::Exclamation};
    EXPECT_NONFATAL_FAILURE(plateforme.Messages.Afficher(message), "[Tavelune] \"Inattendue\"");
    EXPECT_EQ(faux.Messages.Affichees().size(), 1u);
}

TEST(BoitesMessageScriptees, SansScriptOuMalRepondueDonneLaReponseLaPlusSure) {
    PlateformeScriptee faux;
    std::vector<std::string> signales;
    faux.Imprevu.Rapporteur = [&signales](const std::string& quoi) { signales.push_back(quoi); };
    faux.Messages.Repondre(R::Ok);

    // An OK answer to a Yes/No box is a fault of the script, not an answer.
    EXPECT_EQ(faux.Messages.Afficher({"T", "a", IconeMessage::Question, BoutonsMessage::OuiNon}),
              R::Non);
    EXPECT_EQ(
        faux.Messages.Afficher({"T", "b", IconeMessage::Question, BoutonsMessage::OuiNonAnnuler}),
        R::Annuler);
    EXPECT_EQ(faux.Messages.Afficher({"T", "c", IconeMessage::Erreur}), R::Ok);
    ASSERT_EQ(signales.size(), 3u);
    EXPECT_NE(signales[0].find("n'est pas un bouton"), std::string::npos) << signales[0];
    EXPECT_NE(signales[2].find("icône erreur, boutons OK"), std::string::npos) << signales[2];
}

TEST(FiltresQt, TexteEtMotifsDevientUnFiltreQtParPaire) {
    const struct {
        const char* filtre;
        QStringList attendu;
    } cas[] = {
        {"Fichiers Débits|*.deb", {"Fichiers Débits (*.deb)"}},
        {"Fichiers texte (*.txt) |*.txt|Fichiers csv (*.csv)|*.csv|Fichiers silk (*.slk)|*.slk",
         {"Fichiers texte (*.txt)", "Fichiers csv (*.csv)", "Fichiers silk (*.slk)"}},
        {"Fichiers texte (*.txt) |*.txt|Fichiers csv (*.csv)|*.csv",
         {"Fichiers texte (*.txt)", "Fichiers csv (*.csv)"}},
        {"Listes|*.txt;*.csv", {"Listes (*.txt *.csv)"}},
        {"Tous|*", {"Tous (*)"}},
        {"", {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(FiltresQt(c.filtre), c.attendu) << c.filtre;
}

TEST(AvecExtensionParDefaut, SeulementQuandLeNomNEnAAucune) {
    const struct {
        const char* chemin;
        const char* extension;
        const char* attendu;
    } cas[] = {
        {"travail", "deb", "travail.deb"},
        {"/home/moi/travail", "deb", "/home/moi/travail.deb"},
        {"/home/moi.v2/travail", "deb", "/home/moi.v2/travail.deb"},
        {"travail.deb", "deb", "travail.deb"},
        {"fiche.xls", "txt", "fiche.xls"},
        {"fiche", "", "fiche"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(AvecExtensionParDefaut(c.chemin, c.extension), c.attendu) << c.chemin;
}

class DialoguesFichiersTest : public TestPlateforme {};

TEST_F(DialoguesFichiersTest, LeNomTapeRecoitLExtensionParDefautSaufFichierExistant) {
    QTemporaryDir dossier;
    const std::string sansExtension = dossier.filePath("LISEZMOI").toStdString();
    QFile(QString::fromStdString(sansExtension)).open(QIODevice::WriteOnly);
    const DemandeFichier demande{"", "Fichiers Débits|*.deb", "deb", "NouveauDebit.deb", true};
    faux.Fichiers.Repondre("/tmp/travail");
    faux.Fichiers.Repondre(sansExtension);
    faux.Fichiers.Repondre("/tmp/absent");
    faux.Fichiers.Repondre(std::nullopt);

    EXPECT_EQ(plateforme.Fichiers.Enregistrer(demande), "/tmp/travail.deb");
    EXPECT_EQ(plateforme.Fichiers.Ouvrir(demande), sansExtension);
    EXPECT_EQ(plateforme.Fichiers.Ouvrir(demande), "/tmp/absent.deb");
    EXPECT_EQ(plateforme.Fichiers.Ouvrir(demande), std::nullopt);
    ASSERT_EQ(faux.Fichiers.Demandes().size(), 4u);
    EXPECT_EQ(faux.Fichiers.Demandes()[0].Mode, ModeFichier::Enregistrement);
    EXPECT_EQ(faux.Fichiers.Demandes()[1].Demande, demande);
}

// A small dialog whose first field has an exit handler that reads the field, as
// the entry dialogs do.
class DialogueSaisie : public QDialog {
public:
    DialogueSaisie() {
        setWindowTitle("Saisie");
        auto* disposition = new QVBoxLayout(this);
        disposition->addWidget(&Premier);
        disposition->addWidget(&Second);
        disposition->addWidget(&Ok);
        ConnecterSortie(Premier, [this] { Sorties.push_back(Premier.text()); });
        connect(&Ok, &QPushButton::clicked, this, [this] {
            SortiesAvantOk = static_cast<int>(Sorties.size());
            accept();
        });
    }
    QLineEdit Premier;
    QLineEdit Second;
    QPushButton Ok{"OK"};
    std::vector<QString> Sorties;
    int SortiesAvantOk = -1;
};

class ExecuteurModalTest : public TestPlateforme {};

TEST_F(ExecuteurModalTest, LeScriptSaisitQuitteLeChampEtValide) {
    DialogueSaisie dialogue;
    Scripter<DialogueSaisie>([](DialogueSaisie& d) {
        d.Premier.setFocus();
        QTest::keyClicks(&d.Premier, "12,5");
        QTest::keyClick(&d.Premier, Qt::Key_Tab);
        QTest::mouseClick(&d.Premier, Qt::LeftButton);
        QTest::keyClicks(&d.Premier, "0");
        QTest::mouseClick(&d.Ok, Qt::LeftButton);
    });

    EXPECT_EQ(plateforme.Modal.Executer(dialogue), QDialog::Accepted);
    // Leaving by Tab, then by clicking OK: the exit handler runs before the click.
    EXPECT_EQ(dialogue.Sorties, (std::vector<QString>{"12,5", "12,50"}));
    EXPECT_EQ(dialogue.SortiesAvantOk, 2);
    EXPECT_FALSE(dialogue.isVisible());
    EXPECT_EQ(faux.Modal.Executes(), std::vector<std::string>{"Saisie"});
}

TEST_F(ExecuteurModalTest, UnDialogueLaisseOuvertEstSignaleEtRefuse) {
    DialogueSaisie dialogue;
    Scripter<DialogueSaisie>([](DialogueSaisie&) {});
    int resultat = -1;
    EXPECT_NONFATAL_FAILURE(resultat = plateforme.Modal.Executer(dialogue), "ouvert");
    EXPECT_EQ(resultat, QDialog::Rejected);
    EXPECT_FALSE(dialogue.isVisible());
}

TEST(ConnecterSortie, UneAutreFenetreActiveOuUnMenuNeComptentPas) {
    QLineEdit champ;
    int sorties = 0;
    ConnecterSortie(champ, [&sorties] { ++sorties; });
    for (const Qt::FocusReason raison :
         {Qt::MouseFocusReason, Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::ShortcutFocusReason,
          Qt::OtherFocusReason, Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent evenement(QEvent::FocusOut, raison);
        QApplication::sendEvent(&champ, &evenement);
    }
    EXPECT_EQ(sorties, 5);
}

TEST(PlacerDialogue, CentreSurLaFenetrePrincipaleEnHautOu14PixelsPlusBas) {
    QWidget principale;
    principale.setGeometry(100, 50, 582, 375);
    QDialog dialogue;
    dialogue.resize(263, 167);
    PlacerDialogue(dialogue, principale, Placement::SousHautFenetre);
    EXPECT_EQ(dialogue.pos(), QPoint(100 + 291 - 131, 64));
    PlacerDialogue(dialogue, principale, Placement::HautFenetre);
    EXPECT_EQ(dialogue.pos(), QPoint(260, 50));
}

void EcrirePage(const QString& chemin, const char* html) {
    QFile page(chemin);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(html);
}

TEST(AideQt, UneRubriqueOuvreSaPageASonAncreSinonLeSommaire) {
    QTemporaryDir dossier;
    const QUrl sommaire = QUrl::fromLocalFile(dossier.filePath("index.html"));
    EcrirePage(dossier.filePath("index.html"), "<html><body><p>Sommaire</p></body></html>");
    EcrirePage(dossier.filePath("sujet-100.html"),
               "<html><body><a name=\"100\"></a><p>Unités</p></body></html>");

    AideQt aide(sommaire);
    aide.AfficherRubrique(100);
    ASSERT_NE(aide.Fenetre(), nullptr);
    EXPECT_TRUE(aide.Fenetre()->isVisible());
    QUrl attendue = QUrl::fromLocalFile(dossier.filePath("sujet-100.html"));
    attendue.setFragment("100");
    EXPECT_EQ(aide.Fenetre()->Navigateur().source(), attendue);
    aide.AfficherRubrique(7);
    attendue = sommaire;
    attendue.setFragment("7");
    EXPECT_EQ(aide.Fenetre()->Navigateur().source(), attendue);
    aide.AfficherSommaire();
    EXPECT_EQ(aide.Fenetre()->Navigateur().source(), sommaire);
    aide.Fermer();
    EXPECT_FALSE(aide.Fenetre()->isVisible());
}

TEST(AideQt, LesPagesDuProgrammeSontDansSesRessourcesSinonUnAvis) {
    AideQt aide;
    aide.AfficherRubrique(100);
    EXPECT_TRUE(aide.Fenetre()->Navigateur().toPlainText().contains("Unité de mesure"));
    aide.Fermer();

    AideQt sansPages(QUrl("qrc:/absent/index.html"));
    sansPages.AfficherSommaire();
    EXPECT_TRUE(sansPages.Fenetre()->Navigateur().toPlainText().contains("pas installées"));
    sansPages.Fermer();
}

TEST(SeparateurDecimal, SuitLaLocaleEtRetombeSurLaVirgule) {
    EXPECT_EQ(SeparateurDecimal(), ',');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const char anglais = SeparateurDecimal();
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const char arabe = SeparateurDecimal();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(anglais, '.');
    EXPECT_EQ(arabe, ',');
}

// The work runs apart while the window waits; its button stops it; its failure
// reaches the caller.
TEST(TravailLongQt, AttendLeTravailLArreteSurDemandeEtRendSonEchec) {
    TravailLongQt long_;
    std::thread::id fil;
    long_.Executer("court", [&](const std::atomic<bool>&) { fil = std::this_thread::get_id(); });
    EXPECT_NE(fil, std::this_thread::get_id());

    QTimer::singleShot(50, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* attente = qobject_cast<QProgressDialog*>(w);
                attente && attente->isVisible()) {
                EXPECT_EQ(attente->labelText(), "long");
                QPushButton* bouton = attente->findChild<QPushButton*>();
                EXPECT_EQ(bouton->text(), QString::fromUtf8("Arrêter"));
                bouton->click();
            }
    });
    bool arrete = false;
    long_.Executer("long", [&](const std::atomic<bool>& arret) {
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!arret && std::chrono::steady_clock::now() < limite)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        arrete = arret;
    });
    EXPECT_TRUE(arrete);

    EXPECT_THROW(
        long_.Executer("en échec", [](const std::atomic<bool>&) { throw std::bad_alloc(); }),
        std::bad_alloc);
}

} // namespace
} // namespace tavelune
