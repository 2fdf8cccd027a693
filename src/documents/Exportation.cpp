#include "documents/Exportation.h"

#include "strings/Nombres.h"
#include "strings/Texte.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace tavelune {

namespace {

// The seven cells of a piece, numbers still as values.
struct Ligne {
    std::string lettres;
    std::string designation;
    int32_t nb = 0;
    double longueur = 0;
    double largeur = 0;
    double epaisseur = 0;
    std::string vitrage;
};

Ligne LigneDePiece(const Debit& debit, std::size_t i, const std::vector<std::string>& essences,
                   float facteur, const EntetesExport& entetes) {
    const TPiece& p = debit.PiecesSaisies[i];
    const double f = facteur;
    const bool complexe = debit.TypeDebit == DebitComplexe;
    const std::string* essence = Entree(essences, p.Essence);
    Ligne l;
    l.lettres = LettresPiece(p.Numero);
    l.designation = i < debit.Designations.size() ? debit.Designations[i] : std::string();
    l.nb = p.Nb;
    l.longueur = p.Longueur / f;
    l.largeur = p.Largeur / f;
    l.epaisseur = complexe ? p.Epaisseur / f : 0.0;
    l.vitrage = complexe && essence ? *essence : entetes.NonSpecifie;
    return l;
}

std::array<std::string, 7> Titres(const EntetesExport& e) {
    return {e.Reference, e.Designation, e.Nombre, e.Longueur, e.Largeur, e.Epaisseur, e.Vitrage};
}

std::string Texte(const Debit& debit, const std::vector<std::string>& essences, float facteur,
                  const EntetesExport& entetes, char separateur) {
    std::string out;
    const auto titres = Titres(entetes);
    for (std::size_t c = 0; c < titres.size(); ++c)
        out += (c ? ";" : "") + titres[c];
    out += '\n';
    for (std::size_t i = 0; i < debit.PiecesSaisies.size(); ++i) {
        const Ligne l = LigneDePiece(debit, i, essences, facteur, entetes);
        out += l.lettres + ';' + l.designation + ';' + std::to_string(l.nb) + ';' +
               TexteCote(l.longueur, separateur) + ';' + TexteCote(l.largeur, separateur) + ';' +
               TexteCote(l.epaisseur, separateur) + ';' + l.vitrage + '\n';
    }
    return out;
}

// Whole values as their digits; others with "." and two decimals, rounded
// with carry into the integer part.
std::string NombreSylk(double v) {
    char tampon[400];
    if (!std::isfinite(v))
        return "0";
    if (v == std::trunc(v)) {
        const auto r =
            std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed, 0);
        return std::string(tampon, r.ptr);
    }
    const double centiemes = std::round(std::fabs(v) * 100);
    const double entier = std::floor(centiemes / 100);
    const int fraction = std::clamp(static_cast<int>(centiemes - entier * 100), 0, 99);
    const auto r =
        std::to_chars(tampon, tampon + sizeof tampon, entier, std::chars_format::fixed, 0);
    std::string s = (v < 0 && centiemes != 0 ? "-" : "") + std::string(tampon, r.ptr) + '.';
    s += static_cast<char>('0' + fraction / 10);
    s += static_cast<char>('0' + fraction % 10);
    return s;
}

std::string Guillemets(const std::string& t) {
    return '"' + t + '"';
}

std::string Sylk(const Debit& debit, const std::vector<std::string>& essences, float facteur,
                 const EntetesExport& entetes) {
    const std::size_t n = debit.PiecesSaisies.size();
    std::string out = "ID;Exportation-débit\n"
                      "\n"
                      "P;PGeneral\n"
                      "P;P#,##0.00\n"
                      "P;P#,##0\n"
                      "P;P@\n"
                      "\n"
                      "P;EArial;M200\n"
                      "P;EArial;M200\n"
                      "P;EArial;M200\n"
                      "P;FArial;M200;SB\n"
                      "\n";
    out += "B;Y" + std::to_string(n + 1) + ";X7\n\n";
    out += "F;W1 1 10\n"
           "F;W2 2 20\n"
           "F;W3 3 10\n"
           "F;W4 4 10\n"
           "F;W5 5 10\n"
           "F;W6 6 10\n"
           "F;W7 7 20\n"
           "F;W8 256 8\n"
           "\n";

    const auto titres = Titres(entetes);
    for (std::size_t c = 0; c < titres.size(); ++c) {
        out += "F;SDM4;FG0C;" + std::string(c == 0 ? "Y1;" : "") + 'X' + std::to_string(c + 1);
        out += "\nC;N;K" + Guillemets(titres[c]) + '\n';
    }
    out += '\n';

    for (std::size_t i = 0; i < n; ++i) {
        const Ligne l = LigneDePiece(debit, i, essences, facteur, entetes);
        const std::array<std::pair<std::string, std::string>, 7> cellules = {{
            {"F;P3;FG0C;Y" + std::to_string(i + 2) + ";X1", Guillemets(l.lettres)},
            {"F;P2;FG0C;X2", Guillemets(l.designation)},
            {"F;P2;FF0R;X3", std::to_string(l.nb)},
            {"F;P2;FF2R;X4", NombreSylk(l.longueur)},
            {"F;P2;FF2R;X5", NombreSylk(l.largeur)},
            {"F;P3;FF2R;X6", NombreSylk(l.epaisseur)},
            {"F;P3;FG0C;X7", Guillemets(l.vitrage)},
        }};
        for (const auto& [format, valeur] : cellules)
            out += format + "\nC;N;K" + valeur + '\n';
        out += '\n';
    }
    out += "E\n";
    return out;
}

} // namespace

std::optional<FormatExport> FormatSelonExtension(std::string_view chemin) {
    const auto point = chemin.rfind('.');
    const std::string extension =
        Minuscules(point == std::string_view::npos ? chemin : chemin.substr(point + 1));
    if (extension == "txt" || extension == "csv")
        return FormatExport::Texte;
    if (extension == "slk")
        return FormatExport::Sylk;
    return std::nullopt;
}

EntetesExport EntetesDepuisTable(const Textes& textes) {
    const auto t = [&](int32_t id) { return textes.Text(id); };
    return {t(83), t(76), t(44), t(41), t(42), t(45), t(46), t(148)};
}

std::string Exporter(FormatExport format, const Debit& debit,
                     const std::vector<std::string>& essences, float facteur,
                     const EntetesExport& entetes, char separateur) {
    const std::string utf8 = format == FormatExport::Texte
                                 ? Texte(debit, essences, facteur, entetes, separateur)
                                 : Sylk(debit, essences, facteur, entetes);
    return VersCp1252(utf8);
}

} // namespace tavelune
