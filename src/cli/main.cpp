// brovel-calc: the calculators without their windows, for scripts. It starts the
// program as the desktop does (the same windows, built offscreen, without the
// about box) and prints what they compute.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Arranque.h"
#include "cli/Ladera.h"
#include "cli/Tabla.h"
#include "docs/ArchivoIni.h"
#include "tables/TablasReferencia.h"
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
    QString ElegirArchivoParaAbrir(QWidget*, const QString&, const QString&, const QString&,
                                   const QString&) override {
        return {};
    }
    QString ElegirArchivoParaGuardar(QWidget*, const QString&, const QString&, const QString&,
                                     const QString&) override {
        return {};
    }
    bool AbrirDocumento(const QString&) override { return false; }
};

struct TOrden {
    const char* nombre;
    const char* uso;
    const char* descripcion;
    std::function<int(const Argumentos&, int argc, char** argv)> ejecutar;
};

int Uso(std::FILE* salida);

int Imprimir(const std::string& texto) {
    return std::fwrite(texto.data(), 1, texto.size(), stdout) == texto.size() ? 0 : 1;
}

// The slope window after start-up, with a project opened as Abrir opens it if one
// is named, and saved as Guardar saves it if asked; then its Erosión tab shown.
int Ladera(const Argumentos& argumentos, int argc, char** argv) {
    std::string archivo, salida;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        if (argumentos[i] == "--guardar") {
            if (i + 1 >= argumentos.size() || !salida.empty()) {
                std::fputs("brovel-calc: «--guardar» necesita un archivo de salida\n", stderr);
                return 2;
            }
            salida = argumentos[++i];
        } else if (archivo.empty() && !argumentos[i].starts_with("-")) {
            archivo = argumentos[i];
        } else {
            std::fprintf(stderr, "brovel-calc: argumento inesperado para «ladera»: %s\n",
                         std::string(argumentos[i]).c_str());
            return 2;
        }
    }
    if (!archivo.empty()) {
        std::string motivo;
        brovel::TArchivoIni prueba;
        if (!prueba.Cargar(archivo, &motivo)) {
            std::fprintf(stderr, "brovel-calc: no se pudo leer «%s»: %s\n", archivo.c_str(), motivo.c_str());
            return 1;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    brovel::PrepararProceso();
    TEscritorioDeConsola consola;
    brovel::TEscritorio::Instalar(&consola);
    int resultado = 0;
    {
        brovel::TMainFormBrovel ventana(false);
        if (!archivo.empty()) ventana.AbrirProyecto(QFile::decodeName(archivo.c_str()));
        if (!salida.empty()) {
            const QString ruta = QFile::decodeName(salida.c_str());
            if (!ventana.GuardarValores(ruta, QFileInfo(ruta).fileName())) resultado = 1;
        }
        ventana.PageControl->setCurrentWidget(ventana.PageControl->findChild<QWidget*>(QStringLiteral("tsErosion")));
        if (resultado == 0) resultado = Imprimir(brovel::LaderaComoJson(ventana));
    }
    brovel::TEscritorio::Instalar(nullptr);
    return resultado;
}

// One reference table, or the list of them; needs no window.
int Tabla(const Argumentos& argumentos, int, char**) {
    if (argumentos.size() > 1) {
        std::fprintf(stderr, "brovel-calc: argumento inesperado para «tabla»: %s\n",
                     std::string(argumentos[1]).c_str());
        return 2;
    }
    if (argumentos.empty()) return Imprimir(brovel::CatalogoComoJson());
    const auto tabla = brovel::CargarTabla(argumentos.front());
    if (!tabla) {
        std::fprintf(stderr, "brovel-calc: tabla desconocida: %s (pruebe «brovel-calc tabla»)\n",
                     std::string(argumentos.front()).c_str());
        return 2;
    }
    return Imprimir(brovel::TablaComoJson(*tabla));
}

const std::vector<TOrden>& Ordenes() {
    static const std::vector<TOrden> ordenes = {
        {"ladera", "ladera [--guardar SALIDA.bvx] [ARCHIVO.bvx]",
         "calcula el proyecto nuevo, o el del archivo, e imprime sus valores en JSON;\n"
         "                                               con --guardar, lo guarda además en SALIDA.bvx",
         Ladera},
        {"tabla", "tabla [CODIGO]", "imprime en JSON una tabla de referencia (sin código, la lista de tablas)", Tabla},
    };
    return ordenes;
}

int Uso(std::FILE* salida) {
    std::fputs("Uso: brovel-calc ORDEN [ARGUMENTOS]\n\nÓrdenes:\n", salida);
    for (const TOrden& orden : Ordenes()) std::fprintf(salida, "  %-44s %s\n", orden.uso, orden.descripcion);
    std::fputs("\nOpciones:\n  --help                                       muestra esta ayuda\n", salida);
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
