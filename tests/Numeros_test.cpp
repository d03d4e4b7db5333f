#include "fields/Numeros.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <iomanip>

#include <random>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace brovel {
namespace {

// A number, the decimals (or significant digits) it is written with, and the text.
struct Caso {
    long double valor;
    int cifras;
    const char* texto;
};

// A field with the forms' settings: fixed inside (0.0001, 10000), scientific outside.
TEST(RenderizarCampo, MuestraElNumeroComoLoEscribenLosFormularios) {
    const Caso casos[] = {
        {6, 3, "6"},
        {0.05L, 3, "0.05"},
        {1.0L / 3, 3, "0.333"},
        {0, 3, "0"},
        {-2.5L, 3, "-2.5"},
        {10000, 3, "1E+4"},
        {1000000, 3, "1E+6"},
        {0.0001L, 3, "1E-4"},
        {0.00001L, 3, "1E-5"},
        {1.5E-5L, 3, "1.5E-5"},
        {2.5E4L, 3, "2.5E+4"},
        {1E5L / 3, 3, "3.333E+4"},
        {-1E5L / 3, 3, "-3.333E+4"},
        // The notation is chosen on the unrounded number.
        {9999.9996L, 3, "10000"},
        {0.00010004L, 3, "0"},
        {0.00049L, 3, "0"},
        {0.0005001L, 3, "0.001"},
        {60, 3, "60"},
        {4.76L, 5, "4.76"},
        {0.0005L, 5, "0.0005"},
        {1234.56789L, 6, "1234.56789"},
        // Carries that add a digit.
        {9.9996L, 3, "10"},
        {0.99951L, 3, "1"},
        {99999.6L, 3, "1E+5"},
        {9.9996E-5L, 3, "1E-4"},
        // A negative number that rounds to zero has no sign.
        {-0.00049L, 3, "0"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(RenderizarCampo(c.valor, c.cifras, 0.0001L, 10000), c.texto) << static_cast<double>(c.valor);
}

TEST(RenderizarCampo, ElRangoFijoEsAbiertoEnAmbosExtremos) {
    EXPECT_EQ(RenderizarCampo(0.0001L, 3, 0.0001L, 1E6L), "1E-4");
    EXPECT_EQ(RenderizarCampo(1E6L, 3, 0.0001L, 1E6L), "1E+6");
    EXPECT_EQ(RenderizarCampo(999999, 3, 0.0001L, 1E6L), "999999");
    EXPECT_EQ(RenderizarCampo(0.00005L, 3, 0.00001L, 10000), "0");
    EXPECT_EQ(RenderizarCampo(std::numeric_limits<long double>::denorm_min(), 3, 0.0001L, 10000), "3.645E-4951");
}

// Ties are rounded away from zero, and a tie is judged on the exact binary value:
// 2.675 as a double is 2.67499999999999982236431605997495353221893310546875.
TEST(RenderizarFijo, RedondeaLaMitadAlejandoseDeCeroSobreElValorExacto) {
    const Caso casos[] = {
        {0.0625L, 3, "0.063"},    {-0.0625L, 3, "-0.063"},  {2.5L, 0, "3"},
        {-2.5L, 0, "-3"},         {0.125L, 2, "0.13"},      {static_cast<double>(2.675), 2, "2.67"},
        {1.0L / 3, 5, "0.33333"}, {2.0L / 3, 5, "0.66667"},
    };
    for (const auto& c : casos) EXPECT_EQ(RenderizarFijo(c.valor, c.cifras, true), c.texto) << c.texto;
}

TEST(RenderizarFijo, SinRecortarConservaTodosLosDecimales) {
    EXPECT_EQ(RenderizarFijo(0.9L, 5, false), "0.90000");
    EXPECT_EQ(RenderizarFijo(120, 3, false), "120.000");
    EXPECT_EQ(RenderizarFijo(0, 3, false), "0.000");
    // Without decimals there is nothing to trim: 100 stays 100.
    EXPECT_EQ(RenderizarFijo(100, 0, true), "100");
    EXPECT_EQ(RenderizarFijo(1E20L, 3, true), "100000000000000000000");
}

TEST(RenderizarCientifico, SinRecortarTieneDecimalesMasUnaCifras) {
    EXPECT_EQ(RenderizarCientifico(1.5E-5L, 3, false), "1.500E-5");
    EXPECT_EQ(RenderizarCientifico(1.23456E-5L, 3, false), "1.235E-5");
    EXPECT_EQ(RenderizarCientifico(-10000, 3, false), "-1.000E+4");
    EXPECT_EQ(RenderizarCientifico(1.1E4900L, 3, true), "1.1E+4900");
}

TEST(RenderizarCampo, LoQueNoEsFinitoSeEscribeConPalabras) {
    EXPECT_EQ(RenderizarCampo(std::numeric_limits<long double>::infinity(), 3, 0.0001L, 10000), "INF");
    EXPECT_EQ(RenderizarCampo(-std::numeric_limits<long double>::infinity(), 3, 0.0001L, 10000), "-INF");
    EXPECT_EQ(RenderizarCampo(std::numeric_limits<long double>::quiet_NaN(), 3, 0.0001L, 10000), "NAN");
}

TEST(FormatoGeneral, FijoMientrasCabeYNoEsMenorQueUnDiezmilesimo) {
    const Caso casos[] = {
        {6, 15, "6"},
        {0.0003, 15, "0.0003"},
        {0.0001L, 15, "0.0001"},
        {0.00001L, 15, "1E-5"},
        {60, 15, "60"},
        {4.76, 15, "4.76"},
        {0.1, 15, "0.1"},
        {1.0 / 3, 15, "0.333333333333333"},
        {2.0 / 3, 15, "0.666666666666667"},
        {-2.5, 15, "-2.5"},
        {999999999999999.0, 15, "999999999999999"},
        {1E15, 15, "1E15"},
        {123456789012345678.0, 15, "1.23456789012346E17"},
        {0, 15, "0"},
        {0.9L, 2, "0.9"},
        {120, 2, "1.2E2"},
        {100, 2, "1E2"},
        {20, 2, "20"},
        {99, 2, "99"},
        {99.5L, 2, "1E2"},
        {1, 2, "1"},
        {0.00005L, 2, "5E-5"},
        {0.000099996L, 2, "0.0001"},
        {1.1E4900L, 2, "1.1E4900"},
        {-0.25L, 2, "-0.25"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(FormatoGeneral(c.valor, c.cifras), c.texto) << c.texto << " con " << c.cifras << " cifras";
}

TEST(FormatoCincoDecimales, AlMenosUnaCifraEnteraYHastaCincoDecimales) {
    const std::pair<long double, const char*> casos[] = {
        {4.76, "4.76"}, {1.0 / 3, "0.33333"}, {0.000004, "0"},        {123.456789, "123.45679"}, {-0.5, "-0.5"},
        {2, "2"},       {0.5, "0.5"},         {1234567.0, "1234567"}, {-0.000001, "0"},          {0.000005, "0.00001"},
    };
    for (const auto& [valor, texto] : casos) EXPECT_EQ(FormatoCincoDecimales(valor), texto) << texto;
}

TEST(FormatoFijo, AnchoMinimoYDecimalesExactos) {
    EXPECT_EQ(FormatoFijo(9.4, 2, 6), "9.400000");
    EXPECT_EQ(FormatoFijo(4.76, 2, 6), "4.760000");
    EXPECT_EQ(FormatoFijo(4.76, 2, 4), "4.7600");
    EXPECT_EQ(FormatoFijo(0, 2, 6), "0.000000");
    EXPECT_EQ(FormatoFijo(-1.5, 2, 4), "-1.5000");
    EXPECT_EQ(FormatoFijo(9.4, 10, 6), "  9.400000");
    EXPECT_EQ(FormatoFijo(7, 2, 0), " 7");
}

struct CasoLectura {
    const char* texto;
    long double valor;
};

TEST(LeerNumero, LimpiaElTextoAntesDeConvertirlo) {
    const CasoLectura casos[] = {
        {"6", 6},
        {"1,5", 15},
        {"12,", 12},
        {"-", 0},
        {"", 0},
        {"   ", 0},
        {"1e", 1},
        {"1e+", 1},
        {"1E-4", 1E-4L},
        {"50%", 50},
        {"%50", 50},
        {" 7 ", 7},
        {"1,000", 1000},
        {".5", 0.5L},
        {"-.5", -0.5L},
        {"+3", 3},
        {"5.", 5},
        {"12.", 12},
        {"-2.5", -2.5L},
        {"1E+0004", 1E4L},
        {"0.333", 0.333L},
        {"3.333E+4", 3.333E4L},
        {"1E-5000", 0},
        {"1.1E4900", 1.1E4900L},
        {"0.016666666666666666666666666666667", 0.016666666666666666666666666666667L},
    };
    for (const auto& c : casos) EXPECT_EQ(LeerNumero(c.texto), c.valor) << '"' << c.texto << '"';
}

TEST(LeerNumero, UnTextoQueNoEsNumeroDaElMensajeConElTextoLimpio) {
    const std::pair<const char*, const char*> casos[] = {
        {"1.2.3", "'1.2.3' is not a valid floating point value"},
        {"1e5e5", "'1e5e5' is not a valid floating point value"},
        {" 1.2.3. ", "'1.2.3' is not a valid floating point value"},
        {"abc", "'abc' is not a valid floating point value"},
        {"1 000", "'1 000' is not a valid floating point value"},
        {"%%5", "'%5' is not a valid floating point value"},
        {"E5", "'E5' is not a valid floating point value"},
        {"1E5000", "'1E5000' is not a valid floating point value"},
        {"--1", "'--1' is not a valid floating point value"},
        {"0x10", "'0x10' is not a valid floating point value"},
        {"inf", "'inf' is not a valid floating point value"},
    };
    for (const auto& [texto, mensaje] : casos) {
        try {
            LeerNumero(texto);
            ADD_FAILURE() << '"' << texto << "\" se leyó como número";
        } catch (const ErrorDeConversion& e) {
            EXPECT_STREQ(e.what(), mensaje);
        }
    }
}

// What is rendered reads back as the number it shows.
TEST(LeerNumero, LeeDeVueltaLoQueSeRenderiza) {
    for (long double v : {6.0L, 0.05L, 1.0L / 3, 1E5L / 3, 1.5E-5L, 123.456L, -2.5L})
        EXPECT_EQ(RenderizarCampo(LeerNumero(RenderizarCampo(v, 3, 0.0001L, 10000)), 3, 0.0001L, 10000),
                  RenderizarCampo(v, 3, 0.0001L, 10000));
}

// The user's regional settings never reach the numbers: a locale with a decimal
// comma, where the machine has one, changes nothing.
TEST(Numeros, NoDependenDeLaConfiguracionRegional) {
    const std::string anterior = std::setlocale(LC_ALL, nullptr);
    const char* regional = nullptr;
    for (const char* nombre : {"es_ES.UTF-8", "es_AR.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_ALL, nombre)) {
            regional = nombre;
            break;
        }
    if (!regional) GTEST_SKIP() << "esta máquina no tiene configuraciones regionales con coma decimal";
    EXPECT_EQ(RenderizarCampo(2.5L, 3, 0.0001L, 10000), "2.5");
    EXPECT_EQ(FormatoGeneral(0.0003, 15), "0.0003");
    EXPECT_EQ(FormatoFijo(9.4, 2, 6), "9.400000");
    EXPECT_EQ(LeerNumero("1.5"), 1.5L);
    EXPECT_EQ(LeerNumero("1,5"), 15);
    std::setlocale(LC_ALL, anterior.c_str());
}

TEST(IntentarLeerDecimal, SoloAceptaUnDecimalCompleto) {
    long double v = -1;
    EXPECT_TRUE(IntentarLeerDecimal(" 0.001 ", v));
    EXPECT_EQ(v, 0.001L);
    EXPECT_FALSE(IntentarLeerDecimal("1,5", v));
    EXPECT_FALSE(IntentarLeerDecimal("", v));
    EXPECT_FALSE(IntentarLeerDecimal("x", v));
    EXPECT_FALSE(IntentarLeerDecimal("1e", v));
    EXPECT_EQ(v, 0.001L);
}

// Away from exact ties (tested above), rounding half away from zero and printf's
// rounding of the exact binary value agree; the renderer must give printf's digits
// for numbers of every size, including those a hair from a half, where it takes
// the long way.
TEST(RenderizarFijo, DaLasCifrasExactasDeCualquierNumero) {
    std::mt19937_64 azar(20261210);
    std::uniform_real_distribution<double> exponente(-7, 13);
    int probados = 0;
    for (int i = 0; i < 20000; ++i) {
        const long double mantisa = static_cast<long double>(azar() >> 11) / (1ULL << 53);
        long double valor = (1 + mantisa) * std::pow(10.0L, exponente(azar));
        if (i % 3 == 0) valor = -valor;
        // A hair from a half at some number of decimals.
        if (i % 7 == 0) valor = (std::floor(valor * 1000) + 0.5L) / 1000 + (i % 2 ? 1e-15L : -1e-15L);
        for (int decimales : {0, 1, 3, 5, 6, 9}) {
            char exacto[512];
            std::snprintf(exacto, sizeof exacto, "%.80Lf", std::fabs(valor));
            const std::string resto = std::string(exacto).substr(std::string(exacto).find('.') + 1 + decimales);
            if (resto.front() == '5' && resto.find_first_not_of('0', 1) == std::string::npos) continue;
            char referencia[512];
            std::snprintf(referencia, sizeof referencia, "%.*Lf", decimales, valor);
            std::string esperado = referencia;
            if (esperado.find_first_of("123456789") == std::string::npos && esperado.front() == '-')
                esperado.erase(0, 1);
            ASSERT_EQ(RenderizarFijo(valor, decimales, false), esperado)
                << std::setprecision(21) << valor << " " << decimales;
            ++probados;
        }
    }
    EXPECT_GT(probados, 119000);
}

// Exact ties round away from zero at any size, where printf would go to the even
// digit; the digits of numbers far from 1 are those of their exact value.
TEST(FormatoGeneral, RedondeaLosEmpatesExactosAlejandoseDeCero) {
    const Caso casos[] = {
        {0.25L, 1, "0.3"},
        {-0.25L, 1, "-0.3"},
        {2.5L, 1, "3"},
        {1.25L, 2, "1.3"},
        {0.125L, 2, "0.13"},
        // A hair from a tie rounds by the side it lies on.
        {1.25L - 0x1p-62L, 2, "1.2"},
        {1.25L + 0x1p-62L, 2, "1.3"},
        {-(0.125L - 0x1p-66L), 2, "-0.12"},
        {1.0000152587890625L, 5, "1"},
        {1.0000152587890625L, 16, "1.000015258789063"},
        {0x1p-16445L, 1, "4E-4951"},
        {0x1p-16445L, 2, "3.6E-4951"},
        {0x1p16383L, 3, "5.95E4931"},
        {0x1p-100L, 2, "7.9E-31"},
        {3.0L * 0x1p-60L, 2, "2.6E-18"},
        {std::numeric_limits<long double>::max(), 5, "1.1897E4932"},
        {std::numeric_limits<long double>::min(), 5, "3.3621E-4932"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(FormatoGeneral(c.valor, c.cifras), c.texto) << c.texto << " con " << c.cifras << " cifras";
    EXPECT_EQ(RenderizarCientifico(0.25L, 0, false), "3.E-1");
    EXPECT_EQ(RenderizarCientifico(-12.5L, 1, false), "-1.3E+1");
}

// The same number asked again with other decimals, trimmed or not, or with the
// other sign, gets the text of what was asked, whatever was asked before.
TEST(RenderizarCientifico, CadaFormatoDaSuTextoAunqueElNumeroSeRepita) {
    const struct {
        long double valor;
        int decimales;
        bool recortar;
        const char* texto;
    } casos[] = {
        {1.5E-5L, 3, true, "1.5E-5"}, {1.5E-5L, 3, false, "1.500E-5"}, {1.5E-5L, 1, false, "1.5E-5"},
        {1.5E-5L, 0, false, "2.E-5"}, {-1.5E-5L, 3, true, "-1.5E-5"},  {1.5E-5L, 3, true, "1.5E-5"},
        {0.0L, 2, false, "0.00E+0"},  {-0.0L, 2, false, "0.00E+0"},    {2.5E4L, 2, false, "2.50E+4"},
        {2.5E4L, 2, true, "2.5E+4"},
    };
    for (int vuelta = 0; vuelta < 2; ++vuelta)
        for (const auto& c : casos)
            EXPECT_EQ(RenderizarCientifico(c.valor, c.decimales, c.recortar), c.texto)
                << static_cast<double>(c.valor) << " " << c.decimales << " " << c.recortar;
}

// Away from exact ties the significant digits are printf's, for numbers of every
// size the extended format holds, including those a hair from a half.
TEST(RenderizarCientifico, DaLasCifrasExactasDeCualquierNumero) {
    std::mt19937_64 azar(20261211);
    std::uniform_int_distribution<int> exponente2(-16440, 16380);
    int probados = 0;
    for (int i = 0; i < 3000; ++i) {
        const long double mantisa = static_cast<long double>(azar() >> 11) / (1ULL << 53);
        long double valor = std::ldexp(1 + mantisa, i % 4 == 0 ? exponente2(azar) : exponente2(azar) / 300);
        if (i % 3 == 0) valor = -valor;
        for (int decimales : {0, 1, 2, 4, 8, 14}) {
            // A hair from a half at this many digits.
            long double v = valor;
            if (i % 5 == 0) {
                char corto[64];
                std::snprintf(corto, sizeof corto, "%.*Le", decimales + 1, v);
                std::string t = corto;
                t[static_cast<size_t>(decimales) + 2] = '5';
                v = std::strtold(t.c_str(), nullptr);
            }
            char largo[128];
            std::snprintf(largo, sizeof largo, "%.*Le", decimales + 40, std::fabs(v));
            const std::string cola = std::string(largo).substr(static_cast<size_t>(decimales) + 2, 41);
            if (cola.front() == '5' && cola.find_first_not_of('0', 1) == 40) continue;
            char referencia[128];
            std::snprintf(referencia, sizeof referencia, "%.*Le", decimales, v);
            std::string esperado = referencia;
            const size_t e = esperado.find('e');
            std::string exp = esperado.substr(e + 2);
            exp.erase(0, std::min(exp.find_first_not_of('0'), exp.size() - 1));
            esperado = esperado.substr(0, e) + "E" + esperado[e + 1] + exp;
            if (decimales == 0) esperado.insert(esperado.find('E'), ".");
            ASSERT_EQ(RenderizarCientifico(v, decimales, false), esperado)
                << std::setprecision(25) << v << " " << decimales;
            ++probados;
        }
    }
    EXPECT_GT(probados, 17000);
}

}  // namespace
}  // namespace brovel
