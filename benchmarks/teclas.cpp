// How long a keystroke takes on a tab without plots, in parts: the field's text
// changes and the form recomputes and is mirrored into the window ("Cadena"); the
// same and then the window paints what changed on its screen, as the desktop
// shows it ("Repintado"); and the whole window painted into an image ("Entera").
// "Reflejo" mirrors the form when nothing changed, and "Dibujo" paints the slope
// drawing once more at the same size. Both windows at their default sizes, off
// the screen. One frame of a screen is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>

#include "app/Arranque.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/MainZumbrel.h"

namespace {

using namespace brovel;

enum class TPintado { Nada, LoCambiado, Entera };

// Two texts in turn, so that every run changes the number.
void Teclear(benchmark::State& estado, QWidget* ventana, QTabWidget* pestanas, int pestana, TUnidades* campo,
             const QString& uno, const QString& otro, TPintado pintado) {
    pestanas->setCurrentIndex(pestana);
    QApplication::processEvents();
    bool primero = false;
    for (auto _ : estado) {
        primero = !primero;
        campo->SetText(primero ? uno : otro);
        switch (pintado) {
            case TPintado::Nada: break;
            // Paints the regions the keystroke marked as changed, as the event loop does.
            case TPintado::LoCambiado: QApplication::processEvents(); break;
            case TPintado::Entera: benchmark::DoNotOptimize(ventana->grab()); break;
        }
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

    const auto registrar = [](const std::string& nombre, auto funcion) {
        benchmark::RegisterBenchmark(nombre.c_str(), funcion)->Unit(benchmark::kMicrosecond)->UseRealTime();
    };
    struct TCaso {
        const char* nombre;
        int pestana;
        TUnidades* campo;
        const char* uno;
        const char* otro;
    };
    // The slope length on Geometría (beside the drawing), a cover on Condicionantes
    // and a roughness on Disipación.
    const TCaso casos[] = {
        {"Geometria", 0, ventana.euLt, "61", "60"},
        {"Condicionantes", 3, ventana.euFatc, "0.81", "0.8"},
        {"Disipacion", 4, ventana.euRast, "2.1", "2"},
    };
    const std::pair<const char*, TPintado> pintados[] = {
        {"Cadena", TPintado::Nada}, {"Repintado", TPintado::LoCambiado}, {"Entera", TPintado::Entera}};
    for (const TCaso& caso : casos)
        for (const auto& [sufijo, pintado] : pintados)
            registrar(std::string("Tecla") + caso.nombre + sufijo, [&, caso, pintado](benchmark::State& e) {
                Teclear(e, &ventana, ventana.PageControl, caso.pestana, caso.campo, caso.uno, caso.otro, pintado);
            });
    registrar("ReflejoSinCambios", [&](benchmark::State& e) {
        ventana.PageControl->setCurrentIndex(0);
        for (auto _ : e) forma.AlCambiar();
    });
    registrar("DibujoLadera", [&](benchmark::State& e) {
        ventana.PageControl->setCurrentIndex(0);
        QWidget* dibujo = ventana.findChild<QWidget*>(QStringLiteral("DibujoLadera"));
        QApplication::processEvents();
        for (auto _ : e) dibujo->repaint();
    });
    // The basin's distance on the runoff window's Geometría, beside its drawing.
    for (const auto& [sufijo, pintado] : pintados)
        registrar(std::string("TeclaZumbrelGeometria") + sufijo, [&, pintado](benchmark::State& e) {
            zumbrel.show();
            Teclear(e, &zumbrel, zumbrel.PageControl, 0, zumbrel.euDdpmrhls, "21.8", "21.79", pintado);
            // Closed before the slope window's form ends.
            zumbrel.hide();
        });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
