#include "documents/Fichiers.h"

#include <fstream>
#include <random>
#include <system_error>

namespace tavelune {

namespace fs = std::filesystem;

ResultatLecture LireFichier(const fs::path& chemin, std::uintmax_t tailleMax) {
    std::error_code ec;
    if (fs::is_directory(chemin, ec))
        return {std::nullopt, "c'est un dossier"};
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux)
        return {std::nullopt, "ouverture impossible"};
    const auto taille = fs::file_size(chemin, ec);
    if (ec)
        return {std::nullopt, "taille illisible"};
    if (taille > tailleMax)
        return {std::nullopt, "fichier trop grand"};
    std::string octets(static_cast<std::size_t>(taille), '\0');
    flux.read(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (flux.gcount() != static_cast<std::streamsize>(octets.size()))
        return {std::nullopt, "lecture interrompue"};
    return {std::move(octets), {}};
}

namespace {

fs::path CheminTemporaire(const fs::path& chemin) {
    std::random_device alea;
    const auto nom = chemin.filename().string() + ".tmp" + std::to_string(alea() % 1000000);
    return chemin.parent_path() / nom;
}

} // namespace

std::string EcrireFichier(const fs::path& lien, std::string_view octets) {
    std::error_code ec;
    // Through a link, the file it names is replaced and the link kept.
    const bool estUnLien = fs::is_symlink(fs::symlink_status(lien, ec));
    const fs::path chemin = estUnLien ? fs::canonical(lien, ec) : lien;
    if (estUnLien && ec)
        return "lien vers un fichier absent";
    if (fs::is_directory(chemin, ec))
        return "la cible est un dossier";
    // A rename would put a file in place of a device or a pipe.
    if (fs::exists(chemin, ec) && !fs::is_regular_file(chemin, ec))
        return "la cible n'est pas un fichier ordinaire";
    const fs::path temporaire = CheminTemporaire(chemin);
    {
        std::ofstream flux(temporaire, std::ios::binary | std::ios::trunc);
        if (!flux)
            return "création impossible";
        flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
        flux.close();
        if (!flux) {
            fs::remove(temporaire, ec);
            return "écriture interrompue";
        }
    }
    fs::rename(temporaire, chemin, ec);
    if (ec) {
        fs::remove(temporaire, ec);
        return "remplacement impossible";
    }
    return {};
}

} // namespace tavelune
