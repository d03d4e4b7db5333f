// What the plots show, from the forms alone: the scales, the grain-size curve in
// the diameter's unit, the hyetograph of the editor in use, the factors against 1
// with those out of date, and the runoff window's plots in the grids' units.
#include <cmath>

#include "FormaDePrueba.h"
#include "forms/SeriesGraficos.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

std::vector<std::string> Rotulos(const TDatosFactores& datos) {
    std::vector<std::string> rotulos;
    for (const TFactorGrafico& f : datos.factores) rotulos.push_back(f.rotulo.substr(0, f.rotulo.find(' ')));
    return rotulos;
}

std::vector<std::string> Viejos(const TDatosFactores& datos) {
    std::vector<std::string> viejos;
    for (const TFactorGrafico& f : datos.factores)
        if (!f.alDia) viejos.push_back(f.rotulo.substr(0, f.rotulo.find(' ')));
    return viejos;
}

class TZumbrelDePrueba : public ::testing::Test {
protected:
    TInterlocutorDePrueba persona;
    TFormaZumbrel forma{persona};
};

}  // namespace

TEST(EscalaLineal, LlegaAUnNumeroRedondoEnTresACincoPasos) {
    struct Caso {
        double maximo;
        double tope;
        int marcas;
    };
    const Caso casos[] = {
        {0, 1, 6}, {-5, 1, 6},    {NAN, 1, 6},   {1, 1, 6},       {0.9, 1, 6},       {1.147, 1.25, 6},
        {7, 8, 5}, {73.4, 80, 5}, {100, 100, 6}, {131.9, 150, 4}, {1151.8, 1250, 6}, {0.0042, 0.005, 6},
    };
    for (const Caso& c : casos) {
        const TEje eje = EscalaLineal("x", c.maximo);
        EXPECT_EQ(eje.minimo, 0) << c.maximo;
        EXPECT_NEAR(eje.maximo, c.tope, c.tope * 1e-12) << c.maximo;
        EXPECT_EQ(eje.marcas, c.marcas) << c.maximo;
        if (c.maximo > 0) {
            EXPECT_GE(eje.maximo, c.maximo);
        }
    }
}

TEST(EscalaLogaritmica, AbarcaDecadasEnteras) {
    struct Caso {
        double minimo, maximo;
        double desde, hasta;
        int marcas;
    };
    const Caso casos[] = {
        {0.0005, 4.76, 1e-4, 10, 6},
        {1, 1, 1, 10, 2},
        {0.01, 100, 0.01, 100, 5},
        {0, 3, 1e-3, 10, 5},
    };
    for (const Caso& c : casos) {
        const TEje eje = EscalaLogaritmica("d", c.minimo, c.maximo);
        EXPECT_NEAR(eje.minimo, c.desde, c.desde * 1e-12) << c.minimo << " " << c.maximo;
        EXPECT_NEAR(eje.maximo, c.hasta, c.hasta * 1e-12) << c.minimo << " " << c.maximo;
        EXPECT_EQ(eje.marcas, c.marcas) << c.minimo << " " << c.maximo;
    }
}

TEST(ContornoDeBarras, SubeCruzaYBajaCadaBarraConSuHueco) {
    const std::vector<TPuntoGrafico> contorno = ContornoDeBarras({{0, 1, 5}, {1, 3, 2}}, 0.1);
    const std::vector<TPuntoGrafico> esperado = {{0.1, 0}, {0.1, 5}, {0.9, 5}, {0.9, 0},
                                                 {1.2, 0}, {1.2, 2}, {2.8, 2}, {2.8, 0}};
    ASSERT_EQ(contorno.size(), esperado.size());
    for (size_t i = 0; i < esperado.size(); ++i) {
        EXPECT_NEAR(contorno[i].x, esperado[i].x, 1e-12) << i;
        EXPECT_EQ(contorno[i].y, esperado[i].y) << i;
    }
}

// The curve in the unit the diameter field shows, the point its editor shows marked.
TEST_F(FormaBrovelPrueba, LaCurvaSigueLaUnidadDelDiametroYElPuntoElegido) {
    TDatosCurva curva = DatosCurva(forma);
    ASSERT_EQ(curva.puntos.size(), 9u);
    EXPECT_EQ(curva.puntos[0], (TPuntoGrafico{forma.Estado.Dg[1], forma.Estado.Pp[1]}));
    ASSERT_TRUE(curva.elegido);
    EXPECT_EQ(*curva.elegido, curva.puntos[0]);
    EXPECT_EQ(curva.ejeX.titulo, "Diámetro de grano [mm]");
    EXPECT_LE(curva.ejeX.minimo, curva.puntos.back().x);
    EXPECT_GE(curva.ejeX.maximo, curva.puntos.front().x);

    forma.ElegirEnLista(TListaBrovel::cbPcg, 3);
    forma.euDg.CambiarUnidad(3);  // µm
    curva = DatosCurva(forma);
    EXPECT_EQ(curva.ejeX.titulo, "Diámetro de grano [µm]");
    EXPECT_NEAR(curva.puntos[3].x, forma.Estado.Dg[4] * 1000, 1e-9);
    ASSERT_TRUE(curva.elegido);
    EXPECT_EQ(*curva.elegido, curva.puntos[3]);
}

// Every plot of the slope window names what it draws.
TEST_F(FormaBrovelPrueba, CadaGraficoDiceLoQueDibuja) {
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_EQ(DatosCurva(forma).titulo, "Curva granométrica");
    EXPECT_EQ(DatosFactores(forma).titulo, "Factores adimensionales");
}

// A plot of numbers that are not current says so in its title.
TEST(TituloMostrado, SenalaLoQueNoEstaAlDia) {
    struct Caso {
        const char* nombre;
        bool alDia;
        const char* esperado;
    };
    const Caso casos[] = {
        {"al día", true, "Hidrograma e hietograma"},
        {"sin actualizar", false, "Hidrograma e hietograma (sin actualizar)"},
    };
    for (const Caso& c : casos) EXPECT_EQ(TituloMostrado("Hidrograma e hietograma", c.alDia), c.esperado) << c.nombre;
}

// A point without a positive diameter has no place on a logarithmic axis.
TEST_F(FormaBrovelPrueba, LaCurvaDejaLosDiametrosNulos) {
    forma.ElegirEnLista(TListaBrovel::cbPcg, 0);
    forma.euDg.SetBaseValue(0);
    const TDatosCurva curva = DatosCurva(forma);
    EXPECT_EQ(curva.puntos.size(), 8u);
    EXPECT_FALSE(curva.elegido);
}

// The hyetograph plotted is the one last used or chosen, while it is shown.
TEST_F(FormaBrovelPrueba, ElHietogramaGraficadoEsElUltimoUsado) {
    using L = TListaBrovel;
    struct Caso {
        const char* accion;
        std::function<void()> hacer;
        const char* titulo;
        size_t pasos;
        int elegido;
    };
    const Caso casos[] = {
        {"proyecto nuevo", [] {}, "Hietograma representativo", 8, 0},
        {"paso 4", [&] { forma.ElegirEnLista(L::cbPhn, 3); }, "Hietograma representativo", 8, 3},
        {"paso del evento", [&] { forma.ElegirEnLista(L::cbPhn4, 2); }, "Hietograma del evento de lluvia", 6, 2},
        {"lluvia del representativo", [&] { forma.euCll.SetBaseValue(3); }, "Hietograma representativo", 8, 3},
        {"serie", [&] { forma.ElegirOpcion(TGrupoOpciones::LluviaMedia, 1); }, "Hietograma 1 de la serie", 0, -1},
        {"hietograma 2 de la serie",
         [&] {
             forma.ElegirEnLista(L::cbCh, 2);
             forma.ElegirEnLista(L::cbCph2, 4);
             forma.ElegirEnLista(L::cbHn, 1);
         },
         "Hietograma 2 de la serie", 5, 0},
        {"erosividad: el primero mostrado", [&] { forma.ElegirOpcion(TGrupoOpciones::LluviaMedia, 3); },
         "Hietograma del evento de lluvia", 6, 2},
        {"tormenta extrema", [&] { forma.ElegirOpcion(TGrupoOpciones::LluviaExtrema, 0); },
         "Hietograma de la tormenta extrema", 0, -1},
        {"sin hietogramas",
         [&] {
             forma.ElegirOpcion(TGrupoOpciones::LluviaExtrema, 1);
             forma.ElegirOpcion(TGrupoOpciones::Evento, 1);
         },
         "Sin hietograma en uso", 0, -1},
    };
    for (const Caso& c : casos) {
        c.hacer();
        const TDatosHietograma h = DatosHietograma(forma);
        EXPECT_EQ(h.titulo, c.titulo) << c.accion;
        if (c.pasos) {
            EXPECT_EQ(h.alturas.size(), c.pasos) << c.accion;
        }
        if (c.pasos) {
            EXPECT_EQ(h.pasos.size(), c.pasos) << c.accion;
        }
        if (c.elegido >= 0) {
            EXPECT_EQ(h.elegido, c.elegido) << c.accion;
        }
    }
}

TEST_F(FormaBrovelPrueba, ElHietogramaMuestraLasAlturasEnLaUnidadDelCampo) {
    forma.ElegirEnLista(TListaBrovel::cbPhn, 3);
    TDatosHietograma h = DatosHietograma(forma);
    EXPECT_EQ(h.alturas[3], forma.Estado.Cll1[1][4]);
    EXPECT_EQ(h.ejeY.titulo, "Lluvia por paso [mm]");
    EXPECT_EQ(h.tituloX, "Paso (de 10 min)");
    EXPECT_GE(h.ejeY.maximo, *std::max_element(h.alturas.begin(), h.alturas.end()));

    forma.euCll.CambiarUnidad(1);  // cm
    h = DatosHietograma(forma);
    EXPECT_NEAR(h.alturas[3], forma.Estado.Cll1[1][4] / 10, 1e-12);
    EXPECT_EQ(h.ejeY.titulo, "Lluvia por paso [cm]");
}

// The factors in their order, contouring's only with contouring; the factor of
// the rate that reduces it most; the scale beyond 1 and beyond every factor.
TEST_F(FormaBrovelPrueba, LosFactoresSeComparanConLaUnidad) {
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    TDatosFactores datos = DatosFactores(forma);
    EXPECT_EQ(Rotulos(datos),
              (std::vector<std::string>{"LS", "C", "PLU", "CC", "SC", "SR", "SM", "P", "Pb", "Pt", "Pg"}));
    EXPECT_EQ(datos.factores[0].rotulo, "LS = " + forma.euFtEResultado.Text());
    EXPECT_EQ(datos.factores[0].simbolo, "LS");
    EXPECT_TRUE(datos.alDia);
    EXPECT_EQ(datos.factores[0].valor, static_cast<double>(forma.euFtEResultado.GetBaseValue()));
    EXPECT_EQ(datos.masReductor, 1);  // C
    EXPECT_TRUE(datos.factores[1].principal);
    EXPECT_FALSE(datos.factores[2].principal);
    for (const TFactorGrafico& f : datos.factores) EXPECT_GT(datos.eje.maximo, std::max(f.valor, 1.0)) << f.rotulo;

    forma.Marcar(TCasilla::PracticasDeSoporte, false);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    datos = DatosFactores(forma);
    EXPECT_EQ(Rotulos(datos), (std::vector<std::string>{"LS", "C", "PLU", "CC", "SC", "SR", "SM", "P"}));
}

// A negative slope leaves LS and what follows from it behind: those bars say so,
// and the factor that reduces most is chosen among the others.
TEST_F(FormaBrovelPrueba, LosFactoresViejosSeSenalan) {
    forma.euDt.SetBaseValue(-5);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    const TDatosFactores datos = DatosFactores(forma);
    EXPECT_EQ(Viejos(datos), (std::vector<std::string>{"LS", "P", "Pb", "Pt", "Pg"}));
    EXPECT_EQ(datos.masReductor, 1);
    EXPECT_FALSE(datos.alDia);
}

// Without roughness C cannot be computed: of the factors of the rate only LS is
// left to reduce it, however small the subfactors still up to date.
TEST_F(FormaBrovelPrueba, ElQueMasReduceEsUnFactorDeLaTasaAlDia) {
    forma.euRast.SetBaseValue(0);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    const TDatosFactores datos = DatosFactores(forma);
    EXPECT_EQ(Viejos(datos), (std::vector<std::string>{"C", "SC", "SR", "P"}));
    EXPECT_EQ(datos.masReductor, 0);
}

// The runoff plots read the grids: their hours, their numbers, their units.
TEST_F(TZumbrelDePrueba, LaLluviaEsLaDeLaGrilla) {
    forma.ForzantesShow();
    const TDatosTiempo datos = DatosLluvia(forma);
    const TGrillaResultados& g = forma.GrillaLluvia();
    ASSERT_EQ(datos.barras.size(), static_cast<size_t>(g.Filas()));
    EXPECT_EQ(datos.barras[0], (TBarra{0, g.columnas[0][0], g.columnas[1][0]}));
    EXPECT_EQ(datos.barras[2], (TBarra{g.columnas[0][1], g.columnas[0][2], g.columnas[1][2]}));
    ASSERT_EQ(datos.linea.size(), datos.barras.size() + 1);
    EXPECT_EQ(datos.linea.front(), (TPuntoGrafico{0, 0}));
    EXPECT_EQ(datos.linea.back(), (TPuntoGrafico{g.columnas[0].back(), g.columnas[2].back()}));
    EXPECT_EQ(datos.ejeX.titulo, "Tiempo [h]");
    EXPECT_EQ(datos.ejeLinea.titulo, "Lluvia acumulada [mm]");
    EXPECT_TRUE(datos.alDia);
}

TEST_F(TZumbrelDePrueba, LaEscorrentiaSigueLaUnidadDeSuGrilla) {
    forma.ElegirEnLista(TListaZumbrel::cbUnidadesVolumenes, 1);  // cm
    const TDatosTiempo datos = DatosEscorrentia(forma);
    EXPECT_EQ(datos.ejeLinea.titulo, "Escorrentía acumulada [cm]");
    EXPECT_NEAR(datos.linea.back().y, forma.Estado.Svaeua[static_cast<size_t>(forma.Estado.Sall)] / 10, 1e-9);
}

// The peak is the hydrograph's largest ordinate, labelled in the grid's unit; the
// rain's axis leaves the bars the upper third, the discharge's the peak the lower half.
TEST_F(TZumbrelDePrueba, ElHidrogramaMarcaSuPicoEnLaUnidadElegida) {
    forma.EscorrentiaShow();
    TDatosTiempo datos = DatosHidrograma(forma);
    ASSERT_TRUE(datos.pico);
    EXPECT_NEAR(datos.pico->y, forma.Estado.Cp, 1e-9);
    EXPECT_NE(datos.rotuloPico.find("m³/s"), std::string::npos) << datos.rotuloPico;
    EXPECT_GE(datos.ejeLinea.maximo, 2 * datos.pico->y);
    double lluvia = 0;
    for (const TBarra& b : datos.barras) lluvia = std::max(lluvia, b.valor);
    EXPECT_GE(datos.ejeBarras.maximo, 3 * lluvia);

    forma.ElegirEnLista(TListaZumbrel::cbUnidadHidrograma, 1);  // l/s
    datos = DatosHidrograma(forma);
    EXPECT_NEAR(datos.pico->y, forma.Estado.Cp * 1000, 1e-6);
    EXPECT_EQ(datos.ejeLinea.titulo, "Caudal [l/s]");
    EXPECT_NE(datos.rotuloPico.find("l/s"), std::string::npos) << datos.rotuloPico;
}

// A failed recalculation leaves the grids as they were: the plots say so.
TEST_F(TZumbrelDePrueba, UnaSerieMalCargadaNoSeGraficaComoActual) {
    forma.ElegirOpcion(TGrupoZumbrel::Serie, 1);
    forma.Estado.AllAcumulada[2] = forma.Estado.AllAcumulada[1] - 1;
    forma.ForzantesShow();
    ASSERT_TRUE(forma.EstadoEnError());
    EXPECT_FALSE(DatosLluvia(forma).alDia);
    EXPECT_FALSE(DatosHidrograma(forma).alDia);
}

// A computation that stopped (a step of zero) keeps its grids with their reason,
// the status stays as it was: the plots of those grids are not current either.
TEST_F(TZumbrelDePrueba, UnPasoNuloNoSeGraficaComoActual) {
    forma.euPtsd.SetBaseValue(0);
    forma.ForzantesShow();
    forma.CondicionantesShow();
    forma.EscorrentiaShow();
    ASSERT_FALSE(forma.EstadoEnError());
    EXPECT_FALSE(DatosLluvia(forma).alDia);
    EXPECT_FALSE(DatosEscorrentia(forma).alDia);
    EXPECT_FALSE(DatosHidrograma(forma).alDia);
}
