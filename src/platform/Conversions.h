// Texts cross between the core (UTF-8 std::string) and Qt (QString) only here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tavelune {

inline QString VersQt(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

inline std::string DepuisQt(const QString& texte) {
    return texte.toStdString();
}

} // namespace tavelune
