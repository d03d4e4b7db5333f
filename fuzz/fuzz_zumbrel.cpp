// Any bytes as the runoff window's data file (".zbr"), loaded as Cargar loads it.
// Nothing may crash or hang; a file refused changes nothing; one loaded prints
// valid JSON, and saved over itself and loaded again gives the same window.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CarpetaTemporal.h"
#include "JsonValido.h"
#include "cli/Escorrentia.h"
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

void Fallar(const char* que, const std::string& a, const std::string& b) {
    std::fprintf(stderr, "%s\n--- primero:\n%s\n--- después:\n%s\n", que, a.c_str(), b.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const brovel::fuzz::TCarpetaTemporal carpeta;
    const std::string ruta = carpeta / "datos.zbr";
    {
        std::FILE* archivo = std::fopen(ruta.c_str(), "wb");
        if (!archivo || (tamano && std::fwrite(datos, 1, tamano, archivo) != tamano)) std::abort();
        std::fclose(archivo);
    }

    TInterlocutorQueAnota persona;
    std::string primero;
    {
        brovel::TFormaBrovel forma(persona);
        brovel::TFormaZumbrel& z = forma.Zumbrel;
        z.MostrarPestana(brovel::TPestanaZumbrel::Escorrentia);
        const std::string inicial = brovel::EscorrentiaComoJson(z);
        if (!z.CargarDatos(ruta)) {
            if (persona.errores.size() != 1) Fallar("un archivo rechazado no dio un mensaje", inicial, "");
            z.MostrarPestana(brovel::TPestanaZumbrel::Escorrentia);
            const std::string despues = brovel::EscorrentiaComoJson(z);
            if (despues != inicial) Fallar("un archivo rechazado cambió la ventana", inicial, despues);
            return 0;
        }
        z.MostrarPestana(brovel::TPestanaZumbrel::Escorrentia);
        primero = brovel::EscorrentiaComoJson(z);
        if (!brovel::EsJsonValido(primero)) Fallar("JSON no válido", primero, "");
        if (!z.GuardarDatos(ruta) || !persona.errores.empty()) return 0;
    }
    TInterlocutorQueAnota otra;
    brovel::TFormaBrovel forma(otra);
    brovel::TFormaZumbrel& z = forma.Zumbrel;
    if (!z.CargarDatos(ruta)) Fallar("los datos guardados no se cargan", primero, otra.errores.front());
    z.MostrarPestana(brovel::TPestanaZumbrel::Escorrentia);
    const std::string despues = brovel::EscorrentiaComoJson(z);
    if (despues != primero) Fallar("cargar, grabar y volver a cargar no da lo mismo", primero, despues);
    return 0;
}
