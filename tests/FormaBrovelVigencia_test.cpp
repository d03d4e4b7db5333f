// Results a dropped fault left behind are shown as out of date, and only those,
// until a recalculation that goes through writes them again.
#include <limits>

#include "FormaDePrueba.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

std::vector<std::string> Desactualizados(const TFormaBrovel& f, const std::vector<std::string>& campos) {
    std::vector<std::string> viejos;
    for (const std::string& campo : campos)
        if (!f.AlDia(campo)) viejos.push_back(campo);
    return viejos;
}

// clang-format off
const std::vector<std::string> kResultados = {
    "euFesResultado",   "euFtResultado",    "euDMResultado",    "euFdeResultado",    "euFelleResultado",
    "euVeeResultado",   "euCpeResultado",   "euFpResultado",    "euTecrResultado",   "euPspcrResultado",
    "euCEResultado",    "euFcss",           "euSups",           "euScf",             "euFpsb",
    "euFpset",          "euFpsed",          "euFdPdS",          "euScsResultado",    "euSrsResultado",
    "euFcmResultado",   "euLctResultado",   "euFpsResultado",   "euFeleEResultado",  "euFpEResultado",
    "euFesEResultado",  "euFtEResultado",   "euFcmEResultado",  "euSupsEResultado",  "euScfEResultado",
    "euScsEResultado",  "euSrsEResultado",  "euShsEResultado",  "euFpsEResultado",   "euTeEResultado",
    "euPsEResultado",   "euFpsbEResultado", "euFpsetEResultado", "euFpsedEResultado",
};
// clang-format on

}  // namespace

TEST_F(FormaBrovelPrueba, UnProyectoNuevoEstaAlDia) {
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_EQ(forma.SinActualizar(), std::vector<std::string>{});
    EXPECT_EQ(Desactualizados(forma, kResultados), std::vector<std::string>{});
}

// A negative slope is outside its field's range: it does not reach the model, the
// status line names the field, and what depends on the slope keeps the numbers of
// 15 % and says why, alike on every tab; what does not depend on it stays good.
TEST_F(FormaBrovelPrueba, UnaPendienteNegativaDejaAtrasLoQueDependeDeLS) {
    forma.euDt.SetBaseValue(15);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    const std::string lsAnterior = forma.euFtEResultado.Text();
    const std::string aAnterior = forma.euTeEResultado.Text();
    forma.euDt.SetBaseValue(-5);
    forma.MostrarPestana(TPestanaBrovel::Erosion);

    EXPECT_EQ(forma.Estado.Dt, 15);
    EXPECT_EQ(forma.SinActualizar(),
              (std::vector<std::string>{"Ft", "SenoPendiente", "ExponenteLongitud", "Tecr", "Pspcr", "Fpsb", "Fpset",
                                        "Fpsed", "Fps", "Lct", "TeE", "PsE"}));
    EXPECT_EQ(Desactualizados(forma, kResultados),
              (std::vector<std::string>{"euFtResultado", "euTecrResultado", "euPspcrResultado", "euFpsb", "euFpset",
                                        "euFpsed", "euLctResultado", "euFpsResultado", "euFtEResultado",
                                        "euFpsEResultado", "euTeEResultado", "euPsEResultado", "euFpsbEResultado",
                                        "euFpsetEResultado", "euFpsedEResultado"}));
    EXPECT_EQ(forma.euFtEResultado.Text(), lsAnterior);
    EXPECT_EQ(forma.euTeEResultado.Text(), aAnterior);
    const std::string fuera =
        "«Pendiente del Brovel»: El valor ingresado se encuentra fuera del rango permitido (0 - 1.1E4900)";
    EXPECT_EQ(forma.TextoEstado(), "ERROR: " + fuera);
    EXPECT_TRUE(forma.EstadoEnError());
    EXPECT_EQ(forma.MotivoDeCampo("euTeEResultado"), fuera);
    EXPECT_EQ(forma.MotivoDe("Ft"), fuera);

    forma.euDt.SetBaseValue(6);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_EQ(forma.SinActualizar(), std::vector<std::string>{});
    EXPECT_EQ(Desactualizados(forma, kResultados), std::vector<std::string>{});
    EXPECT_EQ(forma.TextoEstado(), "OK");
}

// Typed as a person types it, "-5" passes through "-", which reads as a slope of 0
// and faults the practices; once the text is "-5", what stops the calculation is
// the field, and that is the reason every result gives.
TEST_F(FormaBrovelPrueba, ElMotivoEsLaEntradaQueDetieneElCalculo) {
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    for (const char* texto : {"-", "-5"}) forma.euDt.TextoEditado(texto);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    const std::string fuera =
        "«Pendiente del Brovel»: El valor ingresado se encuentra fuera del rango permitido (0 - 1.1E4900)";
    ASSERT_FALSE(forma.SinActualizar().empty());
    for (const std::string& miembro : forma.SinActualizar()) EXPECT_EQ(forma.MotivoDe(miembro), fuera) << miembro;
}

// With mulching, a random roughness of 0 divides by zero in the surface cover:
// Disipación's results and erosion are out of date, the earlier tabs are not.
TEST_F(FormaBrovelPrueba, SinRugosidadQuedanAtrasLaDisipacionYLaErosion) {
    forma.euRast.SetBaseValue(0);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_EQ(forma.SinActualizar(), (std::vector<std::string>{"Fps", "Scs", "Srs", "Fcm", "Lct", "TeE", "PsE"}));
    EXPECT_EQ(Desactualizados(forma, kResultados),
              (std::vector<std::string>{"euScsResultado", "euSrsResultado", "euFcmResultado", "euLctResultado",
                                        "euFpsResultado", "euFcmEResultado", "euScsEResultado", "euSrsEResultado",
                                        "euFpsEResultado", "euTeEResultado", "euPsEResultado"}));
}

// A result that comes out infinite is not shown as a number of today.
TEST_F(FormaBrovelPrueba, UnResultadoInfinitoNoEstaAlDia) {
    forma.ElegirOpcion(TGrupoOpciones::Evento, 1);
    forma.euVp.SetText("1E+400");
    forma.MostrarPestana(TPestanaBrovel::Forzantes);
    EXPECT_FALSE(forma.AlDia("euVeeResultado"));
    forma.euVp.SetBaseValue(2000);
    forma.MostrarPestana(TPestanaBrovel::Forzantes);
    EXPECT_TRUE(forma.AlDia("euVeeResultado"));
}
