// How long the field's number work takes: every result the chain writes is
// rendered, read back and compared, so these sit under every recalculation.
#include <benchmark/benchmark.h>

#include "fields/Cantidad.h"
#include "fields/Numeros.h"

namespace {

using namespace brovel;

void BM_RenderizarCampo(benchmark::State& estado) {
    const long double valores[] = {6, 60, 0.05L, 1.0L / 3, 1234.5678L, 1.5E-5L, 3.2E7L};
    size_t i = 0;
    for (auto _ : estado) benchmark::DoNotOptimize(RenderizarCampo(valores[i++ % 7], 3, 0.0001L, 10000));
}
BENCHMARK(BM_RenderizarCampo);

void BM_LeerNumero(benchmark::State& estado) {
    const char* textos[] = {"6", "60", "0.05", "0.333", "1234.568", "1.5E-5", "3.2E+7"};
    size_t i = 0;
    for (auto _ : estado) benchmark::DoNotOptimize(LeerNumero(textos[i++ % 7]));
}
BENCHMARK(BM_LeerNumero);

void BM_FormatoGeneral(benchmark::State& estado) {
    double x = 0.1;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(FormatoGeneral(x, 15));
        x += 0.37;
    }
}
BENCHMARK(BM_FormatoGeneral);

// The limits of a range message and the scientific texts of results far from 1,
// as a field without an upper limit (1.1E4900) or a vanishing result gives them.
void BM_FormatoGeneralLejosDeUno(benchmark::State& estado) {
    long double x = 1.1E4900L;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(FormatoGeneral(x, 2));
        benchmark::DoNotOptimize(FormatoGeneral(1 / x, 2));
        x *= 1.0001L;
    }
}
BENCHMARK(BM_FormatoGeneralLejosDeUno);

// One result field written with a new value and read back, as the chain does.
void BM_EscribirYLeerCampo(benchmark::State& estado) {
    TCantidad campo;
    campo.SetUnits({"m|1|0", "km|0.001|0"});
    campo.SciMax = 10000;
    campo.Cargado();
    long double x = 0.1L;
    for (auto _ : estado) {
        campo.SetBaseValue(x);
        benchmark::DoNotOptimize(campo.GetBaseValue());
        x += 0.37L;
    }
}
BENCHMARK(BM_EscribirYLeerCampo);

}  // namespace

BENCHMARK_MAIN();
