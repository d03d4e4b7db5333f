// brovel-calc: the calculators without their windows, for scripts. It starts the
// program as the desktop does (the same windows, built offscreen, without the
// about box) and prints what they compute.
#include <QApplication>
#include <QTabWidget>

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Arranque.h"
#include "cli/Ladera.h"
#include "ui/Escritorio.h"
#include "ui/windows/MainBrovel.h"

namespace {

using Argumentos = std::vector<std::string_view>;

// Nobody is there to press OK: an error box goes to the error output.
class TEscritorioDeConsola : public brovel::TEscritorio {
public:
    void MostrarError(QWidget*, const QString& texto) override {
        std::fprintf(stderr, "brovel-calc: %s\n", texto.toUtf8().constData());
    }
    void Pitido() override {}
    int MostrarModal(QDialog&) override { return 0; }
    QString ElegirArchivoParaAbrir(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool AbrirDocumento(const QString&) override { return false; }
};

struct TOrden {
    const char* nombre;
    const char* uso;
    const char* descripcion;
    std::function<int(const Argumentos&, int argc, char** argv)> ejecutar;
};

int Uso(std::FILE* salida);

// The slope window after start-up, with its Erosión tab shown.
int Ladera(const Argumentos& argumentos, int argc, char** argv) {
    if (!argumentos.empty()) {
        std::fprintf(stderr, "brovel-calc: argumento inesperado para «ladera»: %s\n",
                     std::string(argumentos.front()).c_str());
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    brovel::PrepararProceso();
    TEscritorioDeConsola consola;
    brovel::TEscritorio::Instalar(&consola);
    int resultado = 0;
    {
        brovel::TMainFormBrovel ventana(false);
        ventana.PageControl->setCurrentWidget(ventana.PageControl->findChild<QWidget*>(QStringLiteral("tsErosion")));
        const std::string json = brovel::LaderaComoJson(ventana);
        if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size()) resultado = 1;
    }
    brovel::TEscritorio::Instalar(nullptr);
    return resultado;
}

const std::vector<TOrden>& Ordenes() {
    static const std::vector<TOrden> ordenes = {
        {"ladera", "ladera", "calcula el proyecto nuevo de la ventana de ladera e imprime sus valores en JSON", Ladera},
    };
    return ordenes;
}

int Uso(std::FILE* salida) {
    std::fputs("Uso: brovel-calc ORDEN [ARGUMENTOS]\n\nÓrdenes:\n", salida);
    for (const TOrden& orden : Ordenes()) std::fprintf(salida, "  %-24s %s\n", orden.uso, orden.descripcion);
    std::fputs("\nOpciones:\n  --help                   muestra esta ayuda\n", salida);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Argumentos argumentos(argv + 1, argv + argc);
    if (argumentos.empty()) {
        std::fputs("brovel-calc: falta la orden (pruebe «brovel-calc --help»)\n", stderr);
        return 2;
    }
    const std::string_view primera = argumentos.front();
    if (primera == "--help" || primera == "-h") return Uso(stdout);
    for (const TOrden& orden : Ordenes()) {
        if (primera != orden.nombre) continue;
        const Argumentos resto(argumentos.begin() + 1, argumentos.end());
        for (const std::string_view a : resto)
            if (a == "--help" || a == "-h") return Uso(stdout);
        // Qt reads its own options from the command line; it gets only the program name.
        int argcQt = 1;
        return orden.ejecutar(resto, argcQt, argv);
    }
    std::fprintf(stderr, "brovel-calc: orden desconocida: %s (pruebe «brovel-calc --help»)\n",
                 std::string(primera).c_str());
    return 2;
}
