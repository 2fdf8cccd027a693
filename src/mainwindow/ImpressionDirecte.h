// Printing without a dialog, on the default printer; on a machine with no
// printer the user is asked for a PDF file instead.
#pragma once

#include "strings/TableTextes.h"
#include "view/Canvas.h"

#include <functional>

class QPrinter;

namespace tavelune {

struct Plateforme;

// Runs the print run on the default printer (or a chosen PDF file) and reports a
// failure to the user. False when nothing was printed.
bool ImprimerDirectement(Plateforme& plateforme, const Textes& textes,
                         const std::function<bool(Imprimante&)>& impression);

// Runs the print run on a printer the caller prepared and reports a failure.
bool ImprimerSur(QPrinter& imprimante, Plateforme& plateforme, const Textes& textes,
                 const std::function<bool(Imprimante&)>& impression);

} // namespace tavelune
