// A fresh folder under the system's temporary directory, removed at the end of the test.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace tavelune::test {

class DossierTemporaire {
public:
    DossierTemporaire() {
        std::random_device alea;
        chemin_ = std::filesystem::temp_directory_path() /
                  ("tavelune-test-" + std::to_string(alea()) + std::to_string(alea()));
        std::filesystem::create_directories(chemin_);
    }
    ~DossierTemporaire() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }

    void Ecrire(const std::string& nom, std::string_view octets) const {
        std::ofstream(chemin_ / nom, std::ios::binary)
            .write(octets.data(), static_cast<std::streamsize>(octets.size()));
    }

    std::string Lire(const std::string& nom) const {
        std::ifstream flux(chemin_ / nom, std::ios::binary);
        return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path chemin_;
};

} // namespace tavelune::test
