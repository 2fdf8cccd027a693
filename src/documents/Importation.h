// Import of a piece list (text or CSV, seven fields separated by ";", one
// piece per line) and the job settings that an imported list starts with.
#pragma once

#include "model/Modele.h"
#include "model/Reglages.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavelune {

// Larger piece lists are refused before they are read.
inline constexpr std::uintmax_t TailleMaxListePieces = 64 * 1024 * 1024;

struct ListeImportee {
    std::vector<TPiece> Pieces;
    std::vector<std::string> Designations;
    std::vector<std::string> References;
};

enum class IssueImport {
    Importee,
    FichierVide, // nothing to import: the import is cancelled
    Erreur,      // the list is refused; 'raison' says why
};

struct ResultatImport {
    IssueImport issue = IssueImport::Erreur;
    ListeImportee liste; // only when Importee
    std::string raison;
};

// Reads a piece list. 'entetes': the first line holds the column headers.
// 'facteur': millimetres per unit of the file's lengths. The Type field is
// looked up in 'essences'. A file with a UTF-8 byte-order mark, or valid UTF-8
// holding non-ASCII bytes, is read as UTF-8; any other as Windows-1252.
ResultatImport LireListePieces(std::string_view octets, bool entetes, float facteur,
                               const std::vector<std::string>& essences);

// Replaces the job by the imported one: its entered pieces, margins 10 and 10 mm,
// saw kerf 3 mm, the proposed sheets and the job type they give. A list too long
// for a job that can be saved and reopened leaves the job as it was and gives the
// reason; else an empty text.
std::string PreparerDebitImporte(Debit& debit, ListeImportee liste,
                                 const OptionsProgramme& options);

// One sheet per glass type and thickness, grown until every piece fits; the
// first one starts from the default sheet size. Sets TypeDebit: simple for at
// most one sheet, complex otherwise.
void ProposerPanneaux(Debit& debit, float longueurDefaut, float largeurDefaut);

} // namespace tavelune
