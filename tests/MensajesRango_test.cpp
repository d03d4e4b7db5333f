#include "fields/MensajesRango.h"

#include <gtest/gtest.h>

#include "fields/Cantidad.h"
#include "fields/Numeros.h"

namespace brovel {
namespace {

TEST(MensajeFueraDeRango, NombraLosLimitesConDosCifras) {
    const struct {
        long double minimo, maximo;
        const char* final;
    } casos[] = {
        {0.9L, 120, "(0.9 - 1.2E2)"},
        {0, 100, "(0 - 1E2)"},
        {0, 20, "(0 - 20)"},
        {0, 1, "(0 - 1)"},
        {0, kSinLimite, "(0 - 1.1E4900)"},
        {0.00005L, 99.5L, "(5E-5 - 1E2)"},
        {-5, 5, "(-5 - 5)"},
        {0.0001L, 0.5L, "(0.0001 - 0.5)"},
        {1, 1440, "(1 - 1.4E3)"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(MensajeFueraDeRango(c.minimo, c.maximo),
                  std::string("El valor ingresado se encuentra fuera del rango permitido ") + c.final);
}

// Asked again and again, in any order, each range keeps its own message: ranges
// that share a limit, limits equal but for their sign, and far more ranges than a
// form has.
TEST(MensajeFueraDeRango, CadaRangoConservaSuMensajeAunqueSePidaMuchasVeces) {
    const struct {
        long double minimo, maximo;
        const char* final;
    } casos[] = {
        {0, 100, "(0 - 1E2)"},        {0, 20, "(0 - 20)"},          {1, 20, "(1 - 20)"},   {-1, 20, "(-1 - 20)"},
        {1, 100, "(1 - 1E2)"},        {0, 100, "(0 - 1E2)"},        {-0.0L, 5, "(0 - 5)"}, {0, 5, "(0 - 5)"},
        {0.9L, 120, "(0.9 - 1.2E2)"}, {0.9L, 130, "(0.9 - 1.3E2)"},
    };
    for (int vuelta = 0; vuelta < 3; ++vuelta) {
        for (const auto& c : casos)
            ASSERT_EQ(MensajeFueraDeRango(c.minimo, c.maximo),
                      std::string("El valor ingresado se encuentra fuera del rango permitido ") + c.final);
        for (int i = 0; i < 1000; ++i)
            ASSERT_EQ(MensajeFueraDeRango(i, i + 1000), "El valor ingresado se encuentra fuera del rango permitido (" +
                                                            FormatoGeneral(i, 2) + " - " + FormatoGeneral(i + 1000, 2) +
                                                            ")");
    }
}

}  // namespace
}  // namespace brovel
