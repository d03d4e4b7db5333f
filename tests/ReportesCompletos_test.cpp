// The whole default report of each window, byte for byte against a reviewed copy:
// the template's text around the pieces, every piece, the Windows-1252 bytes.
// After a deliberate change of a template or a piece, the copies are written again
// with scripts/regenerar-reportes.sh and reviewed before they are committed.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "FormaDePrueba.h"
#include "forms/ReporteBrovel.h"
#include "forms/ReporteZumbrel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

std::string Leer(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream contenido;
    contenido << archivo.rdbuf();
    return contenido.str();
}

// The first line where two reports differ, to read instead of two 10 KB strings.
std::string PrimeraDiferencia(const std::string& a, const std::string& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    const size_t inicio = a.rfind('\n', i) == std::string::npos ? 0 : a.rfind('\n', i) + 1;
    return "byte " + std::to_string(i) + ": «" + a.substr(inicio, i - inicio + 40) + "» frente a «" +
           b.substr(inicio, i - inicio + 40) + "»";
}

// The reviewed copies were made on the day scripts/regenerar-reportes.sh fixes.
class ReportesCompletos : public FormaBrovelPrueba {
protected:
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1767225600", 1); }
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }
};

TEST_F(ReportesCompletos, LaLaderaPorDefecto) {
    const auto reporte = ConstruirReporte(forma, BROVEL_REPORTES "/ModeloRep.rtf");
    ASSERT_TRUE(reporte);
    const std::string esperado = Leer(BROVEL_DATOS "/ReporteLaderaPorDefecto.rtf");
    ASSERT_FALSE(esperado.empty());
    EXPECT_TRUE(*reporte == esperado) << PrimeraDiferencia(*reporte, esperado);
}

TEST_F(ReportesCompletos, LaEscorrentiaPorDefecto) {
    const std::string reporte = ConstruirReporte(forma.Zumbrel, BROVEL_REPORTES "/ModeloRepZumbrel.rtf");
    const std::string esperado = Leer(BROVEL_DATOS "/ReporteEscorrentiaPorDefecto.rtf");
    ASSERT_FALSE(esperado.empty());
    EXPECT_TRUE(reporte == esperado) << PrimeraDiferencia(reporte, esperado);
}

TEST_F(ReportesCompletos, UnErrorDeDatosNoConstruyeNada) {
    forma.RecalculoSuspendido = true;
    EXPECT_FALSE(ConstruirReporte(forma, BROVEL_REPORTES "/ModeloRep.rtf"));
}

}  // namespace
