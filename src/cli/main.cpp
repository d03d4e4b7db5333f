// brovel-calc: the calculators without their windows, for scripts. It runs the
// windows' forms, without any display, and prints what they compute.
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Ladera.h"
#include "cli/Salida.h"
#include "cli/Tabla.h"
#include "forms/FormaBrovel.h"
#include "tables/TablasReferencia.h"

namespace {

using brovel::Avisar;
using brovel::Imprimir;
using brovel::TextoMostrable;
using Argumentos = std::vector<std::string_view>;

// Nobody is there to press OK: an error box goes to the error output, and no file
// is ever chosen. While a command reports a failure in its own words, the box is
// kept quiet.
class TInterlocutorDeConsola : public brovel::TInterlocutor {
public:
    void MostrarError(const std::string& texto) override {
        if (!callado) Avisar(TextoMostrable(texto));
    }
    std::string ElegirProyectoParaAbrir() override { return {}; }
    std::string ElegirProyectoParaGuardar() override { return {}; }
    brovel::TRespuesta PreguntarGuardarCambios(const std::string&) override { return brovel::TRespuesta::No; }

    bool callado = false;
};

struct TOrden {
    const char* nombre;
    const char* uso;
    const char* descripcion;
    std::function<int(const Argumentos&)> ejecutar;
};

int Uso(std::FILE* salida);

int ArgumentoErroneo(const std::string& mensaje) {
    Avisar(mensaje);
    return 2;
}

// The slope form after start-up, with a project opened as Abrir opens it if one is
// named, and saved as Guardar saves it if asked; then its Erosión tab shown. The
// project is read once.
int Ladera(const Argumentos& argumentos) {
    std::string archivo, salida;
    bool hayArchivo = false, haySalida = false;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string_view a = argumentos[i];
        if (a == "--guardar") {
            if (haySalida) return ArgumentoErroneo("«--guardar» se dio más de una vez");
            if (i + 1 >= argumentos.size()) return ArgumentoErroneo("«--guardar» necesita un archivo de salida");
            salida = argumentos[++i];
            haySalida = true;
            if (salida.empty()) return ArgumentoErroneo("«--guardar» necesita un archivo de salida, no un texto vacío");
        } else if (!hayArchivo && !a.starts_with("-")) {
            archivo = a;
            hayArchivo = true;
            if (archivo.empty()) return ArgumentoErroneo("la ruta del proyecto está vacía");
        } else {
            return ArgumentoErroneo("argumento inesperado para «ladera»: " + TextoMostrable(a));
        }
    }
    TInterlocutorDeConsola consola;
    brovel::TFormaBrovel forma(consola);
    if (hayArchivo) {
        std::string motivo;
        consola.callado = true;
        const bool abierto = forma.AbrirProyecto(archivo, &motivo);
        consola.callado = false;
        if (!abierto) {
            Avisar("no se pudo leer «" + TextoMostrable(archivo) + "»: " + motivo);
            return 1;
        }
    }
    if (haySalida && !forma.GuardarValores(salida, salida)) return 1;
    forma.MostrarPestana(5);
    return Imprimir(brovel::LaderaComoJson(forma));
}

// One reference table, or the list of them.
int Tabla(const Argumentos& argumentos) {
    if (argumentos.size() > 1) return ArgumentoErroneo("argumento inesperado para «tabla»: " + TextoMostrable(argumentos[1]));
    if (argumentos.empty()) return Imprimir(brovel::CatalogoComoJson());
    const auto tabla = brovel::CargarTabla(argumentos.front());
    if (!tabla)
        return ArgumentoErroneo("tabla desconocida: " + TextoMostrable(argumentos.front()) +
                                " (pruebe «brovel-calc tabla»)");
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
    std::string texto = "Uso: brovel-calc ORDEN [ARGUMENTOS]\n\nÓrdenes:\n";
    for (const TOrden& orden : Ordenes()) {
        char linea[512];
        std::snprintf(linea, sizeof linea, "  %-44s %s\n", orden.uso, orden.descripcion);
        texto += linea;
    }
    texto += "\nOpciones:\n  --help                                       muestra esta ayuda\n";
    if (salida == stdout) return Imprimir(texto);
    std::fputs(texto.c_str(), salida);
    return 0;
}

int Ejecutar(const Argumentos& argumentos) {
    if (argumentos.empty()) return ArgumentoErroneo("falta la orden (pruebe «brovel-calc --help»)");
    const std::string_view primera = argumentos.front();
    if (primera == "--help" || primera == "-h") return Uso(stdout);
    for (const TOrden& orden : Ordenes()) {
        if (primera != orden.nombre) continue;
        const Argumentos resto(argumentos.begin() + 1, argumentos.end());
        for (const std::string_view a : resto)
            if (a == "--help" || a == "-h") return Uso(stdout);
        return orden.ejecutar(resto);
    }
    return ArgumentoErroneo("orden desconocida: " + TextoMostrable(primera) + " (pruebe «brovel-calc --help»)");
}

}  // namespace

int main(int argc, char** argv) {
    const int estado = Ejecutar(Argumentos(argv + 1, argv + argc));
    // The output is closed even after a failure, so that nothing is left unsaid;
    // a failure to close it fails a command that had succeeded.
    const int cierre = brovel::CerrarSalida();
    return estado != 0 ? estado : cierre;
}
