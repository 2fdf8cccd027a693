// Rendering the sheets view of a large job to PDF, as a print run or the batch
// output does it.
#include "platform/ImprimanteQt.h"
#include "view/Impression.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace tavelune;

namespace {

TPiece Piece(int32_t numero, MONRect horsTout, int32_t marge) {
    TPiece t;
    t.Numero = numero;
    t.RectHorsTout = horsTout;
    t.RectCoupe = {horsTout.Left + marge, horsTout.Top - marge, horsTout.Right - marge,
                   horsTout.Bottom + marge};
    t.Longueur = t.RectCoupe.Right - t.RectCoupe.Left;
    t.Largeur = t.RectCoupe.Top - t.RectCoupe.Bottom;
    t.Surface = t.Longueur * t.Largeur;
    return t;
}

// A 3210 x 2250 sheet with large, medium and small pieces and the free rectangles left.
Panneau_p PanneauDeDemonstration(int32_t i) {
    Panneau_p p = NouveauPanneau(3210, 2250);
    p.Longueur = 3210;
    p.Largeur = 2250;
    p.Surface = 3210 * 2250;
    const int32_t d = i % 7 * 10;
    p.Pieces = {Piece(0, {0, 1270, 1820 - d, 0}, 10),   Piece(1, {0, 2250, 900, 1270}, 10),
                Piece(2, {900, 2250, 1800, 1270}, 10),  Piece(3, {1820, 300, 2100, 0}, 10),
                Piece(4, {2100, 300, 2400, 0}, 10),     Piece(5, {2400, 120, 2480, 0}, 5),
                Piece(6, {2400, 300, 2480, 120}, 5),    Piece(7, {1820, 1270, 2600, 300}, 10),
                Piece(8, {1800, 2250, 2700, 1270}, 10), Piece(9, {2480, 60, 2520, 0}, 2)};
    p.Chutes = {{2520, 300, 3210, 0},
                {2600, 1270, 3210, 300},
                {2700, 2250, 3210, 1270},
                {2480, 300, 2520, 60}};
    p.LineaireDecoupe = 25000;
    return p;
}

Debit GrandDebit(int32_t panneaux) {
    Debit d;
    d.References = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    for (int32_t i = 0; i < panneaux; ++i)
        d.Panneaux.push_back(PanneauDeDemonstration(i));
    return d;
}

void BM_PanneauxEnPdf(benchmark::State& etat) {
    const Debit debit = GrandDebit(static_cast<int32_t>(etat.range(0)));
    const std::vector<std::string> essences;
    ReglagesDessin reglages;
    reglages.ModeAffichage = DeuxCotesNettes;
    QTemporaryDir dossier;
    const std::string chemin = (dossier.path() + "/plan.pdf").toStdString();
    for (auto _ : etat) {
        ImprimantePdf pdf(chemin);
        if (!ImprimerPanneaux(pdf, debit, essences, reglages))
            etat.SkipWithError("PDF not written");
    }
    etat.SetItemsProcessed(etat.iterations() * etat.range(0));
}
BENCHMARK(BM_PanneauxEnPdf)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
