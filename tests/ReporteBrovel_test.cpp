// The slope report's pieces: what each identifier gives for the options, boxes and
// practices chosen, read from the fields as they show their numbers.
#include <functional>
#include <string>

#include "FormaDePrueba.h"
#include "docs/Reporte.h"
#include "fields/Numeros.h"
#include "forms/ReporteBrovel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

using G = TGrupoOpciones;
using L = TListaBrovel;

class ReporteBrovel : public FormaBrovelPrueba {
protected:
    // The piece of [$n] once the report's tab has run the chain.
    std::string Pieza(int n) {
        forma.tsErosionShow();
        return ValorIdentificador(forma, "$" + std::to_string(n));
    }
};

enum class Como { Igual, Empieza, Termina, Contiene, NoContiene };

struct TCasoPieza {
    const char* nombre;
    std::function<void(TFormaBrovel&)> preparar;
    int identificador;
    Como como;
    std::string texto;
};

void PrintTo(const TCasoPieza& caso, std::ostream* os) { *os << caso.nombre; }

class ReporteBrovelPiezas : public ReporteBrovel, public ::testing::WithParamInterface<TCasoPieza> {};

TEST_P(ReporteBrovelPiezas, DiceLoQueMuestraLaVentana) {
    const TCasoPieza& caso = GetParam();
    if (caso.preparar) caso.preparar(forma);
    const std::string pieza = Pieza(caso.identificador);
    switch (caso.como) {
        case Como::Igual: EXPECT_EQ(pieza, caso.texto); break;
        case Como::Empieza: EXPECT_EQ(pieza.substr(0, caso.texto.size()), caso.texto) << pieza; break;
        case Como::Termina:
            EXPECT_GE(pieza.size(), caso.texto.size());
            EXPECT_EQ(pieza.substr(pieza.size() - std::min(pieza.size(), caso.texto.size())), caso.texto) << pieza;
            break;
        case Como::Contiene: EXPECT_NE(pieza.find(caso.texto), std::string::npos) << pieza; break;
        case Como::NoContiene: EXPECT_EQ(pieza.find(caso.texto), std::string::npos) << pieza; break;
    }
}

void SinPracticas(TFormaBrovel& f) { f.Marcar(TCasilla::PracticasDeSoporte, false); }
std::function<void(TFormaBrovel&)> Practica(int tipo) {
    return [tipo](TFormaBrovel& f) { f.ElegirEnLista(L::cbTp, tipo); };
}
void ClaseYTextura(TFormaBrovel& f) { f.ElegirOpcion(G::Suelo, static_cast<int>(TOpcionSuelo::ClaseYTextura)); }
std::function<void(TFormaBrovel&)> LluviaMedia(TOpcionLluviaMedia opcion) {
    return [opcion](TFormaBrovel& f) { f.ElegirOpcion(G::LluviaMedia, static_cast<int>(opcion)); };
}
void TormentaExtrema(TFormaBrovel& f) { f.ElegirOpcion(G::LluviaExtrema, 0); }
void EventoPorParametros(TFormaBrovel& f) { f.ElegirOpcion(G::Evento, 1); }

const std::string kPar = "\\par ";

// clang-format off
INSTANTIATE_TEST_SUITE_P(, ReporteBrovelPiezas, ::testing::Values(
    TCasoPieza{"PendientePorDefecto", {}, 1, Como::Igual, "6 %"},
    TCasoPieza{"LongitudPorDefecto", {}, 2, Como::Igual, "60 m"},
    TCasoPieza{"LongitudEnKilometros", [](TFormaBrovel& f) { f.euLt.CambiarUnidad(1); }, 2, Como::Igual, "0.06 km"},
    TCasoPieza{"SinPiezaCero", {}, 0, Como::Igual, " "},
    TCasoPieza{"SinPiezaTreintaYTres", {}, 33, Como::Igual, " "},
    TCasoPieza{"SinPiezaNegativa", {}, -1, Como::Igual, " "},
    TCasoPieza{"OpcionDeSuelo", {}, 3, Como::Igual, "Curva granométrica representativa"},
    TCasoPieza{"OpcionDeSueloTextura", ClaseYTextura, 3, Como::Igual, "Clase y textura"},
    TCasoPieza{"CurvaDeTresPuntos", [](TFormaBrovel& f) { f.euCpcg.SetBaseValue(3); }, 4, Como::Empieza,
               "Cantidad de Puntos: 3 -\\par Punto: 1        Diam. Grano: 4.760000  \\tab  % pasante: 100.0000\\par "
               "Punto: 2        Diam. Grano: 2.000000  \\tab  % pasante: 100.0000\\par "
               "Punto: 3        Diam. Grano: 0.420000  \\tab  % pasante: 99.0000\\par "},
    TCasoPieza{"CurvaDeTresPuntosTermina", [](TFormaBrovel& f) { f.euCpcg.SetBaseValue(3); }, 4, Como::Termina,
               "Punto: 3        Diam. Grano: 0.420000  \\tab  % pasante: 99.0000\\par "},
    TCasoPieza{"DiametroMedio", [](TFormaBrovel& f) { f.ElegirOpcion(G::Suelo, 1); f.euDm.SetBaseValue(0.25); },
               4, Como::Igual, "Diámetro medio: 0.25 mm"},
    TCasoPieza{"ClaseYTexturaCompleta", ClaseYTextura, 4, Como::Empieza,
               "Clase de Suelo por Estructura Grano fino (1-2 mm) \\par % de Limos (15-20 cm sup.)   "},
    TCasoPieza{"ClaseYTexturaMateriaOrganica", ClaseYTextura, 4, Como::Contiene,
               " \\par % de Limos Mat. Org. (15-20 cm sup.)    "},
    TCasoPieza{"ClaseYTexturaPermeabilidad", ClaseYTextura, 4, Como::Termina,
               "Clase de Suelo por Perm.   Medianamente rápida (1-2 mm/h) \\par "},
    TCasoPieza{"DescongelamientoNo", {}, 6, Como::Igual, "No"},
    TCasoPieza{"DescongelamientoSi", [](TFormaBrovel& f) { f.Marcar(TCasilla::Descongelamiento, true); }, 6,
               Como::Igual, "Si"},
    TCasoPieza{"DiametroMedioDeLaCurva", {}, 11, Como::Igual, "Diámetro Medio 0.047 mm \\par "},
    TCasoPieza{"SinDiametroMedioConTextura", ClaseYTextura, 11, Como::Igual, ""},
    TCasoPieza{"ConExpresionLS", {}, 12, Como::Igual, ""},
    TCasoPieza{"SinExpresionLS",
               [](TFormaBrovel& f) { f.Marcar(TCasilla::Descongelamiento, true); f.euLt.SetBaseValue(3); }, 12,
               Como::Igual, "No existen expresiones validadas para el factor topografico bajo estas condiciones"},
    TCasoPieza{"HietogramaRepresentativo", {}, 14, Como::Empieza,
               "Paso Temporal del Hietograma 10 min \\par Cantidad de Pasos del Hietograma : 8 \\par "
               "\\tab Paso: 1        Cantidad de Lluvia: 1.270000\\par "},
    TCasoPieza{"HietogramaRepresentativoTermina", {}, 14, Como::Termina,
               "\\tab Paso: 8        Cantidad de Lluvia: 1.270000\\par Cantidad de Tormentas por Año 15 -"},
    TCasoPieza{"SerieDeHietogramas",
               [](TFormaBrovel& f) { LluviaMedia(TOpcionLluviaMedia::SerieDeHietogramas)(f);
                                     f.ElegirEnLista(L::cbCh, 1); f.ElegirEnLista(L::cbCph2, 2); }, 14,
               Como::Contiene,
               "Cantidad de Hietogramas: 2 \\par Cantidad de Pasos del Hietograma número 1: 3 \\par "},
    TCasoPieza{"SerieDeHietogramasSegundo",
               [](TFormaBrovel& f) { LluviaMedia(TOpcionLluviaMedia::SerieDeHietogramas)(f);
                                     f.ElegirEnLista(L::cbCh, 1); f.ElegirEnLista(L::cbCph2, 2); }, 14,
               Como::Contiene, "\\par Cantidad de Pasos del Hietograma número 2: 3 \\par \\tab Paso: 1 "},
    TCasoPieza{"ParametrosDeEnergia", LluviaMedia(TOpcionLluviaMedia::ParametrosDeEnergia), 14, Como::Empieza,
               "Energía de la Tormenta "},
    TCasoPieza{"ErosividadDada", LluviaMedia(TOpcionLluviaMedia::Erosividad), 14, Como::Empieza,
               "Factor de Erosividad de Lluvia de Escorrentía "},
    TCasoPieza{"EscorrentiaDada", {}, 16, Como::Igual, "Cantidad de Escorrentía 66 mm"},
    TCasoPieza{"TormentaExtrema", TormentaExtrema, 16, Como::Empieza, "Paso Temporal del Hietograma : "},
    TCasoPieza{"TormentaExtremaSinUnidad", TormentaExtrema, 16, Como::NoContiene, "min"},
    TCasoPieza{"EventoPorHietograma", {}, 17, Como::Igual, "Hietograma de la tormenta"},
    TCasoPieza{"EventoPorParametros", EventoPorParametros, 17, Como::Igual, "Parámetros representativos del evento"},
    TCasoPieza{"EventoSinUnidadEnElPaso", {}, 18, Como::Empieza,
               "Paso Temporal del Hietograma : 30 \\par \\tab Paso: 1        Cantidad de Lluvia: 9.400000\\par "},
    TCasoPieza{"VolumenYCaudalDelEvento", EventoPorParametros, 18, Como::Empieza, "Volumen Precipitado "},
    TCasoPieza{"VolumenYCaudalDelEventoCaudal", EventoPorParametros, 18, Como::Contiene, "\\par Caudal Pico "},
    TCasoPieza{"ResultadosDeLluvia", {}, 19, Como::Empieza,
               "Factor de Erosividad de Lluvia Escorrentía (R)6865.734 MJ/ha mm/hr\\par "},
    TCasoPieza{"ResultadosDeLluviaConEnergia", {}, 19, Como::Termina, "\\par Factor de Energía (EI)457.716 MJ/ha mm/hr"},
    TCasoPieza{"ResultadosDeLluviaSinEnergia", LluviaMedia(TOpcionLluviaMedia::Erosividad), 19, Como::NoContiene,
               "(EI)"},
    TCasoPieza{"SinEscorrentiaCalculadaSiSeDa", {}, 19, Como::NoContiene, "Cantidad de Escorrentía"},
    TCasoPieza{"EscorrentiaCalculadaDeLaTormenta", TormentaExtrema, 19, Como::Contiene, "Cantidad de Escorrentía "},
    TCasoPieza{"Labranza", {}, 23, Como::Igual, "Tiempo Transcurrido desde la Finalización de las Operaciones 2 años"},
    TCasoPieza{"SinLabranza", [](TFormaBrovel& f) { f.Marcar(TCasilla::Labranza, false); }, 23, Como::Igual, ""},
    TCasoPieza{"SinLabranzaSinConsolidacion", [](TFormaBrovel& f) { f.Marcar(TCasilla::Labranza, false); }, 29,
               Como::Empieza, "Subfactor de Uso Previo del Suelo (PLU) "},
    TCasoPieza{"Mulching", {}, 25, Como::Termina, "\\par Mecanismo Dominante de Erosión Surco"},
    TCasoPieza{"SinMulching", [](TFormaBrovel& f) { f.Marcar(TCasilla::Mulching, false); }, 25, Como::Igual, ""},
    TCasoPieza{"TipoDePractica", {}, 27, Como::Igual, "Tipo de Práctica: Perfilado\\par "},
    TCasoPieza{"SinPracticasSinTipo", SinPracticas, 27, Como::Igual, ""},
    TCasoPieza{"SinPracticasSinListado", SinPracticas, 28, Como::Igual, ""},
    TCasoPieza{"SinPracticasTerminaEnP", SinPracticas, 29, Como::Termina, "\\par Factor de Práctica de Soporte (P) 1 -\\par "},
    TCasoPieza{"Perfilado", {}, 28, Como::Igual, "Pendiente de los Surcos 4 %\\par Altura de los Lomos 6 cm"},
    TCasoPieza{"PerfiladoSubfactores", {}, 29, Como::Termina,
               "Factor de Práctica de Soporte con Efecto de Desnivel (Pg)  0.872 -\\par "},
    TCasoPieza{"PerfiladoManning", {}, 30, Como::Igual,
               "Rugosidad Aleatoria de la Superficie del Terreno 2 cm\\par "
               "Coeficiente de Manning de la Superficie del Terreno 0.05 m^(-1/3)s"},
    TCasoPieza{"Franjas", Practica(1), 28, Como::Empieza, "Factor de Práctica de Soporte "},
    TCasoPieza{"FranjasP", Practica(1), 29, Como::Contiene, "\\par Factor de Práctica de Soporte (P) "},
    TCasoPieza{"FranjasSinManning", Practica(1), 30, Como::Igual,
               "Rugosidad Aleatoria de la Superficie del Terreno 2 cm"},
    TCasoPieza{"Terrazas", Practica(2), 28, Como::Empieza, "Espaciamiento entre Terrazas "},
    TCasoPieza{"Pastoreo", Practica(3), 28, Como::Empieza, "Tiempo Desde que Fué Perturbado "},
    TCasoPieza{"PastoreoSinP", Practica(3), 29, Como::Termina, "Subfactor de Cobertura de Follaje (CC) 0.326 -\\par "},
    TCasoPieza{"PastoreoIndiceDeRugosidad", Practica(3), 30, Como::Contiene,
               "\\par Índice de Rugosidad de la Superficie del Terreno "},
    TCasoPieza{"DisipacionConCurvasDeNivel", {}, 31, Como::Termina,
               "\\par Longitud Crítica del Brovel (Lambda c) 2319.903 m\\par Factor de Práctica de Soporte (P) 0.872 -"},
    TCasoPieza{"DisipacionSinPracticas", SinPracticas, 31, Como::Termina, "Factor de Cobertura-Manejo (C) 0.038 -\\par "},
    TCasoPieza{"ErosionConSubfactores", {}, 32, Como::Contiene,
               "\\par Factor de Práctica de Soporte Básico (Pb) 0.454 -\\par "},
    TCasoPieza{"ErosionSinSubfactores", SinPracticas, 32, Como::NoContiene, "(Pb)"},
    TCasoPieza{"ErosionTermina", {}, 32, Como::Termina,
               "\\par Tasa de Erosión (A) 9.35051 ton/ha/año\\par Producción de Sedimentos (T) 125.418 ton\\par "}),
    NombreDeCaso<TCasoPieza>);
// clang-format on

TEST_F(ReporteBrovel, LasCasillasDicenSiONo) {
    for (const auto& [casilla, pieza] : {std::pair{TCasilla::Descongelamiento, 6},
                                         {TCasilla::Labranza, 22},
                                         {TCasilla::Mulching, 24},
                                         {TCasilla::PracticasDeSoporte, 26}}) {
        for (bool marcada : {true, false}) {
            forma.Marcar(casilla, marcada);
            EXPECT_EQ(Pieza(pieza), marcada ? "Si" : "No") << NombreDe(casilla);
        }
    }
}

TEST_F(ReporteBrovel, CadaCampoSeLeeComoSeMuestraEnSuUnidad) {
    // A result is reported with the field's decimals and in the unit chosen.
    forma.tsErosionShow();
    forma.euPsEResultado.CambiarUnidad(1);
    const std::string pieza = Pieza(32);
    // The field shows 1.254E+5 kg; the report writes the number it yields.
    ASSERT_EQ(forma.euPsEResultado.Text(), "1.254E+5");
    EXPECT_TRUE(pieza.ends_with("\\par Producción de Sedimentos (T) 125400 kg\\par ")) << pieza;
}

TEST_F(ReporteBrovel, LosIdentificadoresInvalidosFallan) {
    for (const char* id : {"", "#1", "&1", "1"}) {
        try {
            ValorIdentificador(forma, id);
            ADD_FAILURE() << id;
        } catch (const ErrorReporte& e) {
            EXPECT_STREQ(e.what(), "Identificador de reporte [$--] no válido");
        }
    }
    EXPECT_THROW(ValorIdentificador(forma, "$1x"), ErrorDeConversion);
}

}  // namespace
