#include "fields/MensajesRango.h"

#include <map>
#include <utility>

#include "fields/Numeros.h"

namespace brovel {
namespace {

// A form asks the message of the same few ranges over and over, as each
// recalculation checks its inputs; the text depends on the limits alone. The
// messages kept are bounded, for ranges that follow other numbers.
constexpr size_t kMensajesGuardados = 256;

}  // namespace

std::string MensajeFueraDeRango(long double baseMin, long double baseMax) {
    thread_local std::map<std::pair<long double, long double>, std::string> guardados;
    const std::pair<long double, long double> rango{baseMin, baseMax};
    if (const auto guardado = guardados.find(rango); guardado != guardados.end()) return guardado->second;
    std::string mensaje = "El valor ingresado se encuentra fuera del rango permitido (" + FormatoGeneral(baseMin, 2) +
                          " - " + FormatoGeneral(baseMax, 2) + ")";
    if (guardados.size() >= kMensajesGuardados) guardados.clear();
    // A limit that is no number is never equal to itself, and so never found.
    if (rango == rango) guardados.emplace(rango, mensaje);
    return mensaje;
}

}  // namespace brovel
