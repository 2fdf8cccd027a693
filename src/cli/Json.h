// A small JSON writer: compact output, commas placed by the writer, texts escaped.
#pragma once

#include <concepts>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tavelune {

// The text as a JSON string, quotes included: quotes, backslashes and control
// characters escaped, the rest of the UTF-8 text (as every text of the model is) as is.
std::string ChaineJson(std::string_view utf8);

class EcrivainJson {
public:
    explicit EcrivainJson(std::ostream& flux) : flux_(flux) {}

    void DebutObjet() { Ouvrir('{'); }
    void FinObjet() { Fermer('}'); }
    void DebutListe() { Ouvrir('['); }
    void FinListe() { Fermer(']'); }

    void Cle(std::string_view cle);
    void Nombre(int64_t valeur);
    // The shortest text that reads back as the same value; 0 for a value JSON cannot hold.
    void Reel(float valeur);
    void Reel(double valeur);
    void Texte(std::string_view utf8);

    void Champ(std::string_view cle, int64_t valeur) {
        Cle(cle);
        Nombre(valeur);
    }
    void Champ(std::string_view cle, std::string_view utf8) {
        Cle(cle);
        Texte(utf8);
    }

    void ChampReel(std::string_view cle, float valeur) {
        Cle(cle);
        Reel(valeur);
    }
    void ChampReel(std::string_view cle, double valeur) {
        Cle(cle);
        Reel(valeur);
    }

private:
    template <std::floating_point R> void EcrireReel(R valeur);
    void AvantValeur();
    void Ouvrir(char c);
    void Fermer(char c);

    std::ostream& flux_;
    std::vector<bool> vides_; // per open object or list: nothing written in it yet
    bool apresCle_ = false;
};

} // namespace tavelune
