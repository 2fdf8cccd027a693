#include "platform/Locale.h"

#include <QLocale>

namespace tavelune {

char SeparateurDecimal() {
    const QString point = QLocale().decimalPoint();
    if (point.size() != 1 || point[0].unicode() > 0x7F)
        return ',';
    return static_cast<char>(point[0].unicode());
}

} // namespace tavelune
