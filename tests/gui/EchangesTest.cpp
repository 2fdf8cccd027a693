// Export and import from the main window: the file dialogs, the refused
// extension, the written bytes, and an imported list completed by the
// modification, with every way to give the import up.
#include "../core/FabriqueDebit.h"
#include "FixtureFenetre.h"

#include "dialogs/TFImportation.h"
#include "dialogs/TSelMod.h"
#include "documents/Exportation.h"
#include "strings/Texte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace tavelune {
namespace {

using namespace pilote;
using R = ReponseMessage;

Debit Job() {
    Debit d;
    d.PanneauxSaisis = {test::Plaque(3000, 2000)};
    for (int32_t i = 0; i < 3; ++i)
        test::AjouterPiece(d, 1000 + 5 * i, 500, "Porte ");
    return d;
}

class EchangesTest : public TestFenetre {
protected:
    TFDebit& DemarrerAvecJob() { return DemarrerSur("job.deb", Job()); }
};

TEST_F(EchangesTest, ExportationSelonLExtension) {
    TFDebit& f = DemarrerAvecJob();
    const EntetesExport entetes = EntetesDepuisTable(Textes());
    const std::string texte = Exporter(FormatExport::Texte, f.Job(), {}, 1.0f, entetes, ',');
    const std::string sylk = Exporter(FormatExport::Sylk, f.Job(), {}, 1.0f, entetes, ',');
    fs::create_directory(Dossier() / "dossier.txt");
    const std::string termine = "Exportation terminée !";
    const struct {
        std::optional<std::string> nom; // no value: the dialog is cancelled
        std::string message;
        IconeMessage icone;
        std::string octets; // what the file holds afterwards; empty: no file
    } cas[] = {
        {"fiche.txt", termine, IconeMessage::Information, texte},
        {"fiche.csv", termine, IconeMessage::Information, texte},
        {"FICHE.CSV", termine, IconeMessage::Information, texte},
        {"fiche.slk", termine, IconeMessage::Information, sylk},
        {"fiche.xls", "L'extension du fichier fiche.xls n'est pas valide !",
         IconeMessage::Exclamation, ""},
        {std::nullopt, "Exportation annulée !", IconeMessage::Information, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom.value_or("annulé"));
        const fs::path chemin = Dossier() / c.nom.value_or("rien");
        faux.Fichiers.Repondre(c.nom ? std::optional(chemin.string()) : std::nullopt);
        faux.Messages.Repondre(R::Ok);
        Action("Exporter").trigger();
        const Message attendu{"Exportation d'un débit", c.message, c.icone};
        EXPECT_EQ(faux.Messages.Affichees().back(), attendu);
        EXPECT_EQ(fs::exists(chemin), !c.octets.empty());
        if (!c.octets.empty()) {
            EXPECT_EQ(Lire(chemin), c.octets);
        }
        fs::remove(chemin);
    }
    const DemandeFichier demande{"Exportation du débit",
                                 "Fichiers texte (*.txt) |*.txt|Fichiers csv (*.csv)|*.csv|"
                                 "Fichiers silk (*.slk)|*.slk",
                                 "", "", true};
    EXPECT_EQ(faux.Fichiers.Demandes().back().Demande, demande);

    // A file that cannot be written is reported, not announced as exported.
    faux.Fichiers.Repondre((Dossier() / "dossier.txt").string());
    faux.Messages.Repondre(R::Ok);
    Action("Exporter").trigger();
    const Message& echec = faux.Messages.Affichees().back();
    EXPECT_EQ(echec.Icone, IconeMessage::Exclamation);
    EXPECT_EQ(echec.Texte.rfind("Le fichier n'a pas pu être écrit :\n", 0), 0u) << echec.Texte;
    EXPECT_TRUE(fs::is_directory(Dossier() / "dossier.txt"));
}

TEST_F(EchangesTest, ImportationEnCentimetresCompleteeParLaModification) {
    TFDebit& f = DemarrerAvecJob();
    const fs::path liste = Dossier() / "liste.csv";
    std::ofstream(liste, std::ios::binary)
        << "Référence;Description;Nombre;Longueur;Largueur;Epaisseur;Type\n"
           "a;Porte;2;100;50;4;Float\n"
           "b;Fenêtre;1;30;60;4;Float\n";
    bool uniteProposee = false;
    Scripter<TFImportation>([&](TFImportation& d) {
        uniteProposee = d.CbxListeUnites->currentText() == "Millimètre";
        EXPECT_TRUE(d.CbxEntetes->isChecked());
        Choisir(*d.CbxListeUnites, 1);
        d.BtnOK->click();
    });
    faux.Fichiers.Repondre(liste.string());
    // Nothing ticked: the import computes the plan all the same.
    Scripter<TSelMod>([](TSelMod& d) {
        d.ChbModifPanneaux->click();
        d.ChbModifPieces->click();
        d.BtnOk->click();
    });
    Action("Importer").trigger();

    EXPECT_TRUE(uniteProposee);
    EXPECT_TRUE(faux.Messages.Affichees().empty());
    const Debit& job = f.Job();
    ASSERT_EQ(job.PiecesSaisies.size(), 2u);
    EXPECT_EQ(job.PiecesSaisies[0].Longueur, 1000);
    EXPECT_EQ(job.PiecesSaisies[0].Largeur, 500);
    EXPECT_EQ(job.PiecesSaisies[0].Nb, 2);
    EXPECT_EQ(job.PiecesSaisies[1].Longueur, 600);
    EXPECT_EQ(job.PiecesSaisies[1].Sens, Vertical);
    EXPECT_EQ(job.Designations, (std::vector<std::string>{"Porte", "Fenêtre"}));
    ASSERT_EQ(job.PanneauxSaisis.size(), 1u);
    EXPECT_EQ(job.PanneauxSaisis[0].Longueur, 2500);
    EXPECT_EQ(job.MargesJob.MargeLongueur, 0);
    EXPECT_EQ(job.MargesJob.MargeLargeur, 0);
    EXPECT_EQ(job.TraitScie, 3);
    EXPECT_FALSE(job.Panneaux.empty());
    EXPECT_TRUE(f.Etat().DebitCharge && f.Etat().JamaisEnregistre && f.Etat().Modifie);
    EXPECT_FALSE(f.Etat().ImportationEnCours);
    EXPECT_EQ(f.Etat().NomAffiche, "NouveauDebit.deb");
    EXPECT_TRUE(CommandesDebitActives());
    EXPECT_EQ(f.Vues().VueCourante, VuePanneaux);
    f.Etat().Modifie = false;
}

// Every way out before the modification, and the state each leaves.
TEST_F(EchangesTest, AbandonsDeLImportation) {
    const std::string annulee = "Importation annulée !";
    const std::string erreur = "Erreur dans l'ouverture du fichier !\n" + annulee;
    std::ofstream(Dossier() / "vide.txt", std::ios::binary);
    std::ofstream(Dossier() / "faux.txt", std::ios::binary) << "a;b;2,5;300;500;4;Float\n";
    enum Etape { Question, Dialogue, Fichier, Vide, Illisible };
    const struct {
        Etape etape;
        std::string message;
        bool ancienGarde;
    } cas[] = {
        {Question, annulee, true}, {Dialogue, annulee, false}, {Fichier, annulee, false},
        {Vide, annulee, false},    {Illisible, erreur, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.etape));
        TFDebit& f = DemarrerAvecJob();
        const std::size_t avant = faux.Messages.Affichees().size();
        if (c.etape == Question) {
            f.Etat().Modifie = true;
            faux.Messages.Repondre(R::Annuler);
        }
        if (c.etape != Question)
            Scripter<TFImportation>(
                [&](TFImportation& d) { (c.etape == Dialogue ? d.BtnAnnuler : d.BtnOK)->click(); });
        if (c.etape >= Fichier)
            faux.Fichiers.Repondre(
                c.etape == Fichier
                    ? std::nullopt
                    : std::optional(
                          (Dossier() / (c.etape == Vide ? "vide.txt" : "faux.txt")).string()));
        faux.Messages.Repondre(R::Ok);
        Action("Importer").trigger();

        const Message attendu{"Importation d'une fiche de débit", c.message,
                              IconeMessage::Information};
        EXPECT_EQ(faux.Messages.Affichees().back(), attendu);
        EXPECT_EQ(faux.Messages.Affichees().size(), avant + (c.etape == Question ? 2 : 1));
        EXPECT_EQ(f.Etat().DebitCharge, c.ancienGarde);
        EXPECT_EQ(CommandesDebitActives(), c.ancienGarde);
        EXPECT_EQ(f.Job().PiecesSaisies.size(), c.ancienGarde ? 3u : 0u);
        EXPECT_EQ(Titre(), c.ancienGarde ? "Tavelune - job.deb" : "Tavelune");
        f.Etat().Modifie = false;
        fenetre.reset();
    }
}

} // namespace
} // namespace tavelune
