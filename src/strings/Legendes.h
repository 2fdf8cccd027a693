// Captions fitted to the room a control gives them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavelune {

// The text as a button can show it, the font's average character width being
// largeurCaractere: whole when largeurCaractere x characters < largeur,
// otherwise its first (largeur div largeurCaractere) - 3 characters and "..."
// (none when that count is below zero). The summary's label shortening is the
// same rule with a character width of cw + 1.
std::string Fit(std::string_view texte, int32_t largeur, int32_t largeurCaractere);

} // namespace tavelune
