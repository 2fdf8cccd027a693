// Runs the built tavelune-cli as a user would, in a chosen working directory
// (where it reads the settings files), and collects what it printed.
#pragma once

#include "documents/Fichiers.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tavelune::test {

struct Execution {
    int statut = -1;
    std::string sortie, erreurs;
};

// 'arguments' are already quoted for the shell.
inline Execution ExecuterCli(const std::string& arguments,
                             const std::filesystem::path& dossier = testing::TempDir()) {
    // ctest runs test programs side by side in the same temporary folder: each run
    // gets its own trace files.
    static int numero = 0;
    const std::filesystem::path traces = testing::TempDir();
    const std::string suffixe = std::to_string(getpid()) + "-" + std::to_string(++numero) + ".txt";
    const auto sortie = traces / ("cli-sortie-" + suffixe);
    const auto erreurs = traces / ("cli-erreurs-" + suffixe);
    const std::string commande = "cd '" + dossier.string() + "' && '" + TAVELUNE_CLI + "' " +
                                 arguments + " >'" + sortie.string() + "' 2>'" + erreurs.string() +
                                 "'";
    const int brut = std::system(commande.c_str());
    Execution e;
    e.statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
    e.sortie = LireFichier(sortie, 1 << 24).octets.value_or("");
    e.erreurs = LireFichier(erreurs, 1 << 24).octets.value_or("");
    std::error_code ec;
    std::filesystem::remove(sortie, ec);
    std::filesystem::remove(erreurs, ec);
    return e;
}

} // namespace tavelune::test
