// The modification of a shown job: the dialogs work on copies, a confirmed
// change computes the plan again, and the job keeps its file state.
#include "../core/FabriqueDebit.h"
#include "FixtureFenetre.h"

#include "dialogs/TSelMod.h"
#include "dialogs/TSelPanneaux.h"
#include "dialogs/TSelPieces.h"
#include "strings/Texte.h"

#include <QCheckBox>
#include <QPushButton>

namespace tavelune {
namespace {

using namespace pilote;
using R = ReponseMessage;

// One sheet model 3000 x 2000 (count 1) and four pieces of 1400 x 900.
Debit Job() {
    Debit d;
    d.PanneauxSaisis = {test::Plaque(3000, 2000)};
    for (int32_t i = 0; i < 4; ++i)
        test::AjouterPiece(d, 1400, 900, "Vitrage");
    return d;
}

class ModificationTest : public TestFenetre {
protected:
    TFDebit& DemarrerAvecJob() {
        TFDebit& f = DemarrerSur("job.deb", Job());
        EXPECT_TRUE(f.Etat().DebitCharge);
        return f;
    }
    void Choix(bool panneaux, bool pieces) {
        Scripter<TSelMod>([=](TSelMod& d) {
            EXPECT_TRUE(d.ChbModifPanneaux->isChecked() && d.ChbModifPieces->isChecked());
            EXPECT_FALSE(d.ChbModifMarge->isEnabled()); // the margin option is off
            if (!panneaux)
                d.ChbModifPanneaux->click();
            if (!pieces)
                d.ChbModifPieces->click();
            d.BtnOk->click();
        });
    }
};

TEST_F(ModificationTest, DeuxDialoguesAbandonnesNeChangentRien) {
    TFDebit& f = DemarrerAvecJob();
    const Debit avant = f.Job();
    const EtatDebit etat = f.Etat();
    Choix(true, true);
    // Shrinking the only sheet below the pieces is refused and keeps the dialog open.
    faux.Messages.Repondre(R::Ok);
    Scripter<TSelPanneaux>([](TSelPanneaux& d) {
        Saisir(d.EdtLargeur, "800");
        Cliquer(d.BtnTerminer);
        EXPECT_TRUE(d.isVisible());
        Cliquer(d.BtnAnnul);
    });
    Scripter<TSelPieces>([](TSelPieces& d) {
        Saisir(d.EdtLongueur, "2000");
        Cliquer(d.BtnSuivant);
        Cliquer(d.BtnAnnul);
    });
    Action("Modifier").trigger();

    ASSERT_EQ(faux.Messages.Affichees().size(), 1u);
    EXPECT_EQ(faux.Messages.Affichees()[0].Texte.rfind("Modification non valide pour ce plaque "
                                                       "de verre car une au moins des vitrages",
                                                       0),
              0u);
    const Debit& apres = f.Job();
    EXPECT_EQ(apres.PanneauxSaisis, avant.PanneauxSaisis);
    EXPECT_EQ(apres.PiecesSaisies, avant.PiecesSaisies);
    EXPECT_EQ(apres.Designations, avant.Designations);
    EXPECT_EQ(apres.References, avant.References);
    EXPECT_EQ(apres.Panneaux, avant.Panneaux);
    EXPECT_EQ(f.Etat().Modifie, etat.Modifie);
    EXPECT_EQ(f.Etat().JamaisEnregistre, etat.JamaisEnregistre);
    EXPECT_EQ(Titre(), "Tavelune - job.deb");
}

TEST_F(ModificationTest, TroisPlaquesAuLieuDUneEtLeDebitResteJamaisEnregistre) {
    TFDebit& f = DemarrerAvecJob();
    f.Etat().JamaisEnregistre = true; // as after the wizard
    Choix(true, false);
    Scripter<TSelPanneaux>([](TSelPanneaux& d) {
        d.ChbNbPanneaux.click();
        Saisir(d.EdtNb, "3");
        Cliquer(d.BtnTerminer);
    });
    Action("Modifier").trigger();

    EXPECT_EQ(f.Job().PanneauxSaisis.at(0).Nb, 3);
    EXPECT_GE(f.Job().Panneaux.size(), 3u);
    EXPECT_TRUE(f.Etat().DebitCharge && f.Etat().Modifie && f.Etat().JamaisEnregistre);
    EXPECT_EQ(Compteur(), QStringLiteral("1\\%1").arg(f.Job().Panneaux.size()));
    EXPECT_TRUE(CommandesDebitActives());

    // Saving still asks for a file.
    faux.Fichiers.Repondre(std::nullopt);
    Action("Enregistrer").trigger();
    EXPECT_EQ(faux.Fichiers.Demandes().size(), 1u);
    f.Etat().Modifie = false;
}

} // namespace
} // namespace tavelune
