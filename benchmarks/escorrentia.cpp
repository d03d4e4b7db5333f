// How long the runoff chain takes for a long storm: 100 steps of one minute on the
// default basin (some 330 ordinates), the model alone and through the runoff form,
// which also reads its fields and keeps the three grids' numbers.
#include <benchmark/benchmark.h>

#include "InterlocutorMudo.h"

#include "forms/FormaZumbrel.h"
#include "model/URutinasZ.h"

namespace {

using namespace brovel;

// A storm of 100 one-minute steps.
void TormentaLarga(TEstadoZumbrel& e) {
    e.Sall = 100;
    e.Ptsd = 1;
    for (int k = 1; k <= 100; ++k) e.AllParcial[static_cast<size_t>(k)] = 0.5 + (k % 7);
}

void BM_ModeloDeEscorrentia(benchmark::State& estado) {
    TEstadoZumbrel e;
    ValoresIniciales(e);
    TormentaLarga(e);
    for (auto _ : estado) {
        CalcularZumbrel(e);
        benchmark::DoNotOptimize(e.Cp);
    }
    estado.counters["ordenadas"] = e.CantidadHe;
}
BENCHMARK(BM_ModeloDeEscorrentia);

void BM_FormaDeEscorrentia(benchmark::State& estado) {
    TInterlocutorMudo mudo;
    TFormaZumbrel forma(mudo);
    double alturas[101];
    for (int k = 1; k <= 100; ++k) alturas[k] = 0.5 + (k % 7);
    forma.RecibirTormenta(100, alturas, 1);
    bool grande = false;
    for (auto _ : estado) {
        // A keystroke in the area field, then the Escorrentía tab.
        grande = !grande;
        forma.euAc.SetBaseValue(grande ? 70.26 : 70.27);
        forma.EscorrentiaShow();
        benchmark::DoNotOptimize(forma.Estado.Cp);
    }
    estado.counters["ordenadas"] = forma.Estado.CantidadHe;
}
BENCHMARK(BM_FormaDeEscorrentia);

}  // namespace

BENCHMARK_MAIN();
