// The heading of both reports: the project's name and the date the report is made.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "FormaDePrueba.h"
#include "forms/EncabezadoReporte.h"
#include "forms/ReporteBrovel.h"
#include "forms/ReporteZumbrel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

// Sets SOURCE_DATE_EPOCH (or removes it) while it lives, and puts back what was there.
class TEpoca {
public:
    explicit TEpoca(const std::optional<std::string>& valor) {
        if (const char* antes = std::getenv("SOURCE_DATE_EPOCH")) antes_ = antes;
        if (valor)
            setenv("SOURCE_DATE_EPOCH", valor->c_str(), 1);
        else
            unsetenv("SOURCE_DATE_EPOCH");
    }
    ~TEpoca() {
        if (antes_)
            setenv("SOURCE_DATE_EPOCH", antes_->c_str(), 1);
        else
            unsetenv("SOURCE_DATE_EPOCH");
    }

private:
    std::optional<std::string> antes_;
};

std::string Hoy() {
    const std::time_t ahora = std::time(nullptr);
    std::tm dia{};
    localtime_r(&ahora, &dia);
    return FechaComoTexto(dia);
}

struct TCasoFecha {
    const char* nombre;
    std::optional<std::string> epoca;
    std::optional<std::string> fecha;  // none: today's
};

void PrintTo(const TCasoFecha& caso, std::ostream* os) { *os << caso.nombre; }

class FechaDelReporteCasos : public ::testing::TestWithParam<TCasoFecha> {};

TEST_P(FechaDelReporteCasos, DiaMesYAnio) {
    const TCasoFecha& caso = GetParam();
    const TEpoca epoca(caso.epoca);
    EXPECT_EQ(FechaDelReporte(), caso.fecha.value_or(Hoy()));
}

INSTANTIATE_TEST_SUITE_P(, FechaDelReporteCasos,
                         ::testing::Values(TCasoFecha{"sin variable, hoy", std::nullopt, std::nullopt},
                                           TCasoFecha{"el comienzo de la época", "0", "01/01/1970"},
                                           TCasoFecha{"un año nuevo", "1767225600", "01/01/2026"},
                                           TCasoFecha{"un 29 de febrero", "951782400", "29/02/2000"},
                                           TCasoFecha{"el último segundo del día", "1767311999", "01/01/2026"},
                                           TCasoFecha{"vacía, hoy", "", std::nullopt},
                                           TCasoFecha{"no es un número, hoy", "mañana", std::nullopt},
                                           TCasoFecha{"negativa, hoy", "-86400", std::nullopt},
                                           TCasoFecha{"con algo detrás, hoy", "0x10", std::nullopt}),
                         [](const auto& info) {
                             std::string nombre;
                             for (const char c : std::string(info.param.nombre))
                                 nombre += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return nombre;
                         });

TEST(TextoLiteralRtf, EscapaLoQueCambiariaElReporte) {
    EXPECT_EQ(TextoLiteralRtf("ladera"), "ladera");
    EXPECT_EQ(TextoLiteralRtf("a{b}\\c"), "a\\{b\\}\\\\c");
    EXPECT_EQ(TextoLiteralRtf("Cañada [$1]"), "Cañada [$1]");
}

using EncabezadoReporte = FormaBrovelPrueba;

TEST_F(EncabezadoReporte, ElProyectoNuevoNoTieneNombre) {
    EXPECT_EQ(ValorIdentificador(forma, "$50"), "Sin Nombre");
    EXPECT_EQ(ValorIdentificador(forma.Zumbrel, "$50"), "Sin Nombre");
}

TEST_F(EncabezadoReporte, ElProyectoGuardadoLlevaSuNombreSinExtension) {
    const auto carpeta = std::filesystem::temp_directory_path() / ("encabezado-" + std::to_string(::getpid()));
    std::filesystem::create_directories(carpeta);
    const std::string ruta = (carpeta / "Lote {norte}.bvx").string();
    ASSERT_TRUE(forma.GuardarValores(ruta, "Lote {norte}.bvx"));
    EXPECT_EQ(ValorIdentificador(forma, "$50"), "Lote \\{norte\\}");
    std::filesystem::remove_all(carpeta);
}

TEST_F(EncabezadoReporte, ElNombreDeZumbrelEsElQueLeDaLaVentana) {
    forma.Zumbrel.NombreProyecto = "Cuenca\\alta";
    EXPECT_EQ(ValorIdentificador(forma.Zumbrel, "$50"), "Cuenca\\\\alta");
}

TEST_F(EncabezadoReporte, LaFechaEnAmbosReportes) {
    const TEpoca epoca(std::string("1767225600"));
    EXPECT_EQ(ValorIdentificador(forma, "$51"), "01/01/2026");
    EXPECT_EQ(ValorIdentificador(forma.Zumbrel, "$51"), "01/01/2026");
}

// In the report built from the templates, the heading's lines carry both.
TEST_F(EncabezadoReporte, LasPlantillasLosPonenEnElEncabezado) {
    const TEpoca epoca(std::string("951782400"));
    const auto ladera = ConstruirReporte(forma, BROVEL_REPORTES "/ModeloRep.rtf");
    ASSERT_TRUE(ladera);
    EXPECT_NE(ladera->find("Proyecto:\\tab Sin Nombre\\par"), std::string::npos);
    EXPECT_NE(ladera->find("Fecha:\\tab 29/02/2000\\par"), std::string::npos);
    const std::string escorrentia = ConstruirReporte(forma.Zumbrel, BROVEL_REPORTES "/ModeloRepZumbrel.rtf");
    EXPECT_NE(escorrentia.find("Proyecto:\\tab Sin Nombre\\par"), std::string::npos);
    EXPECT_NE(escorrentia.find("Fecha:\\tab 29/02/2000\\par"), std::string::npos);
}

}  // namespace
