#include "cli/Json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

namespace brovel {
namespace {

struct CasoNumero {
    const char* nombre;
    double valor;
    const char* texto;
};

class NumeroJsonCasos : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(NumeroJsonCasos, SaleConDiecisieteCifras) { EXPECT_EQ(NumeroJson(GetParam().valor), GetParam().texto); }

INSTANTIATE_TEST_SUITE_P(
    Numeros, NumeroJsonCasos,
    ::testing::Values(CasoNumero{"Cero", 0.0, "0"}, CasoNumero{"CeroNegativo", -0.0, "-0"},
                      CasoNumero{"Entero", 60, "60"}, CasoNumero{"Decimo", 0.1, "0.10000000000000001"},
                      CasoNumero{"Tercio", -1.0 / 3, "-0.33333333333333331"},
                      CasoNumero{"GrandeFijo", 1E16, "10000000000000000"},
                      CasoNumero{"GrandeCientifico", 1E17, "1e+17"}, CasoNumero{"PequenoFijo", 1E-4, "0.0001"},
                      CasoNumero{"PequenoCientifico", 1.5E-5, "1.5e-05"},
                      CasoNumero{"Maximo", std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
                      CasoNumero{"Subnormal", std::numeric_limits<double>::denorm_min(), "4.9406564584124654e-324"},
                      CasoNumero{"Infinito", std::numeric_limits<double>::infinity(), "null"},
                      CasoNumero{"NoNumero", std::numeric_limits<double>::quiet_NaN(), "null"}),
    [](const ::testing::TestParamInfo<CasoNumero>& info) { return std::string(info.param.nombre); });

// Any double, of any magnitude, comes out as printf's "%.17g" writes it.
TEST(NumeroJson, EsElTextoDePrintfParaCualquierDouble) {
    std::mt19937_64 azar(22);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = azar();
        double valor = 0;
        std::memcpy(&valor, &bits, sizeof valor);
        if (!std::isfinite(valor)) continue;
        char esperado[40];
        std::snprintf(esperado, sizeof esperado, "%.17g", valor);
        ASSERT_EQ(NumeroJson(valor), esperado) << "bits " << bits;
    }
}

// What JSON needs escaped is escaped, at any place in the text; the rest, UTF-8
// included, goes out as it is.
TEST(CadenaJson, EscapaSoloLoQueJsonPide) {
    const std::pair<std::string_view, std::string_view> casos[] = {
        {"", R"j("")j"},
        {"Tasa de Erosión (A)", R"j("Tasa de Erosión (A)")j"},
        {"\"", R"j("\"")j"},
        {"a\\b", R"j("a\\b")j"},
        {"\"entre\"", R"j("\"entre\"")j"},
        {"uno\r\ndos\tfin\n", R"j("uno\r\ndos\tfin\n")j"},
        {std::string_view("\x01z\x1f", 3), R"j("\u0001z\u001f")j"},
        {std::string_view("a\0b", 3), R"j("a\u0000b")j"},
        {"\x7f", "\"\x7f\""},
    };
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(CadenaJson(texto), esperado) << texto;
}

}  // namespace
}  // namespace brovel
