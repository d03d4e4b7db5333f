#include "fields/MensajesRango.h"

#include <gtest/gtest.h>

#include "fields/Cantidad.h"

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

}  // namespace
}  // namespace brovel
