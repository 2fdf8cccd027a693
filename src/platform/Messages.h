// Message boxes: a title, a text, an icon and a set of buttons; the answer is the
// button pressed. Windows show them only through this interface, so that tests
// answer them by script.
#pragma once

#include <string>

namespace tavelune {

enum class IconeMessage { Aucune, Information, Exclamation, Question, Erreur };
enum class BoutonsMessage { Ok, OuiNon, OuiNonAnnuler };
enum class ReponseMessage { Ok, Oui, Non, Annuler };

struct Message {
    std::string Titre;
    std::string Texte;
    IconeMessage Icone = IconeMessage::Aucune;
    BoutonsMessage Boutons = BoutonsMessage::Ok;

    friend bool operator==(const Message&, const Message&) = default;
};

// One line that names every part of a box, for failure reports.
std::string Decrire(const Message& message);
bool ReponsePossible(BoutonsMessage boutons, ReponseMessage reponse);

class BoitesMessage {
public:
    virtual ~BoitesMessage() = default;
    virtual ReponseMessage Afficher(const Message& message) = 0;
};

// A QMessageBox over the active window. Closing a Yes/No box answers No; closing
// a Yes/No/Cancel box answers Cancel.
class BoitesMessageQt final : public BoitesMessage {
public:
    ReponseMessage Afficher(const Message& message) override;
};

} // namespace tavelune
