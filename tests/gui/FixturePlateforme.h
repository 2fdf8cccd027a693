// Base of GUI tests that drive windows through the scripted platform: an
// unforeseen box or dialog fails the test, and so does a scripted answer that
// nothing used. Also the settings of a first start and the box that refuses a
// typed value.
#pragma once

#include "documents/FichiersReglages.h"
#include "platform/PlateformeScriptee.h"
#include "strings/TableTextes.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <functional>
#include <string>

namespace tavelune {

// The settings of a first start: millimetres and the default options.
inline Reglages ReglagesDeDepart() {
    Reglages r;
    r.Options = OptionsParDefaut(Textes());
    return r;
}

// What follows a refused number: the reminder of the decimal separator.
inline const std::string Rappel =
    "\nVous avez peut-être saisie un nombre ne comportant pas le séparateur décimal \",\".";

// The "Valeur non valide" box with this text.
inline Message Refus(const std::string& texte) {
    return {"Valeur non valide", texte, IconeMessage::Exclamation, BoutonsMessage::Ok};
}

inline void PrintTo(const Message& message, std::ostream* flux) {
    *flux << Decrire(message);
}

class TestPlateforme : public ::testing::Test {
protected:
    TestPlateforme() {
        faux.Imprevu.Rapporteur = [](const std::string& quoi) { ADD_FAILURE() << quoi; };
    }

    void TearDown() override {
        for (const std::string& ligne : faux.ScriptsInutilises())
            ADD_FAILURE() << ligne;
    }

    // The next modal dialog must be a D; the script drives it.
    template <class D> void Scripter(std::function<void(D&)> script) {
        faux.Modal.Scripter([script = std::move(script)](QDialog& dialogue) {
            auto* attendu = dynamic_cast<D*>(&dialogue);
            ASSERT_NE(attendu, nullptr)
                << "dialogue inattendu : " << dialogue.windowTitle().toStdString();
            script(*attendu);
        });
    }

    PlateformeScriptee faux;
    Plateforme& plateforme = faux.Services();
};

} // namespace tavelune
