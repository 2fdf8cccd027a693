#include "view/Plan.h"

#include "strings/Texte.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tavelune {

namespace {

constexpr int32_t PetitePolice = 3;

// Toward zero, kept inside the int32 range (a degenerate scale must not be UB).
int32_t Tronquer(double v) {
    if (std::isnan(v))
        return 0;
    constexpr double bas = std::numeric_limits<int32_t>::min();
    constexpr double haut = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(std::trunc(v), bas, haut));
}

int32_t Caracteres(const std::string& t) {
    return static_cast<int32_t>(NombreCaracteres(t));
}

// Model length over the scale, unrounded: what the fit tests compare.
double Quotient(const Plan& plan, int64_t d) {
    return static_cast<double>(d) / static_cast<double>(plan.Echelle);
}

int32_t LU(const Plan& plan, int64_t d) {
    return Tronquer(Quotient(plan, d));
}

int32_t X(const Plan& plan, int32_t v) {
    return LU(plan, v) + plan.Origine.x;
}

int32_t Y(const Plan& plan, int32_t v) {
    return LU(plan, v) + plan.Origine.y;
}

std::string Cote(const Plan& plan, int64_t d) {
    return TexteLongueur(plan.Reglages, d);
}

// What the frame reads, from a sheet or from an entered piece.
struct Element {
    MONRect Rect;
    int32_t Longueur;
    int32_t Largeur;
    int32_t Epaisseur;
    int32_t Essence;
    int32_t Sens;
    int32_t Nb;
    int32_t IndexDesignation;
};

// An arrowhead: the end of a dimension line and two 10-unit strokes back from it,
// along x (dx = ±10, a horizontal line) or along y (dy = ±10, a vertical line).
void Fleche(Canvas& c, Point bout, int32_t dx, int32_t dy) {
    if (dx != 0)
        c.Polyligne({{bout.x + dx, bout.y + 10}, bout, {bout.x + dx, bout.y - 10}});
    else
        c.Polyligne({{bout.x - 10, bout.y + dy}, bout, {bout.x + 10, bout.y + dy}});
}

std::array<std::string, 8> LignesEntete(const Plan& plan, const Element& e,
                                        const std::string& reference) {
    const MotsDessin& mots = plan.Reglages.Mots;
    const std::string& u = plan.Reglages.UniteJob.Nom;
    const bool complexe = plan.CodeVue % 10 == DebitComplexe;
    const std::string dimensions = Cote(plan, e.Longueur) + "x" + Cote(plan, e.Largeur) + " " + u;
    const std::string sens = NomSensMinuscule(mots, e.Sens);

    std::array<std::string, 8> lignes;
    if (complexe) {
        lignes[1] = mots.Epaisseur + " : " + Cote(plan, e.Epaisseur) + " " + u;
        if (!plan.Textes.Essences.empty()) {
            const std::string* essence = Entree(plan.Textes.Essences, e.Essence);
            lignes[2] = essence ? mots.Vitrage + " : " + Minuscules(*essence) : mots.NonSpecifie;
        }
    }
    if (plan.CodeVue >= VuePanneau) {
        lignes[3] = mots.NomPanneau + " : " + dimensions + " - " + mots.SensMotifs + " " + sens;
        return lignes;
    }
    lignes[3] = mots.SensMotifs + " : " + sens;
    lignes[4] = mots.Nombre + " : " + std::to_string(e.Nb);
    lignes[5] = "Dimensions : " + dimensions;
    if (!plan.Textes.Designations.empty()) {
        const std::string* designation = Entree(plan.Textes.Designations, e.IndexDesignation);
        lignes[6] = mots.NomPiece + " : " + (designation ? *designation : std::string());
    }
    lignes[7] = "Ref : " + reference;
    return lignes;
}

void DessinerElement(const Plan& plan, const Element& e, const std::string& reference) {
    Canvas& c = plan.Surface;
    const int32_t h = c.HauteurTexte();
    const int32_t cw = c.LargeurMoyenne();
    const int32_t gauche = X(plan, e.Rect.Left);
    const int32_t droite = X(plan, e.Rect.Right);
    const int32_t haut = Y(plan, e.Rect.Top);
    const int32_t bas = Y(plan, e.Rect.Bottom);

    // Heading slot k sits (k + 1)h + 30 + 20k above the top edge; slot 0 is the length text.
    const auto lignes = LignesEntete(plan, e, reference);
    for (int32_t k = 1; k < static_cast<int32_t>(lignes.size()); ++k)
        if (!lignes[static_cast<std::size_t>(k)].empty())
            c.Texte({gauche, haut + (k + 1) * h + 30 + 20 * k},
                    lignes[static_cast<std::size_t>(k)]);

    const std::string lt = Cote(plan, e.Longueur);
    const std::string wt = Cote(plan, e.Largeur);
    c.Texte({plan.Origine.x + std::abs(LU(plan, e.Longueur) / 2 - (Caracteres(lt) / 2) * cw),
             haut + h + 30},
            lt);
    c.Texte({droite + 40, plan.Origine.y + std::max(std::abs(LU(plan, e.Largeur) / 2 + h / 2), h)},
            wt);

    Fleche(c, {gauche, haut + 20}, 10, 0);
    c.Ligne({gauche, haut + 20}, {droite, haut + 20});
    Fleche(c, {droite, haut + 20}, -10, 0);

    Fleche(c, {droite + 20, haut}, 0, -10);
    c.Ligne({droite + 20, haut}, {droite + 20, bas});
    Fleche(c, {droite + 20, bas}, 0, 10);

    c.Rectangle({gauche, haut}, {droite, bas});
}

// Dimension lines inside a rectangle with their two labels (waste areas and pieces).
void CotesAvecLignes(const Plan& plan, const MONRect& r, const std::string& hl,
                     const std::string& vl, const std::string* reference, int32_t marge, int32_t h,
                     int32_t cw) {
    Canvas& c = plan.Surface;
    const int32_t gauche = X(plan, r.Left);
    const int32_t droite = X(plan, r.Right);
    const int32_t haut = Y(plan, r.Top);
    const int32_t bas = Y(plan, r.Bottom);

    const int32_t yH = haut - 20 - h;
    Fleche(c, {gauche, yH}, 10, 0);
    c.Ligne({gauche, yH}, {droite, yH});
    Fleche(c, {droite, yH}, -10, 0);

    const int32_t xV = droite - 20;
    Fleche(c, {xV, haut}, 0, -10);
    c.Ligne({xV, haut}, {xV, bas});
    Fleche(c, {xV, bas}, 0, 10);

    if (reference)
        c.Texte({gauche + 5, haut - 5}, *reference);
    const int32_t lw = LU(plan, int64_t{r.Right} - r.Left);
    const int32_t lv = LU(plan, int64_t{r.Top} - r.Bottom);
    const int32_t largeurHL = Caracteres(hl) * cw;
    c.Texte({gauche + std::min(lw - marge - largeurHL, (lw - largeurHL) / 2), haut - 10}, hl);
    c.Texte({gauche + lw - 40 - Caracteres(vl) * cw, haut - std::max(30, (lv - h) / 2)}, vl);
}

bool PasseAvecLignes(const Plan& plan, int64_t w, int64_t v, const std::string& hl,
                     const std::string& vl, int32_t h, int32_t cw) {
    return Quotient(plan, v) >= 40 + 2 * h &&
           Quotient(plan, w) >= 40 + std::max(Caracteres(hl), Caracteres(vl)) * cw;
}

bool PasseSurUneLigne(const Plan& plan, int64_t w, int64_t v, const std::string& texte, int32_t h,
                      int32_t cw) {
    return Quotient(plan, v) > h + 10 && Quotient(plan, w) > Caracteres(texte) * cw + 10;
}

void DessinerChute(const Plan& plan, const MONRect& r, int32_t h, int32_t cw) {
    Canvas& c = plan.Surface;
    c.Rectangle({X(plan, r.Left), Y(plan, r.Top)}, {X(plan, r.Right), Y(plan, r.Bottom)});
    const int64_t w = int64_t{r.Right} - r.Left;
    const int64_t v = int64_t{r.Top} - r.Bottom;
    const std::string wt = Cote(plan, w);
    const std::string vt = Cote(plan, v);
    if (PasseAvecLignes(plan, w, v, wt, vt, h, cw)) {
        CotesAvecLignes(plan, r, wt, vt, nullptr, 40, h, cw);
        return;
    }
    const std::string t = wt + "x" + vt;
    if (PasseSurUneLigne(plan, w, v, t, h, cw))
        c.Texte({X(plan, r.Left) + 5, Y(plan, r.Top) - 5}, t);
}

void Hachurer(const Plan& plan, const MONRect& r) {
    Canvas& c = plan.Surface;
    const int32_t gauche = X(plan, r.Left);
    const int32_t bas = Y(plan, r.Bottom);
    c.Decouper({gauche, Y(plan, r.Top)}, {X(plan, r.Right), bas});
    const int64_t m = std::max(int64_t{LU(plan, r.Right)} - LU(plan, r.Left),
                               int64_t{LU(plan, r.Top)} - LU(plan, r.Bottom));
    for (int64_t o = 0; o <= 2 * m; o += 40)
        c.Ligne({gauche, static_cast<int32_t>(bas + o)}, {static_cast<int32_t>(gauche + o), bas});
    c.SansDecoupe();
}

struct Etiquettes {
    std::string Horizontale;
    std::string Verticale;
    std::string Complete;
    std::string Courte;
};

Etiquettes EtiquettesPiece(int32_t mode, const std::string& r, const std::string& nw,
                           const std::string& nh, const std::string& ow, const std::string& oh) {
    switch (mode) {
    case DeuxCotesNettes:
    case DeuxCotesHorsTout: {
        const std::string nettes = "(" + nw + "x" + nh + ")";
        const std::string horsTout = "[" + ow + "x" + oh + "]";
        return {"(" + nw + ")[" + ow + "]", "(" + nh + ")[" + oh + "]", r + " " + nettes + horsTout,
                r + " " + (mode == DeuxCotesNettes ? nettes : horsTout)};
    }
    case CotesNettes:
        return {nw, nh, r + " " + nw + "x" + nh, r + " " + nw + "x" + nh};
    case CotesHorsTout:
        return {ow, oh, r + " " + ow + "x" + oh, r + " " + ow + "x" + oh};
    default:
        return {};
    }
}

void PlacerEtiquettes(const Plan& plan, const TPiece& piece, const std::string& r) {
    Canvas& c = plan.Surface;
    const MONRect& o = piece.RectHorsTout;
    const MONRect& n = piece.RectCoupe;
    const int64_t w = int64_t{o.Right} - o.Left;
    const int64_t v = int64_t{o.Top} - o.Bottom;
    const Etiquettes e =
        EtiquettesPiece(plan.Reglages.ModeAffichage, r, Cote(plan, int64_t{n.Right} - n.Left),
                        Cote(plan, int64_t{n.Top} - n.Bottom), Cote(plan, w), Cote(plan, v));

    // The current font may already be the small one, left by an earlier piece of the sheet.
    int32_t h = c.HauteurTexte();
    int32_t cw = c.LargeurMoyenne();
    if (!PasseAvecLignes(plan, w, v, e.Horizontale, e.Verticale, h, cw)) {
        c.TaillePolice(PetitePolice);
        h = c.HauteurTexte();
        cw = c.LargeurMoyenne();
    }
    if (PasseAvecLignes(plan, w, v, e.Horizontale, e.Verticale, h, cw)) {
        CotesAvecLignes(plan, o, e.Horizontale, e.Verticale, &r, 30, h, cw);
        return;
    }
    const Point coin{X(plan, o.Left), Y(plan, o.Top)};
    for (const std::string* t : {&e.Complete, &e.Courte})
        if (PasseSurUneLigne(plan, w, v, *t, h, cw)) {
            c.Texte({coin.x + 5, coin.y - 5}, *t);
            return;
        }
    const int32_t dx = Tronquer(std::min((Quotient(plan, w) - cw) * 0.5, 5.0));
    const int32_t dy = Tronquer(std::min((Quotient(plan, v) - h) * 0.5, 5.0));
    c.Texte({coin.x + dx, coin.y - dy}, r);
}

// Each step adds 0.01; where a float no longer moves by 0.01 it moves by one ulp.
float Suivante(float s) {
    const float t = static_cast<float>(static_cast<double>(s) + 0.01);
    return t > s ? t : std::nextafter(s, std::numeric_limits<float>::infinity());
}

std::optional<float> EchellePour(int32_t a, int32_t b, int32_t entete, int32_t lmax, int32_t wmax) {
    const double c2 = 2.0 * entete;
    if (a <= c2 || b <= c2 || (lmax <= 0 && wmax <= 0))
        return std::nullopt;
    float s = static_cast<double>(b) / (c2 + lmax) >= static_cast<double>(a) / (c2 + wmax)
                  ? static_cast<float>(wmax / (a - c2))
                  : static_cast<float>(lmax / (b - c2));
    while (a < c2 + wmax / static_cast<double>(s) || b < c2 + lmax / static_cast<double>(s))
        s = Suivante(s);
    return s;
}

template <typename T>
std::optional<float> EchelleDeListe(int32_t a, int32_t b, int32_t entete,
                                    const std::vector<T>& elements) {
    int32_t lmax = 0;
    int32_t wmax = 0;
    for (const T& e : elements) {
        lmax = std::max(lmax, e.Longueur);
        wmax = std::max(wmax, e.Largeur);
    }
    return EchellePour(a, b, entete, lmax, wmax);
}

} // namespace

std::string TexteEchelle(const std::string& mot, float s) {
    const long double rapport = 1.0L / (static_cast<long double>(0.1) / s);
    const long double entier = std::isfinite(rapport) ? std::trunc(rapport) : 0.0L;
    return mot + " : 1/" +
           std::to_string(
               static_cast<long long>(std::clamp(entier, 0.0L, static_cast<long double>(1e15))));
}

std::optional<float> CalculerEchelle(int32_t a, int32_t b, int32_t entete,
                                     const std::vector<Panneau_p>& elements) {
    return EchelleDeListe(a, b, entete, elements);
}

std::optional<float> CalculerEchelle(int32_t a, int32_t b, int32_t entete,
                                     const std::vector<TPiece>& elements) {
    return EchelleDeListe(a, b, entete, elements);
}

void DessinerCadre(const Plan& plan, const TPanneau& p) {
    DessinerElement(
        plan,
        {p.Rect, p.Longueur, p.Largeur, p.Epaisseur, p.Essence, p.Sens, p.Nb, p.IndexDesignation},
        {});
}

void DessinerCadre(const Plan& plan, const TPiece& p, const std::string& referenceCourante) {
    DessinerElement(plan,
                    {p.RectCoupe, p.Longueur, p.Largeur, p.Epaisseur, p.Essence, p.Sens, p.Nb,
                     p.IndexDesignation},
                    referenceCourante);
}

void DessinerPanneau(const Plan& plan, const Panneau_p& panneau) {
    Canvas& c = plan.Surface;
    const int32_t h = c.HauteurTexte();
    const int32_t cw = c.LargeurMoyenne();
    c.CouleurCrayon(Noir);
    DessinerCadre(plan, panneau);
    c.CouleurCrayon(Bleu);
    for (const MONRect& chute : panneau.Chutes)
        DessinerChute(plan, chute, h, cw);
    for (const TPiece& piece : panneau.Pieces)
        DessinerPiece(plan, piece);
}

bool DessinerPiece(const Plan& plan, const TPiece& piece) {
    const std::string* reference = Entree(plan.Textes.References, piece.Numero);
    if (!reference)
        return false;
    Canvas& c = plan.Surface;
    const MONRect& o = piece.RectHorsTout;
    const MONRect& n = piece.RectCoupe;
    c.CouleurCrayon(Noir);
    c.Rectangle({X(plan, o.Left), Y(plan, o.Top)}, {X(plan, o.Right), Y(plan, o.Bottom)});
    c.CouleurCrayon(Vert);
    c.Rectangle({X(plan, n.Left), Y(plan, n.Top)}, {X(plan, n.Right), Y(plan, n.Bottom)});
    Hachurer(plan, n);
    c.FondTexteTransparent();
    c.CouleurCrayon(Noir);
    PlacerEtiquettes(plan, piece, *reference);
    return true;
}

} // namespace tavelune
