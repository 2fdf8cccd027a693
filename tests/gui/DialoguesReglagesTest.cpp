// The unit, display and About dialogs, driven as the user does.
#include "FixturePlateforme.h"

#include "dialogs/TFAffichage.h"
#include "dialogs/TFApropos.h"
#include "dialogs/TSelUnite.h"

#include <QTest>
#include <bit>

namespace tavelune {
namespace {

class DialoguesReglagesTest : public TestPlateforme {
protected:
    Textes textes;
};

class TSelUniteTest : public DialoguesReglagesTest {
protected:
    TSelUnite dialogue{textes, plateforme.AideEnLigne};

    // Shows the dialog holding 'depart', clicks 'bouton', presses OK.
    void Choisir(const UNITE_MESURE& depart, QRadioButton TSelUnite::*bouton) {
        dialogue.Unite = depart;
        Scripter<TSelUnite>([bouton](TSelUnite& d) {
            QTest::mouseClick(&(d.*bouton), Qt::LeftButton);
            QTest::mouseClick(&d.BtnOk, Qt::LeftButton);
        });
        plateforme.Modal.Executer(dialogue);
    }
};

TEST_F(TSelUniteTest, PouceDonnePoucesEt254EtResteCocheALaReouverture) {
    Choisir(UNITE_MESURE{}, &TSelUnite::RbtnPouce);
    EXPECT_EQ(dialogue.Unite.Nom, "pouces");
    EXPECT_EQ(std::bit_cast<uint32_t>(dialogue.Unite.Facteur), 0x41CB3333u);
    EXPECT_TRUE(dialogue.Change);

    Scripter<TSelUnite>([](TSelUnite& d) {
        EXPECT_TRUE(d.RbtnPouce.isChecked());
        EXPECT_FALSE(d.RbtnMillimetre.isChecked());
        QTest::mouseClick(&d.BtnOk, Qt::LeftButton);
    });
    plateforme.Modal.Executer(dialogue);
    EXPECT_FALSE(dialogue.Change) << "an unchanged dialog clears the mark";
    EXPECT_EQ(dialogue.Unite.Nom, "pouces");
}

TEST_F(TSelUniteTest, ChaqueBoutonDonneSaLigneEtNeChangeQuUneAutreUnite) {
    const struct {
        QRadioButton TSelUnite::*Bouton;
        UNITE_MESURE Unite;
    } table[] = {
        {&TSelUnite::RbtnMillimetre, {1.0f, "mm"}},
        {&TSelUnite::RbtnCentimetre, {10.0f, "cm"}},
        {&TSelUnite::RbtnPouce, {FacteurPouce(), "pouces"}},
        {&TSelUnite::RbtnMetre, {1000.0f, "m"}},
    };
    for (const auto& depart : table) {
        for (const auto& choix : table) {
            Choisir(depart.Unite, choix.Bouton);
            EXPECT_EQ(dialogue.Unite, choix.Unite) << depart.Unite.Nom << " -> " << choix.Unite.Nom;
            EXPECT_EQ(dialogue.Change, depart.Unite.Nom != choix.Unite.Nom)
                << depart.Unite.Nom << " -> " << choix.Unite.Nom;
        }
    }
}

TEST_F(TSelUniteTest, UneUniteInconnueNeCocheRienEtResteTelleQuelle) {
    dialogue.Unite = {304.8f, "pieds"};
    Scripter<TSelUnite>([](TSelUnite& d) {
        for (QRadioButton* bouton :
             {&d.RbtnMillimetre, &d.RbtnCentimetre, &d.RbtnPouce, &d.RbtnMetre})
            EXPECT_FALSE(bouton->isChecked()) << bouton->text().toStdString();
        QTest::keyClick(&d, Qt::Key_F1);
        QTest::mouseClick(&d.BtnOk, Qt::LeftButton);
    });
    plateforme.Modal.Executer(dialogue);
    EXPECT_EQ(dialogue.Unite, (UNITE_MESURE{304.8f, "pieds"}));
    EXPECT_FALSE(dialogue.Change);
    EXPECT_EQ(faux.AideEnLigne.Appels(),
              (std::vector<AppelAide>{{AppelAide::Genre::Rubrique, 100}}));
}

class TFAffichageTest : public DialoguesReglagesTest {
protected:
    TFAffichage dialogue{textes};
};

TEST_F(TFAffichageTest, LaSelectionInitialeSuitLesDeuxReglages) {
    const struct {
        int32_t Mode;
        QRadioButton TFAffichage::*Coche; // null: none
    } modes[] = {
        {20, &TFAffichage::RbtnFiniesSeul},
        {10, &TFAffichage::RbtnNettesSeul},
        {0, &TFAffichage::RbtnNettes},
        {1, &TFAffichage::RbtnFinies},
        {7, nullptr},
    };
    for (const auto& m : modes) {
        dialogue.Preparer(m.Mode, 0);
        for (QRadioButton TFAffichage::*bouton :
             {&TFAffichage::RbtnFiniesSeul, &TFAffichage::RbtnNettesSeul, &TFAffichage::RbtnNettes,
              &TFAffichage::RbtnFinies})
            EXPECT_EQ((dialogue.*bouton).isChecked(), bouton == m.Coche) << "mode " << m.Mode;
    }

    dialogue.Preparer(20, 0);
    EXPECT_TRUE(dialogue.RbtnRecapUnite.isChecked());
    dialogue.Preparer(20, 1);
    EXPECT_TRUE(dialogue.RbtnRecapMetres.isChecked());
    dialogue.Preparer(20, 5);
    EXPECT_TRUE(dialogue.RbtnRecapMetres.isChecked()) << "an unknown value keeps the selection";
    EXPECT_EQ(dialogue.UniteRecap, 5);
}

TEST_F(TFAffichageTest, ChaqueBoutonRangeSaValeurEtLaCaseDeFermetureGardeLesChoix) {
    const struct {
        QRadioButton TFAffichage::*Bouton;
        int32_t Mode;
    } table[] = {
        {&TFAffichage::RbtnNettesSeul, 10},
        {&TFAffichage::RbtnNettes, 0},
        {&TFAffichage::RbtnFinies, 1},
        {&TFAffichage::RbtnFiniesSeul, 20},
    };
    for (const auto& ligne : table) {
        dialogue.Preparer(ligne.Mode == 20 ? 10 : 20, 1);
        Scripter<TFAffichage>([&ligne](TFAffichage& d) {
            QTest::mouseClick(&d.LblNettes, Qt::LeftButton);
            EXPECT_FALSE(d.RbtnNettes.isChecked()) << "a label does not check its button";
            QTest::mouseClick(&(d.*ligne.Bouton), Qt::LeftButton);
            QTest::mouseClick(&d.RbtnRecapUnite, Qt::LeftButton);
            d.close();
        });
        plateforme.Modal.Executer(dialogue);
        EXPECT_EQ(dialogue.ModeAffichage, ligne.Mode);
        EXPECT_EQ(dialogue.UniteRecap, 0);
    }
}

TEST_F(DialoguesReglagesTest, AproposNommeLeProduitEtSaVersion) {
    TFApropos apropos(textes);
    EXPECT_EQ(apropos.windowTitle().toStdString(), "Apropos de Tavelune");
    EXPECT_EQ(apropos.LblProduit.text().toStdString(), "Tavelune");
    EXPECT_EQ(apropos.LblVersion.text().toStdString(), "Version 1.0");
    Scripter<TFApropos>([](TFApropos& d) { QTest::mouseClick(&d.BtnOk, Qt::LeftButton); });
    EXPECT_EQ(plateforme.Modal.Executer(apropos), QDialog::Accepted);
}

} // namespace
} // namespace tavelune
