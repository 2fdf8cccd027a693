// Optimisation of large simple jobs: one 3210 x 2250 sheet model of indifferent
// direction, seeded random pieces of every direction, no margins, no kerf.
#include "engine/Optimisation.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace tavelune;

namespace {

Debit GrandDebit(int nbPieces) {
    std::mt19937 hasard(20240611);
    const auto entre = [&](int32_t min, int32_t max) {
        return std::uniform_int_distribution<int32_t>(min, max)(hasard);
    };
    Debit d;
    Panneau_p plaque;
    plaque.Longueur = 3210;
    plaque.Largeur = 2250;
    plaque.Sens = Indifferent;
    Reinitialiser(plaque);
    d.PanneauxSaisis.push_back(plaque);
    for (int n = 0; n < nbPieces; ++n) {
        TPiece p;
        p.Longueur = entre(100, 1500);
        p.Largeur = entre(100, 1000);
        p.Sens = entre(0, 2);
        p.Epaisseur = plaque.Epaisseur;
        p.Numero = n;
        p.IndexDesignation = n;
        ReinitialiserPiece(p);
        d.PiecesSaisies.push_back(p);
    }
    return d;
}

void Optimiser(benchmark::State& state) {
    const Debit modele = GrandDebit(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Debit d = modele;
        state.ResumeTiming();
        Optimisation(d);
        benchmark::DoNotOptimize(d.Panneaux.data());
        state.counters["plaques"] = static_cast<double>(d.Panneaux.size());
    }
}

} // namespace

BENCHMARK(Optimiser)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
