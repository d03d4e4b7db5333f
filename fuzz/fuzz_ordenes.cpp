// Any bytes as brovel-calc's arguments (split at each NUL byte), run as the
// program runs them: nothing may crash or hang, the status is 0, 1 or 2, and what
// a successful order prints as JSON is valid JSON. The orders run in a folder of
// their own, made for each input: a name with "/" is left out, so that no file
// elsewhere is read or written, and so are the reports, which need Qt's text
// layout. A sweep
// is capped at a few points, so that one input never runs for minutes.
#include <sanitizer/common_interface_defs.h>
#include <sys/mman.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "CarpetaTemporal.h"
#include "JsonValido.h"

// The program itself, its main renamed, so that its orders are run as they are.
#define main brovel_calc_main
#include "cli/main.cpp"
#undef main

namespace {

constexpr size_t kPuntosDeBarrido = 40;

int salidaDeErrores = -1;
// The folder the run started in, gone back to after each input.
int carpetaInicial = -1;

void Fallar(const char* que, std::string_view argumentos, std::string_view salida) {
    const std::string texto = std::string(que) + "\n--- argumentos:\n" + brovel::TextoMostrable(argumentos) +
                              "\n--- salida:\n" + std::string(salida) + "\n";
    [[maybe_unused]] const ssize_t escrito = ::write(salidaDeErrores, texto.data(), texto.size());
    std::abort();
}

// The standard output goes to a file in memory, read back after each input; the
// error output, with its one-line refusals, to nowhere while an order runs.
struct TSalidas {
    int memoria = -1, nula = -1;
    TSalidas() {
        memoria = ::memfd_create("salida", MFD_CLOEXEC);
        nula = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        salidaDeErrores = ::dup(2);
        if (memoria < 0 || nula < 0 || salidaDeErrores < 0 || ::dup2(memoria, 1) < 0) std::abort();
        // What the sanitizers find still shows.
        __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<intptr_t>(salidaDeErrores)));
        carpetaInicial = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (carpetaInicial < 0) std::abort();
    }
};

std::string Leida(int fd) {
    std::fflush(stdout);
    std::string texto;
    char bloque[1 << 16];
    ::lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = ::read(fd, bloque, sizeof bloque)) > 0;) texto.append(bloque, static_cast<size_t>(n));
    return texto;
}

bool EsJsonPorLineas(std::string_view texto) {
    while (!texto.empty()) {
        const size_t fin = texto.find('\n');
        if (fin == std::string_view::npos || !brovel::EsJsonValido(texto.substr(0, fin))) return false;
        texto.remove_prefix(fin + 1);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    static TSalidas salidas;
    const std::string_view crudo(reinterpret_cast<const char*>(datos), tamano);
    if (crudo.find('/') != std::string_view::npos) return 0;
    Argumentos argumentos;
    for (size_t inicio = 0; inicio <= crudo.size();) {
        const size_t fin = std::min(crudo.find('\0', inicio), crudo.size());
        argumentos.push_back(crudo.substr(inicio, fin - inicio));
        inicio = fin + 1;
        if (argumentos.size() > 64) return 0;
    }
    if (!argumentos.empty() && argumentos.front().starts_with("reporte")) return 0;
    bool ayuda = false, csv = false;
    for (const std::string_view a : argumentos) {
        ayuda = ayuda || a == "--help" || a == "-h";
        csv = csv || a == "--csv";
    }

    if (::ftruncate(salidas.memoria, 0) != 0) std::abort();
    ::lseek(salidas.memoria, 0, SEEK_SET);
    const brovel::fuzz::TCarpetaTemporal carpeta;
    if (::chdir(carpeta.Ruta().c_str()) != 0) std::abort();
    ::dup2(salidas.nula, 2);
    const Argumentos resto(argumentos.begin() + (argumentos.empty() ? 0 : 1), argumentos.end());
    const bool barrido = !argumentos.empty() && argumentos.front() == "barrido" && !ayuda;
    const int estado = barrido ? brovel::BarridoHasta(resto, kPuntosDeBarrido) : Ejecutar(argumentos);
    ::dup2(salidaDeErrores, 2);
    if (::fchdir(carpetaInicial) != 0) std::abort();
    const std::string salida = Leida(salidas.memoria);

    if (estado < 0 || estado > 2) Fallar("estado fuera de 0, 1 y 2", crudo, salida);
    if (estado != 0 || ayuda || csv || salida.empty()) return 0;
    const std::string_view orden = argumentos.front();
    const bool porLineas = orden == "lote" || orden == "barrido";
    if (porLineas ? !EsJsonPorLineas(salida) : !brovel::EsJsonValido(salida)) Fallar("JSON no válido", crudo, salida);
    return 0;
}
