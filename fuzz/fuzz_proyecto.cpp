// Any bytes as a project file, through the slope form as the program uses it:
// opened, computed, saved and opened again. Nothing may crash or hang, what would
// be printed is valid JSON, and the saved project computes what the opened one
// did, unless the form said that some value could not be saved.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "JsonValido.h"
#include "cli/Ladera.h"
#include "forms/FormaBrovel.h"

namespace {

class TInterlocutorQueAnota : public brovel::TInterlocutor {
public:
    void MostrarError(const std::string& texto) override { errores.push_back(texto); }
    std::string ElegirProyectoParaAbrir() override { return {}; }
    std::string ElegirProyectoParaGuardar() override { return {}; }
    brovel::TRespuesta PreguntarGuardarCambios(const std::string&) override { return brovel::TRespuesta::No; }
    std::vector<std::string> errores;
};

std::string RutaTemporal(const char* nombre) {
    return std::string(P_tmpdir) + "/brovel-fuzz-" + std::to_string(::getpid()) + "-" + nombre;
}

void Escribir(const std::string& ruta, const uint8_t* datos, size_t tamano) {
    std::FILE* archivo = std::fopen(ruta.c_str(), "wb");
    if (!archivo) std::abort();
    if (tamano && std::fwrite(datos, 1, tamano, archivo) != tamano) std::abort();
    std::fclose(archivo);
}

void Fallar(const char* que, const std::string& a, const std::string& b) {
    std::fprintf(stderr, "%s\n--- primero:\n%s\n--- después:\n%s\n", que, a.c_str(), b.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    static const std::string original = RutaTemporal("original.bvx");
    static const std::string guardado = RutaTemporal("guardado.bvx");
    Escribir(original, datos, tamano);
    ::unlink(guardado.c_str());

    TInterlocutorQueAnota persona;
    std::string primero;
    {
        brovel::TFormaBrovel forma(persona);
        if (!forma.AbrirProyecto(original)) return 0;
        forma.MostrarPestana(5);
        primero = brovel::LaderaComoJson(forma);
        if (!brovel::EsJsonValido(primero)) Fallar("JSON no válido", primero, "");
        if (!forma.GuardarValores(guardado, "guardado.bvx")) return 0;
    }
    if (!persona.errores.empty()) return 0;

    TInterlocutorQueAnota otra;
    brovel::TFormaBrovel reabierta(otra);
    if (!reabierta.AbrirProyecto(guardado)) Fallar("el proyecto guardado no se abre", primero, "");
    reabierta.MostrarPestana(5);
    const std::string despues = brovel::LaderaComoJson(reabierta);
    if (despues != primero) Fallar("abrir, guardar y volver a abrir no da lo mismo", primero, despues);
    return 0;
}
