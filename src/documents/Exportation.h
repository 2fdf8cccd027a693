// Export of a job's piece list: semicolon-separated text (txt, csv) or SYLK
// (slk). The result is the file's Windows-1252 bytes.
#pragma once

#include "model/Modele.h"
#include "model/Reglages.h"
#include "strings/TableTextes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelune {

enum class FormatExport { Texte, Sylk };

// From the text after the last "." of the path (the whole path without one),
// ignoring case: txt and csv give the text layout, slk SYLK, anything else nothing.
std::optional<FormatExport> FormatSelonExtension(std::string_view chemin);

// The column headers and the text of a glass type that is not specified.
struct EntetesExport {
    std::string Reference;
    std::string Designation;
    std::string Nombre;
    std::string Longueur;
    std::string Largeur;
    std::string Epaisseur;
    std::string Vitrage;
    std::string NonSpecifie;
};

// The headers from the string table (ids 83, 76, 44, 41, 42, 45, 46 and 148).
EntetesExport EntetesDepuisTable(const Textes& textes);

// One row per entered piece, lengths in the unit of 'facteur' (mm per unit).
// 'separateur' is the regional decimal separator of the text layout; SYLK
// always uses ".".
std::string Exporter(FormatExport format, const Debit& debit,
                     const std::vector<std::string>& essences, float facteur,
                     const EntetesExport& entetes, char separateur);

} // namespace tavelune
