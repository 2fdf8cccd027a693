#include "platform/TravailLong.h"

#include "platform/Conversions.h"
#include "strings/TextesFixes.h"

#include <QEventLoop>
#include <QProgressDialog>

#include <exception>
#include <thread>

namespace tavelune {

void TravailLongQt::Executer(const std::string& texte, const Travail& travail) {
    std::atomic<bool> arret = false;
    std::exception_ptr echec;
    // A busy bar whose button asks the work to stop. Shown at once and modal: the
    // windows take no command while the work runs.
    QProgressDialog attente(VersQt(texte), VersQt(fixes::Arreter), 0, 0);
    attente.setWindowModality(Qt::ApplicationModal);
    attente.setAutoReset(false);
    attente.setAutoClose(false);
    QObject::connect(&attente, &QProgressDialog::canceled, [&] { arret = true; });
    attente.show();
    QEventLoop boucle;
    std::thread fil([&] {
        try {
            travail(arret);
        } catch (...) {
            echec = std::current_exception();
        }
        // Queued: the loop may not be running yet, and quits as soon as it is.
        QMetaObject::invokeMethod(&boucle, &QEventLoop::quit, Qt::QueuedConnection);
    });
    boucle.exec();
    fil.join();
    if (echec)
        std::rethrow_exception(echec);
}

} // namespace tavelune
