// A canvas and a printer that record every drawing call as a line of text, with
// fixed font metrics (height 4 x size, average width 2 x size), so that tests
// can check the exact coordinates of a drawing.
#pragma once

#include "view/Canvas.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tavelune::test {

inline std::string EnTexte(Point p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

class CanevasEnregistreur : public Canvas {
public:
    std::vector<std::string> Appels;
    int32_t Taille = 5;

    void CouleurCrayon(Couleur c) override { Noter("crayon " + Rvb(c)); }
    void CouleurPinceau(Couleur c) override { Noter("pinceau " + Rvb(c)); }
    void FondTexteTransparent() override { Noter("transparent"); }
    void Rectangle(Point a, Point b) override { Noter("rect " + EnTexte(a) + " " + EnTexte(b)); }
    void RemplirRectangle(Point a, Point b) override {
        Noter("remplir " + EnTexte(a) + " " + EnTexte(b));
    }
    void Ligne(Point a, Point b) override { Noter("ligne " + EnTexte(a) + " " + EnTexte(b)); }
    void Polyligne(const std::vector<Point>& points) override {
        std::string s = "poly";
        for (Point p : points)
            s += " " + EnTexte(p);
        Noter(s);
    }
    void Texte(Point p, const std::string& t) override { Noter("texte " + EnTexte(p) + " " + t); }
    int32_t HauteurTexte() override { return 4 * Taille; }
    int32_t LargeurMoyenne() override { return 2 * Taille; }
    int32_t TaillePolice() const override { return Taille; }
    void TaillePolice(int32_t points) override {
        Taille = points;
        Noter("police " + std::to_string(points));
    }
    void Gras(bool gras) override { Noter(gras ? "gras" : "normal"); }
    void Decouper(Point a, Point b) override { Noter("decoupe " + EnTexte(a) + " " + EnTexte(b)); }
    void SansDecoupe() override { Noter("sans-decoupe"); }
    void ModeDixiemes() override { Noter("dixiemes"); }
    void ModePixels() override { Noter("pixels"); }
    int32_t EnDixiemes(int32_t pixels) const override { return pixels; }

    // Only the calls that start with `debut`.
    std::vector<std::string> Filtrer(const std::string& debut) const {
        std::vector<std::string> r;
        std::copy_if(Appels.begin(), Appels.end(), std::back_inserter(r),
                     [&](const std::string& a) { return a.rfind(debut, 0) == 0; });
        return r;
    }
    long Compter(const std::string& debut) const {
        return static_cast<long>(Filtrer(debut).size());
    }

private:
    void Noter(std::string s) { Appels.push_back(std::move(s)); }
    static std::string Rvb(Couleur c) {
        return std::to_string(c.Rouge) + "," + std::to_string(c.Vert) + "," +
               std::to_string(c.Bleu);
    }
};

class ImprimanteEnregistreuse : public Imprimante {
public:
    CanevasEnregistreur Canevas_;
    int32_t Largeur = 2100;
    int32_t Hauteur = 2970;

    void DefinirOrientation(Orientation o) override {
        if ((o == Orientation::Paysage) != (Largeur > Hauteur))
            std::swap(Largeur, Hauteur);
        Canevas_.Appels.push_back(o == Orientation::Paysage ? "paysage" : "portrait");
    }
    bool DebutDocument() override {
        Canevas_.Appels.push_back("debut");
        return true;
    }
    void NouvellePage() override { Canevas_.Appels.push_back("page"); }
    bool FinDocument() override {
        Canevas_.Appels.push_back("fin");
        return true;
    }
    int32_t LargeurPage() const override { return Largeur; }
    int32_t HauteurPage() const override { return Hauteur; }
    Canvas& Canevas() override { return Canevas_; }

    long Pages() const { return Canevas_.Compter("debut") + Canevas_.Compter("page"); }
};

} // namespace tavelune::test
