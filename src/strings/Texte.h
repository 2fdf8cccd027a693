// Text helpers. In memory texts are UTF-8; files hold Windows-1252, one byte per
// character. Widths and field sizes count characters, never bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavelune {

// Windows-1252 bytes -> UTF-8 (every byte has a character; the five undefined
// bytes map to the C1 controls of the same value).
std::string DepuisCp1252(std::string_view octets);

// UTF-8 -> Windows-1252 bytes; a character with no byte, or a malformed
// sequence, becomes '?'.
std::string VersCp1252(std::string_view utf8);

bool EstUtf8Valide(std::string_view octets);

std::size_t NombreCaracteres(std::string_view utf8);

// The first n characters (the whole text when it is shorter).
std::string PremiersCaracteres(std::string_view utf8, std::size_t n);

// Lower case as the 8-bit code page knows it (A-Z, the accented capitals, Š Œ Ž Ÿ).
std::string Minuscules(std::string_view utf8);

// The letters of a piece number: 0 "a", 25 "z", 26 "aa", 701 "zz", empty from 702 on.
std::string LettresPiece(int32_t numero);

} // namespace tavelune
