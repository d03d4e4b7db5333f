// How long one full recalculation of the slope chain takes: the routines alone on
// the default project, the form's chain from Geometría to Erosión with its field
// reads and result writes, and the same through the window, which also shows
// what the form holds; how long a new form takes to build, as `ladera` builds
// one, and how long putting a form back into its new state takes, as `lote` and
// `barrido` start each project.
#include <benchmark/benchmark.h>

#include "InterlocutorMudo.h"

#include <QApplication>
#include <QTabWidget>

#include "app/Arranque.h"
#include "model/URutinas.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/MainBrovel.h"

namespace {

using namespace brovel;

void BM_CadenaDelModelo(benchmark::State& estado, const TEstadoBrovel& inicial) {
    TEstadoBrovel e = inicial;
    for (auto _ : estado) {
        CalcularLadera(e);
        benchmark::DoNotOptimize(e.PsE);
    }
}

// Each run changes the slope length, so every result field is written anew.
void BM_CadenaDeLaForma(benchmark::State& estado) {
    TInterlocutorMudo mudo;
    TFormaBrovel forma(mudo);
    bool larga = false;
    for (auto _ : estado) {
        larga = !larga;
        forma.euLt.SetBaseValue(larga ? 61 : 60);
        forma.tsErosionShow();
        benchmark::DoNotOptimize(forma.Estado.PsE);
    }
}

void BM_CadenaDeLaVentana(benchmark::State& estado, TMainFormBrovel* ventana) {
    bool larga = false;
    for (auto _ : estado) {
        larga = !larga;
        ventana->euLt->SetBaseValue(larga ? 61 : 60);
        ventana->Forma().tsErosionShow();
        benchmark::DoNotOptimize(ventana->Estado().PsE);
    }
}

void BM_FormaNueva(benchmark::State& estado) {
    TInterlocutorMudo mudo;
    for (auto _ : estado) {
        TFormaBrovel forma(mudo);
        forma.MostrarPestana(TPestanaBrovel::Erosion);
        benchmark::DoNotOptimize(forma.Estado.PsE);
    }
}

void BM_FormaRestaurada(benchmark::State& estado) {
    TInterlocutorMudo mudo;
    TFormaBrovel forma(mudo);
    const auto nueva = forma.Instantanea();
    for (auto _ : estado) {
        forma.Restaurar(*nueva);
        forma.MostrarPestana(TPestanaBrovel::Erosion);
        benchmark::DoNotOptimize(forma.Estado.PsE);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argcQt = 1;
    QApplication aplicacion(argcQt, argv);
    PrepararProceso();
    TMainFormBrovel ventana(false);
    ventana.PageControl->setCurrentIndex(5);

    benchmark::RegisterBenchmark("CadenaDelModelo", BM_CadenaDelModelo, ventana.Estado());
    benchmark::RegisterBenchmark("CadenaDeLaForma", BM_CadenaDeLaForma);
    benchmark::RegisterBenchmark("CadenaDeLaVentana", BM_CadenaDeLaVentana, &ventana);
    benchmark::RegisterBenchmark("FormaNueva", BM_FormaNueva);
    benchmark::RegisterBenchmark("FormaRestaurada", BM_FormaRestaurada);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
