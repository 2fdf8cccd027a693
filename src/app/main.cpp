// tavelune [JOB.deb]: the desktop program. Settings files are kept in the
// current directory; a job named on the command line is opened at start-up.
#include "mainwindow/TFDebit.h"
#include "platform/Plateforme.h"
#include "platform/Ressources.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <filesystem>

namespace {

// An error that escapes a command ends the program after the standard error box.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* destinataire, QEvent* evenement) override {
        try {
            return QApplication::notify(destinataire, evenement);
        } catch (const std::exception& erreur) {
            QMessageBox::critical(nullptr, applicationName(), QString::fromUtf8(erreur.what()));
        }
        std::exit(EXIT_FAILURE);
    }
};

} // namespace

int main(int argc, char** argv) {
    Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelune"));
    Q_INIT_RESOURCE(aide);
    QApplication::setWindowIcon(tavelune::IconeFenetre());

    tavelune::PlateformeQt plateforme;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    tavelune::TFDebit fenetre(plateforme.Services(), std::filesystem::current_path(), arguments);
    fenetre.show();
    return QApplication::exec();
}
