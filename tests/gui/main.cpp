// GUI tests: one QApplication for the whole run, on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise, with the French locale whatever the machine's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

namespace {

// The offscreen platform tells about every window feature it lacks, and Qt about
// a session without a runtime folder; those notices would drown the test output.
void FiltrerMessages(QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
    if (texte.startsWith(QLatin1String("This plugin does not support")) ||
        texte.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qt_message_output(type, contexte, texte);
}

} // namespace

int main(int argc, char** argv) {
    // GoogleTest first: it removes its own flags before Qt parses the rest.
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(FiltrerMessages);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelune"));
    return RUN_ALL_TESTS();
}
