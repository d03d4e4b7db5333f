// How long a keystroke takes with the plots beside the numbers: the field's text
// changes, the chain recomputes up to the tab shown, the window mirrors the form
// (the plot of that tab included) and the whole window is painted again, off the
// screen, at its default size, into an image. One frame of a screen is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>

#include "app/Arranque.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/MainZumbrel.h"

namespace {

using namespace brovel;

// Two texts in turn, so that every run changes the number.
void Teclear(benchmark::State& estado, QWidget* ventana, QTabWidget* pestanas, int pestana, TUnidades* campo,
             const QString& uno, const QString& otro, const std::function<void()>& cadena) {
    pestanas->setCurrentIndex(pestana);
    QApplication::processEvents();
    bool primero = false;
    for (auto _ : estado) {
        primero = !primero;
        campo->SetText(primero ? uno : otro);
        if (cadena) cadena();
        // Painted into an image of its own, whole, whether or not a screen shows it.
        benchmark::DoNotOptimize(ventana->grab());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argcQt = 1;
    QApplication aplicacion(argcQt, argv);
    PrepararProceso();
    TMainFormBrovel ventana(false);
    ventana.show();
    TFormaBrovel& forma = ventana.Forma();
    TMainFormZumbrel& zumbrel = *ventana.Zumbrel();

    const auto registrar = [](const char* nombre, auto funcion) {
        benchmark::RegisterBenchmark(nombre, funcion)->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    // A slope length on the Erosión tab, the chain run to Erosión as the tab runs it.
    registrar("TeclaConFactores", [&](benchmark::State& e) {
        Teclear(e, &ventana, ventana.PageControl, 5, ventana.euLt, "61", "60", [&] { forma.tsErosionShow(); });
    });
    registrar("TeclaConCurva", [&](benchmark::State& e) {
        Teclear(e, &ventana, ventana.PageControl, 1, ventana.euPp, "99", "100", nullptr);
    });
    registrar("TeclaConHietograma", [&](benchmark::State& e) {
        Teclear(e, &ventana, ventana.PageControl, 2, ventana.euCll, "1.3", "1.27", nullptr);
    });
    // The curve number on the runoff window's Escorrentía tab, the hydrograph
    // recomputed as the tab recomputes it.
    registrar("TeclaConHidrograma", [&](benchmark::State& e) {
        zumbrel.show();
        Teclear(e, &zumbrel, zumbrel.PageControl, 4, zumbrel.euNc, "84", "85",
                [&] { zumbrel.Forma().EscorrentiaShow(); });
        // Closed before the slope window's form ends.
        zumbrel.hide();
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
