// Small window helpers shared by the main window and the dialogs: placement,
// title bar buttons, focus enter and exit handlers, F1 help.
#pragma once

#include <functional>

class QAbstractButton;
class QButtonGroup;
class QDialog;
class QWidget;

namespace tavelune {

class Aide;

// The window message boxes and file dialogs are shown over: the open modal
// dialog, else the active window (null when none).
QWidget* FenetreActive();

enum class Placement { HautFenetre, SousHautFenetre };

// Horizontally centred on the main window's client width; top at the main
// window's top, or 14 pixels below it.
void PlacerDialogue(QWidget& dialogue, const QWidget& principale, Placement placement);

// Only the dialog's own buttons close it.
void SansMenuSysteme(QDialog& dialogue);
// A close box, but no minimise or maximise box.
void FermetureSeule(QDialog& dialogue);

// Runs the handler when the field gets, or loses, the keyboard focus within its
// window: moving to another control by the keyboard or the mouse. Focus lost
// because another window (a message box, a menu) became active does not count,
// or a handler that shows a message would run again.
void ConnecterEntree(QWidget& champ, std::function<void()> gestionnaire);
void ConnecterSortie(QWidget& champ, std::function<void()> gestionnaire);

// Checks the button of the group, or none when 'bouton' is null.
void Cocher(QButtonGroup& groupe, QAbstractButton* bouton);

// F1 in the window opens the given help topic.
void ConnecterAide(QWidget& fenetre, Aide& aide, int rubrique);

} // namespace tavelune
