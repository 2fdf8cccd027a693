// The main window driven as the user drives it: start-up with and without
// settings or a job, the file commands and their question, deletion, the views
// and their navigation, resizing, printing to PDF.
#include "../core/FabriqueDebit.h"
#include "FixtureFenetre.h"

#include "dialogs/TFAffichage.h"
#include "dialogs/TFApropos.h"
#include "dialogs/TFCaractPanneaux.h"
#include "dialogs/TSelUnite.h"
#include "documents/FichierDebit.h"
#include "documents/Fichiers.h"
#include "mainwindow/TFDebit.h"
#include "model/Reglages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>

namespace tavelune {
namespace {

const std::string Exemple = TAVELUNE_SOURCE_DIR "/examples/cuisine.deb";

// A simple job: one sheet model 3000 x 2000 and `pieces` pieces of 400 x 300.
Debit DebitSimple(int pieces, int32_t nbPanneaux = 1) {
    Debit d;
    d.PanneauxSaisis.push_back(test::Plaque(3000, 2000, Horizontal, nbPanneaux));
    for (int i = 0; i < pieces; ++i) {
        d.PiecesSaisies.push_back(test::Piece(400, 300, Horizontal, 1, i, 0));
        d.Designations.push_back("Vitrage " + std::to_string(i + 1));
        d.References.push_back("R" + std::to_string(i + 1));
    }
    return d;
}

int PagesPdf(const fs::path& chemin) {
    const std::string pdf = Lire(chemin);
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

class TFDebitTest : public TestFenetre {};

TEST_F(TFDebitTest, DemarrageSansReglagesPuisFermeture) {
    TFDebit& f = Demarrer();
    EXPECT_EQ(f.Parametres().UniteJob.Nom, "mm");
    EXPECT_EQ(Bouton("SBtnPanneaux").text(), QStringLiteral("Pla..."));
    EXPECT_EQ(Bouton("SBtnPanneaux").toolTip(), QStringLiteral("Plaque de verre"));
    EXPECT_EQ(Bouton("SBtnPieces").text(), QStringLiteral("Vitrage"));
    EXPECT_EQ(Bouton("SBtnFiche").toolTip(), QStringLiteral("Fiche de débit"));
    EXPECT_EQ(Action("DimensionsDesPanneaux").text(),
              QStringLiteral("Dimensions des plaques de verre"));
    EXPECT_EQ(Titre(), "Tavelune");
    EXPECT_FALSE(CommandesDebitActives());
    EXPECT_EQ(Navigation(), std::vector<bool>(4, false));
    EXPECT_TRUE(Action("Nouveau").isEnabled() && Action("Ouvrir").isEnabled() &&
                Action("Importer").isEnabled() && Bouton("BtnOuvrir").isEnabled());

    f.close();
    std::vector<std::string> fichiers;
    for (const auto& entree : fs::directory_iterator(Dossier()))
        fichiers.push_back(entree.path().filename().string());
    std::sort(fichiers.begin(), fichiers.end());
    EXPECT_EQ(fichiers, (std::vector<std::string>{"Langue.dat", "Unite.dat"}));
    EXPECT_EQ(fs::file_size(Dossier() / "Unite.dat"), 19u);
    EXPECT_EQ(Lire(Dossier() / "Langue.dat"), std::string(4, '\0'));
    EXPECT_EQ(faux.AideEnLigne.Appels().back().Action, AppelAide::Genre::Fermeture);
}

TEST_F(TFDebitTest, DebitSurLaLigneDeCommande) {
    TFDebit& f = Demarrer({QString::fromStdString(Exemple)});
    EXPECT_EQ(Titre(), "Tavelune - cuisine.deb");
    EXPECT_TRUE(CommandesDebitActives());
    EXPECT_TRUE(Bouton("SBtnPanneaux").isChecked());
    ASSERT_EQ(f.Job().Panneaux.size(), 3u);
    EXPECT_EQ(Compteur(), QStringLiteral("1\\3"));
    EXPECT_FALSE(f.Job().Metrages.empty());
    EXPECT_TRUE(f.Etat().DebitCharge);
    EXPECT_FALSE(f.Etat().JamaisEnregistre || f.Etat().Modifie || f.Etat().ImportationEnCours);
    EXPECT_EQ(f.Vues().VueCourante, VuePanneaux);
    EXPECT_TRUE(f.Vues().EchellePanneaux.has_value());
}

TEST_F(TFDebitTest, DebitIlliblesurLaLigneDeCommande) {
    std::ofstream(Dossier() / "abime.deb", std::ios::binary) << "court";
    faux.Messages.Repondre(ReponseMessage::Ok);
    TFDebit& f = Demarrer({QString::fromStdString((Dossier() / "abime.deb").string())});
    EXPECT_EQ(TextesMessages(), std::vector<std::string>{"Erreur dans l'ouverture du fichier !"});
    EXPECT_EQ(faux.Messages.Affichees()[0].Icone, IconeMessage::Exclamation);
    EXPECT_EQ(Titre(), "Tavelune");
    EXPECT_FALSE(f.Etat().DebitCharge);
    EXPECT_FALSE(CommandesDebitActives());
}

TEST_F(TFDebitTest, OuvrirEnregistrerEnregistrerSous) {
    const std::string premier = EcrireJob("premier.deb", DebitSimple(3));
    const std::string second = EcrireJob("second.deb", DebitSimple(5));
    TFDebit& f = Demarrer();

    // Not modified: no question.
    faux.Fichiers.Repondre(premier);
    Action("Ouvrir").trigger();
    EXPECT_EQ(Titre(), "Tavelune - premier.deb");
    EXPECT_EQ(f.Job().PiecesSaisies.size(), 3u);
    EXPECT_EQ(f.Etat().CheminCourant, premier);
    EXPECT_TRUE(CommandesDebitActives());

    // Save writes to the current path, without a dialog.
    fs::remove(premier);
    Bouton("BtnEnre").click();
    EXPECT_EQ(Lire(premier), EcrireDebit(f.Job()));
    EXPECT_EQ(faux.Fichiers.Demandes().size(), 1u);

    // Save as asks, then the job lives in the new file.
    const std::string copie = (Dossier() / "copie.deb").string();
    faux.Fichiers.Repondre(copie);
    Action("Enre").trigger();
    const DemandeFichier& demande = faux.Fichiers.Demandes().back().Demande;
    EXPECT_EQ(demande.NomInitial, "NouveauDebit.deb");
    EXPECT_EQ(demande.Filtre, "Fichiers Débits|*.deb");
    EXPECT_TRUE(demande.ConfirmerEcrasement);
    EXPECT_EQ(Titre(), "Tavelune - copie.deb");
    EXPECT_EQ(Lire(copie), Lire(premier));

    // Cancelling the open dialog keeps the job.
    faux.Fichiers.Repondre(std::nullopt);
    Action("Ouvrir").trigger();
    EXPECT_EQ(f.Etat().CheminCourant, copie);

    // A file that cannot be read leaves the shown job, its title and path alone.
    std::ofstream(Dossier() / "abime.deb", std::ios::binary) << std::string(40, '\0');
    faux.Fichiers.Repondre((Dossier() / "abime.deb").string());
    faux.Messages.Repondre(ReponseMessage::Ok);
    Action("Ouvrir").trigger();
    EXPECT_EQ(TextesMessages().back(), "Erreur dans l'ouverture du fichier !");
    EXPECT_EQ(Titre(), "Tavelune - copie.deb");
    EXPECT_EQ(f.Etat().CheminCourant, copie);
    EXPECT_EQ(f.Job().PiecesSaisies.size(), 3u);
    EXPECT_TRUE(f.Etat().DebitCharge);

    faux.Fichiers.Repondre(second);
    Action("Ouvrir").trigger();
    EXPECT_EQ(f.Job().PiecesSaisies.size(), 5u);
    EXPECT_EQ(Titre(), "Tavelune - second.deb");
}

// The question before a modified job is replaced, by answer.
TEST_F(TFDebitTest, QuestionAvantOuverture) {
    const std::string chemin = EcrireJob("job.deb", DebitSimple(2));
    const std::string question =
        "Voulez-vous enregistrer les modifications apportées à 'job.deb' ?";
    struct Cas {
        ReponseMessage reponse;
        std::vector<std::string> messages;
        bool dialogueOuverture;
        bool ecrit;
    };
    const Cas cas[] = {
        {ReponseMessage::Oui, {question}, true, true},
        {ReponseMessage::Non, {question, "Le débit n'a pas été sauvegardé !"}, true, false},
        {ReponseMessage::Annuler, {question, "Annulation de l'ouverture débit !"}, false, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.reponse));
        EcrireJob("job.deb", DebitSimple(2));
        faux.Fichiers.Repondre(chemin);
        TFDebit& f = Demarrer({});
        Action("Ouvrir").trigger();
        fs::remove(chemin);
        fenetre->Etat().Modifie = true;
        faux.Messages.Repondre(c.reponse);
        for (std::size_t i = 1; i < c.messages.size(); ++i)
            faux.Messages.Repondre(ReponseMessage::Ok);
        if (c.dialogueOuverture)
            faux.Fichiers.Repondre(std::nullopt);
        const std::size_t avant = faux.Messages.Affichees().size();
        Action("Ouvrir").trigger();
        const std::vector<std::string> tous = TextesMessages();
        EXPECT_EQ(std::vector<std::string>(tous.begin() + static_cast<long>(avant), tous.end()),
                  c.messages);
        EXPECT_EQ(fs::exists(chemin), c.ecrit);
        EXPECT_EQ(f.Etat().Modifie, c.reponse == ReponseMessage::Annuler);
        EXPECT_EQ(f.Job().PiecesSaisies.size(), 2u);
        EXPECT_EQ(faux.Fichiers.ReponsesEnAttente(), 0u);
        fenetre->Etat().Modifie = false;
        fenetre.reset();
    }
}

TEST_F(TFDebitTest, EnregistrementImpossibleSignale) {
    const std::string chemin = EcrireJob("job.deb", DebitSimple(2));
    TFDebit& f = Demarrer({QString::fromStdString(chemin)});
    f.Etat().Modifie = true;
    faux.Fichiers.Repondre((Dossier() / "absent" / "job.deb").string());
    faux.Messages.Repondre(ReponseMessage::Ok);
    Action("Enre").trigger();
    EXPECT_EQ(TextesMessages(),
              std::vector<std::string>{"Erreur dans l'enregistrement du fichier !"});
    EXPECT_TRUE(f.Etat().Modifie);
    EXPECT_EQ(f.Etat().CheminCourant, chemin);
    EXPECT_EQ(Titre(), "Tavelune - job.deb");
    f.Etat().Modifie = false;
}

TEST_F(TFDebitTest, FermetureAvecDebitModifie) {
    const std::string chemin = EcrireJob("job.deb", DebitSimple(2));
    TFDebit& f = Demarrer({QString::fromStdString(chemin)});
    f.Etat().Modifie = true;
    f.Etat().JamaisEnregistre = true;
    fs::remove(chemin);
    // Yes, then the save dialog cancelled: nothing written, nothing said.
    faux.Messages.Repondre(ReponseMessage::Oui);
    faux.Fichiers.Repondre(std::nullopt);
    Action("Quitter").trigger();
    EXPECT_EQ(faux.Messages.Affichees().size(), 1u);
    EXPECT_EQ(faux.Messages.Affichees()[0].Boutons, BoutonsMessage::OuiNon);
    EXPECT_FALSE(fs::exists(chemin));
    EXPECT_FALSE(f.isVisible());
}

// Settings that cannot be written are reported, and the job is still offered for saving.
TEST_F(TFDebitTest, ReglagesNonEcritsSignalesALaFermeture) {
    const std::string chemin = EcrireJob("job.deb", DebitSimple(2));
    TFDebit& f = Demarrer({QString::fromStdString(chemin)});
    fs::create_directory(Dossier() / "Unite.dat"); // a folder where the file should go
    f.Etat().Modifie = true;
    faux.Messages.Repondre(ReponseMessage::Ok);
    faux.Messages.Repondre(ReponseMessage::Oui);
    Action("Quitter").trigger();
    ASSERT_EQ(faux.Messages.Affichees().size(), 2u);
    const Message& avis = faux.Messages.Affichees()[0];
    EXPECT_EQ(avis.Icone, IconeMessage::Exclamation);
    EXPECT_TRUE(
        avis.Texte.starts_with("Les réglages suivants n'ont pas pu être enregistrés :\nUnite.dat"))
        << avis.Texte;
    EXPECT_EQ(faux.Messages.Affichees()[1].Boutons, BoutonsMessage::OuiNon);
    EXPECT_TRUE(fs::exists(Dossier() / "Langue.dat"));
    EXPECT_FALSE(f.isVisible());
}

TEST_F(TFDebitTest, Suppression) {
    const std::string chemin = EcrireJob("job.deb", DebitSimple(4));
    TFDebit& f = Demarrer({QString::fromStdString(chemin)});
    faux.Messages.Repondre(ReponseMessage::Non);
    Action("Supprimer").trigger();
    EXPECT_TRUE(f.Etat().DebitCharge);
    EXPECT_EQ(f.Job().PiecesSaisies.size(), 4u);

    faux.Messages.Repondre(ReponseMessage::Oui);
    Action("Supprimer").trigger();
    const Message& question = faux.Messages.Affichees().back();
    EXPECT_EQ(question.Titre, "Suppression d'un débit");
    EXPECT_EQ(question.Texte, "Etes-vous sûr de vouloir supprimer ce débit ?");
    EXPECT_EQ(question.Icone, IconeMessage::Question);
    EXPECT_FALSE(f.Etat().DebitCharge);
    EXPECT_TRUE(f.Job().PiecesSaisies.empty() && f.Job().Panneaux.empty());
    EXPECT_EQ(Titre(), "Tavelune - job.deb");
    EXPECT_FALSE(CommandesDebitActives());
    EXPECT_FALSE(Bouton("SBtnPanneaux").isChecked());
    EXPECT_EQ(Navigation(), std::vector<bool>(4, false));
    EXPECT_TRUE(Compteur().isEmpty());
    EXPECT_TRUE(fs::exists(chemin));
}

TEST_F(TFDebitTest, Navigation) {
    const std::string chemin = EcrireJob("job.deb", DebitSimple(12));
    TFDebit& f = Demarrer({QString::fromStdString(chemin)});
    ASSERT_EQ(f.Job().Panneaux.size(), 1u);
    EXPECT_EQ(Compteur(), QStringLiteral("1\\1"));
    EXPECT_EQ(Navigation(), std::vector<bool>(4, false));

    Bouton("SBtnPieces").click();
    EXPECT_EQ(f.Vues().VueCourante, VuePieces);
    EXPECT_EQ(Compteur(), QStringLiteral("1\\12"));
    EXPECT_EQ(Navigation(), std::vector<bool>(4, true));
    f.BtnPrecedentClick();
    EXPECT_EQ(f.Vues().IndexCourant, 0);

    Bouton("BtnSuivant").click();
    EXPECT_EQ(Compteur(), QStringLiteral("2\\12"));
    EXPECT_EQ(Navigation(), std::vector<bool>(4, true));
    Bouton("BtnDernier").click();
    EXPECT_EQ(Compteur(), QStringLiteral("12\\12"));
    EXPECT_EQ(Navigation(), (std::vector<bool>{true, true, false, false}));
    f.BtnSuivantClick();
    EXPECT_EQ(f.Vues().IndexCourant, 11);
    Bouton("BtnPrecedant").click();
    EXPECT_EQ(Compteur(), QStringLiteral("11\\12"));
    EXPECT_EQ(Navigation(), std::vector<bool>(4, true));
    Bouton("BtnPremier").click();
    EXPECT_EQ(Compteur(), QStringLiteral("1\\12"));
    EXPECT_EQ(Navigation(), (std::vector<bool>{false, false, true, true}));

    // Back to the sheets view: index 0 again.
    Bouton("BtnDernier").click();
    Bouton("SBtnPanneaux").click();
    EXPECT_EQ(f.Vues().IndexCourant, 0);
    EXPECT_EQ(Compteur(), QStringLiteral("1\\1"));
}

TEST_F(TFDebitTest, RedimensionnementRepagine) {
    const std::string chemin = EcrireJob("job.deb", DebitSimple(60));
    TFDebit& f = Demarrer({QString::fromStdString(chemin)});
    Bouton("SBtnFiche").click();
    Bouton("BtnDernier").click();
    const int32_t lignes = f.Vues().LignesParPage;
    const std::size_t pages = f.Job().Pages.size();
    ASSERT_GT(lignes, 0);
    ASSERT_GT(pages, 1u);

    f.resize(f.width(), f.height() + 200);
    QTest::qWait(0);
    EXPECT_GT(f.Vues().LignesParPage, lignes);
    EXPECT_LT(f.Job().Pages.size(), pages);
    EXPECT_EQ(f.Vues().IndexCourant, 0);
    EXPECT_EQ(Compteur(), QStringLiteral("1\\%1").arg(f.Job().Pages.size()));
    EXPECT_EQ(f.Job().Pages.front(), (PAGE{0, f.Vues().LignesParPage - 1}));
}

// Printing goes to a PDF file: chosen in the print dialog, or asked for when
// the machine has no printer.
TEST_F(TFDebitTest, ImpressionPdf) {
    const std::string chemin = EcrireJob("job.deb", DebitSimple(5, 2));
    TFDebit& f = Demarrer({QString::fromStdString(chemin)});
    const auto imprimerMenu = [&](const fs::path& pdf) {
        faux.Impression.Repondre(true, [pdf](QPrinter& imprimante) {
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(QString::fromStdString(pdf.string()));
        });
        Action("Imprimer").trigger();
        return PagesPdf(pdf);
    };
    EXPECT_EQ(imprimerMenu(Dossier() / "panneaux.pdf"), static_cast<int>(f.Job().Panneaux.size()));
    Bouton("SBtnPieces").click();
    Bouton("BtnSuivant").click();
    EXPECT_EQ(imprimerMenu(Dossier() / "pieces.pdf"), 3);
    EXPECT_EQ(Compteur(), QStringLiteral("2\\5"));

    faux.Impression.Repondre(false);
    Action("Imprimer").trigger();

    if (QPrinterInfo::defaultPrinter().isNull()) {
        faux.Fichiers.Repondre((Dossier() / "fiche").string());
        Bouton("SBtnFiche").click();
        const std::vector<PAGE> pages = f.Job().Pages;
        Bouton("BtnImpression").click();
        EXPECT_EQ(faux.Fichiers.Demandes().back().Demande.ExtensionParDefaut, "pdf");
        EXPECT_EQ(PagesPdf(Dossier() / "fiche.pdf"), 1);
        EXPECT_EQ(f.Job().Pages, pages);
    }
}

TEST_F(TFDebitTest, ChangementUnite) {
    const std::string chemin = EcrireJob("job.deb", DebitSimple(3));
    const std::string octets = Lire(chemin);
    TFDebit& f = Demarrer({QString::fromStdString(chemin)});
    Scripter<TSelUnite>([](TSelUnite& d) {
        d.RbtnCentimetre.click();
        d.BtnOk.click();
    });
    Action("Unites").trigger();
    EXPECT_EQ(f.Parametres().UniteJob, (UNITE_MESURE{10.0f, "cm"}));
    EXPECT_TRUE(f.Parametres().Marques.Unite);
    EXPECT_EQ(f.Job().PiecesSaisies[0].Longueur, 400);

    Bouton("BtnEnre").click();
    EXPECT_EQ(Lire(chemin), octets);
    f.close();
    const std::string unite = Lire(Dossier() / "Unite.dat");
    ASSERT_EQ(unite.size(), 19u);
    EXPECT_EQ(unite.substr(4, 3), std::string("cm\0", 3));
}

// An unchanged unit dialog clears the mark a missing Unite.dat set.
TEST_F(TFDebitTest, UniteInchangee) {
    TFDebit& f = Demarrer();
    ASSERT_TRUE(f.Parametres().Marques.Unite);
    Scripter<TSelUnite>([](TSelUnite& d) { d.BtnOk.click(); });
    Action("Unites").trigger();
    EXPECT_FALSE(f.Parametres().Marques.Unite);
}

TEST_F(TFDebitTest, DialogueAffichage) {
    TFDebit& f = Demarrer({QString::fromStdString(Exemple)});
    ASSERT_EQ(f.Job().Metrages[0].Libelle, "1,61x1,2m - indifférent");
    Scripter<TFAffichage>([](TFAffichage& d) {
        EXPECT_TRUE(d.RbtnFiniesSeul.isChecked());
        d.RbtnNettesSeul.click();
        d.RbtnRecapUnite.click();
        d.BtnOk.click();
    });
    Action("Affichage").trigger();
    EXPECT_EQ(f.Parametres().Options.ModeAffichage, 10);
    EXPECT_EQ(f.Parametres().Options.UniteRecap, 0);
    EXPECT_EQ(f.Job().Metrages[0].Libelle, "1605x1200mm - indifférent");
    f.close();
    EXPECT_EQ(fs::file_size(Dossier() / "Options.dat"), 110u);
}

TEST_F(TFDebitTest, Apropos) {
    Demarrer();
    Scripter<TFApropos>([](TFApropos& d) { d.BtnOk.click(); });
    Action("AproposdeDebit").trigger();
}

TEST_F(TFDebitTest, AideEtPagesWeb) {
    Demarrer();
    // F1 on a highlighted menu entry opens its topic; on the window, the contents.
    auto* menu = fenetre->findChild<QMenu*>(QStringLiteral("Fichier"));
    menu->popup(fenetre->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(&Action("Ouvrir"));
    QTest::keyClick(menu, Qt::Key_F1);
    menu->close();
    EXPECT_EQ(faux.AideEnLigne.Appels(),
              (std::vector<AppelAide>{{AppelAide::Genre::Rubrique, 60}}));
    faux.AideEnLigne = AideScriptee();

    Action("AideDebit").trigger();
    Action("Guide").trigger();
    EXPECT_EQ(faux.AideEnLigne.Appels(),
              (std::vector<AppelAide>{{AppelAide::Genre::Sommaire}, {AppelAide::Genre::Sommaire}}));
    Action("SiteInternet").trigger();
    faux.Web.Reussite = false;
    faux.Messages.Repondre(ReponseMessage::Ok);
    Action("Videos").trigger();
    EXPECT_EQ(faux.Web.Adresses().size(), 2u);
    EXPECT_EQ(TextesMessages(),
              std::vector<std::string>{"Impossible de lancer votre navigateur par défaut !"});
}

} // namespace
} // namespace tavelune

namespace tavelune {
namespace {

// The summary window's scroll bar, drawn with a font 13 pixels high.
class TFCaractPanneauxTest : public TestPlateforme {};

TEST_F(TFCaractPanneauxTest, BarreDeDefilement) {
    struct Cas {
        std::size_t lignes;
        bool visible;
        int maximum;
    };
    for (const Cas& c : {Cas{1, false, 260}, Cas{4, true, 410}}) {
        TFCaractPanneaux fenetre(plateforme, Textes(), nullptr);
        QFont police = fenetre.Surface().font();
        police.setPointSize(8);
        fenetre.Surface().setFont(police);
        const std::vector<METRAGE> metrages(
            c.lignes, METRAGE{"3,21x2,25m - horizontal", 1, 7.2f, 6.1f, 12.5f, 0.9f, 12.5f});
        fenetre.Afficher(metrages, ReglagesDessin{});
        fenetre.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
        EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Récapitulatif du débit"));
        EXPECT_EQ(fenetre.Defilement().isVisible(), c.visible);
        EXPECT_EQ(fenetre.Defilement().maximum(), c.maximum);
        if (c.visible) {
            fenetre.Defilement().setValue(300);
            EXPECT_EQ(fenetre.Surface().y(), -95);
        }
    }
}

// Without a printer the summary goes to a PDF file, on one page however long it is.
TEST_F(TFCaractPanneauxTest, ImpressionSurUnePage) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "une imprimante est installée";
    QTemporaryDir dossier;
    const fs::path pdf = fs::path(dossier.path().toStdString()) / "recap.pdf";
    TFCaractPanneaux fenetre(plateforme, Textes(), nullptr);
    const std::vector<METRAGE> metrages(40, METRAGE{"1,61x1,2m - indifférent", 1});
    fenetre.Afficher(metrages, ReglagesDessin{});
    faux.Fichiers.Repondre(pdf.string());
    fenetre.BtnImprimerClick();
    EXPECT_EQ(PagesPdf(pdf), 1);
}

} // namespace
} // namespace tavelune
