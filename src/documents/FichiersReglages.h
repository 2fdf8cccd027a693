// The settings and list files kept in one folder (the working directory):
// Unite.dat, Langue.dat, Options.dat, FVitrages.dat or AVitrages.dat,
// FDimPanneaux.dat, FDimPieces.dat and Optimisation.dat.
#pragma once

#include "model/Reglages.h"
#include "strings/TableTextes.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelune {

// The glass-type file for a language base: FVitrages.dat for 0, AVitrages.dat otherwise.
std::string NomFichierEssences(int32_t baseLangue);

// The options when Options.dat is missing, their designations taken from the
// string table under 74, 13, 75 and 14.
OptionsProgramme OptionsParDefaut(const Textes& textes);

// The words of the optimisation modes, in Optimisation.dat and on the command
// line: "standard" and "qualite".
std::string_view NomMode(ModeOptimisation mode);
std::optional<ModeOptimisation> ModeNomme(std::string_view nom);

// A search budget in seconds, written with '.' whatever the locale: the whole
// text must be the number, within [BudgetMini, BudgetMaxi].
std::optional<double> BudgetLu(std::string_view texte);

// Reads every settings file of the folder, in order: unit, language, options,
// glass types, sheet dimensions, piece dimensions, optimisation choice. A
// missing or unreadable file gives its defaults; a missing unit or language
// file marks it to be written at close. The default designations come from the
// string table with the language base just read. Damaged files give what they
// hold: never an error.
//
// Optimisation.dat is text, one "key=value" a line: "mode=standard" or
// "mode=qualite", and "budget=SECONDS" ('.' as decimal separator). An unknown
// key, or a value that is not valid, leaves that value at its default.
Reglages LireReglages(const std::filesystem::path& dossier);

struct EchecEcriture {
    std::string fichier;
    std::string raison;

    friend bool operator==(const EchecEcriture&, const EchecEcriture&) = default;
};

// Writes the marked files at close, in order: glass types (only when the list
// is not empty), sheet dimensions, piece dimensions, unit, language, options,
// optimisation choice.
// Each file is replaced whole; the writes that failed are returned.
std::vector<EchecEcriture> EcrireReglages(const std::filesystem::path& dossier,
                                          const Reglages& reglages);

// Removes Options.dat so that the next run starts from the defaults. A missing
// file is not an error; returns the reason of a failure, else an empty text.
std::string SupprimerOptions(const std::filesystem::path& dossier);

} // namespace tavelune
