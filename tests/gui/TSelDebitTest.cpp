// The job type dialog: simple by default at every showing, separate margins
// only for a complex job.
#include "FixturePlateforme.h"
#include "PiloteSaisie.h"

#include "dialogs/TSelDebit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tavelune {
namespace {

using namespace pilote;

class TSelDebitTest : public TestPlateforme {
protected:
    Reglages reglages = ReglagesDeDepart();
    TSelDebit dialogue{plateforme, reglages};
};

TEST_F(TSelDebitTest, SimpleParDefautMargesDifferencieesSeulementEnComplexe) {
    const struct {
        bool complexe;
        bool margesDiff;
        bool annuler;
        int32_t typeDebit;
    } cas[] = {
        {true, true, false, DebitComplexe},
        {false, false, false, DebitSimple},
        {true, false, false, DebitComplexe},
        {true, true, true, DebitComplexe},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.complexe << c.margesDiff << c.annuler);
        bool simpleAuDepart = false, caseActiveAuDepart = true, caseActiveEnComplexe = false;
        Scripter<TSelDebit>([&](TSelDebit& d) {
            simpleAuDepart = d.RbtnDebitSimple->isChecked() && !d.RbtnDebitComplexe->isChecked();
            caseActiveAuDepart = d.CBoxMargesDiff->isEnabled() || d.LblMargesDiff->isEnabled();
            Cliquer(*d.CBoxMargesDiff); // disabled: nothing happens
            if (c.complexe) {
                Cliquer(*d.RbtnDebitComplexe);
                caseActiveEnComplexe = d.CBoxMargesDiff->isEnabled();
                EXPECT_FALSE(d.RbtnDebitSimple->isChecked());
            }
            if (c.margesDiff)
                Cliquer(*d.CBoxMargesDiff);
            Cliquer(c.annuler ? *d.btnAnnul : *d.btnOk);
        });
        const int resultat = plateforme.Modal.Executer(dialogue);

        EXPECT_TRUE(simpleAuDepart);
        EXPECT_FALSE(caseActiveAuDepart);
        EXPECT_EQ(caseActiveEnComplexe, c.complexe);
        EXPECT_EQ(dialogue.OK, !c.annuler);
        EXPECT_EQ(resultat, c.annuler ? QDialog::Rejected : QDialog::Accepted);
        if (!c.annuler) {
            EXPECT_EQ(dialogue.TypeDebit, c.typeDebit);
        }
        EXPECT_EQ(dialogue.MargesJob, (Marges{0, 0, 0, c.margesDiff ? uint8_t{1} : uint8_t{0}, 0}));
    }
}

TEST_F(TSelDebitTest, RevenirAuSimpleDecocheLesMargesEtEscapeAnnule) {
    Scripter<TSelDebit>([&](TSelDebit& d) {
        Cliquer(*d.RbtnDebitComplexe);
        Cliquer(*d.CBoxMargesDiff);
        Cliquer(*d.RbtnDebitSimple);
        EXPECT_FALSE(d.RbtnDebitComplexe->isChecked());
        EXPECT_FALSE(d.CBoxMargesDiff->isChecked());
        EXPECT_FALSE(d.CBoxMargesDiff->isEnabled());
        EXPECT_EQ(d.MargesJob.MargesDifferenciees, 0);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(plateforme.Modal.Executer(dialogue), QDialog::Rejected);
    EXPECT_FALSE(dialogue.OK);
    EXPECT_EQ(dialogue.windowTitle(), "Sélection du type de débit");
}

} // namespace
} // namespace tavelune
