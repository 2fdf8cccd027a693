// Every write of the core under the faults a disk hands it: the write is
// refused with its reason, and the file it was to replace stays whole.
#include "DossierTemporaire.h"
#include "ExecutionCli.h"
#include "documents/Exportation.h"
#include "documents/FichierDebit.h"
#include "documents/Fichiers.h"
#include "documents/FichiersReglages.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tavelune;
using test::DossierTemporaire;
namespace fs = std::filesystem;

namespace {

Debit Job() {
    Debit d;
    Panneau_p p = NouveauPanneau(3210, 2250);
    d.PanneauxSaisis = {p};
    TPiece piece;
    piece.Longueur = 800;
    piece.Largeur = 600;
    ReinitialiserPiece(piece);
    d.PiecesSaisies = {piece, piece};
    d.Designations = {"Fenêtre", "Porte"};
    d.References = {"a", "b"};
    return d;
}

struct Ecrivain {
    std::string fichier;
    // The reason the write of `fichier` in the folder failed, empty if it did not.
    std::function<std::string(const fs::path&)> ecrire;
};

std::string EchecDe(const std::vector<EchecEcriture>& echecs, const std::string& fichier) {
    for (const auto& e : echecs)
        if (e.fichier == fichier)
            return e.raison;
    return {};
}

std::vector<Ecrivain> Ecrivains() {
    std::vector<Ecrivain> e = {
        {"job.deb", [](const fs::path& d) { return EnregistrerDebit(d / "job.deb", Job()); }},
        {"liste.csv",
         [](const fs::path& d) {
             const auto octets =
                 Exporter(FormatExport::Texte, Job(), {}, 1.0f, EntetesDepuisTable(Textes(0)), ',');
             return EcrireFichier(d / "liste.csv", octets);
         }},
    };
    for (const char* fichier : {"Unite.dat", "Langue.dat", "Options.dat", "FVitrages.dat",
                                "FDimPanneaux.dat", "FDimPieces.dat", "Optimisation.dat"})
        e.push_back({fichier, [fichier](const fs::path& d) {
                         Reglages r;
                         r.Essences = {"Float"};
                         r.Marques = {true, true, true, true, true, true, true};
                         return EchecDe(EcrireReglages(d, r), fichier);
                     }});
    return e;
}

// Files larger than `octets` cannot be written by this process while it lives;
// the signal that would end it is ignored, so the write fails as on a full disk.
class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets) {
        getrlimit(RLIMIT_FSIZE, &avant_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DisquePlein() {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit avant_{};
    void (*signal_)(int) = nullptr;
};

bool TemporaireLaisse(const fs::path& dossier) {
    for (const auto& f : fs::directory_iterator(dossier))
        if (f.path().filename().string().find(".tmp") != std::string::npos)
            return true;
    return false;
}

} // namespace

// Each fault holds for root as well: a directory in place of the file, a folder
// that does not exist, a pipe in place of the file, a write cut short midway.
TEST(EcrituresEnEchec, ChaqueEcritureSignaleLaPanneEtGardeLAncienFichier) {
    for (const Ecrivain& e : Ecrivains()) {
        SCOPED_TRACE(e.fichier);
        {
            DossierTemporaire d;
            fs::create_directory(d.chemin() / e.fichier);
            EXPECT_NE(e.ecrire(d.chemin()), "");
            EXPECT_TRUE(fs::is_directory(d.chemin() / e.fichier));
        }
        {
            DossierTemporaire d;
            EXPECT_NE(e.ecrire(d.chemin() / "absent"), "");
            EXPECT_FALSE(fs::exists(d.chemin() / "absent"));
        }
        {
            DossierTemporaire d;
            ASSERT_EQ(mkfifo((d.chemin() / e.fichier).c_str(), 0600), 0);
            EXPECT_NE(e.ecrire(d.chemin()), "");
            EXPECT_EQ(fs::status(d.chemin() / e.fichier).type(), fs::file_type::fifo);
            EXPECT_FALSE(TemporaireLaisse(d.chemin()));
        }
        {
            DossierTemporaire d;
            d.Ecrire(e.fichier, "ancien");
            std::string raison;
            {
                const DisquePlein plein(2);
                raison = e.ecrire(d.chemin());
            }
            EXPECT_NE(raison, "");
            EXPECT_EQ(d.Lire(e.fichier), "ancien");
            EXPECT_FALSE(TemporaireLaisse(d.chemin()));
        }
    }
}

TEST(EcrituresEnEchec, UnLienGardeSaPlaceEtLeFichierNommeEstRemplace) {
    DossierTemporaire d;
    d.Ecrire("vrai.deb", "ancien");
    fs::create_symlink(d.chemin() / "vrai.deb", d.chemin() / "job.deb");
    ASSERT_EQ(EnregistrerDebit(d.chemin() / "job.deb", Job()), "");
    EXPECT_TRUE(fs::is_symlink(d.chemin() / "job.deb"));
    EXPECT_EQ(d.Lire("vrai.deb"), EcrireDebit(Job()));
}

TEST(EcrituresEnEchec, LaCommandeSortEn2EtLaisseLaCible) {
    DossierTemporaire d;
    ASSERT_EQ(EnregistrerDebit(d.chemin() / "job.deb", Job()), "");
    d.Ecrire("liste.csv", "a;b;1;300;200;4;Float\n");
    fs::create_directory(d.chemin() / "dossier.csv");
    fs::create_directory(d.chemin() / "dossier.deb");
    for (const char* arguments : {"export job.deb dossier.csv", "export job.deb absent/liste.csv",
                                  "import liste.csv --no-header -o dossier.deb",
                                  "import liste.csv --no-header -o absent/job.deb"}) {
        const auto e = test::ExecuterCli(arguments, d.chemin());
        EXPECT_EQ(e.statut, 2) << arguments;
        EXPECT_NE(e.erreurs.find("impossible"), std::string::npos) << arguments << e.erreurs;
    }
    EXPECT_TRUE(fs::is_directory(d.chemin() / "dossier.csv"));
    EXPECT_TRUE(fs::is_directory(d.chemin() / "dossier.deb"));
    EXPECT_FALSE(fs::exists(d.chemin() / "absent"));
}
