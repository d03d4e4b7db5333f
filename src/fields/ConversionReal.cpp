#include "fields/ConversionReal.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <vector>

#ifndef BROVEL_CONVERSION_PROPIA
#include <charconv>
#endif

namespace brovel {
namespace respaldo {
namespace {

// printf and strtod follow LC_NUMERIC; the numbers here always use a point.
locale_t LocalC() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

// printf in the "C" locale, whatever the program's own.
template <typename... T>
std::string Imprimir(const char* formato, T... valores) {
    const locale_t anterior = uselocale(LocalC());
    std::vector<char> texto(64);
    int n = std::snprintf(texto.data(), texto.size(), formato, valores...);
    if (n >= 0 && static_cast<size_t>(n) >= texto.size()) {
        texto.resize(static_cast<size_t>(n) + 1);
        n = std::snprintf(texto.data(), texto.size(), formato, valores...);
    }
    uselocale(anterior);
    return n < 0 ? std::string() : std::string(texto.data(), static_cast<size_t>(n));
}

// What std::to_chars writes for what is not a finite number; a long double is
// asked as it is, since one beyond the double's range is still a number.
bool NoFinito(long double valor, std::string& texto) {
    if (std::isnan(valor)) {
        texto = std::signbit(valor) ? "-nan" : "nan";
        return true;
    }
    if (std::isinf(valor)) {
        texto = valor < 0 ? "-inf" : "inf";
        return true;
    }
    return false;
}

}  // namespace

std::string RealFijo(long double valor, int precision) {
    std::string texto;
    if (NoFinito(valor, texto)) return texto;
    return Imprimir("%.*Lf", precision, valor);
}

std::string RealCientifico(long double valor, int precision) {
    std::string texto;
    if (NoFinito(valor, texto)) return texto;
    return Imprimir("%.*Le", precision, valor);
}

std::string RealGeneral(double valor, int precision) {
    std::string texto;
    if (NoFinito(valor, texto)) return texto;
    return Imprimir("%.*g", precision, valor);
}

std::string RealFijoMasCorto(double valor) {
    std::string texto;
    if (NoFinito(valor, texto)) return texto;
    if (valor == 0) return std::signbit(valor) ? "-0" : "0";
    // From 2^53 up every double is a whole number, and the library writes all of
    // its digits rather than the shortest ones padded with zeros.
    if (std::fabs(valor) >= 9007199254740992.0) return Imprimir("%.0f", valor);
    // The fewest significant digits that read back as the same double; at each
    // count printf rounds correctly, so it is the nearest such text.
    std::string cientifico;
    for (int cifras = 1; cifras <= 17; ++cifras) {
        cientifico = Imprimir("%.*e", cifras - 1, valor);
        double leido = 0;
        if (LeerReal(cientifico, leido).error == std::errc{} && leido == valor) break;
    }
    // "-1.2345e+02" → sign, digits "12345", exponent 2 → "-123.45".
    std::string resultado;
    size_t i = 0;
    if (cientifico[0] == '-') {
        resultado += '-';
        i = 1;
    }
    const size_t e = cientifico.find('e');
    std::string digitos;
    for (size_t k = i; k < e; ++k)
        if (cientifico[k] != '.') digitos += cientifico[k];
    const int exponente = std::atoi(cientifico.c_str() + e + 1);
    const int enteros = exponente + 1;  // digits before the point
    if (enteros <= 0) {
        resultado += "0.";
        resultado.append(static_cast<size_t>(-enteros), '0');
        resultado += digitos;
    } else if (static_cast<size_t>(enteros) >= digitos.size()) {
        resultado += digitos;
        resultado.append(static_cast<size_t>(enteros) - digitos.size(), '0');
    } else {
        resultado += digitos.substr(0, static_cast<size_t>(enteros));
        resultado += '.';
        resultado += digitos.substr(static_cast<size_t>(enteros));
    }
    return resultado;
}

LecturaReal LeerReal(std::string_view texto, double& valor) {
    // from_chars takes an optional "-", digits with at most one point (at least one
    // digit), then an optional exponent that counts only when it has digits. No
    // "+", no spaces, no hexadecimal; "inf" and "nan" are read by name.
    size_t i = 0;
    if (i < texto.size() && texto[i] == '-') ++i;
    const auto esDigito = [&](size_t k) { return k < texto.size() && texto[k] >= '0' && texto[k] <= '9'; };
    const auto minusculas = [&](size_t k, std::string_view palabra) {
        if (texto.size() - k < palabra.size()) return false;
        for (size_t j = 0; j < palabra.size(); ++j)
            if ((texto[k + j] | 0x20) != palabra[j]) return false;
        return true;
    };
    size_t fin = i;
    if (minusculas(i, "inf") || minusculas(i, "nan")) {
        fin = i + (minusculas(i, "infinity") ? 8 : 3);
    } else {
        size_t cifras = 0;
        while (esDigito(fin)) ++fin, ++cifras;
        if (fin < texto.size() && texto[fin] == '.') {
            ++fin;
            while (esDigito(fin)) ++fin, ++cifras;
        }
        if (cifras == 0) return {0, std::errc::invalid_argument};
        if (fin < texto.size() && (texto[fin] == 'e' || texto[fin] == 'E')) {
            size_t k = fin + 1;
            if (k < texto.size() && (texto[k] == '+' || texto[k] == '-')) ++k;
            if (esDigito(k)) {
                while (esDigito(k)) ++k;
                fin = k;
            }
        }
    }
    const std::string numero(texto.substr(0, fin));
    errno = 0;
    const double leido = strtod_l(numero.c_str(), nullptr, LocalC());
    if (errno == ERANGE && (std::isinf(leido) || leido == 0)) return {fin, std::errc::result_out_of_range};
    valor = leido;
    return {fin, std::errc{}};
}

}  // namespace respaldo

#ifdef BROVEL_CONVERSION_PROPIA

std::string RealFijo(long double valor, int precision) { return respaldo::RealFijo(valor, precision); }
std::string RealCientifico(long double valor, int precision) { return respaldo::RealCientifico(valor, precision); }
std::string RealGeneral(double valor, int precision) { return respaldo::RealGeneral(valor, precision); }
std::string RealFijoMasCorto(double valor) { return respaldo::RealFijoMasCorto(valor); }
LecturaReal LeerReal(std::string_view texto, double& valor) { return respaldo::LeerReal(texto, valor); }

#else

namespace {
template <typename... T>
std::string Escribir(size_t lugar, T... argumentos) {
    std::string texto(lugar, '\0');
    const auto r = std::to_chars(texto.data(), texto.data() + texto.size(), argumentos...);
    texto.resize(static_cast<size_t>(r.ptr - texto.data()));
    return texto;
}
}  // namespace

std::string RealFijo(long double valor, int precision) {
    return Escribir(static_cast<size_t>(precision) + 5000, valor, std::chars_format::fixed, precision);
}
std::string RealCientifico(long double valor, int precision) {
    return Escribir(static_cast<size_t>(precision) + 32, valor, std::chars_format::scientific, precision);
}
std::string RealGeneral(double valor, int precision) {
    return Escribir(static_cast<size_t>(precision) + 32, valor, std::chars_format::general, precision);
}
std::string RealFijoMasCorto(double valor) { return Escribir(400, valor, std::chars_format::fixed); }
LecturaReal LeerReal(std::string_view texto, double& valor) {
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor, std::chars_format::general);
    return {static_cast<size_t>(r.ptr - texto.data()), r.ec};
}

#endif

}  // namespace brovel
