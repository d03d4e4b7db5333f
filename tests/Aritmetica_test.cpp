#include "model/Aritmetica.h"

#include "Cerca.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace brovel {
namespace {

// Two operands, the result, and what the row is about.
struct CasoBinario {
    Real x;
    Real y;
    Real esperado;
    const char* caso;
};

// One operand, the result, and what the row is about.
struct CasoUnario {
    Real x;
    Real esperado;
    const char* caso;
};

// Operands that must raise the arithmetic fault.
struct CasoFallido {
    Real x;
    Real y;
    const char* caso;
};

TEST(AritmeticaPotencia, DaLaPotenciaRealGeneral) {
    const CasoBinario casos[] = {
        {0, 0, 1, "0^0"},
        {-3, 0, 1, "exponente 0 con base negativa"},
        {5, 0, 1, "exponente 0"},
        {0, 2, 0, "base 0, exponente entero"},
        {0, 0.5L, 0, "base 0, exponente fraccionario"},
        {-2, 3, -8, "base negativa, exponente entero impar"},
        {-2, 2, 4, "base negativa, exponente entero par"},
        {-2, -2, 0.25L, "base negativa, exponente entero negativo"},
        {10, -1, 0.1L, "exponente -1"},
        {2, 0.5L, 1.4142135623730950488L, "raíz cuadrada"},
        {7200, 1.14L, 24966.579454944888L, "exponente del nomograma"},
        {1, 1e10L, 1, "base 1"},
    };
    for (const auto& c : casos) EXPECT_TRUE(Cerca(Potencia(c.x, c.y), c.esperado)) << c.caso;
}

TEST(AritmeticaPotencia, FallaFueraDeSuDominio) {
    const CasoFallido casos[] = {
        {0, -1, "base 0, exponente negativo"},
        {0, -0.5L, "base 0, exponente fraccionario negativo"},
        {-2, 0.5L, "base negativa, exponente fraccionario"},
        {-8, 1.0L / 3, "raíz cúbica de un negativo"},
        // Beyond the 32-bit whole numbers the exponent is not multiplied out.
        {-1, 3e9L, "base negativa, exponente mayor que un entero de 32 bits"},
        {10, 5000, "desborde, exponente entero"},
        {0.5L, -20000, "desborde, exponente entero negativo"},
        {1e10L, 1000.5L, "desborde, exponente fraccionario"},
    };
    for (const auto& c : casos) EXPECT_THROW(Potencia(c.x, c.y), ErrorAritmetico) << c.caso;
}

TEST(AritmeticaLogaritmos, LogaritmoNaturalYDecimal) {
    const CasoUnario naturales[] = {
        {2.71828182845904523536L, 1, "e"},
        {1, 0, "1"},
        {2, 0.69314718055994530942L, "2"},
        {100, 4.6051701859880913680L, "100"},
    };
    for (const auto& c : naturales) EXPECT_TRUE(Cerca(Ln(c.x), c.esperado)) << "Ln " << c.caso;

    const CasoUnario decimales[] = {
        {1000, 3, "1000"},
        {0.01L, -2, "0.01"},
        {1, 0, "1"},
        {4.5L, 0.65321251377534367938L, "4.5"},
    };
    for (const auto& c : decimales) EXPECT_TRUE(Cerca(Log10Verificado(c.x), c.esperado)) << "Log10 " << c.caso;
}

TEST(AritmeticaLogaritmos, FallanConArgumentoNoPositivo) {
    const Real argumentos[] = {0, -1, -1e-30L};
    for (Real x : argumentos) {
        EXPECT_THROW(Ln(x), ErrorAritmetico) << "Ln " << static_cast<double>(x);
        EXPECT_THROW(Log10Verificado(x), ErrorAritmetico) << "Log10 " << static_cast<double>(x);
    }
}

TEST(AritmeticaDividir, DivideONoDividePorCero) {
    EXPECT_TRUE(Cerca(Dividir(1, 4), 0.25L));
    EXPECT_TRUE(Cerca(Dividir(-3, 2), -1.5L));
    EXPECT_EQ(Dividir(0, 7), 0);

    const CasoFallido casos[] = {
        {1, 0, "1/0"},
        {-1, 0, "-1/0"},
        {0, 0, "0/0"},
    };
    for (const auto& c : casos) EXPECT_THROW(Dividir(c.x, c.y), ErrorAritmetico) << c.caso;
}

TEST(AritmeticaExp, FallaAlDesbordar) {
    EXPECT_EQ(Exp(0), 1);
    EXPECT_TRUE(Cerca(Exp(1), 2.71828182845904523536L));
    EXPECT_TRUE(Cerca(Exp(-2.0L / 7), 0.75147729307528594780L));
    EXPECT_THROW(Exp(1e6L), ErrorAritmetico);
    EXPECT_THROW(Exp(12000), ErrorAritmetico);
}

TEST(AritmeticaRaiz, FallaConNegativos) {
    EXPECT_EQ(Raiz(4), 2);
    EXPECT_EQ(Raiz(0), 0);
    EXPECT_THROW(Raiz(-1), ErrorAritmetico);
}

TEST(AritmeticaFinito, RechazaInfinitosYNoNumeros) {
    EXPECT_EQ(Finito(1.5L), 1.5L);
    EXPECT_THROW(Finito(std::numeric_limits<Real>::infinity()), ErrorAritmetico);
    EXPECT_THROW(Finito(-std::numeric_limits<Real>::infinity()), ErrorAritmetico);
    EXPECT_THROW(Finito(std::numeric_limits<Real>::quiet_NaN()), ErrorAritmetico);
}

TEST(AritmeticaTruncar, QuitaLaFraccionHaciaCero) {
    struct Caso {
        Real x;
        int32_t esperado;
    };
    const Caso casos[] = {
        {2.9L, 2}, {-2.9L, -2}, {0.99L, 0}, {-0.5L, 0}, {9, 9}, {-20, -20},
    };
    for (const auto& c : casos) EXPECT_EQ(Truncar(c.x), c.esperado) << static_cast<double>(c.x);
}

TEST(AritmeticaTruncar, FallaFueraDeLosEnterosDe32Bits) {
    EXPECT_THROW(Truncar(1e10L), ErrorAritmetico);
    EXPECT_THROW(Truncar(-1e10L), ErrorAritmetico);
}

TEST(AritmeticaSenoDePendiente, DaElSenoDelAnguloDeUnaPendienteEnPorcentaje) {
    const CasoUnario casos[] = {
        {0, 0, "llano"},
        {100, 0.70710678118654752440L, "45 grados"},
        {6, 0.059892290727946721L, "6 %"},
        {9, 0.089637699495890588L, "9 %"},
    };
    for (const auto& c : casos) EXPECT_TRUE(Cerca(SenoDePendiente(c.x), c.esperado)) << c.caso;
}

TEST(AritmeticaBloqueProtegido, DescartaLaFallaAritmeticaYConservaLoAnterior) {
    int antes = 0;
    int despues = 0;
    EXPECT_NO_THROW(BloqueProtegido([&] {
        antes = 1;
        Dividir(1, 0);
        despues = 1;
    }));
    EXPECT_EQ(antes, 1);
    EXPECT_EQ(despues, 0);
}

TEST(AritmeticaBloqueProtegido, SinFallaCorreHastaElFinal) {
    int pasos = 0;
    BloqueProtegido([&] {
        ++pasos;
        ++pasos;
    });
    EXPECT_EQ(pasos, 2);
}

TEST(AritmeticaBloqueProtegido, DejaPasarOtrosErrores) {
    EXPECT_THROW(BloqueProtegido([] { throw std::runtime_error("no es aritmético"); }), std::runtime_error);
    EXPECT_THROW(BloqueProtegido([] { throw std::invalid_argument("tampoco"); }), std::invalid_argument);
}

}  // namespace
}  // namespace brovel
