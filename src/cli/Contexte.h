// What the commands share: the settings of the current directory as the desktop
// program reads them, the string table, the decimal separator, and the reading
// of a job with its one-line complaint.
#pragma once

#include "model/Modele.h"
#include "model/Reglages.h"
#include "strings/TableTextes.h"

#include <ostream>
#include <string>

namespace tavelune {

struct ContexteCli {
    Reglages reglages;
    Textes textes;
    char separateur;
};

ContexteCli LireContexte();

// Reads the job file into 'debit'; on failure writes one line naming the file
// and the reason to 'erreurs' and returns false, leaving 'debit' untouched.
bool LireDebitCli(const std::string& chemin, Debit& debit, std::ostream& erreurs);

// One line on 'erreurs': the command's complaint about a file.
void Plainte(std::ostream& erreurs, const std::string& fichier, std::string_view message,
             const std::string& raison);

} // namespace tavelune
