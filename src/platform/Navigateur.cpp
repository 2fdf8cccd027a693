#include "platform/Navigateur.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavelune {

bool NavigateurQt::Ouvrir(const std::string& adresse) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(adresse)));
}

} // namespace tavelune
