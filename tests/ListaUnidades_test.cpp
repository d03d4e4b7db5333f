#include "fields/ListaUnidades.h"

#include <gtest/gtest.h>

namespace brovel {
namespace {

struct Caso {
    const char* item;
    const char* nombre;
    long double factor;
    long double desplazamiento;
};

TEST(LeerUnidad, SeParteEnLaPrimeraYLaUltimaBarra) {
    const Caso casos[] = {
        {"m|1|0", "m", 1, 0},
        {"km|0.001|0", "km", 0.001L, 0},
        {"1V/xH|2|0", "1V/xH", 2, 0},
        {"hrs|0.016666666666666666666666666666667|0", "hrs", 0.016666666666666666666666666666667L, 0},
        {"°C|1|273.15", "°C", 1, 273.15L},
        {"ton h/MJ/mm|1|0", "ton h/MJ/mm", 1, 0},
        // An unreadable factor is 0 and an unreadable offset is 1.
        {"x|abc|0", "x", 0, 0},
        {"u|2|x", "u", 2, 1},
        {"u|2|", "u", 2, 1},
        {"a|b|c|d", "a", 0, 1},
        {"a|1|2|3", "a", 0, 3},
        {"m|1", "m", 0, 1},
        {"sin barras", "sin barras", 0, 1},
        {"|1|0", "", 1, 0},
    };
    for (const auto& c : casos) {
        const TUnidad u = LeerUnidad(c.item);
        EXPECT_EQ(u.nombre, c.nombre) << c.item;
        EXPECT_EQ(u.factor, c.factor) << c.item;
        EXPECT_EQ(u.desplazamiento, c.desplazamiento) << c.item;
    }
}

TEST(LeerUnidades, ConservaElOrdenDeLaLista) {
    const auto u = LeerUnidades({"mm|1|0", "cm|0.1|0", "m|0.001|0", "µm|1000|0"});
    ASSERT_EQ(u.size(), 4u);
    EXPECT_EQ(u[3].nombre, "µm");
    EXPECT_EQ(u[3].factor, 1000);
    EXPECT_EQ(u[1].factor, 0.1L);
}

}  // namespace
}  // namespace brovel
