// The model's arithmetic: extended precision, and every operation that can fault
// (division by zero, logarithm or power of a non-positive number, overflow)
// checked, raising one fault type. A handler runs its routines in a guarded block
// that drops exactly that fault, so the results computed before it keep their new
// values and the later ones keep their previous values.
#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace brovel {

using Real = long double;

class ErrorAritmetico : public std::runtime_error {
public:
    explicit ErrorAritmetico(const char* que) : std::runtime_error(que) {}
};

// Raises the fault; kept out of line, so that the checks below stay small
// enough to be inlined in every routine.
[[noreturn]] void Fallar(const char* que);

// The number itself, or the fault when it is infinite or not a number.
inline Real Finito(Real x) {
    if (!std::isfinite(x)) [[unlikely]]
        Fallar("desbordamiento");
    return x;
}
inline Real Dividir(Real a, Real b) {
    if (b == 0) [[unlikely]]
        Fallar("división por cero");
    return Finito(a / b);
}
// The decimal logarithm; an argument <= 0 faults.
Real Log10Verificado(Real x);
// The natural logarithm, through the decimal one.
Real Ln(Real x);
Real Exp(Real x);
Real Raiz(Real x);
// The general real power: y = 0 gives 1; x = 0 with y > 0 gives 0; an integral y
// multiplies (a negative base works); anything else is exp(y ln x).
Real Potencia(Real x, Real y);
// Drops the fraction towards zero.
int32_t Truncar(Real x);
// The sine of the angle of a grade given in percent.
Real SenoDePendiente(Real s);

// Runs `calculo`; an arithmetic fault ends it silently.
template <typename F>
void BloqueProtegido(F&& calculo) {
    try {
        calculo();
    } catch (const ErrorAritmetico&) {}
}

}  // namespace brovel
