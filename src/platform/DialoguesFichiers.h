// Open and save file dialogs. Filters are written "Texte|*.ext|Texte|*.ext"; a
// default extension (without its dot) is added to a chosen name that has none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QStringList>

namespace tavelune {

struct DemandeFichier {
    std::string Titre;
    std::string Filtre;
    std::string ExtensionParDefaut;
    std::string NomInitial;
    bool ConfirmerEcrasement = false;

    friend bool operator==(const DemandeFichier&, const DemandeFichier&) = default;
};

enum class ModeFichier { Ouverture, Enregistrement };

// "Fichiers Débits|*.deb" -> {"Fichiers Débits (*.deb)"}; a text that already ends
// with its patterns in brackets is kept as it is; several patterns are split at ';'.
QStringList FiltresQt(std::string_view filtre);

// The path with ".extension" added when its name part holds no '.'.
std::string AvecExtensionParDefaut(const std::string& chemin, std::string_view extension);

class DialoguesFichiers {
public:
    virtual ~DialoguesFichiers() = default;

    // Cancelled: no value. An existing file chosen for opening keeps its name even
    // without an extension.
    std::optional<std::string> Ouvrir(const DemandeFichier& demande);
    std::optional<std::string> Enregistrer(const DemandeFichier& demande);

protected:
    virtual std::optional<std::string> Choisir(ModeFichier mode, const DemandeFichier& demande) = 0;
};

class DialoguesFichiersQt final : public DialoguesFichiers {
protected:
    std::optional<std::string> Choisir(ModeFichier mode, const DemandeFichier& demande) override;
};

} // namespace tavelune
