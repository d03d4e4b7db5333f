// Any bytes as a project file, up to the largest one opened, through the slope
// form as the program uses it: opened, computed, saved to a new name and over
// itself, and opened again. Nothing may crash or hang, what would be printed is
// valid JSON, and each saved project computes what the opened one did, unless the
// form said that something could not be saved (a value that is not finite, a
// file that would grow past what opens). No file is left behind.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CarpetaTemporal.h"
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

// The project at `ruta`, opened again, computes `primero`.
void Reabrir(const std::string& ruta, const std::string& primero) {
    TInterlocutorQueAnota otra;
    brovel::TFormaBrovel reabierta(otra);
    if (!reabierta.AbrirProyecto(ruta)) Fallar("el proyecto guardado no se abre", primero, "");
    reabierta.MostrarPestana(brovel::TPestanaBrovel::Erosion);
    const std::string despues = brovel::LaderaComoJson(reabierta);
    if (despues != primero) Fallar("abrir, guardar y volver a abrir no da lo mismo", primero, despues);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const brovel::fuzz::TCarpetaTemporal carpeta;
    const std::string original = carpeta / "original.bvx";
    const std::string guardado = carpeta / "guardado.bvx";
    Escribir(original, datos, tamano);

    TInterlocutorQueAnota persona;
    std::string primero;
    bool enOtro = false, encima = false;
    {
        brovel::TFormaBrovel forma(persona);
        if (!forma.AbrirProyecto(original)) return 0;
        forma.MostrarPestana(brovel::TPestanaBrovel::Erosion);
        primero = brovel::LaderaComoJson(forma);
        if (!brovel::EsJsonValido(primero)) Fallar("JSON no válido", primero, "");
        enOtro = forma.GuardarValores(guardado, "guardado.bvx") && persona.errores.empty();
        persona.errores.clear();
        // Saved over the file it was opened from, as Guardar does.
        encima = forma.GuardarValores(original, "original.bvx") && persona.errores.empty();
    }
    if (enOtro) Reabrir(guardado, primero);
    if (encima) Reabrir(original, primero);
    return 0;
}
