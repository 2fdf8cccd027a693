// The single-margin dialog: the margin typed in the job's unit, refused at
// 100 mm or when a piece would fit no sheet, and the question on an empty OK.
#include "../core/FabriqueDebit.h"
#include "FixturePlateforme.h"
#include "PiloteSaisie.h"

#include "dialogs/TSelMarge.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavelune {
namespace {

using namespace pilote;

using R = ReponseMessage;

Panneau_p Plaque(int32_t longueur, int32_t largeur, int32_t epaisseur = 4, int32_t essence = 0) {
    return test::Plaque(longueur, largeur, Horizontal, 1, epaisseur, essence);
}

TPiece Vitrage(int32_t longueur, int32_t largeur, int32_t epaisseur = 4, int32_t essence = 0) {
    return test::Piece(longueur, largeur, Horizontal, 1, 0, epaisseur, essence);
}

const Message MargeRefusee = Refus("Valeur non valide pour une marge !" + Rappel);
const Message SansMarge{"Marge non saisies",
                        "Souhaitez-vous vraiment ne pas saisir de valeurs pour la marge ?",
                        IconeMessage::Question, BoutonsMessage::OuiNon};

class TSelMargeTest : public TestPlateforme {
protected:
    TSelMargeTest() {
        dialogue.PiecesSaisies = &pieces;
        dialogue.PanneauxSaisis = &panneaux;
    }

    // Types the margin, leaves the box, and notes what the dialog then holds.
    struct Apres {
        Marges marges;
        QString boite;
    };
    Apres Taper(const QString& texte) {
        Apres apres;
        Scripter<TSelMarge>([&](TSelMarge& d) {
            Saisir(*d.EdtMarge, texte);
            apres = {d.MargesJob, d.EdtMarge->text()};
            Cliquer(*d.BtnOk);
        });
        plateforme.Modal.Executer(dialogue);
        return apres;
    }

    Reglages reglages = ReglagesDeDepart();
    TSelMarge dialogue{plateforme, reglages};
    std::vector<TPiece> pieces{Vitrage(1000, 500)};
    std::vector<Panneau_p> panneaux{Plaque(3000, 2000)};
};

TEST_F(TSelMargeTest, LaMargeTapeeEnMillimetresEntiersOuRefusee) {
    const UNITE_MESURE mm{1.0f, "mm"}, cm{10.0f, "cm"};
    const struct {
        UNITE_MESURE unite;
        bool grandVitrage; // a piece of 2900 x 1900 on the sheet of 3000 x 2000
        const char* tape;
        int32_t marge; // -1: refused
    } cas[] = {
        {mm, false, "99,4", 99}, {mm, false, "99,5", -1}, {cm, false, "1", 10},
        {cm, false, "10", -1},   {cm, false, "0,5", 5},   {mm, true, "50", 50},
        {mm, true, "51", -1},    {mm, false, "2.5", -1},  {mm, false, "abc", -1},
        {mm, false, "-5", -1},   {mm, false, "-0,6", 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.tape);
        pieces = {Vitrage(1000, 500)};
        if (c.grandVitrage)
            pieces.push_back(Vitrage(2900, 1900));
        dialogue.UniteJob = c.unite;
        dialogue.MargesJob = {7, 7, 3, 0, 0};
        const std::size_t avant = faux.Messages.Affichees().size();
        if (c.marge < 0) {
            faux.Messages.Repondre(R::Ok);
            faux.Messages.Repondre(R::Oui);
        }
        const Apres apres = Taper(c.tape);

        const int32_t attendue = std::max(c.marge, 0);
        EXPECT_EQ(apres.marges.MargeLongueur, attendue);
        EXPECT_EQ(apres.marges.MargeLargeur, attendue);
        EXPECT_EQ(apres.boite.isEmpty(), c.marge < 0);
        const std::vector<Message> montres(faux.Messages.Affichees().begin() + avant,
                                           faux.Messages.Affichees().end());
        const std::vector<Message> attendus =
            c.marge < 0 ? std::vector<Message>{MargeRefusee, SansMarge} : std::vector<Message>{};
        EXPECT_EQ(montres, attendus);
        EXPECT_EQ(dialogue.MargesJob.EcartEpaisseur, 0);
    }
}

TEST_F(TSelMargeTest, UnDebitComplexeNeCompteQueLesPlaquesDuTypeEtDeLEpaisseurDuVitrage) {
    pieces = {Vitrage(1000, 1000, 4, 0)};
    panneaux = {Plaque(1010, 1010, 4, 0), Plaque(3000, 3000, 6, 0), Plaque(3000, 3000, 4, 1)};
    const struct {
        int32_t typeDebit;
        const char* tape;
        int32_t marge;
    } cas[] = {
        {DebitComplexe, "5", 5},
        {DebitComplexe, "6", -1}, // only the 4 mm sheet of its type is left
        {DebitSimple, "6", 6},
        {DebitSimple, "99", 99},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.tape);
        dialogue.TypeDebit = c.typeDebit;
        if (c.marge < 0) {
            faux.Messages.Repondre(R::Ok);
            faux.Messages.Repondre(R::Oui);
        }
        EXPECT_EQ(Taper(c.tape).marges.MargeLongueur, std::max(c.marge, 0));
    }
}

TEST_F(TSelMargeTest, OKSansMargeDemandeConfirmationNonGardeLeDialogueOuiDonneZero) {
    dialogue.UniteJob = {10.0f, "cm"};
    dialogue.MargesJob = {20, 20, 0, 0, 0};
    dialogue.AfficherMargeCourante = true;
    faux.Messages.Repondre(R::Non);
    faux.Messages.Repondre(R::Oui);
    QString montree, libelle;
    bool ouvertApresNon = false;
    Scripter<TSelMarge>([&](TSelMarge& d) {
        montree = d.EdtMarge->text();
        libelle = d.LblMarge->text();
        Saisir(*d.EdtMarge, "");
        Cliquer(*d.BtnOk);
        ouvertApresNon = d.isVisible();
        Cliquer(*d.BtnOk);
    });

    EXPECT_EQ(plateforme.Modal.Executer(dialogue), QDialog::Accepted);
    EXPECT_EQ(montree, "2");
    EXPECT_EQ(libelle, "Valeur de la marge en cm");
    EXPECT_TRUE(ouvertApresNon);
    EXPECT_EQ(dialogue.MargesJob, Marges{});
    EXPECT_EQ(dialogue.TraitScie, 0);
    EXPECT_EQ(faux.Messages.Affichees(), (std::vector<Message>{SansMarge, SansMarge}));
}

TEST_F(TSelMargeTest, SansDemandeLaBoiteDemarreVideEscapeNeFermePasF1OuvreLAide) {
    dialogue.MargesJob = {20, 20, 0, 0, 0};
    Scripter<TSelMarge>([&](TSelMarge& d) {
        EXPECT_TRUE(d.EdtMarge->text().isEmpty());
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        QTest::keyClick(&d, Qt::Key_F1);
        Saisir(*d.EdtMarge, "12");
        Cliquer(*d.BtnOk);
    });
    plateforme.Modal.Executer(dialogue);
    EXPECT_EQ(dialogue.MargesJob.MargeLongueur, 12);
    EXPECT_EQ(dialogue.windowTitle(), "Marge de sécurité");
    EXPECT_EQ(faux.AideEnLigne.Appels(),
              (std::vector<AppelAide>{{AppelAide::Genre::Rubrique, 1040}}));
}

} // namespace
} // namespace tavelune
