#include "strings/Nombres.h"

#include <charconv>
#include <cmath>

namespace tavelune {

namespace {

std::string_view SansBlancs(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

std::size_t Chiffres(std::string_view t, std::size_t i) {
    while (i < t.size() && EstChiffre(t[i]))
        ++i;
    return i;
}

// Nearest integer, halves away from zero, judged on the fraction itself.
double ArrondiLoinDeZero(double y) {
    if (y >= 0) {
        const double f = std::floor(y);
        return y - f >= 0.5 ? f + 1 : f;
    }
    const double c = std::ceil(y);
    return y - c <= -0.5 ? c - 1 : c;
}

} // namespace

std::string TexteCote(double x, char separateur) {
    if (!std::isfinite(x))
        return "0";
    const double centiemes = ArrondiLoinDeZero(x * 100);
    if (centiemes == 0)
        return "0";
    const double arrondi = centiemes * 0.01;
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, arrondi,
                                 std::chars_format::general, 15);
    std::string s(tampon, r.ptr);
    for (char& c : s)
        if (c == '.')
            c = separateur;
        else if (c == 'e')
            c = 'E';
    return s;
}

std::optional<double> LireReel(std::string_view texte, char separateur) {
    const std::string_view t = SansBlancs(texte);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    const std::size_t debutEntier = i;
    i = Chiffres(t, i);
    bool chiffres = i > debutEntier;
    if (i < t.size() && t[i] == separateur) {
        const std::size_t debutFraction = ++i;
        i = Chiffres(t, i);
        chiffres = chiffres || i > debutFraction;
    }
    if (!chiffres)
        return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        const std::size_t debutExposant = i;
        i = Chiffres(t, i);
        if (i == debutExposant)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    std::string normalise(t[0] == '+' ? t.substr(1) : t);
    for (char& c : normalise)
        if (c == separateur)
            c = '.';
    double valeur = 0;
    const auto r = std::from_chars(normalise.data(), normalise.data() + normalise.size(), valeur);
    if (r.ec != std::errc() || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

std::optional<int32_t> LireEntier(std::string_view texte) {
    std::string_view t = SansBlancs(texte);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    int32_t valeur = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), valeur);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size())
        return std::nullopt;
    return valeur;
}

} // namespace tavelune
