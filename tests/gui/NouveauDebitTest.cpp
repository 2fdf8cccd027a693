// The new-job wizard driven from the main window: the dialogs in their order,
// the plan, the saved file, the margin step, and the ways to give up.
#include "../core/FabriqueDebit.h"
#include "FixtureFenetre.h"

#include "dialogs/TSelDebit.h"
#include "dialogs/TSelMarge.h"
#include "dialogs/TSelMargesMultiples.h"
#include "dialogs/TSelPanneaux.h"
#include "dialogs/TSelPieces.h"
#include "documents/FichiersReglages.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace tavelune {
namespace {

using namespace pilote;
using R = ReponseMessage;

const std::string Annulation = "Annulation de la création d'un nouveau débit !";

class NouveauDebitTest : public TestFenetre {
protected:
    void TypeDebit(bool complexe, bool margesDifferenciees = false, bool annuler = false) {
        Scripter<TSelDebit>([=](TSelDebit& d) {
            if (complexe)
                d.RbtnDebitComplexe->click();
            if (margesDifferenciees)
                d.CBoxMargesDiff->click();
            Cliquer(annuler ? *d.btnAnnul : *d.btnOk);
        });
    }
    // The proposed default sheet, 2500 x 1250, as it is.
    void PlaqueParDefaut() {
        Scripter<TSelPanneaux>([](TSelPanneaux& d) { Cliquer(d.BtnTerminer); });
    }
    // Two pieces, 1000 x 500 and 800 x 600.
    void DeuxPieces() {
        Scripter<TSelPieces>([](TSelPieces& d) {
            Saisir(d.EdtLongueur, "1000");
            Saisir(d.EdtLargeur, "500");
            Cliquer(d.BtnNouveau);
            Saisir(d.EdtLongueur, "800");
            Saisir(d.EdtLargeur, "600");
            Cliquer(d.BtnTerminer);
        });
    }
    void DemanderMarge() {
        Reglages r;
        r.Options = OptionsParDefaut(Textes());
        r.Options.DemanderMarge = 1;
        r.Marques.Options = true;
        ASSERT_TRUE(EcrireReglages(Dossier(), r).empty());
    }
};

// What the wizard above enters, built by hand.
Debit DebitAttendu() {
    Debit d;
    d.PanneauxSaisis = {test::Plaque(2500, 1250)};
    test::AjouterPiece(d, 1000, 500, "Vitrage");
    test::AjouterPiece(d, 800, 600, "Vitrage");
    return d;
}

TEST_F(NouveauDebitTest, TroisDialoguesUnPlanPuisLeFichierEnregistre) {
    TFDebit& f = Demarrer();
    TypeDebit(false);
    PlaqueParDefaut();
    DeuxPieces();
    Bouton("BtnNouveau").click();

    EXPECT_EQ(faux.Modal.Executes(), (std::vector<std::string>{"Sélection du type de débit",
                                                               "Sélection des plaques de verre",
                                                               "Sélection des vitrages"}));
    EXPECT_TRUE(faux.Messages.Affichees().empty());
    const Debit& job = f.Job();
    ASSERT_EQ(job.Panneaux.size(), 1u);
    EXPECT_EQ(job.Panneaux[0].Pieces.size(), 2u);
    EXPECT_EQ(job.MargesJob, Marges{});
    EXPECT_EQ(job.TraitScie, 0);
    EXPECT_FALSE(job.Metrages.empty());
    EXPECT_FALSE(job.Pages.empty());
    EXPECT_TRUE(f.Etat().DebitCharge && f.Etat().JamaisEnregistre && f.Etat().Modifie);
    EXPECT_EQ(Titre(), "Tavelune");
    EXPECT_TRUE(CommandesDebitActives());
    EXPECT_TRUE(Bouton("SBtnPanneaux").isChecked());
    EXPECT_EQ(Compteur(), "1\\1");

    const fs::path chemin = Dossier() / "neuf.deb";
    faux.Fichiers.Repondre(chemin.string());
    Action("Enregistrer").trigger();
    EXPECT_EQ(faux.Fichiers.Demandes().back().Demande.NomInitial, "NouveauDebit.deb");
    EXPECT_EQ(Lire(chemin), EcrireDebit(DebitAttendu()));
    EXPECT_EQ(Titre(), "Tavelune - neuf.deb");
}

TEST_F(NouveauDebitTest, AvecLOptionLaMargeEstDemandeeEnQuatrieme) {
    DemanderMarge();
    std::ofstream(Dossier() / "FVitrages.dat", std::ios::binary) << std::string("Clair") + '\0';
    const struct {
        bool complexe;
        bool margesDifferenciees;
        std::string quatrieme;
        Marges marges;
    } cas[] = {
        {false, false, "Marge de sécurité", {5, 5, 0, 0, 0}},
        {true, true, "Marges de sécurité", {5, 7, 0, 1, 0}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quatrieme);
        TFDebit& f = Demarrer();
        const std::size_t avant = faux.Modal.Executes().size();
        TypeDebit(c.complexe, c.margesDifferenciees);
        PlaqueParDefaut();
        DeuxPieces();
        if (c.margesDifferenciees)
            Scripter<TSelMargesMultiples>([](TSelMargesMultiples& d) {
                Saisir(*d.EdtMargeL, "5");
                Saisir(*d.EdtMargeH, "7");
                Cliquer(*d.BtnOk);
            });
        else
            Scripter<TSelMarge>([](TSelMarge& d) {
                Saisir(*d.EdtMarge, "5");
                Cliquer(*d.BtnOk);
            });
        Action("Nouveau").trigger();

        ASSERT_EQ(faux.Modal.Executes().size(), avant + 4);
        EXPECT_EQ(faux.Modal.Executes().back(), c.quatrieme);
        EXPECT_EQ(f.Job().MargesJob, c.marges);
        EXPECT_EQ(f.Job().TraitScie, 0);
        EXPECT_TRUE(f.Etat().DebitCharge);
        f.Etat().Modifie = false;
        fenetre.reset();
    }
}

TEST_F(NouveauDebitTest, AbandonDesPlaquesApresUnDebitAffiche) {
    Debit ancien = DebitAttendu();
    TFDebit& f = DemarrerSur("ancien.deb", ancien);
    ASSERT_TRUE(f.Etat().DebitCharge);
    TypeDebit(false);
    Scripter<TSelPanneaux>([](TSelPanneaux& d) { Cliquer(d.BtnAnnul); });
    faux.Messages.Repondre(R::Ok);
    Action("Nouveau").trigger();

    const Message annulation{"Tavelune", Annulation, IconeMessage::Exclamation};
    EXPECT_EQ(faux.Messages.Affichees(), std::vector<Message>{annulation});
    EXPECT_EQ(Titre(), "Tavelune");
    EXPECT_FALSE(CommandesDebitActives());
    EXPECT_FALSE(f.Etat().DebitCharge || f.Etat().Modifie);
    EXPECT_TRUE(f.Job().PanneauxSaisis.empty() && f.Job().Panneaux.empty() &&
                f.Job().PiecesSaisies.empty() && f.Job().Designations.empty());
    EXPECT_EQ(Compteur(), "");
}

// A modified job: the question comes first, and its answer decides what follows.
TEST_F(NouveauDebitTest, LaQuestionAvantLeNouveauDebit) {
    const std::string question =
        "Voulez-vous enregistrer les modifications apportées à 'ancien.deb' ?";
    const std::string nonSauvegarde = "Le débit n'a pas été sauvegardé !";
    const struct {
        R reponse;
        std::vector<std::string> messagesAvantTypeDebit; // empty: no wizard
        std::vector<std::string> messages;
        bool ancienGarde;
    } cas[] = {
        {R::Non, {question, nonSauvegarde}, {question, nonSauvegarde, Annulation}, false},
        {R::Annuler, {}, {question, Annulation}, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.reponse));
        TFDebit& f = DemarrerSur("ancien.deb", DebitAttendu());
        f.Etat().Modifie = true;
        faux.Messages.Repondre(c.reponse);
        for (std::size_t i = 1; i < c.messages.size(); ++i)
            faux.Messages.Repondre(R::Ok);
        const std::size_t avant = faux.Messages.Affichees().size();
        const auto messages = [&] {
            const std::vector<std::string> tous = TextesMessages();
            return std::vector<std::string>(tous.begin() + static_cast<long>(avant), tous.end());
        };
        std::vector<std::string> avantTypeDebit;
        if (!c.messagesAvantTypeDebit.empty())
            Scripter<TSelDebit>([&](TSelDebit& d) {
                avantTypeDebit = messages();
                Cliquer(*d.btnAnnul);
            });
        Action("Nouveau").trigger();

        EXPECT_EQ(avantTypeDebit, c.messagesAvantTypeDebit);
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(f.Job().PiecesSaisies.size(), c.ancienGarde ? 2u : 0u);
        EXPECT_EQ(f.Etat().DebitCharge, c.ancienGarde);
        EXPECT_EQ(Titre(), c.ancienGarde ? "Tavelune - ancien.deb" : "Tavelune");
        f.Etat().Modifie = false;
        fenetre.reset();
    }
}

} // namespace
} // namespace tavelune
