#include "fields/Cantidad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fields/Numeros.h"

namespace brovel {
namespace {

// A loaded field as the forms make them: 3 decimals, fixed inside (0.0001, 10000),
// converting the shown number on a unit switch, counting its change notifications.
class CampoCargado : public ::testing::Test {
protected:
    void Preparar(std::vector<std::string> unidades, long double valor) {
        campo.SetUnits(std::move(unidades));
        campo.SciMax = 10000;
        campo.AutoRecalculate = true;
        campo.SetAsFloat(valor);
        campo.OnChange = [this] { ++avisos; };
        campo.Cargado();
    }

    TCantidad campo;
    int avisos = 0;
};

TEST_F(CampoCargado, AlCambiarDeUnidadConvierteElNumeroMostrado) {
    Preparar({"m|1|0", "km|0.001|0"}, 60);
    EXPECT_EQ(campo.Text(), "60");
    campo.CambiarUnidad(1);
    EXPECT_EQ(campo.Text(), "0.06");
    EXPECT_EQ(campo.UnitAsString(), "km");
    EXPECT_EQ(campo.GetBaseValue(), 60);
    campo.CambiarUnidad(0);
    EXPECT_EQ(campo.Text(), "60");
    EXPECT_EQ(campo.UnitAsString(), "m");
}

TEST_F(CampoCargado, ConvierteEntreMinutosSegundosYHoras) {
    Preparar({"min|1|0", "seg|60|0", "hrs|0.016666666666666666666666666666667|0"}, 3);
    campo.CambiarUnidad(1);
    EXPECT_EQ(campo.Text(), "180");
    campo.CambiarUnidad(2);
    EXPECT_EQ(campo.Text(), "0.05");
    campo.CambiarUnidad(1);
    campo.SetBaseValue(120);
    EXPECT_EQ(campo.Text(), "7200");
    EXPECT_EQ(campo.GetBaseValue(), 120);
}

TEST_F(CampoCargado, ConvierteConDesplazamiento) {
    Preparar({"K|1|0", "°C|1|-273.15"}, 300);
    campo.CambiarUnidad(1);
    EXPECT_EQ(campo.Text(), "26.85");
    EXPECT_EQ(campo.GetBaseValue(), 26.85L + 273.15L);
    campo.SetBaseValue(273.15L);
    EXPECT_EQ(campo.Text(), "0");
}

// The field yields the number its text shows, not the number written into it.
TEST_F(CampoCargado, DaElNumeroQueMuestraSuTexto) {
    Preparar({"m|1|0", "km|0.001|0"}, 0);
    campo.SetBaseValue(1.0L / 3);
    EXPECT_EQ(campo.Text(), "0.333");
    EXPECT_EQ(campo.AsFloat(), 0.333L);
    EXPECT_EQ(campo.GetBaseValue(), 0.333L);
    campo.CambiarUnidad(1);
    EXPECT_EQ(campo.Text(), "0");
    EXPECT_EQ(campo.GetBaseValue(), 0);
}

// In scientific notation too: the digits the text drops are lost.
TEST_F(CampoCargado, DaElNumeroQueMuestraSuTextoCientifico) {
    Preparar({"-|1|0"}, 0);
    campo.SetAsFloat(1.23456789E-5L);
    EXPECT_EQ(campo.Text(), "1.235E-5");
    EXPECT_EQ(campo.AsFloat(), 1.235E-5L);
    campo.SetAsFloat(1.2000001E-5L);
    EXPECT_EQ(campo.Text(), "1.2E-5");
    EXPECT_EQ(campo.AsFloat(), 1.2E-5L);
}

TEST_F(CampoCargado, LoTecleadoCuentaConTodosSusDecimalesHastaSalir) {
    Preparar({"m|1|0"}, 0);
    campo.TextoEditado("1.23456");
    EXPECT_EQ(campo.AsFloat(), 1.23456L);
    EXPECT_EQ(campo.Text(), "1.23456");
    campo.ProcesarSalida();
    EXPECT_EQ(campo.Text(), "1.235");
    EXPECT_EQ(campo.AsFloat(), 1.235L);
}

TEST_F(CampoCargado, AlSalirNormalizaElTexto) {
    Preparar({"m|1|0"}, 5);
    const std::pair<const char*, const char*> casos[] = {
        {"12,", "12"}, {"-", "0"},      {"1,000", "1"}, {"15,5", "15.5"}, {"-0,25", "-0.25"},  {"", "0"},
        {"7.", "7"},   {"2.50", "2.5"}, {"1e", "1"},    {"1e4", "1E+4"},  {"0.00001", "1E-5"}, {"-0.0001", "-1E-4"},
    };
    for (const auto& [tecleado, final] : casos) {
        campo.TextoEditado(tecleado);
        campo.ProcesarSalida();
        EXPECT_EQ(campo.Text(), final) << '"' << tecleado << '"';
    }
}

// A comma typed with a point, or more than one, could mean thousands or decimals:
// it is refused, and the field keeps the text for the person to mend.
TEST_F(CampoCargado, UnaComaAmbiguaSeRechaza) {
    Preparar({"m|1|0"}, 3);
    for (const char* tecleado : {"1,000.5", "1.000,5", "1,2,3"}) {
        EXPECT_THROW(campo.TextoEditado(tecleado), ErrorDeConversion) << tecleado;
        EXPECT_EQ(campo.Text(), tecleado);
        try {
            campo.ProcesarSalida();
            ADD_FAILURE() << tecleado;
        } catch (const ErrorDeConversion& e) {
            EXPECT_NE(std::string(e.what()).find("una sola coma"), std::string::npos) << e.what();
        }
    }
}

TEST_F(CampoCargado, MientrasSeTecleaUnaEInicialSeLeeComoElNumero) {
    Preparar({"m|1|0"}, 0);
    campo.TextoEditado("1e");
    EXPECT_EQ(campo.AsFloat(), 1);
    EXPECT_EQ(campo.Text(), "1e");
}

TEST_F(CampoCargado, UnTextoQueNoEsNumeroFallaYQuedaComoEstaba) {
    Preparar({"m|1|0"}, 5);
    EXPECT_THROW(campo.TextoEditado("1.2.3"), ErrorDeConversion);
    EXPECT_EQ(avisos, 0) << "no se avisa un cambio que no se pudo leer";
    EXPECT_EQ(campo.Text(), "1.2.3");
    EXPECT_THROW(campo.AsFloat(), ErrorDeConversion);
    EXPECT_THROW(campo.GetBaseValue(), ErrorDeConversion);
    EXPECT_THROW(campo.ProcesarSalida(), ErrorDeConversion);
    EXPECT_EQ(campo.Text(), "1.2.3");
}

TEST_F(CampoCargado, AvisaCadaCambioDelTextoYNingunoMas) {
    Preparar({"m|1|0", "km|0.001|0"}, 60);
    EXPECT_EQ(avisos, 0);
    campo.SetBaseValue(60);
    EXPECT_EQ(avisos, 0) << "el mismo número no cambia el texto";
    campo.SetBaseValue(61);
    EXPECT_EQ(avisos, 1);
    campo.SetBaseValue(61.0001L);
    EXPECT_EQ(avisos, 1) << "el texto redondeado es el mismo";
    campo.TextoEditado("62");
    EXPECT_EQ(avisos, 2);
    campo.ProcesarSalida();
    EXPECT_EQ(avisos, 2);
    campo.CambiarUnidad(1);
    EXPECT_EQ(avisos, 3);
    campo.CambiarUnidad(1);
    EXPECT_EQ(avisos, 3) << "elegir la misma unidad no cambia nada";
}

TEST(Cantidad, NoAvisaMientrasSeCarga) {
    TCantidad campo;
    int avisos = 0;
    campo.OnChange = [&] { ++avisos; };
    campo.SetUnits({"m|1|0", "km|0.001|0"});
    campo.SetAsFloat(60);
    campo.SetText("70");
    EXPECT_TRUE(campo.Cargando());
    EXPECT_EQ(avisos, 0);
    campo.Cargado();
    campo.SetAsFloat(80);
    EXPECT_EQ(avisos, 1);
}

TEST(Cantidad, ValoresAlCrearse) {
    TCantidad campo;
    EXPECT_EQ(campo.Units(), std::vector<std::string>{"m|1|0"});
    EXPECT_EQ(campo.DecimalPlaces, 3);
    EXPECT_EQ(campo.SciMin, 0.0001L);
    EXPECT_EQ(campo.SciMax, 1E6L);
    EXPECT_FALSE(campo.UseRange());
    EXPECT_FALSE(campo.BoundsEnabled);
    EXPECT_FALSE(campo.AutoRecalculate);
    EXPECT_EQ(campo.BoundLower(), 0);
    EXPECT_EQ(campo.BoundUpper(), 0);
    EXPECT_EQ(campo.Text(), "0");
}

TEST_F(CampoCargado, UnDesplazamientoIlegibleValeUno) {
    Preparar({"a|1|0", "b|2|x"}, 3);
    campo.CambiarUnidad(1);
    EXPECT_EQ(campo.Text(), "7");
    EXPECT_EQ(campo.GetBaseValue(), 3);
}

TEST_F(CampoCargado, ConFactorCeroNoSeConvierte) {
    Preparar({"a|1|0", "b|cero|0"}, 3);
    campo.CambiarUnidad(1);
    campo.SetText("9");
    EXPECT_EQ(campo.GetBaseValue(), 9) << "la unidad actual de factor 0 da el número sin convertir";

    TCantidad sinBase;
    sinBase.SetUnits({"a|?|0", "b|2|0"});
    sinBase.AutoRecalculate = true;
    sinBase.SetAsFloat(5);
    sinBase.Cargado();
    // Switching away from a unit of factor 0 divides by it: nothing that is not a
    // number reaches the text.
    sinBase.CambiarUnidad(1);
    EXPECT_EQ(sinBase.Text(), "5");
    sinBase.SetText("8");
    sinBase.SetBaseValue(100);
    EXPECT_EQ(sinBase.Text(), "8") << "con la unidad base de factor 0 SetBaseValue no hace nada";
}

TEST_F(CampoCargado, UnNumeroQueNoEsFinitoNoLlegaAlCampo) {
    Preparar({"m|1|0"}, 5);
    campo.SetAsFloat(std::numeric_limits<long double>::infinity());
    campo.SetBaseValue(std::numeric_limits<long double>::quiet_NaN());
    EXPECT_EQ(campo.Text(), "5");
    EXPECT_EQ(avisos, 0);
}

// A field with range 0.9 to 120 m, shown in km: the test is made in km.
TEST_F(CampoCargado, ElRangoSePruebaEnLaUnidadActual) {
    Preparar({"m|1|0", "km|0.001|0"}, 60);
    campo.BaseMin = 0.9L;
    campo.BaseMax = 120;
    campo.SetUseRange(true);
    EXPECT_TRUE(campo.BoundsEnabled);
    EXPECT_EQ(campo.BoundLower(), 0.9L);
    EXPECT_EQ(campo.BoundUpper(), 120);

    campo.CambiarUnidad(1);
    EXPECT_EQ(campo.BoundLower(), 0.9L * 0.001L);
    EXPECT_EQ(campo.BoundUpper(), 120 * 0.001L);

    const std::pair<const char*, TESBBoundsValidationType> casos[] = {
        {"0.5", TESBBoundsValidationType::Encima},     {"0.12", TESBBoundsValidationType::Ninguno},
        {"0.1", TESBBoundsValidationType::Ninguno},    {"0.0001", TESBBoundsValidationType::Debajo},
        {"0.0009", TESBBoundsValidationType::Ninguno}, {"-1", TESBBoundsValidationType::Debajo},
    };
    for (const auto& [texto, tipo] : casos) {
        campo.TextoEditado(texto);
        EXPECT_EQ(campo.ProcesarSalida(), tipo) << texto;
    }
    // The number is neither clipped nor reset.
    EXPECT_EQ(campo.Text(), "-1");
}

TEST_F(CampoCargado, UnNumeroIgualAlLimiteSuperiorPasa) {
    Preparar({"m|1|0"}, 120);
    campo.BaseMin = 0.9L;
    campo.BaseMax = 120;
    campo.SetUseRange(true);
    EXPECT_EQ(campo.ProcesarSalida(), TESBBoundsValidationType::Ninguno);
    campo.SetUseRange(false);
    campo.SetText("500");
    EXPECT_EQ(campo.ProcesarSalida(), TESBBoundsValidationType::Ninguno) << "sin rango no se prueba";
}

TEST_F(CampoCargado, ElMensajePropioNombraElLimiteConTodosLosDecimales) {
    Preparar({"-|1|0"}, 0);
    campo.DecimalPlaces = 5;
    campo.BaseMin = 0;
    campo.BaseMax = 1;
    campo.SetUseRange(true);
    EXPECT_EQ(campo.MensajeLimite(TESBBoundsValidationType::Debajo),
              "Your entered Value is below the acceptable limit of 0.00000");
    EXPECT_EQ(campo.MensajeLimite(TESBBoundsValidationType::Encima),
              "Your entered Value is above the acceptable limit of 1.00000");
}

TEST_F(CampoCargado, ElegirLaUnidadPorDefectoCambiaDeUnidad) {
    Preparar({"m|1|0", "km|0.001|0"}, 60);
    campo.SetDefaultUnit(1);
    EXPECT_EQ(campo.DefaultUnit(), 1);
    EXPECT_EQ(campo.CurrentUnit(), 1);
    EXPECT_EQ(campo.Text(), "0.06");
    campo.SetDefaultUnit(7);
    EXPECT_EQ(campo.CurrentUnit(), 1) << "un índice fuera de la lista no hace nada";
}

}  // namespace
}  // namespace brovel

namespace brovel {
namespace {

// A field blank while zero shows nothing for zero, reads zero from it, and shows
// any other number as usual.
TEST(CampoVacioSiCero, MuestraVacioElCero) {
    TCantidad campo;
    campo.SetUnits({"mm|1|0", "cm|0.1|0"});
    campo.VacioSiCero = true;
    campo.AutoRecalculate = true;
    campo.Cargado();
    campo.SetBaseValue(9.4);
    EXPECT_EQ(campo.Text(), "9.4");
    campo.SetBaseValue(0);
    EXPECT_EQ(campo.Text(), "");
    EXPECT_EQ(campo.GetBaseValue(), 0);
    campo.CambiarUnidad(1);
    EXPECT_EQ(campo.Text(), "");
    campo.SetText("2.5");
    EXPECT_EQ(campo.GetBaseValue(), 25);
}

}  // namespace
}  // namespace brovel
