// Base of the tests that drive the main window: a fresh settings folder (also
// the working directory), the window started on it, its menu entries and
// buttons by name, and the entry dialogs filled as a user fills them.
#pragma once

#include "FixturePlateforme.h"
#include "PiloteSaisie.h"

#include "documents/FichierDebit.h"
#include "mainwindow/TFDebit.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace tavelune {

namespace fs = std::filesystem;

inline std::string Lire(const fs::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

class TestFenetre : public TestPlateforme {
protected:
    TestFenetre() {
        precedent = QDir::currentPath();
        QDir::setCurrent(temporaire.path());
    }
    ~TestFenetre() override { QDir::setCurrent(precedent); }

    fs::path Dossier() const { return fs::path(temporaire.path().toStdString()); }

    std::string EcrireJob(const std::string& nom, const Debit& d) {
        const fs::path chemin = Dossier() / nom;
        EXPECT_EQ(EnregistrerDebit(chemin, d), "");
        return chemin.string();
    }

    TFDebit& Demarrer(QStringList arguments = {}) {
        fenetre = std::make_unique<TFDebit>(plateforme, Dossier(), arguments);
        fenetre->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        return *fenetre;
    }

    // The window started on the job, written first in the folder under this name.
    TFDebit& DemarrerSur(const std::string& nom, const Debit& d) {
        return Demarrer({QString::fromStdString(EcrireJob(nom, d))});
    }

    QAction& Action(const char* nom) {
        auto* a = fenetre->findChild<QAction*>(QString::fromLatin1(nom));
        EXPECT_NE(a, nullptr) << nom;
        return *a;
    }
    QToolButton& Bouton(const char* nom) {
        auto* b = fenetre->findChild<QToolButton*>(QString::fromLatin1(nom));
        EXPECT_NE(b, nullptr) << nom;
        return *b;
    }
    // One of the dialogs the window made at start-up.
    // (The dialogs declare no meta-object of their own: findChild cannot tell them apart.)
    template <class D> D& Dialogue() {
        D* trouve = nullptr;
        for (QDialog* d : fenetre->findChildren<QDialog*>())
            if (auto* candidat = dynamic_cast<D*>(d))
                trouve = candidat;
        EXPECT_NE(trouve, nullptr);
        return *trouve;
    }
    QString Compteur() {
        return fenetre->findChild<QLineEdit*>(QStringLiteral("EdtQuantieme"))->text();
    }
    std::string Titre() const { return fenetre->windowTitle().toStdString(); }

    // Enabled state of BtnPremier, BtnPrecedant, BtnSuivant, BtnDernier.
    std::vector<bool> Navigation() {
        std::vector<bool> etats;
        for (const char* nom : {"BtnPremier", "BtnPrecedant", "BtnSuivant", "BtnDernier"})
            etats.push_back(Bouton(nom).isEnabled());
        return etats;
    }

    bool CommandesDebitActives() {
        bool toutes = true;
        bool aucune = true;
        for (const char* nom :
             {"Enregistrer", "Enre", "Imprimer", "Recap", "Exporter", "Modifier", "Supprimer"}) {
            toutes = toutes && Action(nom).isEnabled();
            aucune = aucune && !Action(nom).isEnabled();
        }
        for (const char* nom :
             {"BtnEnre", "SBtnPanneaux", "SBtnPieces", "SBtnFiche", "BtnImpression"}) {
            toutes = toutes && Bouton(nom).isEnabled();
            aucune = aucune && !Bouton(nom).isEnabled();
        }
        EXPECT_TRUE(toutes || aucune) << "commandes du débit à moitié actives";
        return toutes;
    }

    std::vector<std::string> TextesMessages() const {
        std::vector<std::string> textes;
        for (const Message& m : faux.Messages.Affichees())
            textes.push_back(m.Texte);
        return textes;
    }

    QTemporaryDir temporaire;
    QString precedent;
    std::unique_ptr<TFDebit> fenetre;
};

} // namespace tavelune
