#include "docs/Reporte.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "fields/Numeros.h"

namespace brovel {
namespace {

// Templates are a few tens of kilobytes; a file far beyond that is not one.
constexpr long long kTamanoMaximoPlantilla = 16LL * 1024 * 1024;

// The characters of Windows-1252 at 0x80..0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> kCp1252Alto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int ByteCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (size_t i = 0; i < kCp1252Alto.size(); ++i)
        if (kCp1252Alto[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

// The next character of UTF-8 text, or -1 for a byte that starts none (which is
// then consumed alone).
long long SiguienteCaracter(std::string_view texto, size_t& i) {
    const auto byte = [&](size_t j) { return static_cast<unsigned char>(texto[j]); };
    const unsigned char b = byte(i);
    int extra = 0;
    char32_t c = 0;
    if (b < 0x80) {
        ++i;
        return b;
    } else if (b >= 0xC2 && b <= 0xDF) {
        extra = 1, c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        extra = 2, c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        extra = 3, c = b & 0x07;
    } else {
        ++i;
        return -1;
    }
    if (i + static_cast<size_t>(extra) >= texto.size()) {
        ++i;
        return -1;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char siguiente = byte(i + static_cast<size_t>(k));
        if ((siguiente & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        c = (c << 6) | (siguiente & 0x3F);
    }
    const bool corta = (extra == 2 && c < 0x800) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF)) ||
                       (c >= 0xD800 && c <= 0xDFFF);
    if (corta) {
        ++i;
        return -1;
    }
    i += static_cast<size_t>(extra) + 1;
    return c;
}

}  // namespace

int NumeroDeIdentificador(std::string_view identificador) {
    if (identificador.empty() || identificador.front() != '$') throw ErrorReporte(std::string(kMensajeIdentificadorInvalido));
    return LeerEntero(identificador.substr(1, 10));
}

std::string LeerPlantilla(const std::string& ruta) {
    const auto fallo = [&] { return ErrorReporte("Cannot open file " + ruta); };
    struct stat datos {};
    if (::stat(ruta.c_str(), &datos) != 0 || !S_ISREG(datos.st_mode) || datos.st_size > kTamanoMaximoPlantilla)
        throw fallo();
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) throw fallo();
    std::ostringstream contenido;
    contenido << archivo.rdbuf();
    if (archivo.bad()) throw fallo();
    return std::move(contenido).str();
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
        const long long c = SiguienteCaracter(utf8, i);
        if (c < 0) {
            destino += '?';
            continue;
        }
        const int byte = ByteCp1252(static_cast<char32_t>(c));
        if (byte >= 0) {
            destino += static_cast<char>(byte);
        } else if (c <= 0xFFFF) {
            // RTF's \u takes a signed 16-bit number.
            destino += "\\u" + std::to_string(c > 0x7FFF ? c - 0x10000 : c) + '?';
        } else {
            // Beyond the basic plane: the UTF-16 pair, each half as its own \u.
            const long long v = c - 0x10000;
            for (long long mitad : {0xD800 + (v >> 10), 0xDC00 + (v & 0x3FF)})
                destino += "\\u" + std::to_string(mitad - 0x10000) + '?';
        }
    }
}

}  // namespace brovel
