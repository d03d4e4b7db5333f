// How reading and updating a project file grows with its size: a project with
// hand-written notes, from a few hundred lines up to the largest file taken
// (about 4 MB). Reading and writing must grow linearly.
#include <benchmark/benchmark.h>

#include <string>

#include "docs/ArchivoIni.h"

namespace {

std::string Proyecto(int notas) {
    std::string texto = "[Geometria]\r\nDeclive=6\r\nLongitud=60\r\n";
    for (int i = 0; i < notas; ++i) texto += "nota" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    return texto;
}

void BM_LeerProyecto(benchmark::State& estado) {
    const std::string texto = Proyecto(static_cast<int>(estado.range(0)));
    for (auto _ : estado) {
        brovel::TArchivoIni ini;
        ini.CargarTexto(texto);
        benchmark::DoNotOptimize(ini.LeerReal("Geometria", "Longitud", 0));
    }
    estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations() * texto.size()));
    estado.SetComplexityN(estado.range(0));
}
BENCHMARK(BM_LeerProyecto)->RangeMultiplier(8)->Range(64, 1 << 18)->Complexity(benchmark::oN);

// Every entry a project writes is new to this file: each goes after the last
// entry of its section.
void BM_EscribirEntradasNuevas(benchmark::State& estado) {
    const std::string texto = Proyecto(static_cast<int>(estado.range(0)));
    for (auto _ : estado) {
        brovel::TArchivoIni ini;
        ini.CargarTexto(texto);
        for (int i = 0; i < 100; ++i) ini.EscribirReal("Suelo", "clave" + std::to_string(i), i * 0.5);
        benchmark::DoNotOptimize(ini.Texto());
    }
    estado.SetComplexityN(estado.range(0));
}
BENCHMARK(BM_EscribirEntradasNuevas)->RangeMultiplier(8)->Range(64, 1 << 18)->Complexity(benchmark::oN);

// A file of many sections, one entry each, looked through as an opened file is
// to tell a project: finding and listing sections must grow linearly too.
void BM_LeerSecciones(benchmark::State& estado) {
    std::string texto;
    for (int i = 0; i < estado.range(0); ++i) texto += "[s" + std::to_string(i) + "]\r\nk=1\r\n";
    for (auto _ : estado) {
        brovel::TArchivoIni ini;
        ini.CargarTexto(texto);
        benchmark::DoNotOptimize(ini.Secciones());
    }
    estado.SetComplexityN(estado.range(0));
}
BENCHMARK(BM_LeerSecciones)->RangeMultiplier(8)->Range(64, 1 << 18)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
