// Sheets used by both optimisation modes on public cutting instances: the 2D bin-packing
// classes 1-10 (square sheets, unlimited copies), rotation allowed and fixed, and the
// float-glass plant instances (6000 x 3210 plates, defects and stacks ignored) with a
// kerf of 0 and 4. Every plan goes through the plan checker.
//
//   bench_instances [--budget SECONDS] [--instances DIR] [--only classes|roadef]
//                   [--sens rotation|fixe] [--detail]
#include "VerificationPlan.h"
#include "engine/Optimisation.h"
#include "engine/Qualite.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace tavelune;
namespace fs = std::filesystem;

namespace {

struct Options {
    double budget = 1.0;
    fs::path instances = TAVELUNE_INSTANCES;
    bool classes = true;
    bool roadef = true;
    bool rotation = true;
    bool fixe = true;
    bool detail = false;
};

// Rows of a CSV file with a header, as maps from column name to value.
std::vector<std::map<std::string, int64_t>> LireCsv(const fs::path& chemin) {
    std::ifstream flux(chemin);
    if (!flux)
        throw std::runtime_error("cannot read " + chemin.string());
    std::string ligne;
    std::getline(flux, ligne);
    std::vector<std::string> colonnes;
    std::istringstream entete(ligne);
    for (std::string c; std::getline(entete, c, ',');)
        colonnes.push_back(c.substr(0, c.find_last_not_of("\r ") + 1));
    std::vector<std::map<std::string, int64_t>> lignes;
    while (std::getline(flux, ligne)) {
        if (ligne.find_first_not_of("\r ") == std::string::npos)
            continue;
        std::istringstream champs(ligne);
        std::map<std::string, int64_t> valeurs;
        std::size_t k = 0;
        for (std::string v; std::getline(champs, v, ',') && k < colonnes.size(); ++k)
            valeurs[colonnes[k]] = std::stoll(v);
        lignes.push_back(std::move(valeurs));
    }
    return lignes;
}

int64_t Valeur(const std::map<std::string, int64_t>& ligne, const std::string& nom,
               int64_t defaut) {
    const auto it = ligne.find(nom);
    return it == ligne.end() ? defaut : it->second;
}

// The job of one instance: its first sheet as the only model, laid out once.
Debit Job(const fs::path& base, int32_t sens, int32_t kerf) {
    Debit d;
    d.TraitScie = kerf;
    const auto plaque = LireCsv(base.string() + "_bins.csv").front();
    Panneau_p p;
    p.Longueur = static_cast<int32_t>(plaque.at("WIDTH"));
    p.Largeur = static_cast<int32_t>(plaque.at("HEIGHT"));
    p.Sens = sens;
    Reinitialiser(p);
    d.PanneauxSaisis.push_back(p);
    for (const auto& ligne : LireCsv(base.string() + "_items.csv")) {
        TPiece piece;
        piece.Longueur = static_cast<int32_t>(ligne.at("WIDTH"));
        piece.Largeur = static_cast<int32_t>(ligne.at("HEIGHT"));
        piece.Epaisseur = p.Epaisseur;
        piece.Sens = Valeur(ligne, "ORIENTED", 0) ? Horizontal : sens;
        piece.Nb = static_cast<int32_t>(Valeur(ligne, "COPIES", 1));
        piece.Numero = static_cast<int32_t>(d.PiecesSaisies.size());
        ReinitialiserPiece(piece);
        d.PiecesSaisies.push_back(piece);
    }
    return d;
}

struct Mesure {
    std::size_t plaques = 0;
    double secondes = 0;
};

Mesure Mesurer(Debit d, const Options& options, bool qualite, const std::string& nom) {
    const auto debut = std::chrono::steady_clock::now();
    if (qualite)
        OptimisationQualite(d, std::chrono::duration<double>(options.budget));
    else
        Optimisation(d);
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    for (const std::string& faute : test::VerifierPlan(d))
        std::cerr << nom << (qualite ? " qualite: " : " standard: ") << faute << '\n';
    return {d.Panneaux.size(), duree.count()};
}

struct Total {
    std::size_t instances = 0, standard = 0, qualite = 0, pire = 0;
    double secondes = 0, maxi = 0;

    void Ajouter(const Mesure& s, const Mesure& q) {
        ++instances;
        standard += s.plaques;
        qualite += q.plaques;
        pire += q.plaques > s.plaques;
        secondes += q.secondes;
        maxi = std::max(maxi, q.secondes);
    }
};

void Ligne(const std::string& nom, const Total& t) {
    std::cout << std::left << std::setw(22) << nom << std::right << std::setw(5) << t.instances
              << std::setw(10) << t.standard << std::setw(9) << t.qualite << std::setw(7) << t.pire
              << std::fixed << std::setprecision(3) << std::setw(10)
              << t.secondes / double(std::max<std::size_t>(t.instances, 1)) << std::setw(9)
              << t.maxi << '\n';
}

void Entete(const std::string& titre) {
    std::cout << '\n'
              << titre << '\n'
              << std::left << std::setw(22) << "" << std::right << std::setw(5) << "inst"
              << std::setw(10) << "standard" << std::setw(9) << "qualite" << std::setw(7) << "worse"
              << std::setw(10) << "s/inst" << std::setw(9) << "max s" << '\n';
}

// Runs both modes on the instances named by `bases`, grouped under `groupe(base)`.
template <typename Groupe>
void Campagne(const std::string& titre, const std::vector<fs::path>& bases, int32_t sens,
              int32_t kerf, const Options& options, const Groupe& groupe) {
    Entete(titre);
    std::map<std::string, Total> totaux;
    Total tout;
    for (const fs::path& base : bases) {
        const Debit d = Job(base, sens, kerf);
        const std::string nom = base.filename().string();
        const Mesure s = Mesurer(d, options, false, nom);
        const Mesure q = Mesurer(d, options, true, nom);
        totaux[groupe(nom)].Ajouter(s, q);
        tout.Ajouter(s, q);
        if (options.detail)
            std::cout << "  " << nom << ' ' << s.plaques << ' ' << q.plaques << ' ' << q.secondes
                      << std::endl;
    }
    for (const auto& [nom, total] : totaux)
        Ligne(nom, total);
    Ligne("all", tout);
}

std::vector<fs::path> Bases(const fs::path& dossier) {
    std::vector<fs::path> bases;
    for (const auto& entree : fs::recursive_directory_iterator(dossier)) {
        const std::string nom = entree.path().string();
        const std::string suffixe = "_items.csv";
        if (nom.size() > suffixe.size() && nom.ends_with(suffixe))
            bases.push_back(nom.substr(0, nom.size() - suffixe.size()));
    }
    std::sort(bases.begin(), bases.end());
    return bases;
}

Options LireOptions(int argc, char** argv) {
    Options o;
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        const bool suivi = k + 1 < argc;
        if (a == "--budget" && suivi)
            o.budget = std::stod(argv[++k]);
        else if (a == "--instances" && suivi)
            o.instances = argv[++k];
        else if (a == "--only" && suivi) {
            const std::string quoi = argv[++k];
            o.classes = quoi == "classes";
            o.roadef = quoi == "roadef";
        } else if (a == "--sens" && suivi) {
            const std::string quoi = argv[++k];
            o.rotation = quoi == "rotation";
            o.fixe = quoi == "fixe";
        } else if (a == "--detail")
            o.detail = true;
        else
            throw std::invalid_argument("unknown argument " + a);
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options o = LireOptions(argc, argv);
        std::cout << "budget " << o.budget << " s per instance, instances in " << o.instances
                  << '\n';
        const auto classe = [](const std::string& nom) { return nom.substr(0, 8); };
        const auto toutes = [](const std::string&) { return std::string("roadef2018"); };
        const auto classes = Bases(o.instances / "bpp2d");
        if (o.classes && o.rotation)
            Campagne("classes 1-10, rotation allowed", classes, Indifferent, 0, o, classe);
        if (o.classes && o.fixe)
            Campagne("classes 1-10, fixed orientation", classes, Horizontal, 0, o, classe);
        const auto roadef = Bases(o.instances / "roadef2018");
        if (o.roadef)
            for (int32_t kerf : {0, 4})
                Campagne("roadef2018, kerf " + std::to_string(kerf), roadef, Indifferent, kerf, o,
                         toutes);
    } catch (const std::exception& e) {
        std::cerr << "bench_instances: " << e.what() << '\n';
        return 2;
    }
}
