// brovel-calc: the calculators without their windows, for scripts. It runs the
// windows' forms, without any display, and prints what they compute.
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Ladera.h"
#include "cli/Tabla.h"
#include "docs/ArchivoIni.h"
#include "forms/FormaBrovel.h"
#include "tables/TablasReferencia.h"

namespace {

using Argumentos = std::vector<std::string_view>;

// Nobody is there to press OK: an error box goes to the error output, and no file
// is ever chosen.
class TInterlocutorDeConsola : public brovel::TInterlocutor {
public:
    void MostrarError(const std::string& texto) override { std::fprintf(stderr, "brovel-calc: %s\n", texto.c_str()); }
    std::string ElegirProyectoParaAbrir() override { return {}; }
    std::string ElegirProyectoParaGuardar() override { return {}; }
};

struct TOrden {
    const char* nombre;
    const char* uso;
    const char* descripcion;
    std::function<int(const Argumentos&)> ejecutar;
};

int Uso(std::FILE* salida);

int Imprimir(const std::string& texto) {
    return std::fwrite(texto.data(), 1, texto.size(), stdout) == texto.size() ? 0 : 1;
}

// The slope form after start-up, with a project opened as Abrir opens it if one is
// named, and saved as Guardar saves it if asked; then its Erosión tab shown.
int Ladera(const Argumentos& argumentos) {
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
    TInterlocutorDeConsola consola;
    brovel::TFormaBrovel forma(consola);
    if (!archivo.empty()) forma.AbrirProyecto(archivo);
    if (!salida.empty() && !forma.GuardarValores(salida, salida)) return 1;
    forma.MostrarPestana(5);
    return Imprimir(brovel::LaderaComoJson(forma));
}

// One reference table, or the list of them; needs no window.
int Tabla(const Argumentos& argumentos) {
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
        return orden.ejecutar(resto);
    }
    std::fprintf(stderr, "brovel-calc: orden desconocida: %s (pruebe «brovel-calc --help»)\n",
                 std::string(primera).c_str());
    return 2;
}
