#include "platform/ExecuteurModal.h"

#include <QDialog>

namespace tavelune {

int ExecuteurModalQt::Executer(QDialog& dialogue) {
    return dialogue.exec();
}

} // namespace tavelune
