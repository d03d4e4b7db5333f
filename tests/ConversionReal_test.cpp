#include "fields/ConversionReal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace brovel {
namespace {

// The numbers the program writes: round decimals of the fields and tables, results
// of the routines with every binary digit used, the edges of the double.
std::vector<double> Numeros() {
    // clang-format off
    std::vector<double> v = {0.0, -0.0, 1.0, -1.0, 0.1, 0.2, 0.3, 2.5, 0.5, 1.5, 12.345, 100, 1e20, 1.5e20,
                             1e-5, 1.2345678901234567e20, 123456789012345680.0, 0.000123, 3.14159265358979,
                             1.0 / 3.0, 2.0 / 3.0, 9.999999999999999e22, 1e23, 5e-324, 2.2250738585072014e-308,
                             std::numeric_limits<double>::max(), 0.1 + 0.2, 1e15, 1e16, 1e17, 123.456e-10,
                             0.05, 0.15, 0.25, 0.35, 1e-7, 4.35, 2.675, 1.005};
    // clang-format on
    for (int entero = 0; entero <= 2000; ++entero) v.push_back(entero / 100.0);
    std::mt19937_64 azar(20261211);
    std::uniform_real_distribution<double> escala(-12, 12);
    std::uniform_real_distribution<double> mantisa(1, 10);
    for (int i = 0; i < 20000; ++i) v.push_back(mantisa(azar) * std::pow(10.0, std::floor(escala(azar))));
    for (int i = 0; i < 5000; ++i) {
        const uint64_t bits = azar();
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x)) v.push_back(x);
    }
    return v;
}

std::string FijoNativo(long double x, int precision) {
    std::string texto(20000, '\0');
    const auto r = std::to_chars(texto.data(), texto.data() + texto.size(), x, std::chars_format::fixed, precision);
    texto.resize(static_cast<size_t>(r.ptr - texto.data()));
    return texto;
}

std::string GeneralNativo(double x, int precision) {
    char texto[64];
    const auto r = std::to_chars(texto, texto + sizeof texto, x, std::chars_format::general, precision);
    return std::string(texto, r.ptr);
}

std::string MasCortoNativo(double x) {
    char texto[400];
    const auto r = std::to_chars(texto, texto + sizeof texto, x, std::chars_format::fixed);
    return std::string(texto, r.ptr);
}

TEST(ConversionReal, ElFijoExactoEsElDeLaBiblioteca) {
    for (const double x : Numeros()) {
        if (std::fabs(x) > 1e30 || (x != 0 && std::fabs(x) < 1e-30)) continue;
        int exponente2 = 0;
        std::frexp(static_cast<long double>(x), &exponente2);
        const int precision = std::max(0, 64 - exponente2);
        ASSERT_EQ(respaldo::RealFijo(x, precision), FijoNativo(x, precision)) << x;
        ASSERT_EQ(respaldo::RealFijo(x, 3), FijoNativo(x, 3)) << x;
    }
}

// Long doubles past the double's range, as the fields' open limit (1.1E4900) and the
// numbers read from a project hold them: written with all of their digits, never
// as the double they do not fit in.
TEST(ConversionReal, ElFijoDeUnLongDoubleFueraDelDoubleEsElDeLaBiblioteca) {
    std::vector<long double> v = {1.1E4900L,
                                  -1.1E4900L,
                                  1e400L,
                                  -2.5e-400L,
                                  1e-4000L,
                                  std::numeric_limits<long double>::max(),
                                  std::numeric_limits<long double>::min(),
                                  std::numeric_limits<long double>::denorm_min()};
    std::mt19937_64 azar(4900);
    for (int i = 0; i < 300; ++i)
        v.push_back(std::ldexp(static_cast<long double>(azar() | (uint64_t{1} << 63)),
                               static_cast<int>(azar() % 32000) - 16000 - 63));
    for (const long double x : v) {
        int exponente2 = 0;
        std::frexp(x, &exponente2);
        for (const int precision : {0, 3, 20, std::min(15000, std::max(0, 64 - exponente2))})
            ASSERT_EQ(respaldo::RealFijo(x, precision), FijoNativo(x, precision)) << static_cast<double>(x);
    }
}

TEST(ConversionReal, ElGeneralEsElDeLaBiblioteca) {
    for (const double x : Numeros())
        for (const int cifras : {6, 15, 16, 17})
            ASSERT_EQ(respaldo::RealGeneral(x, cifras), GeneralNativo(x, cifras)) << x;
}

TEST(ConversionReal, ElFijoMasCortoEsElDeLaBiblioteca) {
    for (const double x : Numeros()) ASSERT_EQ(respaldo::RealFijoMasCorto(x), MasCortoNativo(x)) << x;
}

TEST(ConversionReal, LosNoFinitosSeEscribenComoEnLaBiblioteca) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double x : {inf, -inf, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(respaldo::RealGeneral(x, 15), GeneralNativo(x, 15));
        EXPECT_EQ(respaldo::RealFijoMasCorto(x), MasCortoNativo(x));
        EXPECT_EQ(respaldo::RealFijo(x, 3), FijoNativo(x, 3));
    }
    const long double infinito = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(respaldo::RealFijo(-infinito, 3), FijoNativo(-infinito, 3));
}

TEST(ConversionReal, LaLecturaDevuelveLoQueEscribe) {
    for (const double x : Numeros())
        for (const std::string& texto : {respaldo::RealGeneral(x, 17), respaldo::RealFijoMasCorto(x)}) {
            double leido = -7;
            const auto r = respaldo::LeerReal(texto, leido);
            ASSERT_EQ(r.error, std::errc{}) << texto;
            ASSERT_EQ(r.usados, texto.size()) << texto;
            ASSERT_EQ(leido, x) << texto;
        }
}

struct CasoLectura {
    const char* nombre;
    const char* texto;
};

// Texts at the edges of what a number is: each read as from_chars reads it.
// clang-format off
const CasoLectura kLecturas[] = {
    {"vacio", ""},           {"signo solo", "-"},      {"mas", "+1"},           {"punto solo", "."},
    {"punto inicial", ".5"}, {"punto final", "5."},    {"exponente", "1e5"},    {"exponente sin cifras", "1e"},
    {"exponente con signo sin cifras", "1e+"},         {"exponente mayuscula", "2E-3"},
    {"hexadecimal", "0x10"}, {"espacio", " 1"},        {"coma", "1,5"},         {"dos puntos", "1.2.3"},
    {"infinito", "inf"},     {"infinito largo", "-Infinity"},                   {"nan", "nan"},
    {"desborde", "1e400"},   {"subdesborde", "1e-400"}, {"subnormal", "4e-320"}, {"texto", "abc"},
    {"cifras de mas", "0.1000000000000000055511151231257827021181583404541015625"},
};
// clang-format on

class LecturaDeTexto : public testing::TestWithParam<CasoLectura> {};

TEST_P(LecturaDeTexto, ComoLaBiblioteca) {
    const std::string texto = GetParam().texto;
    double nativo = -7, propio = -7;
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), nativo, std::chars_format::general);
    const auto p = respaldo::LeerReal(texto, propio);
    EXPECT_EQ(p.error, r.ec);
    EXPECT_EQ(p.usados, static_cast<size_t>(r.ptr - texto.data()));
    if (r.ec == std::errc{} && !std::isnan(nativo)) {
        EXPECT_EQ(propio, nativo);
    }
}

INSTANTIATE_TEST_SUITE_P(Textos, LecturaDeTexto, testing::ValuesIn(kLecturas), [](const auto& info) {
    std::string n = info.param.nombre;
    for (char& c : n)
        if (c == ' ') c = '_';
    return n;
});

}  // namespace
}  // namespace brovel
