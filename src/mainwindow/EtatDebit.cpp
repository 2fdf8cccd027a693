#include "mainwindow/EtatDebit.h"

#include "strings/TextesFixes.h"

namespace tavelune {

void EtatDebit::Associer(const std::string& chemin) {
    CheminCourant = chemin;
    NomAffiche = NomDeFichier(chemin);
}

std::string NomDeFichier(std::string_view chemin) {
    const std::size_t separateur = chemin.find_last_of("/\\");
    return std::string(separateur == std::string_view::npos ? chemin
                                                            : chemin.substr(separateur + 1));
}

std::string TitreAvecFichier(std::string_view produit, std::string_view nomAffiche) {
    std::string titre(produit);
    titre += fixes::SeparateurTitre;
    titre += nomAffiche;
    return titre;
}

} // namespace tavelune
