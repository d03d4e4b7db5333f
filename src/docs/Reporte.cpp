#include "docs/Reporte.h"

#include "docs/ArchivoIni.h"
#include "docs/Codificacion.h"
#include "fields/Numeros.h"

namespace brovel {
namespace {

// Templates are a few tens of kilobytes; a file far beyond that is not one.
constexpr size_t kTamanoMaximoPlantilla = 16u << 20;

}  // namespace

int NumeroDeIdentificador(std::string_view identificador) {
    if (identificador.empty() || identificador.front() != '$')
        throw ErrorReporte(std::string(kMensajeIdentificadorInvalido));
    return LeerEntero(identificador.substr(1, 10));
}

std::string LeerPlantilla(const std::string& ruta) {
    std::string plantilla, motivo;
    if (LeerArchivo(ruta, kTamanoMaximoPlantilla, plantilla, motivo) != TCarga::Leido)
        throw ErrorReporte("Cannot open file " + ruta);
    return plantilla;
}

void GenerarReporte(std::string_view plantilla, const TResolvedor& resolver, std::string& reporte) {
    bool recogiendo = false;
    std::string identificador;
    for (size_t i = 0; i < plantilla.size(); ++i) {
        const char c = plantilla[i];
        if (c == '[') {
            const char siguiente = i + 1 < plantilla.size() ? plantilla[i + 1] : '\0';
            if (siguiente == '#' || siguiente == '&' || siguiente == '$')
                recogiendo = true;
            else
                reporte += c;
        } else if (c == ']') {
            recogiendo = false;
            AgregarEnCp1252(resolver(identificador), reporte);
            identificador.clear();
        } else if (recogiendo) {
            identificador += c;
        } else {
            reporte += c;
        }
    }
}

void AgregarEnCp1252(std::string_view utf8, std::string& destino) {
    for (size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const size_t largo = LeerUtf8(utf8.substr(i), c);
        if (largo == 0) {
            destino += '?';
            ++i;
            continue;
        }
        i += largo;
        const int byte = ByteWindows1252(c);
        if (byte >= 0) {
            destino += static_cast<char>(byte);
        } else if (c <= 0xFFFF) {
            // RTF's \u takes a signed 16-bit number.
            destino += "\\u" + std::to_string(c > 0x7FFF ? static_cast<long>(c) - 0x10000 : static_cast<long>(c)) + '?';
        } else {
            // Beyond the basic plane: the UTF-16 pair, each half as its own \u.
            const long v = static_cast<long>(c) - 0x10000;
            for (long mitad : {0xD800 + (v >> 10), 0xDC00 + (v & 0x3FF)})
                destino += "\\u" + std::to_string(mitad - 0x10000) + '?';
        }
    }
}

}  // namespace brovel
