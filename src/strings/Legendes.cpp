#include "strings/Legendes.h"

#include "strings/Texte.h"

#include <algorithm>

namespace tavelune {

std::string Fit(std::string_view texte, int32_t largeur, int32_t largeurCaractere) {
    const auto caracteres = static_cast<int64_t>(NombreCaracteres(texte));
    // Without a usable character width nothing can be measured: show the text as it is.
    if (largeurCaractere <= 0 || int64_t{largeurCaractere} * caracteres < largeur)
        return std::string(texte);
    const int64_t gardes = std::max<int64_t>(0, largeur / largeurCaractere - 3);
    return PremiersCaracteres(texte, static_cast<std::size_t>(gardes)) + "...";
}

} // namespace tavelune
