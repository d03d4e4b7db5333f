#include "fields/Pendiente.h"

#include <gtest/gtest.h>

#include "fields/Cantidad.h"

namespace brovel {
namespace {

// A slope field as the slope window sets it up: percent or 1V/xH, with the hooks.
class CampoDePendiente : public ::testing::Test {
protected:
    void SetUp() override {
        campo.SetUnits({"%|1|0", "1V/xH|2|0"});
        campo.SciMax = 10000;
        campo.AutoRecalculate = true;
        campo.BaseMin = 0;
        campo.BaseMax = kSinLimite;
        campo.SetUseRange(true);
        campo.Cargado();
        campo.OnCambioDeUnidad = PendienteCambioDeUnidad;
        campo.OnReadBaseValue = PendienteReadBaseValue;
    }

    void Mostrar(long double porcentaje, int unidad) {
        campo.CambiarUnidad(0);
        campo.SetBaseValue(porcentaje);
        campo.CambiarUnidad(unidad);
    }

    TCantidad campo;
};

TEST_F(CampoDePendiente, UnaPendienteEnPorcentajeSeMuestraComoCorridaHorizontal) {
    const std::pair<long double, const char*> casos[] = {{5, "20"},     {4, "25"},     {100, "1"},
                                                         {6, "16.667"}, {0.5L, "200"}, {200, "0.5"}};
    for (const auto& [porcentaje, texto] : casos) {
        Mostrar(porcentaje, 1);
        EXPECT_EQ(campo.Text(), texto) << static_cast<double>(porcentaje) << " %";
    }
}

TEST_F(CampoDePendiente, VolverAPorcentajeInvierteLaCorrida) {
    Mostrar(5, 1);
    campo.CambiarUnidad(0);
    EXPECT_EQ(campo.Text(), "5");
}

TEST_F(CampoDePendiente, SetBaseValueEnCorridaMuestraLaCorrida) {
    Mostrar(1, 1);
    campo.SetBaseValue(5);
    EXPECT_EQ(campo.Text(), "20");
    EXPECT_EQ(campo.GetBaseValue(), 5);
}

// The base value is 100 divided by the rounded run, not exactly the grade typed.
TEST_F(CampoDePendiente, ElValorBaseSaleDeLaCorridaRedondeada) {
    Mostrar(6, 1);
    EXPECT_EQ(campo.GetBaseValue(), 100 / 16.667L);
}

TEST_F(CampoDePendiente, UnaCorridaCeroSeLeeComoUnoPorCiento) {
    Mostrar(5, 1);
    campo.SetText("0");
    EXPECT_EQ(campo.GetBaseValue(), 1);
}

TEST_F(CampoDePendiente, UnTerrenoLlanoSigueEnCeroEnAmbasUnidades) {
    Mostrar(0, 1);
    EXPECT_EQ(campo.Text(), "0");
    campo.CambiarUnidad(0);
    EXPECT_EQ(campo.Text(), "0");
}

TEST_F(CampoDePendiente, ElRangoSeConvierteLinealmente) {
    campo.CambiarUnidad(1);
    EXPECT_EQ(campo.BoundLower(), 0);
    EXPECT_EQ(campo.BoundUpper(), kSinLimite * 2);
}

TEST(PendienteCambioDeUnidad, LaMismaUnidadNoCambiaNada) {
    long double f1 = -1, f2 = 7;
    PendienteCambioDeUnidad(f1, f2, {2, 0, 2, 0});
    EXPECT_EQ(f1, -1);
    EXPECT_EQ(f2, 7);
}

}  // namespace
}  // namespace brovel
