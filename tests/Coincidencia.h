// Agreement of a computed number with an expected one to twelve significant
// digits: the model keeps its results as doubles, so the last few digits of a
// long chain of operations are not part of the answer.
#pragma once

#include <cmath>
#include <sstream>
#include <string>

namespace brovel {

inline bool CoincideEnDoceCifras(long double real, long double esperado) {
    return std::fabs(real - esperado) <= 1e-12L * std::fabs(esperado);
}

inline std::string Discrepancia(long double real, long double esperado) {
    std::ostringstream texto;
    texto.precision(17);
    texto << "se obtuvo " << real << ", se esperaba " << esperado;
    return texto.str();
}

}  // namespace brovel
