// Writes, one per line, the texts the program makes of the numbers it writes: the
// exact and rounded fixed notation, the general and shortest forms, a field's text
// at each count of decimals, and the numbers read back from what fields and files
// hold. Built for this machine and for WebAssembly, the two outputs must be equal
// byte for byte (tests/textos_web.sh compares them).
//
// Every number here is one both builds hold exactly: a double, a long double of at
// most 64 significant bits, or a number read from a decimal text. The random ones
// come from the raw bits of mt19937_64, the same on every C++ library.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "fields/Cantidad.h"
#include "fields/ConversionReal.h"
#include "fields/MensajesRango.h"
#include "fields/Numeros.h"

namespace {

using namespace brovel;

std::vector<long double> Numeros() {
    // clang-format off
    std::vector<long double> v = {0.0L, -0.0L, 1.0L, -1.0L, 0.5L, 2.5L, 12.345, 100, 1e20, 1e-5, 0.1, 0.2, 0.3,
                                  0.000123, 3.14159265358979, 1.0 / 3.0, 2.0 / 3.0, 1e23, 5e-324,
                                  2.2250738585072014e-308, 1.7976931348623157e308, 0.05, 0.15, 0.25, 0.35, 4.35,
                                  2.675, 1.005, 9999.99995, 0.00009999, 1e6, 99999.5};
    // clang-format on
    for (int entero = -300; entero <= 2000; ++entero) v.push_back(entero / 100.0);
    std::mt19937_64 azar(20261211);
    for (int i = 0; i < 1000; ++i) {
        const uint64_t bits = azar();
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x)) v.push_back(x);
    }
    // Long doubles with every one of x86's 64 bits in use, far past the double's range.
    for (int i = 0; i < 200; ++i) {
        const uint64_t mantisa = azar() | (uint64_t{1} << 63);
        const int exponente = static_cast<int>(azar() % 32000) - 16000;
        const long double x = std::ldexp(static_cast<long double>(mantisa), exponente - 63);
        v.push_back(i % 2 ? -x : x);
    }
    // The sizes of the fields: a few digits at every scale from 1e-12 to 1e12.
    for (int i = 0; i < 3000; ++i) {
        const uint64_t cifras = azar() % 10000000;
        const int exponente = static_cast<int>(azar() % 25) - 12;
        double x = 0;
        LeerReal(std::to_string(cifras) + "e" + std::to_string(exponente - 6), x);
        v.push_back(x);
    }
    return v;
}

// Decimal texts as fields, files and options hold them, with ties at every count of
// decimals a field shows.
std::vector<std::string> Textos() {
    std::vector<std::string> t = {"0.345",    "12.345",  "1.005",     "2.675",
                                  "0.125",    "0.0005",  "4.35",      "1e-5",
                                  "1.1E4900", "1E-5000", "9.9E-4940", "123456789012345678901234567890",
                                  "0.3048",   "25.4",    "1609.344",  "0.45359237",
                                  "-7.5",     "15,5",    "3,14159"};
    std::mt19937_64 azar(1234);
    for (int i = 0; i < 4000; ++i) {
        const int decimales = static_cast<int>(azar() % 8);
        uint64_t entero = azar() % 100000;
        if (azar() % 3 == 0) entero %= 10;
        std::string fraccion;
        for (int k = 0; k < decimales; ++k) fraccion += static_cast<char>('0' + azar() % 10);
        // A five last, a tie at one decimal less.
        if (decimales > 0 && azar() % 2) fraccion.back() = '5';
        t.push_back(std::to_string(entero) + (decimales ? "." + fraccion : ""));
    }
    return t;
}

void Linea(const std::string& texto) { std::printf("%s\n", texto.c_str()); }

void Escribir(long double x) {
    int exponente2 = 0;
    std::frexp(x, &exponente2);
    std::string l;
    // All the digits of a number of 64 significant bits, where that is not too long.
    if (std::abs(exponente2) < 3000) l += RealFijo(x, 3) + " " + RealFijo(x, std::max(0, 64 - exponente2));
    const double d = static_cast<double>(x);
    l += " " + RealGeneral(d, 6) + " " + RealGeneral(d, 15) + " " + RealGeneral(d, 17) + " " + RealFijoMasCorto(d);
    for (int decimales = 0; decimales <= 9; ++decimales) {
        l += " " + RenderizarCampo(x, decimales, 0.0001L, 10000, true);
        if (std::abs(exponente2) < 200) l += " " + RenderizarFijo(x, decimales, false);
    }
    l += " " + RenderizarCientifico(x, 3, false) + " " + RenderizarCientifico(x, 16, true);
    l += " " + FormatoGeneral(x, 2) + " " + FormatoGeneral(x, 15) + " " + FormatoGeneral(x, 17);
    Linea(l);
}

void Leer(const std::string& texto) {
    std::string l = texto;
    try {
        const long double x = LeerNumeroDeCampo(texto);
        for (int decimales = 0; decimales <= 9; ++decimales)
            l += " " + RenderizarCampo(x, decimales, 0.0001L, 10000, true);
        l += " " + FormatoGeneral(x, 15) + " " + FormatoGeneral(x, 19) + " " + RealGeneral(static_cast<double>(x), 17);
    } catch (const ErrorDeConversion&) {
        l += " ilegible";
    }
    double d = 0;
    const LecturaReal r = LeerReal(texto, d);
    const char* error = r.error == std::errc{}                      ? "bien"
                        : r.error == std::errc::result_out_of_range ? "fuera-de-rango"
                                                                    : "no-es-un-numero";
    l += " " + std::to_string(r.usados) + " " + error + " " + RealGeneral(d, 17);
    Linea(l);
}

}  // namespace

int main() {
    for (const long double x : Numeros()) Escribir(x);
    for (const std::string& t : Textos()) Leer(t);
    // The fields' open limit, whose bits differ between the two formats but not
    // its text at the digits anything writes.
    Linea(MensajeFueraDeRango(0, kSinLimite) + " " + FormatoGeneral(kSinLimite, 17) + " " +
          RenderizarCientifico(kSinLimite, 17, true) + " " + RenderizarCampo(-kSinLimite, 3, 0.0001L, 10000, true));
    return 0;
}
