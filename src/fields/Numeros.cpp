#include "fields/Numeros.h"

#include "fields/ConversionReal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <locale.h>
#include <map>
#include <tuple>
#include <stdlib.h>

namespace brovel {
namespace {

// The exact decimal expansion of |valor|: all its digits, and how many of them
// stand before the decimal point (at least one).
struct DecimalExacto {
    std::string digitos;
    int enteros = 1;
};

DecimalExacto Expandir(long double valor) {
    valor = std::fabs(valor);
    int exponente2 = 0;
    std::frexp(valor, &exponente2);
    // valor = m · 2^(exponente2 − p) with an integer m of p bits, p the digits of
    // the long double (64 in x86's extended format, 113 in IEEE binary128): that
    // many fraction digits (when positive) write it exactly.
    const int precision = std::max(0, std::numeric_limits<long double>::digits - exponente2);
    const std::string texto = RealFijo(valor, precision);

    DecimalExacto d;
    const auto punto = texto.find('.');
    if (punto == std::string::npos) {
        d.digitos = texto;
        d.enteros = static_cast<int>(texto.size());
    } else {
        d.digitos = texto.substr(0, punto) + texto.substr(punto + 1);
        d.enteros = static_cast<int>(punto);
    }
    return d;
}

// Keeps the first `n` digits, rounding half away from zero on the digits dropped
// (which are exact, so a "5" followed by anything is at least half). Pads with "0"
// when fewer digits are there. Returns true when the carry added a digit in front.
bool Redondear(std::string& digitos, size_t n) {
    if (digitos.size() <= n) {
        digitos.append(n - digitos.size(), '0');
        return false;
    }
    const bool subir = digitos[n] >= '5';
    digitos.resize(n);
    if (!subir) return false;
    for (size_t i = n; i-- > 0;) {
        if (digitos[i] != '9') {
            ++digitos[i];
            return false;
        }
        digitos[i] = '0';
    }
    digitos.insert(digitos.begin(), '1');
    return true;
}

// The first `cifras` significant digits of |valor|, rounded, and the decimal
// exponent of the first one. Zero gives "000…" and exponent 0.
struct Significativas {
    std::string digitos;
    int exponente = 0;
    bool cero = true;
};

// The same digits taken from the correctly rounded scientific text with a few
// digits more. Rounding is monotonic and every halfway point at `cifras` digits is
// a number of that text, so the text lies on the same side of each halfway point
// as the exact value, or on it: only then ("5" and zeros after the digits kept)
// does the exact expansion decide. The expansion of a number far from 1 writes
// thousands of digits; this text, a few dozen.
bool RedondearPorCientifico(long double valor, int cifras, Significativas& s) {
    constexpr int kCifrasDeMas = 4;
    const std::string texto = RealCientifico(std::fabs(valor), cifras + kCifrasDeMas - 1);
    // "d.ddd…de±x…"
    const size_t e = texto.find('e');
    if (e == std::string::npos || e < 3 || texto[1] != '.') return false;
    std::string digitos;
    digitos.reserve(e);
    digitos += texto[0];
    digitos.append(texto, 2, e - 2);
    const size_t resto = static_cast<size_t>(cifras);
    if (digitos[resto] == '5' && digitos.find_first_not_of('0', resto + 1) == std::string::npos) return false;
    int exponente = 0;
    const char* fin = texto.data() + texto.size();
    const char* inicio = texto.data() + e + 1 + (texto[e + 1] == '+' ? 1 : 0);
    if (std::from_chars(inicio, fin, exponente).ptr != fin) return false;
    s.cero = false;
    s.exponente = exponente;
    s.digitos = std::move(digitos);
    if (Redondear(s.digitos, resto)) {
        s.digitos.pop_back();
        ++s.exponente;
    }
    return true;
}

Significativas RedondearSignificativas(long double valor, int cifras) {
    Significativas s;
    if (valor == 0) {
        s.digitos.assign(static_cast<size_t>(cifras), '0');
        return s;
    }
    if (RedondearPorCientifico(valor, cifras, s)) return s;
    DecimalExacto d = Expandir(valor);
    const auto primera = d.digitos.find_first_not_of('0');
    if (primera == std::string::npos) {
        s.digitos.assign(static_cast<size_t>(cifras), '0');
        return s;
    }
    s.cero = false;
    s.exponente = d.enteros - 1 - static_cast<int>(primera);
    s.digitos = d.digitos.substr(primera);
    if (Redondear(s.digitos, static_cast<size_t>(cifras))) {
        s.digitos.pop_back();
        ++s.exponente;
    }
    return s;
}

void RecortarCeros(std::string& texto) {
    if (texto.find('.') == std::string::npos) return;
    while (!texto.empty() && texto.back() == '0') texto.pop_back();
    if (!texto.empty() && texto.back() == '.') texto.pop_back();
}

std::string ConSigno(long double valor, std::string texto) {
    const bool hayCifra = texto.find_first_of("123456789") != std::string::npos;
    return (std::signbit(valor) && hayCifra) ? "-" + texto : texto;
}

bool EsBlanco(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Recortar(std::string_view t) {
    while (!t.empty() && EsBlanco(t.front())) t.remove_prefix(1);
    while (!t.empty() && EsBlanco(t.back())) t.remove_suffix(1);
    return t;
}

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// [sign] digits [. digits] [(E|e) [sign] digits], with at least one mantissa digit.
bool EsDecimal(std::string_view t) {
    size_t i = 0;
    auto cifras = [&] {
        size_t n = 0;
        while (i < t.size() && EsDigito(t[i])) ++i, ++n;
        return n;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t mantisa = cifras();
    if (i < t.size() && t[i] == '.') {
        ++i;
        mantisa += cifras();
    }
    if (mantisa == 0) return false;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (cifras() == 0) return false;
    }
    return i == t.size();
}

// x86's extended format: 64 significant bits, and none below 2^-16445.
constexpr int kBitsExtendido = 64;
constexpr int kUnidadMinimaExtendido = -16445;

// Where long double is wider than x86's extended format (IEEE binary128 in
// WebAssembly), the number rounded to the bits that format keeps, so that a text
// reads as the same number in every build. The text was rounded once to the wider
// format, so a number that lands exactly halfway between two extended ones (one
// text in 2^49) may round the other way than a direct reading would.
long double ComoExtendido(long double v) {
    if constexpr (std::numeric_limits<long double>::digits <= kBitsExtendido) {
        return v;
    } else {
        if (v == 0 || !std::isfinite(v)) return v;
        int exponente = 0;
        std::frexp(v, &exponente);
        // The value of the last bit kept; fewer bits below the normal range.
        const int unidad = std::max(exponente - kBitsExtendido, kUnidadMinimaExtendido);
        return std::ldexp(std::nearbyint(std::ldexp(v, -unidad)), unidad);
    }
}

// Converts a text that EsDecimal accepted; false on overflow. An underflow reads
// as the nearest representable number (0 or a denormal).
bool Convertir(std::string_view t, long double& valor) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string copia(t);
    const long double v = ComoExtendido(strtold_l(copia.c_str(), nullptr, c));
    if (std::isinf(v)) return false;
    valor = v;
    return true;
}

// Words for what has no digits; no field ever holds one, but a
// report or a file may be asked to write one.
bool NoFinito(long double valor, std::string& texto) {
    if (std::isnan(valor))
        texto = "NAN";
    else if (std::isinf(valor))
        texto = valor < 0 ? "-INF" : "INF";
    else
        return false;
    return true;
}

}  // namespace

namespace {

// The text with `decimales` decimals of a number not within a hair of a tie.
// Multiplied by 10^decimales in extended precision, a number below 2^40 is off by
// less than 2^-24 from the exact product, so it rounds to the same whole number as
// the exact value does unless its fraction lies within that of a half; there
// (and for larger numbers) the exact expansion decides. The expansion writes
// dozens of digits, and every field write renders its number.
bool RenderizarFijoRapido(long double valor, int decimales, bool recortar, std::string& texto) {
    static constexpr long double kPotencias[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L};
    if (decimales >= static_cast<int>(std::size(kPotencias))) return false;
    const long double producto = std::fabs(valor) * kPotencias[decimales];
    if (!(producto < 1099511627776.0L)) return false;
    const long double entero = std::floor(producto);
    const long double fraccion = producto - entero;
    if (std::fabs(fraccion - 0.5L) < 1e-6L) return false;
    const uint64_t redondeado = static_cast<uint64_t>(entero) + (fraccion > 0.5L ? 1 : 0);
    std::string digitos = std::to_string(redondeado);
    if (digitos.size() <= static_cast<size_t>(decimales))
        digitos.insert(0, static_cast<size_t>(decimales) + 1 - digitos.size(), '0');
    if (decimales > 0) digitos.insert(digitos.size() - static_cast<size_t>(decimales), 1, '.');
    if (recortar) RecortarCeros(digitos);
    texto = ConSigno(valor, digitos);
    return true;
}

}  // namespace

std::string RenderizarFijo(long double valor, int decimales, bool recortar) {
    if (std::string t; NoFinito(valor, t)) return t;
    decimales = std::max(0, decimales);
    if (std::string t; RenderizarFijoRapido(valor, decimales, recortar, t)) return t;
    DecimalExacto d = Expandir(valor);
    if (Redondear(d.digitos, static_cast<size_t>(d.enteros + decimales))) ++d.enteros;
    std::string enteros = d.digitos.substr(0, static_cast<size_t>(d.enteros));
    const auto primera = enteros.find_first_not_of('0');
    enteros = primera == std::string::npos ? "0" : enteros.substr(primera);
    std::string texto = enteros;
    if (decimales > 0) texto += "." + d.digitos.substr(static_cast<size_t>(d.enteros));
    if (recortar) RecortarCeros(texto);
    return ConSigno(valor, texto);
}

namespace {

std::string RenderizarCientificoDeNuevo(long double valor, int decimales, bool recortar) {
    const Significativas s = RedondearSignificativas(valor, std::max(0, decimales) + 1);
    std::string mantisa = s.digitos.substr(0, 1) + "." + s.digitos.substr(1);
    if (recortar) RecortarCeros(mantisa);
    const std::string exponente = (s.exponente < 0 ? "-" : "+") + std::to_string(std::abs(s.exponente));
    return ConSigno(valor, mantisa) + "E" + exponente;
}

// The last texts written, by number and format: a recalculation writes the same
// results into their fields again and again, and the scientific digits cost a
// printf each. Bounded, since a batch writes ever new numbers.
constexpr size_t kCientificosGuardados = 1024;

}  // namespace

std::string RenderizarCientifico(long double valor, int decimales, bool recortar) {
    if (std::string t; NoFinito(valor, t)) return t;
    using TClave = std::tuple<long double, int, bool>;
    thread_local std::map<TClave, std::string> guardados;
    const TClave clave{valor, decimales, recortar};
    if (const auto guardado = guardados.find(clave); guardado != guardados.end()) return guardado->second;
    std::string texto = RenderizarCientificoDeNuevo(valor, decimales, recortar);
    if (guardados.size() >= kCientificosGuardados) guardados.clear();
    guardados.emplace(clave, texto);
    return texto;
}

std::string RenderizarCampo(long double valor, int decimales, long double sciMin, long double sciMax, bool recortar) {
    const long double a = std::fabs(valor);
    if ((sciMin < a && a < sciMax) || a == 0) return RenderizarFijo(valor, decimales, recortar);
    return RenderizarCientifico(valor, decimales, recortar);
}

std::string FormatoGeneral(long double valor, int digitos) {
    if (std::string t; NoFinito(valor, t)) return t;
    digitos = std::max(1, digitos);
    const Significativas s = RedondearSignificativas(valor, digitos);
    if (s.cero) return "0";
    std::string texto;
    if (s.exponente >= -4 && s.exponente < digitos) {
        if (s.exponente >= 0) {
            const auto enteros = static_cast<size_t>(s.exponente + 1);
            texto = s.digitos.substr(0, enteros) + "." + s.digitos.substr(enteros);
        } else {
            texto = "0." + std::string(static_cast<size_t>(-s.exponente - 1), '0') + s.digitos;
        }
        RecortarCeros(texto);
    } else {
        texto = s.digitos.substr(0, 1) + "." + s.digitos.substr(1);
        RecortarCeros(texto);
        texto += "E" + std::to_string(s.exponente);
    }
    return ConSigno(valor, texto);
}

std::string FormatoCincoDecimales(long double valor) { return RenderizarFijo(valor, 5, true); }

std::string FormatoFijo(long double valor, int ancho, int decimales) {
    std::string texto = RenderizarFijo(valor, decimales, false);
    if (static_cast<int>(texto.size()) < ancho) texto.insert(0, static_cast<size_t>(ancho) - texto.size(), ' ');
    return texto;
}

long double LeerNumero(std::string_view texto) {
    std::string limpio(texto);
    if (const auto p = limpio.find('%'); p != std::string::npos) limpio.erase(p, 1);
    limpio.erase(std::remove(limpio.begin(), limpio.end(), ','), limpio.end());
    std::string_view t = Recortar(limpio);
    while (!t.empty() && std::string_view("+-Ee.").find(t.back()) != std::string_view::npos) {
        t.remove_suffix(1);
        t = Recortar(t);
    }
    if (t.empty()) return 0;
    long double valor = 0;
    if (!EsDecimal(t) || !Convertir(t, valor))
        throw ErrorDeConversion("'" + std::string(t) + "' is not a valid floating point value");
    return valor;
}

long double LeerNumeroDeCampo(std::string_view texto) {
    const auto comas = std::count(texto.begin(), texto.end(), ',');
    if (comas == 0) return LeerNumero(texto);
    const bool punto = texto.find('.') != std::string_view::npos;
    if (comas > 1 || punto)
        throw ErrorDeConversion("«" + std::string(texto) +
                                "» no es un número: los decimales se separan con un punto o con una sola coma, sin "
                                "separador de miles");
    std::string conPunto(texto);
    std::replace(conPunto.begin(), conPunto.end(), ',', '.');
    return LeerNumero(conPunto);
}

int LeerEntero(std::string_view texto) {
    size_t i = texto.find_first_not_of(' ');
    if (i == std::string_view::npos) i = texto.size();
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) negativo = texto[i++] == '-';
    int64_t valor = 0;
    const size_t inicio = i;
    for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9' && valor <= INT32_MAX; ++i)
        valor = valor * 10 + (texto[i] - '0');
    if (negativo) valor = -valor;
    if (i == inicio || i != texto.size() || valor > INT32_MAX || valor < INT32_MIN)
        throw ErrorDeConversion("'" + std::string(texto) + "' is not a valid integer value");
    return static_cast<int>(valor);
}

bool IntentarLeerDecimal(std::string_view texto, long double& valor) {
    const std::string_view t = Recortar(texto);
    return EsDecimal(t) && Convertir(t, valor);
}

}  // namespace brovel
