// What the main window knows of the open job besides its content: its file and
// whether it was saved.
#pragma once

#include <string>
#include <string_view>

namespace tavelune {

struct EtatDebit {
    std::string CheminCourant; // empty until a file is chosen
    std::string NomAffiche;    // the name part of the path, shown in the title
    bool DebitCharge = false;  // a job (its result) is shown
    bool JamaisEnregistre = false;
    bool Modifie = false;
    bool ImportationEnCours = false;

    // The job is now kept in this file.
    void Associer(const std::string& chemin);
};

// The part of a path after its last directory separator ('/' or '\').
std::string NomDeFichier(std::string_view chemin);

// "Tavelune - name".
std::string TitreAvecFichier(std::string_view produit, std::string_view nomAffiche);

} // namespace tavelune
