// The scripted platform of the GUI tests: every box, file dialog, print dialog
// and modal dialog is answered from a script given beforehand, and everything
// shown is recorded. An interaction no script foresaw is reported to 'Imprevus'
// and answered in the most harmless way (No, Cancel, dialog rejected).
#pragma once

#include "platform/Plateforme.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavelune {

class Imprevus {
public:
    // Receives the description of each unforeseen interaction; without it the
    // description is written to the error output and the process aborts.
    std::function<void(const std::string&)> Rapporteur;
    void Signaler(const std::string& quoi) const;
};

class BoitesMessageScriptees final : public BoitesMessage {
public:
    explicit BoitesMessageScriptees(const Imprevus& imprevus) : imprevus(imprevus) {}

    // Answers, in order, for the next boxes; every box, OK-only ones included,
    // needs one.
    void Repondre(ReponseMessage reponse) { reponses.push_back(reponse); }
    ReponseMessage Afficher(const Message& message) override;

    const std::vector<Message>& Affichees() const { return affichees; }
    std::size_t ReponsesEnAttente() const { return reponses.size(); }

private:
    const Imprevus& imprevus;
    std::deque<ReponseMessage> reponses;
    std::vector<Message> affichees;
};

struct FichierDemande {
    ModeFichier Mode;
    DemandeFichier Demande;
};

class DialoguesFichiersScriptes final : public DialoguesFichiers {
public:
    explicit DialoguesFichiersScriptes(const Imprevus& imprevus) : imprevus(imprevus) {}

    // The name the user types next (the default extension is then added as on
    // the desktop), or no value for Cancel.
    void Repondre(std::optional<std::string> chemin) { reponses.push_back(std::move(chemin)); }

    const std::vector<FichierDemande>& Demandes() const { return demandes; }
    std::size_t ReponsesEnAttente() const { return reponses.size(); }

protected:
    std::optional<std::string> Choisir(ModeFichier mode, const DemandeFichier& demande) override;

private:
    const Imprevus& imprevus;
    std::deque<std::optional<std::string>> reponses;
    std::vector<FichierDemande> demandes;
};

class DialogueImpressionScripte final : public DialogueImpression {
public:
    explicit DialogueImpressionScripte(const Imprevus& imprevus) : imprevus(imprevus) {}

    // Confirmed or cancelled; 'reglage' stands for what the user sets in the dialog.
    void Repondre(bool confirme, std::function<void(QPrinter&)> reglage = {});
    bool Afficher(QPrinter& imprimante) override;

    int Affichages() const { return affichages; }
    std::size_t ReponsesEnAttente() const { return reponses.size(); }

private:
    struct Reponse {
        bool Confirme;
        std::function<void(QPrinter&)> Reglage;
    };
    const Imprevus& imprevus;
    std::deque<Reponse> reponses;
    int affichages = 0;
};

// Shows the dialog as exec() would, waits until it is the active window (focus
// events only reach an active window), runs the next script, which fills the
// dialog and presses its buttons, and returns the dialog's result. A dialog the
// script left open is reported and rejected.
class ExecuteurModalScripte final : public ExecuteurModal {
public:
    explicit ExecuteurModalScripte(const Imprevus& imprevus) : imprevus(imprevus) {}

    void Scripter(std::function<void(QDialog&)> script) { scripts.push_back(std::move(script)); }
    int Executer(QDialog& dialogue) override;

    // The window titles of the dialogs shown, in order.
    const std::vector<std::string>& Executes() const { return executes; }
    std::size_t ScriptsEnAttente() const { return scripts.size(); }

private:
    const Imprevus& imprevus;
    std::deque<std::function<void(QDialog&)>> scripts;
    std::vector<std::string> executes;
};

struct AppelAide {
    enum class Genre { Sommaire, Rubrique, Fermeture };
    Genre Action;
    int Rubrique = 0;

    friend bool operator==(const AppelAide&, const AppelAide&) = default;
};

class AideScriptee final : public Aide {
public:
    void AfficherSommaire() override { appels.push_back({AppelAide::Genre::Sommaire}); }
    void AfficherRubrique(int rubrique) override {
        appels.push_back({AppelAide::Genre::Rubrique, rubrique});
    }
    void Fermer() override { appels.push_back({AppelAide::Genre::Fermeture}); }

    const std::vector<AppelAide>& Appels() const { return appels; }

private:
    std::vector<AppelAide> appels;
};

class NavigateurScripte final : public Navigateur {
public:
    bool Ouvrir(const std::string& adresse) override {
        adresses.push_back(adresse);
        return Reussite;
    }

    bool Reussite = true;
    const std::vector<std::string>& Adresses() const { return adresses; }

private:
    std::vector<std::string> adresses;
};

// Runs the work at once on the calling thread, with the stop asked beforehand when
// the test says so, and records the texts shown.
class TravailLongScripte final : public TravailLong {
public:
    void Executer(const std::string& texte, const Travail& travail) override {
        textes.push_back(texte);
        const std::atomic<bool> arret = Arreter;
        travail(arret);
    }

    bool Arreter = false;
    const std::vector<std::string>& Textes() const { return textes; }

private:
    std::vector<std::string> textes;
};

class PlateformeScriptee {
public:
    explicit PlateformeScriptee(char separateur = ',');
    PlateformeScriptee(const PlateformeScriptee&) = delete;
    PlateformeScriptee& operator=(const PlateformeScriptee&) = delete;

    Plateforme& Services() { return services; }

    // One line per scripted answer that nothing used; empty when all were used.
    std::vector<std::string> ScriptsInutilises() const;

    Imprevus Imprevu;
    BoitesMessageScriptees Messages{Imprevu};
    DialoguesFichiersScriptes Fichiers{Imprevu};
    DialogueImpressionScripte Impression{Imprevu};
    ExecuteurModalScripte Modal{Imprevu};
    AideScriptee AideEnLigne;
    NavigateurScripte Web;
    TravailLongScripte Long;

private:
    Plateforme services;
};

} // namespace tavelune
