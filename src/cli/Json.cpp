#include "cli/Json.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tavelune {

namespace {

void AjouterEchappe(std::string& s, unsigned char c) {
    switch (c) {
    case '"':
        s += "\\\"";
        return;
    case '\\':
        s += "\\\\";
        return;
    case '\b':
        s += "\\b";
        return;
    case '\f':
        s += "\\f";
        return;
    case '\n':
        s += "\\n";
        return;
    case '\r':
        s += "\\r";
        return;
    case '\t':
        s += "\\t";
        return;
    default:
        break;
    }
    if (c < 0x20) {
        constexpr std::array<char, 16> Hexa = {'0', '1', '2', '3', '4', '5', '6', '7',
                                               '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
        s += "\\u00";
        s += Hexa[c >> 4];
        s += Hexa[c & 0xF];
    } else {
        s += static_cast<char>(c);
    }
}

} // namespace

std::string ChaineJson(std::string_view utf8) {
    std::string s = "\"";
    for (char o : utf8)
        AjouterEchappe(s, static_cast<unsigned char>(o));
    s += '"';
    return s;
}

void EcrivainJson::AvantValeur() {
    if (apresCle_) {
        apresCle_ = false;
        return;
    }
    if (!vides_.empty()) {
        if (!vides_.back())
            flux_ << ',';
        vides_.back() = false;
    }
}

void EcrivainJson::Ouvrir(char c) {
    AvantValeur();
    flux_ << c;
    vides_.push_back(true);
}

void EcrivainJson::Fermer(char c) {
    vides_.pop_back();
    flux_ << c;
}

void EcrivainJson::Cle(std::string_view cle) {
    AvantValeur();
    flux_ << ChaineJson(cle) << ':';
    apresCle_ = true;
}

void EcrivainJson::Nombre(int64_t valeur) {
    AvantValeur();
    flux_ << valeur;
}

template <std::floating_point R> void EcrivainJson::EcrireReel(R valeur) {
    AvantValeur();
    std::array<char, 32> tampon{};
    const auto fin = std::isfinite(valeur)
                         ? std::to_chars(tampon.data(), tampon.data() + tampon.size(), valeur).ptr
                         : std::to_chars(tampon.data(), tampon.data() + tampon.size(), 0).ptr;
    flux_.write(tampon.data(), fin - tampon.data());
}

void EcrivainJson::Reel(float valeur) {
    EcrireReel(valeur);
}

void EcrivainJson::Reel(double valeur) {
    EcrireReel(valeur);
}

void EcrivainJson::Texte(std::string_view utf8) {
    AvantValeur();
    flux_ << ChaineJson(utf8);
}

} // namespace tavelune
