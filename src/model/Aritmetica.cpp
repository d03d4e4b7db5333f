#include "model/Aritmetica.h"

#include <cmath>

namespace brovel {
namespace {

// The decimal logarithm of e, by which the natural logarithm is obtained.
constexpr Real kLog10DeE = 0.4342944819032518277L;

// A whole-number power by repeated squaring; a negative exponent inverts.
Real PotenciaEntera(Real x, long long n) {
    const bool inversa = n < 0;
    unsigned long long k = inversa ? static_cast<unsigned long long>(-n) : static_cast<unsigned long long>(n);
    Real resultado = 1;
    Real base = x;
    while (k) {
        if (k & 1U) resultado = Finito(resultado * base);
        k >>= 1U;
        if (k) base = Finito(base * base);
    }
    return inversa ? Dividir(1, resultado) : resultado;
}

}  // namespace

void Fallar(const char* que) { throw ErrorAritmetico(que); }

Real Log10Verificado(Real x) {
    if (!(x > 0)) throw ErrorAritmetico("logaritmo de un número no positivo");
    return std::log10(x);
}

Real Ln(Real x) { return Log10Verificado(x) / kLog10DeE; }

Real Exp(Real x) { return Finito(std::exp(Finito(x))); }

Real Raiz(Real x) {
    if (x < 0) throw ErrorAritmetico("raíz de un número negativo");
    return std::sqrt(x);
}

Real Potencia(Real x, Real y) {
    if (y == 0) return 1;
    if (x == 0 && y > 0) return 0;
    if (std::trunc(y) == y && std::fabs(y) <= 2147483647.0L) return PotenciaEntera(x, static_cast<long long>(y));
    return Exp(y * Ln(x));
}

int32_t Truncar(Real x) {
    const Real t = std::trunc(Finito(x));
    if (t > 2147483647.0L || t < -2147483648.0L) throw ErrorAritmetico("entero fuera de rango");
    return static_cast<int32_t>(t);
}

Real SenoDePendiente(Real s) { return std::sin(std::atan(s / 100)); }

}  // namespace brovel
