#include "cli/Salida.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "docs/Codificacion.h"
#include "docs/ErroresDelSistema.h"

namespace brovel {
namespace {

// A failure of the output is said once.
bool salidaFallida = false;

int FalloDeSalida() {
    if (!salidaFallida) Avisar(std::string("no se pudo escribir la salida: ") + TextoDelError(errno ? errno : EIO));
    salidaFallida = true;
    return 1;
}

}  // namespace

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
