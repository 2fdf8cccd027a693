// One settings or list file (FICHIER_REGLAGES) holding any bytes, read with the
// others missing, as the program reads them at start. What was read writes back
// and reads again the same.
#include "Commun.h"
#include "documents/FichiersReglages.h"
#include "strings/Texte.h"

#include <bit>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace tavelune;
namespace fs = std::filesystem;

namespace {

fs::path Dossier(const char* nom) {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path d = base / ("tavelune-fuzz-" + std::to_string(getpid())) / nom;
    fs::create_directories(d);
    return d;
}

void Vider(const fs::path& dossier) {
    for (const auto& f : fs::directory_iterator(dossier))
        fs::remove(f.path());
}

// Floats are compared by their bits: a NaN read is a NaN written.
void Comparer(Reglages a, Reglages b) {
    for (auto [x, y] : {std::pair{&a.Options.LongueurMaxi, &b.Options.LongueurMaxi},
                        {&a.Options.LargeurMaxi, &b.Options.LargeurMaxi},
                        {&a.Options.LongueurDefaut, &b.Options.LongueurDefaut},
                        {&a.Options.LargeurDefaut, &b.Options.LargeurDefaut}}) {
        if (std::bit_cast<uint32_t>(*x) != std::bit_cast<uint32_t>(*y))
            fuzz::Echec("option réelle relue autrement");
        *x = *y = 0;
    }
    // Designations taken from the string table are cut to their field when written.
    if (!a.DesignationsDuFichier)
        for (auto* d : {&a.Options.DesignationPanneau, &a.Options.DesignationPanneaux,
                        &a.Options.DesignationPiece, &a.Options.DesignationPieces})
            *d = PremiersCaracteres(*d, 20);
    // Which files there were, not what they held: every file exists the second time.
    a.Marques = b.Marques = {};
    a.DesignationsDuFichier = b.DesignationsDuFichier;
    if (!(a == b))
        fuzz::Echec("réglages relus autrement");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path lus = Dossier("lus");
    static const fs::path ecrits = Dossier("ecrits");
    Vider(lus);
    Vider(ecrits);
    std::ofstream(lus / FICHIER_REGLAGES, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Reglages r = LireReglages(lus);
    r.Marques = {true, true, true, true, true, true, true};
    if (const auto echecs = EcrireReglages(ecrits, r); !echecs.empty())
        fuzz::Echec("écriture refusée : " + echecs.front().fichier + " " + echecs.front().raison);
    Comparer(r, LireReglages(ecrits));
    return 0;
}
