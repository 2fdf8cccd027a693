// The cut job file (.deb): only what the user entered and the job settings, in
// fixed little-endian records. The plan is never stored; it is recomputed after
// reading.
#pragma once

#include "model/Modele.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavelune {

// The bytes of the file for the job's settings and entered lists. Exactly one
// designation and one reference field is written per piece (empty text where
// the list is shorter); a text longer than its field is cut, and a character
// with no Windows-1252 byte becomes '?'.
std::string EcrireDebit(const Debit& debit);

struct ResultatDebit {
    std::optional<Debit> debit; // the entered data and settings; the plan is empty
    std::string raison;         // a short reason when the bytes are not a usable job
};

// Reads a job from the bytes of a file. Every count is checked against the size
// of the bytes and against the job limits before anything is allocated.
ResultatDebit LireDebit(std::string_view octets);

// Reads the file and, on success only, replaces the whole job by what was read
// (its plan is then empty, to be recomputed). Returns an empty text on success,
// else the short reason; the job is left untouched on failure.
std::string OuvrirDebit(const std::filesystem::path& chemin, Debit& debit);

// Why the job could not be kept in a file that reads back (more records than the
// largest file holds, more sheets or copies than the job limits); empty when it can.
std::string DepasseLesLimites(const Debit& debit);

// Writes the job to the file (temporary file, then rename). Returns an empty
// text on success, else the reason.
std::string EnregistrerDebit(const std::filesystem::path& chemin, const Debit& debit);

} // namespace tavelune
