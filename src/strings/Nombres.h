// Numbers as the user reads and types them. The decimal separator is the
// platform's regional one, read once by the front end and handed in here: the
// core never consults the C locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavelune {

// A length or surface as text: rounded to hundredths (halves away from zero),
// shortest form, no trailing zeros, 'separateur' as the decimal separator.
std::string TexteCote(double x, char separateur);

// A decimal number typed by the user: optional sign, digits, optionally the
// regional separator and digits, optionally an exponent; surrounding blanks allowed.
std::optional<double> LireReel(std::string_view texte, char separateur);

// A whole number in decimal: optional sign and digits, surrounding blanks allowed.
std::optional<int32_t> LireEntier(std::string_view texte);

} // namespace tavelune
