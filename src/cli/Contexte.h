// What the commands share: the settings of the current directory as the desktop
// program reads them, the optimisation flags over them, the string table, the
// decimal separator, and the reading of a job with its one-line complaint.
#pragma once

#include "cli/Commandes.h"
#include "model/Modele.h"
#include "model/Reglages.h"
#include "strings/TableTextes.h"
#include "view/Reglages.h"

#include <optional>
#include <ostream>
#include <string>

namespace tavelune {

struct ContexteCli {
    Reglages reglages;
    Textes textes;
    char separateur;

    ReglagesDessin Dessin() const { return ReglagesPourDessin(reglages, textes, separateur); }
};

// --mode standard|qualite and --budget SECONDS: each set one replaces that value
// of the settings file.
struct DrapeauxOptimisation {
    std::optional<ModeOptimisation> mode;
    std::optional<double> budget;
};

// Takes the optimisation flags and their values out of 'arguments', the others
// kept in order. A flag without its value, or with a value that is not valid,
// writes one line to 'erreurs' and gives nothing.
std::optional<DrapeauxOptimisation> ExtraireOptimisation(Arguments& arguments,
                                                         std::ostream& erreurs);

ContexteCli LireContexte(const DrapeauxOptimisation& drapeaux = {});

// The plan of the job, optimised as the context chooses, and its summary, as
// every job construction ends.
void CalculerPlan(Debit& debit, const ContexteCli& contexte);

// The summary lines as the sheet characteristics window words them.
void EcrireRecapitulatif(std::ostream& sortie, const Debit& debit, const ContexteCli& contexte);

// Reads the job file into 'debit'; on failure writes one line naming the file
// and the reason to 'erreurs' and returns false, leaving 'debit' untouched.
bool LireDebitCli(const std::string& chemin, Debit& debit, std::ostream& erreurs);

// One line on 'erreurs': the command's complaint about a file.
void Plainte(std::ostream& erreurs, const std::string& fichier, std::string_view message,
             const std::string& raison);

} // namespace tavelune
