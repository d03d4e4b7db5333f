// A report as HTML: the RTF the "Reporte" tabs read, with what the templates use.
#include <gtest/gtest.h>

#include <string>

#include "FormaDePrueba.h"
#include "docs/RtfHtml.h"
#include "forms/ReporteBrovel.h"
#include "forms/ReporteZumbrel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

struct TCasoHtml {
    std::string nombre;
    std::string rtf;
    std::string contiene;
    std::string noContiene;
};
void PrintTo(const TCasoHtml& caso, std::ostream* os) { *os << caso.nombre; }

class RtfHtml : public ::testing::TestWithParam<TCasoHtml> {};

TEST_P(RtfHtml, Convierte) {
    const TCasoHtml& caso = GetParam();
    const std::string html = RtfComoHtml(caso.rtf);
    EXPECT_NE(html.find(caso.contiene), std::string::npos) << html;
    if (!caso.noContiene.empty()) EXPECT_EQ(html.find(caso.noContiene), std::string::npos) << html;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Casos, RtfHtml, ::testing::Values(
    TCasoHtml{"Parrafo", "{\\rtf1 Hola\\par}", ">Hola</span></p>", ""},
    TCasoHtml{"Windows1252", "{\\rtf1 erosi\\'f3n \xe1\\par}", "erosión á", ""},
    TCasoHtml{"Unicode", "{\\rtf1 \\u8364?\\par}", "€", "?"},
    TCasoHtml{"Negrita", "{\\rtf1 {\\b fuerte}\\par}", "font-weight:bold\">fuerte", ""},
    TCasoHtml{"NegritaTerminaConElGrupo", "{\\rtf1 {\\b a}b\\par}", "pt\">b</span>", ""},
    TCasoHtml{"Centrado", "{\\rtf1\\pard\\qc T\\par}", "text-align:center", ""},
    TCasoHtml{"Color", "{\\rtf1{\\colortbl;\\red31\\green56\\blue100;}\\cf1 azul\\par}", "color:rgb(31,56,100)", "red"},
    TCasoHtml{"FondoDelParrafo", "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\pard\\cbpat1 x\\par}", "background:rgb(1,2,3)", ""},
    TCasoHtml{"Tabulador", "{\\rtf1\\pard\\tx1701 Proyecto:\\tab Sin Nombre\\par}", "min-width:85.0pt", ""},
    TCasoHtml{"NotasOcultas", "{\\rtf1{\\*\\brovelnota secreto}visible\\par}", "visible", "secreto"},
    TCasoHtml{"TablaDeLetrasOculta", "{\\rtf1{\\fonttbl{\\f0 DejaVu Sans;}}texto\\par}", "texto", "DejaVu"},
    TCasoHtml{"SinMarcado", "{\\rtf1 <script>&\\par}", "&lt;script&gt;&amp;", "<script>"},
    TCasoHtml{"LlavesSinCerrar", "{\\rtf1 {{{ abierto", "abierto", ""},
    TCasoHtml{"LlavesDeMas", "}}}{\\rtf1 fin\\par}}}", "fin", ""}),
    NombreDeCaso<TCasoHtml>);
// clang-format on

// The default reports, with their results, as the page shows them.
TEST_F(FormaBrovelPrueba, ReporteDeLaLaderaComoHtml) {
    const auto rtf = ConstruirReporte(forma, BROVEL_REPORTES "/ModeloRep.rtf");
    ASSERT_TRUE(rtf);
    const std::string html = RtfComoHtml(*rtf);
    EXPECT_NE(html.find("Reporte de Brovel"), std::string::npos);
    EXPECT_NE(html.find("Tasa de Erosión (A)"), std::string::npos);
    EXPECT_NE(html.find("9.35051"), std::string::npos);
    EXPECT_EQ(html.find("[$"), std::string::npos);
    EXPECT_EQ(html.find("brovelnota"), std::string::npos);
}

TEST_F(FormaBrovelPrueba, ReporteDeZumbrelComoHtml) {
    const std::string html = RtfComoHtml(ConstruirReporte(forma.Zumbrel, BROVEL_REPORTES "/ModeloRepZumbrel.rtf"));
    EXPECT_NE(html.find("Zumbrel"), std::string::npos);
    EXPECT_EQ(html.find("\\"), std::string::npos);
}

}  // namespace
