// Runs the built tavelune-cli as a user would, in a chosen working directory
// (where it reads the settings files), and collects what it printed.
#pragma once

#include "documents/Fichiers.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/wait.h>

namespace tavelune::test {

struct Execution {
    int statut = -1;
    std::string sortie, erreurs;
};

// 'arguments' are already quoted for the shell.
inline Execution ExecuterCli(const std::string& arguments,
                             const std::filesystem::path& dossier = testing::TempDir()) {
    // Tests run in parallel: each run has its own trace files.
    const std::string nom = "cli-" + std::to_string(std::random_device()());
    const std::filesystem::path traces = testing::TempDir();
    const auto sortie = traces / (nom + "-sortie.txt"), erreurs = traces / (nom + "-erreurs.txt");
    const std::string commande = "cd '" + dossier.string() + "' && '" + TAVELUNE_CLI + "' " +
                                 arguments + " >'" + sortie.string() + "' 2>'" + erreurs.string() +
                                 "'";
    const int brut = std::system(commande.c_str());
    Execution e;
    e.statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
    e.sortie = LireFichier(sortie, 1 << 24).octets.value_or("");
    e.erreurs = LireFichier(erreurs, 1 << 24).octets.value_or("");
    std::filesystem::remove(sortie);
    std::filesystem::remove(erreurs);
    return e;
}

} // namespace tavelune::test
