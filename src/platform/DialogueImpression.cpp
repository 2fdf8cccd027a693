#include "platform/DialogueImpression.h"

#include "platform/Fenetres.h"

#include <QPrintDialog>

namespace tavelune {

bool DialogueImpressionQt::Afficher(QPrinter& imprimante) {
    QPrintDialog dialogue(&imprimante, FenetreActive());
    return dialogue.exec() == QDialog::Accepted;
}

} // namespace tavelune
