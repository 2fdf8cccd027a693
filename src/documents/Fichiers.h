// Whole-file reads and writes at the edge of the core. A write goes to a
// temporary file in the same folder, then replaces the target by a rename, so a
// failure never destroys the previous file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavelune {

struct ResultatLecture {
    std::optional<std::string> octets; // empty when the file could not be read
    std::string raison;                // why, for the user, when it could not
};

// Reads the whole file, refusing one larger than tailleMax bytes.
ResultatLecture LireFichier(const std::filesystem::path& chemin, std::uintmax_t tailleMax);

// Returns an empty text on success, else the reason of the failure.
std::string EcrireFichier(const std::filesystem::path& chemin, std::string_view octets);

} // namespace tavelune
