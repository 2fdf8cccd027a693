// Pieces shared by the dialogs: building and naming the controls at their
// places, control colours, the pattern-direction picture, right-click picking
// and the messages that refuse a typed value.
#pragma once

#include "model/Modele.h"
#include "platform/Conversions.h"
#include "platform/Messages.h"
#include "platform/Plateforme.h"
#include "strings/TableTextes.h"

#include <QPixmap>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QComboBox;
class QWidget;

namespace tavelune {

// Thickest sheet or piece, in millimetres.
inline constexpr float EpaisseurMaxi = 150.0f;
// The thickness of a new sheet, and of every sheet of a simple job.
inline constexpr int32_t EpaisseurParDefaut = 10;

// Whole millimetres of a value in millimetres (truncated).
int32_t Millimetres(double valeur);

// The fixed places of the controls were laid out for a small 8-point font:
// the desktop's larger default would cut the captions.
void PoliceFormulaire(QWidget& fenetre);

// Puts the control in its parent at x, y, with its size when one is given,
// under its name so that tests and help find it. In a group box that has its
// title already, the control comes down below the title.
void Placer(QWidget& controle, QWidget& parent, const char* nom, int x, int y, int largeur = 0,
            int hauteur = 0);

// A new child control, placed and named as Placer does.
template <class W> W* Controle(QWidget* parent, const char* nom, const QRect& cadre) {
    auto* controle = new W(parent);
    Placer(*controle, *parent, nom, cadre.x(), cadre.y(), cadre.width(), cadre.height());
    return controle;
}

// Enabled with the window colour, or disabled with the button-face colour.
void Activer(QWidget& controle, bool actif);

// The picture of a pattern direction (0, 1, 2).
QPixmap ImageSens(int32_t sens);

// Fills a direction list with "Horizontal", "Vertical", "Indifférent".
void RemplirSens(QComboBox& liste, const Textes& textes);

// A right mouse press on the control runs the handler instead of its context menu.
void ConnecterClicDroit(QWidget& controle, std::function<void()> gestionnaire);

// The tab order, in the order given.
void OrdreTabulation(std::initializer_list<QWidget*> controles);

// "Valeur non valide" with the exclamation icon.
void RefuserValeur(Plateforme& plateforme, const Textes& textes, const std::string& texte);

// A refused number's text, a line break and the reminder of the decimal separator.
std::string AvecRappelSeparateur(const Textes& textes, int32_t id);

// A refused number: its message, then the reminder of the decimal separator.
void RefuserNombre(Plateforme& plateforme, const Textes& textes, int32_t id);

// A length label: the field's name, " en " and the unit's name.
QString LibelleEnUnite(const Textes& textes, int32_t id, const UNITE_MESURE& unite);

// Millimetres shown in the unit.
QString TexteEnUnite(double millimetres, const UNITE_MESURE& unite, char separateur);

// Position of the glass type in the list, -1 when it is not there.
int32_t IndexEssence(const std::vector<std::string>& essences, const std::string& nom);

// A glass type typed in the box and missing from the list: asks whether to add
// it; Yes appends it to the list and to the box and selects it. True when added.
bool ProposerEssence(BoitesMessage& messages, const Textes& textes, QComboBox& boite,
                     std::vector<std::string>& essences);

} // namespace tavelune
