#include "cli/Reporte.h"

#include <dlfcn.h>

#include <array>
#include <cctype>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "cli/EscritorDeReportes.h"
#include "cli/Salida.h"
#include "docs/DatosDelPrograma.h"
#include "forms/FormaBrovel.h"
#include "forms/ReporteBrovel.h"
#include "forms/ReporteZumbrel.h"

namespace brovel {
namespace {

bool TerminaEn(std::string ruta, std::string_view extension) {
    for (char& c : ruta) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ruta.ends_with(extension);
}

// A data file of the program, beside it or in its installation's data folder.
std::string RutaDeDatos(const char* relativa) { return BuscarDato(CarpetaDelEjecutable(), relativa).string(); }

// The writer module, beside the program or in the lib/brovel folder of its
// installation; null, with the reason, when it cannot be loaded.
using TEscribir = decltype(&brovel_escribir_reporte);
TEscribir CargarEscritor(std::string& motivo) {
#ifdef __EMSCRIPTEN__
    motivo = "los reportes necesitan el programa de escritorio";
    return nullptr;
#endif
    const std::filesystem::path programa = CarpetaDelEjecutable();
    for (const std::filesystem::path& ruta :
         {programa / kModuloDeReportes, programa.parent_path() / "lib" / "brovel" / kModuloDeReportes}) {
        if (!std::filesystem::exists(ruta)) continue;
        void* modulo = dlopen(ruta.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!modulo) {
            motivo = dlerror();
            return nullptr;
        }
        if (auto* escribir = reinterpret_cast<TEscribir>(dlsym(modulo, "brovel_escribir_reporte"))) return escribir;
        motivo = "«" + ruta.string() + "» no escribe reportes";
        return nullptr;
    }
    motivo = "falta el módulo de reportes " + std::string(kModuloDeReportes) + " junto al programa";
    return nullptr;
}

int Escribir(const std::function<std::string()>& construir, const std::string& salida, const char* titulo,
             const std::string& proyecto) {
    // The writer first: without it (as in WebAssembly) building the report is of no use.
    std::string motivo;
    const TEscribir escribir = CargarEscritor(motivo);
    if (!escribir) {
        Avisar("no se pudo escribir el reporte: " + motivo);
        return 1;
    }
    std::string rtf;
    try {
        rtf = construir();
    } catch (const std::exception& e) {
        Avisar(std::string("no se pudo generar el reporte: ") + e.what());
        return 1;
    }
    std::array<char, 1024> error{};
    if (escribir(rtf.data(), rtf.size(), salida.c_str(), titulo, proyecto.c_str(), error.data(), error.size()) == 0)
        return 0;
    Avisar(error.data());
    return 1;
}

}  // namespace

int SepararSalidaDeReporte(const Argumentos& argumentos, std::string& salida, Argumentos& resto) {
    bool haySalida = false;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        if (argumentos[i] != "-o") {
            resto.push_back(argumentos[i]);
            continue;
        }
        if (haySalida) return ArgumentoErroneo("«-o» se dio más de una vez");
        if (i + 1 >= argumentos.size() || argumentos[i + 1].empty())
            return ArgumentoErroneo("«-o» necesita un archivo de salida");
        salida = argumentos[++i];
        haySalida = true;
    }
    if (!haySalida) return ArgumentoErroneo("falta «-o SALIDA.pdf» o «-o SALIDA.rtf»");
    if (!TerminaEn(salida, ".pdf") && !TerminaEn(salida, ".rtf"))
        return ArgumentoErroneo("«-o» necesita un archivo .pdf o .rtf, no «" + TextoMostrable(salida) + "»");
    return 0;
}

int EscribirReporte(TFormaBrovel& forma, const std::string& salida) {
    int sinCalcular = 0;
    const auto construir = [&forma, &sinCalcular] {
        const auto reporte = ConstruirReporte(forma, RutaDeDatos(kModeloReporteBrovel), &sinCalcular);
        if (!reporte) throw std::runtime_error(forma.TextoEstado());
        return *reporte;
    };
    const int estado = Escribir(construir, salida, "Reporte de Brovel", forma.NombreProyecto);
    if (estado == 0 && sinCalcular > 0)
        Avisar("el reporte dice «sin calcular» en lugar de " + std::to_string(sinCalcular) +
               (sinCalcular == 1 ? " valor que no se pudo" : " valores que no se pudieron") +
               " calcular con los datos actuales");
    return estado;
}

int EscribirReporte(TFormaZumbrel& forma, const std::string& salida) {
    const auto construir = [&forma] { return ConstruirReporte(forma, RutaDeDatos(kModeloReporteZumbrel)); };
    return Escribir(construir, salida, "Reporte de Zumbrel", "");
}

}  // namespace brovel
