// The message the windows show when a field is left with a number out of its range.
#pragma once

#include <string>

namespace brovel {

// "El valor ingresado se encuentra fuera del rango permitido (min - max)", the
// limits in the base unit with two significant digits ("(0.9 - 1.2E2)").
std::string MensajeFueraDeRango(long double baseMin, long double baseMax);

}  // namespace brovel
