#include "strings/Texte.h"

#include <array>
#include <cstdint>

namespace tavelune {

namespace {

// Code points of the bytes 0x80 to 0x9F.
constexpr std::array<char32_t, 32> Cp1252Haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t Invalide = 0xFFFFFFFF;

char32_t CaractereDeOctet(unsigned char o) {
    if (o >= 0x80 && o <= 0x9F)
        return Cp1252Haut[o - 0x80];
    return o;
}

int OctetDeCaractere(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < Cp1252Haut.size(); ++i)
        if (Cp1252Haut[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

void AjouterUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one character at i and moves i past it; a malformed sequence yields
// Invalide and moves one byte.
char32_t LireCaractere(std::string_view s, std::size_t& i) {
    const auto o = static_cast<unsigned char>(s[i]);
    int suite = 0;
    char32_t c = 0;
    if (o < 0x80) {
        ++i;
        return o;
    } else if ((o & 0xE0) == 0xC0) {
        suite = 1;
        c = o & 0x1F;
    } else if ((o & 0xF0) == 0xE0) {
        suite = 2;
        c = o & 0x0F;
    } else if ((o & 0xF8) == 0xF0) {
        suite = 3;
        c = o & 0x07;
    } else {
        ++i;
        return Invalide;
    }
    if (i + suite >= s.size()) {
        ++i;
        return Invalide;
    }
    for (int k = 1; k <= suite; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return Invalide;
        }
        c = (c << 6) | (b & 0x3F);
    }
    constexpr char32_t Minimum[] = {0, 0x80, 0x800, 0x10000};
    if (c < Minimum[suite] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return Invalide;
    }
    i += suite + 1;
    return c;
}

char32_t Minuscule(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    switch (c) {
    case 0x160:
        return 0x161;
    case 0x152:
        return 0x153;
    case 0x17D:
        return 0x17E;
    case 0x178:
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

std::string DepuisCp1252(std::string_view octets) {
    std::string s;
    s.reserve(octets.size());
    for (char o : octets)
        AjouterUtf8(s, CaractereDeOctet(static_cast<unsigned char>(o)));
    return s;
}

std::string VersCp1252(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = LireCaractere(utf8, i);
        const int o = c == Invalide ? -1 : OctetDeCaractere(c);
        s += o < 0 ? '?' : static_cast<char>(o);
    }
    return s;
}

bool EstUtf8Valide(std::string_view octets) {
    for (std::size_t i = 0; i < octets.size();)
        if (LireCaractere(octets, i) == Invalide)
            return false;
    return true;
}

std::size_t NombreCaracteres(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n)
        LireCaractere(utf8, i);
    return n;
}

std::string PremiersCaracteres(std::string_view utf8, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < utf8.size(); ++k)
        LireCaractere(utf8, i);
    return std::string(utf8.substr(0, i));
}

std::string Minuscules(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t debut = i;
        const char32_t c = LireCaractere(utf8, i);
        if (c == Invalide)
            s += utf8[debut];
        else
            AjouterUtf8(s, Minuscule(c));
    }
    return s;
}

std::string LettresPiece(int32_t numero) {
    if (numero < 0 || numero >= 702)
        return {};
    if (numero < 26)
        return std::string(1, static_cast<char>('a' + numero));
    return {static_cast<char>('a' + numero / 26 - 1), static_cast<char>('a' + numero % 26)};
}

} // namespace tavelune
