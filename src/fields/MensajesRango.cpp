#include "fields/MensajesRango.h"

#include "fields/Numeros.h"

namespace brovel {

std::string MensajeFueraDeRango(long double baseMin, long double baseMax) {
    return "El valor ingresado se encuentra fuera del rango permitido (" + FormatoGeneral(baseMin, 2) + " - " +
           FormatoGeneral(baseMax, 2) + ")";
}

}  // namespace brovel
