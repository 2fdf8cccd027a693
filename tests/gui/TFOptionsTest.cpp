// The options dialog: lengths in the job's unit with their bounds, the
// designations and the labels built from them, the change marks, the
// optimisation choice, and the defaults that delete Options.dat at once.
#include "FixturePlateforme.h"
#include "PiloteSaisie.h"

#include "dialogs/TFOptions.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace tavelune {
namespace {

using namespace pilote;

using R = ReponseMessage;
using enum ModeOptimisation;

const Message LongueurRefusee = Refus("Valeur non valide pour une longueur !" + Rappel);
const Message LargeurRefusee = Refus("Valeur non valide pour une largeur !" + Rappel);
const Message DesignationRefusee = Refus("Longueur de texte non valide pour une désignation");

class TFOptionsTest : public TestPlateforme {
protected:
    TFOptionsTest() {
        dialogue.Options = reglages.Options;
        dialogue.UniteJob = reglages.UniteJob;
    }

    // Shows the dialog, runs the script, then presses OK.
    void Executer(std::function<void(TFOptions&)> script) {
        Scripter<TFOptions>([script = std::move(script)](TFOptions& d) {
            script(d);
            Cliquer(*d.BtnOK);
        });
        EXPECT_EQ(plateforme.Modal.Executer(dialogue), QDialog::Accepted);
    }

    Reglages reglages = ReglagesDeDepart();
    TFOptions dialogue{plateforme, reglages};
};

TEST_F(TFOptionsTest, LongueursEnUniteDuDebitEtLeursBornes) {
    const UNITE_MESURE mm{1.0f, "mm"}, cm{10.0f, "cm"};
    using Champ = QLineEdit* TFOptions::*;
    const struct {
        UNITE_MESURE unite;
        Champ champ;
        const char* tape;
        const Message* refus;
        float maxLongueur, maxLargeur, defLongueur, defLargeur;
        const char* defautAffiche; // EdtLongueurDefaut, or EdtLargeurDefaut for a width
    } cas[] = {
        {cm, &TFOptions::EdtMaxLongueur, "250", nullptr, 2500, 6000, 2500, 1250, "250"},
        {cm, &TFOptions::EdtMaxLongueur, "200", nullptr, 2000, 6000, 2000, 1250, "200"},
        {cm, &TFOptions::EdtMaxLargeur, "100", nullptr, 6000, 1000, 2500, 1000, "100"},
        {mm, &TFOptions::EdtMaxLongueur, "1", &LongueurRefusee, 6000, 6000, 2500, 1250, "2500"},
        {mm, &TFOptions::EdtMaxLongueur, "1,5", nullptr, 1.5f, 6000, 1.5f, 1250, "1,5"},
        {mm, &TFOptions::EdtMaxLongueur, "1000000", nullptr, 1e6f, 6000, 2500, 1250, "2500"},
        {mm, &TFOptions::EdtMaxLongueur, "1000001", &LongueurRefusee, 6000, 6000, 2500, 1250,
         "2500"},
        {mm, &TFOptions::EdtMaxLargeur, "2.5", &LargeurRefusee, 6000, 6000, 2500, 1250, "1250"},
        {mm, &TFOptions::EdtLongueurDefaut, "6000", nullptr, 6000, 6000, 6000, 1250, "6000"},
        {mm, &TFOptions::EdtLongueurDefaut, "6001", &LongueurRefusee, 6000, 6000, 2500, 1250,
         "2500"},
        {mm, &TFOptions::EdtLargeurDefaut, "", &LargeurRefusee, 6000, 6000, 2500, 1250, "1250"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.unite.Nom << " " << c.tape);
        dialogue.Options = reglages.Options;
        dialogue.UniteJob = c.unite;
        if (c.refus != nullptr)
            faux.Messages.Repondre(R::Ok);
        const std::size_t avant = faux.Messages.Affichees().size();
        QString tapeApres, defautApres;
        Executer([&](TFOptions& d) {
            QLineEdit& champ = *(d.*c.champ);
            Saisir(champ, c.tape);
            tapeApres = champ.text();
            const bool largeur =
                c.champ == &TFOptions::EdtMaxLargeur || c.champ == &TFOptions::EdtLargeurDefaut;
            defautApres = (largeur ? d.EdtLargeurDefaut : d.EdtLongueurDefaut)->text();
        });

        const OptionsProgramme& o = dialogue.Options;
        EXPECT_EQ(o.LongueurMaxi, c.maxLongueur);
        EXPECT_EQ(o.LargeurMaxi, c.maxLargeur);
        EXPECT_EQ(o.LongueurDefaut, c.defLongueur);
        EXPECT_EQ(o.LargeurDefaut, c.defLargeur);
        EXPECT_EQ(defautApres, c.defautAffiche);
        EXPECT_EQ(dialogue.Modifie, c.refus == nullptr);
        if (c.refus != nullptr) {
            ASSERT_EQ(faux.Messages.Affichees().size(), avant + 1);
            EXPECT_EQ(faux.Messages.Affichees().back(), *c.refus);
        } else {
            EXPECT_EQ(tapeApres, c.tape);
            EXPECT_EQ(faux.Messages.Affichees().size(), avant);
        }
    }
}

TEST_F(TFOptionsTest, UnRefusNEffacePasUnChangementAccepteAvant) {
    faux.Messages.Repondre(R::Ok);
    Executer([](TFOptions& d) {
        Saisir(*d.EdtMaxLongueur, "3000");
        Saisir(*d.EdtMaxLongueur, "0");
        EXPECT_EQ(d.EdtMaxLongueur->text(), "3000");
    });
    EXPECT_TRUE(dialogue.Modifie);
    EXPECT_TRUE(dialogue.Marques.MaxLongueur);
    EXPECT_EQ(dialogue.Options.LongueurMaxi, 3000);
}

TEST_F(TFOptionsTest, LeSingulierDonneLePlurielEtLesLibelles) {
    faux.Messages.Repondre(R::Ok);
    QString longueurDefaut, largeurDefaut, sensFil, pluriel, refusee;
    Executer([&](TFOptions& d) {
        Saisir(*d.EdtDesignationPanneau, "Plaque");
        pluriel = d.EdtDesignationPanneaux->text();
        longueurDefaut = d.LblLongueurDefaut->text();
        largeurDefaut = d.LblLargeurDefaut->text();
        Saisir(*d.EdtDesignationPiece, "Pièce");
        sensFil = d.LblSensFil->text();
        Saisir(*d.EdtDesignationPieces, "Vingt et un caractère");
        refusee = d.EdtDesignationPieces->text();
    });

    EXPECT_EQ(pluriel, "Plaques");
    EXPECT_EQ(longueurDefaut, "Longueur par défaut d'une plaque en mm");
    EXPECT_EQ(largeurDefaut, "Largeur par défaut d'une plaque en mm");
    EXPECT_EQ(sensFil, "Sens des motifs (si les plaques comportent des motifs\nTavelune peux en "
                       "tenir compte pour l'insertion des pièces)");
    EXPECT_EQ(refusee, "Pièces");
    EXPECT_EQ(faux.Messages.Affichees(), std::vector<Message>{DesignationRefusee});
    const OptionsProgramme& o = dialogue.Options;
    EXPECT_EQ(o.DesignationPanneau, "Plaque");
    EXPECT_EQ(o.DesignationPanneaux, "Plaques");
    EXPECT_EQ(o.DesignationPiece, "Pièce");
    EXPECT_EQ(o.DesignationPieces, "Pièces");
    EXPECT_TRUE(dialogue.Modifie);
}

TEST_F(TFOptionsTest, MarquesSelonCeQuiAEteTouche) {
    const struct {
        const char* quoi;
        std::function<void(TFOptions&)> action;
        MarquesOptions marques;
    } cas[] = {
        {"rien", [](TFOptions&) {}, {}},
        {"tabulation sur le pluriel des vitrages",
         [](TFOptions& d) {
             d.EdtDesignationPieces->setFocus();
             QTest::keyClick(d.EdtDesignationPieces, Qt::Key_Tab);
         },
         {.DesignationsPieces = true}},
        {"tabulation sur le pluriel des plaques",
         [](TFOptions& d) {
             d.EdtDesignationPanneaux->setFocus();
             QTest::keyClick(d.EdtDesignationPanneaux, Qt::Key_Tab);
         },
         {}},
        {"marge", [](TFOptions& d) { Cliquer(*d.ChkBoxMarge); }, {.Marge = true}},
        {"sens", [](TFOptions& d) { Cliquer(*d.ChkBoxSensFil); }, {.SensFil = true}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        dialogue.Options = reglages.Options;
        Executer(c.action);
        EXPECT_EQ(dialogue.Marques, c.marques);
        EXPECT_EQ(dialogue.Modifie, c.marques.Une());
        EXPECT_FALSE(dialogue.ParametresParDefaut);
    }
    EXPECT_EQ(dialogue.Options.DemanderMarge, 0);
    EXPECT_EQ(dialogue.Options.SensFil, 0);
}

TEST_F(TFOptionsTest, ParametresParDefautSupprimentOptionsDatAussitot) {
    QTemporaryDir dossier;
    const QString ancien = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dossier.path()));
    QFile fichier("Options.dat");
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.close();
    QFile optimisation("Optimisation.dat");
    ASSERT_TRUE(optimisation.open(QIODevice::WriteOnly));
    optimisation.close();

    dialogue.UniteJob = {10.0f, "cm"};
    dialogue.Options.LongueurMaxi = 3000;
    dialogue.Options.DesignationPanneau = "Panneau";
    dialogue.Options.DesignationPanneaux = "Panneaux";
    dialogue.Options.SensFil = 0;
    dialogue.Options.DemanderMarge = 1;
    dialogue.Options.ModeAffichage = CotesNettesSeules;
    dialogue.Optimisation = {Qualite, 2.5};
    bool supprimeAussitot = false;
    QString maxAffiche, sensFil;
    Executer([&](TFOptions& d) {
        Cliquer(*d.BtnParamDefaut);
        supprimeAussitot = !QFile::exists("Options.dat");
        maxAffiche = d.EdtMaxLongueur->text();
        sensFil = d.LblSensFil->text();
        EXPECT_TRUE(d.ChkBoxSensFil->isChecked());
        EXPECT_FALSE(d.ChkBoxMarge->isChecked());
        EXPECT_EQ(d.EdtDesignationPanneau->text(), "Plaque de verre");
        EXPECT_TRUE(d.RbtnQualite->isChecked());
        EXPECT_TRUE(QFile::exists("Optimisation.dat"));
    });
    ASSERT_TRUE(QDir::setCurrent(ancien));

    EXPECT_TRUE(supprimeAussitot);
    EXPECT_EQ(maxAffiche, "600");
    EXPECT_TRUE(sensFil.startsWith("Sens des motifs (si les plaques de verre comportent"));
    OptionsProgramme attendues = reglages.Options;
    attendues.ModeAffichage = CotesNettesSeules;
    EXPECT_EQ(dialogue.Options, attendues);
    EXPECT_EQ(dialogue.Marques, (MarquesOptions{true, true, true, true, true, true, true, true}));
    EXPECT_TRUE(dialogue.ParametresParDefaut);
    EXPECT_TRUE(dialogue.Modifie);
    // The optimisation choice is not one of the options the defaults restore.
    EXPECT_EQ(dialogue.Optimisation, (ChoixOptimisation{Qualite, 2.5}));
    EXPECT_FALSE(dialogue.OptimisationModifiee);
}

TEST_F(TFOptionsTest, LeChoixDOptimisationMontreEtRenduSeulementChangeSIlDiffere) {
    const auto budget = [](TFOptions& d, const char* secondes) {
        d.EdtBudget->selectAll();
        QTest::keyClicks(d.EdtBudget, secondes);
        QTest::keyClick(d.EdtBudget, Qt::Key_Tab);
    };
    const struct {
        const char* quoi;
        ChoixOptimisation depart;
        std::function<void(TFOptions&)> action;
        ChoixOptimisation rendu;
        bool budgetActif; // after the action
    } cas[] = {
        {"standard montré", {Standard, 30}, [](TFOptions&) {}, {Standard, 30}, false},
        {"qualité montrée", {Qualite, 2.5}, [](TFOptions&) {}, {Qualite, 2.5}, true},
        // Shown to one decimal, kept as it was unless the user changes it.
        {"budget plus fin que la case", {Qualite, 2.56}, [](TFOptions&) {}, {Qualite, 2.56}, true},
        {"qualité choisie", {}, [](TFOptions& d) { Cliquer(*d.RbtnQualite); }, {Qualite, 1}, true},
        {"qualité puis standard",
         {},
         [](TFOptions& d) {
             Cliquer(*d.RbtnQualite);
             Cliquer(*d.RbtnStandard);
         },
         {},
         false},
        {"durée tapée",
         {Qualite, 2.5},
         [&](TFOptions& d) { budget(d, "12,5"); },
         {Qualite, 12.5},
         true},
        {"durée maximale",
         {Qualite, 2.5},
         [&](TFOptions& d) { budget(d, "3600"); },
         {Qualite, 3600},
         true},
        {"standard choisi, durée gardée",
         {Qualite, 2.5},
         [](TFOptions& d) { Cliquer(*d.RbtnStandard); },
         {Standard, 2.5},
         false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        dialogue.Optimisation = c.depart;
        bool qualiteCochee = false, standardCoche = false, actif = false;
        double montre = 0;
        Executer([&](TFOptions& d) {
            qualiteCochee = d.RbtnQualite->isChecked();
            standardCoche = d.RbtnStandard->isChecked();
            montre = d.EdtBudget->value();
            c.action(d);
            actif = d.EdtBudget->isEnabled() && d.LblBudget->isEnabled();
        });
        EXPECT_EQ(qualiteCochee, c.depart.Mode == Qualite);
        EXPECT_NE(standardCoche, qualiteCochee);
        EXPECT_DOUBLE_EQ(montre, std::round(c.depart.Budget * 10) / 10);
        EXPECT_EQ(actif, c.budgetActif);
        EXPECT_EQ(dialogue.Optimisation, c.rendu);
        EXPECT_EQ(dialogue.OptimisationModifiee, c.rendu != c.depart);
        // The options are not touched: nothing to write in Options.dat.
        EXPECT_FALSE(dialogue.Modifie);
        EXPECT_EQ(dialogue.Marques, MarquesOptions{});
    }
}

// Each control lies inside its window or group box, apart from its neighbours.
TEST_F(TFOptionsTest, LesControlesNeSeChevauchentPas) {
    const auto verifier = [](const QWidget& parent, const QRect& interieur) {
        std::vector<const QWidget*> enfants;
        for (const QObject* objet : parent.children())
            if (const auto* w = qobject_cast<const QWidget*>(objet); w && !w->isWindow())
                enfants.push_back(w);
        for (std::size_t i = 0; i < enfants.size(); ++i) {
            const QString nom = enfants[i]->objectName();
            EXPECT_TRUE(interieur.contains(enfants[i]->geometry())) << nom.toStdString();
            for (std::size_t j = i + 1; j < enfants.size(); ++j)
                EXPECT_FALSE(enfants[i]->geometry().intersects(enfants[j]->geometry()))
                    << nom.toStdString() << " / " << enfants[j]->objectName().toStdString();
        }
    };
    verifier(dialogue, dialogue.rect());
    for (const QGroupBox* groupe : dialogue.findChildren<QGroupBox*>())
        verifier(*groupe, groupe->rect());
}

} // namespace
} // namespace tavelune
