#include "cli/Salida.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "docs/Codificacion.h"
#include "docs/ErroresDelSistema.h"

namespace brovel {
namespace {

// The length of the valid UTF-8 sequence beyond ASCII at the start of `t`, or 0.
size_t LargoUtf8(std::string_view t) {
    char32_t punto = 0;
    const size_t largo = LeerUtf8(t, punto);
    // The C1 controls are controls too.
    return largo > 1 && !(punto >= 0x80 && punto <= 0x9F) ? largo : 0;
}

// A failure of the output is said once.
bool salidaFallida = false;

int FalloDeSalida() {
    if (!salidaFallida) Avisar(std::string("no se pudo escribir la salida: ") + TextoDelError(errno ? errno : EIO));
    salidaFallida = true;
    return 1;
}

}  // namespace

std::string TextoMostrable(std::string_view texto) {
    std::string r;
    r.reserve(texto.size());
    while (!texto.empty()) {
        const unsigned char c = static_cast<unsigned char>(texto.front());
        size_t largo = c >= 0x20 && c < 0x7F ? 1 : (c >= 0x80 ? LargoUtf8(texto) : 0);
        if (largo > 0) {
            r.append(texto.substr(0, largo));
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            r += escape;
            largo = 1;
        }
        texto.remove_prefix(largo);
    }
    return r;
}

void Avisar(std::string_view mensaje) {
    // Escaped whole, so that no name or system text in it can break its line;
    // what is escaped already stays as it is.
    const std::string linea = TextoMostrable(mensaje);
    std::fprintf(stderr, "brovel-calc: %s\n", linea.c_str());
}

int Imprimir(std::string_view texto) {
    errno = 0;
    const bool escrito = std::fwrite(texto.data(), 1, texto.size(), stdout) == texto.size();
    if (escrito && std::fflush(stdout) == 0) return 0;
    return FalloDeSalida();
}

int CerrarSalida() {
    errno = 0;
    if (std::fclose(stdout) == 0) return 0;
    return FalloDeSalida();
}

}  // namespace brovel
