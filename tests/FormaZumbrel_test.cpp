// The runoff form: what the window starts with, the series editor and its check,
// the grids as the window shows them, the silent faults, the data file, and the
// exchange with the slope form.
#include <cmath>
#include <fstream>

#include "ProyectoDePrueba.h"
#include "fields/Numeros.h"
#include "forms/FormaZumbrel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

using LZ = TListaZumbrel;
using GZ = TGrupoZumbrel;

class FormaZumbrelPrueba : public FormaBrovelProyecto {
protected:
    TFormaZumbrel& z = forma.Zumbrel;

    std::vector<std::string> Fila(const TGrillaResultados& grilla, int fila) {
        std::vector<std::string> celdas;
        for (int c = 0; c < static_cast<int>(grilla.columnas.size()); ++c) celdas.push_back(grilla.Celda(fila, c));
        return celdas;
    }
    // Heights typed through the step editor, as a person enters them.
    void Teclear(const std::vector<double>& alturas) {
        z.ElegirEnLista(LZ::cbSall, static_cast<int>(alturas.size()) - 1);
        for (size_t k = 0; k < alturas.size(); ++k) {
            z.ElegirEnLista(LZ::cbLluvia, static_cast<int>(k));
            z.euAll.SetBaseValue(alturas[k]);
        }
    }
};

using S = std::vector<std::string>;

// What the runoff window computes: its inputs and results, each series as far as
// it is meaningful.
std::vector<double> Calculado(const TEstadoZumbrel& e) {
    std::vector<double> r = {
        e.Ddpmrhls,   e.Dntepmrys,         e.Ac, e.Tcc, e.Ai, e.Ptsd, e.Rpm, e.Vte, e.Vtesp, e.Cp, double(e.Sall),
        double(e.Nc), double(e.CantidadHe)};
    for (const TSerieZumbrel* serie : {&e.LlParcial, &e.LlAcumulada, &e.LlHietograma, &e.Svaeua, &e.SvaeuaParcial})
        r.insert(r.end(), serie->begin() + 1, serie->begin() + 1 + e.Sall);
    r.insert(r.end(), e.He.begin() + 1, e.He.begin() + 1 + e.CantidadHe);
    return r;
}

}  // namespace

TEST_F(FormaZumbrelPrueba, ArrancaComoLaVentana) {
    EXPECT_EQ(z.Estado.Sall, 6);
    EXPECT_EQ(z.Lista(LZ::cbSall).Texto(), "6");
    EXPECT_EQ(z.Lista(LZ::cbLluvia).items.size(), 6u);
    EXPECT_EQ(z.euAll.Text(), "9.4");
    EXPECT_EQ(z.Lista(LZ::cbGh).Texto(), "B: Tasa de infiltración moderada");
    EXPECT_EQ(z.TextoEstado(), "OK");
    EXPECT_EQ(z.TituloAltura(), "Altura de lluvia parcial");
    EXPECT_EQ(z.TituloNumeroDeCurva(), "Número de curva para áreas urbanas ");
    // The rainfall grid of the worked example.
    const TGrillaResultados& lluvia = z.GrillaLluvia();
    ASSERT_EQ(lluvia.Filas(), 6);
    EXPECT_EQ(Fila(lluvia, 0), (S{"[Horas]", "[mm]", "[mm]", "[mm/hr]"}));
    const S esperadas[] = {{"0.5", "9.4", "9.4", "18.8"},     {"1", "22.6", "32", "45.2"},
                           {"1.5", "73.4", "105.4", "146.8"}, {"2", "13.2", "118.6", "26.4"},
                           {"2.5", "7.3", "125.9", "14.6"},   {"3", "6", "131.9", "12"}};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(Fila(lluvia, k), esperadas[k - 1]) << k;
    EXPECT_TRUE(persona.errores.empty());
}

// All defaults: 16 ordinates, the peak at the sixth (3 h), the last one 0; the
// volume is the sum of the ordinates times the step.
TEST_F(FormaZumbrelPrueba, ElHidrogramaPorDefecto) {
    ASSERT_TRUE(z.EscorrentiaShow());
    const TEstadoZumbrel& e = z.Estado;
    ASSERT_EQ(e.CantidadHe, 16);
    const TGrillaResultados& h = z.GrillaHidrograma();
    ASSERT_EQ(h.Filas(), 16);
    EXPECT_EQ(h.Celda(0, 1), "[m³/s]");
    int pico = 1;
    long double suma = 0;
    for (int j = 1; j <= 16; ++j) {
        if (e.He[static_cast<size_t>(j)] > e.He[static_cast<size_t>(pico)]) pico = j;
        suma += e.He[static_cast<size_t>(j)];
    }
    EXPECT_EQ(pico, 6);
    EXPECT_EQ(h.Celda(6, 0), "3");
    EXPECT_EQ(h.Celda(16, 1), "0");
    EXPECT_EQ(e.Cp, e.He[6]);
    EXPECT_TRUE(Cerca(e.Vte, suma * 1800));
    EXPECT_TRUE(Cerca(e.Vtesp, e.Vte / 70.26 / 1000));
    EXPECT_EQ(z.euCpResultado.Text(), "767.867");
    // Litres per second multiply the ordinates by 1000 and change the header.
    z.ElegirEnLista(LZ::cbUnidadHidrograma, 1);
    EXPECT_EQ(z.GrillaHidrograma().Celda(0, 1), "[l/s]");
    EXPECT_EQ(z.GrillaHidrograma().Celda(6, 1), FormatoCincoDecimales(e.He[6] * 1000));
}

// Accumulated heights 10, 25, 20: the warning, the third partial height -5 in the
// record and "0" in the grid; the partial heights come back with their kind.
TEST_F(FormaZumbrelPrueba, UnaSerieAcumuladaDecreciente) {
    z.ElegirOpcion(GZ::Serie, 1);
    EXPECT_EQ(z.TituloAltura(), "Altura de lluvia acumulada");
    // The accumulated store starts empty: the editor stays blank while zero.
    EXPECT_EQ(z.euAll.Text(), "");
    Teclear({10, 25, 20});
    EXPECT_TRUE(z.SerieInvalida);
    EXPECT_EQ(z.TextoEstado(), "La secuencia de Acumulacion de Lluvia esta mal cargada");
    EXPECT_TRUE(z.EstadoEnError());
    EXPECT_EQ(z.Estado.LlParcial[3], -5);
    // Nothing computed from such a series is current: the grid keeps its numbers
    // and says why, as does every result after it.
    EXPECT_EQ(z.GrillaLluvia().motivoViejo, kMensajeSerieMalCargada);
    z.EscorrentiaShow();
    EXPECT_EQ(z.MotivoDe("Vte"), kMensajeSerieMalCargada);
    EXPECT_FALSE(z.AlDia("euCpResultado"));

    z.ElegirOpcion(GZ::Serie, 0);
    EXPECT_EQ(z.TextoEstado(), "OK");
    EXPECT_EQ(z.GrillaLluvia().motivoViejo, "");
    EXPECT_EQ(z.Estado.Sall, 3);
    EXPECT_EQ(Fila(z.GrillaLluvia(), 2), (S{"1", "22.6", "32", "45.2"}));
}

TEST_F(FormaZumbrelPrueba, LasUnidadesDeLasGrillas) {
    z.ElegirEnLista(LZ::cbUnidadesHietograma, 1);
    EXPECT_EQ(Fila(z.GrillaLluvia(), 0), (S{"[Horas]", "[mm]", "[mm]", "[cm/hr]"}));
    EXPECT_EQ(Fila(z.GrillaLluvia(), 1), (S{"0.5", "9.4", "9.4", "1.88"}));
    z.CondicionantesShow();
    const std::string mm = z.GrillaEscorrentia().Celda(3, 1);
    z.ElegirEnLista(LZ::cbUnidadesVolumenes, 1);
    EXPECT_EQ(z.GrillaEscorrentia().Celda(0, 1), "[cm]");
    EXPECT_EQ(z.GrillaEscorrentia().Celda(3, 1), FormatoCincoDecimales(z.Estado.Svaeua[3] / 10));
    EXPECT_NE(z.GrillaEscorrentia().Celda(3, 1), mm);
    // Half an hour is thirty minutes.
    z.ElegirEnLista(LZ::cbUnidadesHietograma, 0);
    const S antes = Fila(z.GrillaLluvia(), 4);
    z.euPtsd.CambiarUnidad(2);
    z.euPtsd.SetText("0.5");
    EXPECT_EQ(z.Estado.Ptsd, 30);
    EXPECT_EQ(Fila(z.GrillaLluvia(), 4), antes);
}

// Faults are silent: what they could not compute keeps its last value.
TEST_F(FormaZumbrelPrueba, LasFallasNoDicenNada) {
    z.EscorrentiaShow();
    const double rpm = z.Estado.Rpm, tcc = z.Estado.Tcc, cp = z.Estado.Cp;
    const std::string grilla = z.GrillaEscorrentia().Celda(3, 1);
    z.euNc.SetBaseValue(0);
    z.EscorrentiaShow();
    EXPECT_EQ(z.Estado.Rpm, rpm);
    EXPECT_EQ(z.GrillaEscorrentia().Celda(3, 1), grilla);
    EXPECT_EQ(z.Estado.Cp, cp);
    z.euNc.SetBaseValue(85);
    z.euDntepmrys.SetBaseValue(0);
    z.EscorrentiaShow();
    EXPECT_EQ(z.Estado.Tcc, tcc);
    EXPECT_TRUE(persona.errores.empty());
    EXPECT_EQ(z.TextoEstado(), "OK");
}

// A storm no basin has (a thousandth of a minute per step) stops the hydrograph
// with a message; the last one stays.
TEST_F(FormaZumbrelPrueba, DemasiadasOrdenadasSeDicen) {
    z.EscorrentiaShow();
    const int cantidad = z.Estado.CantidadHe;
    z.euPtsd.SetText("0.001");
    z.EscorrentiaShow();
    EXPECT_TRUE(z.EstadoEnError());
    EXPECT_NE(z.TextoEstado().find("más de las 100000 que admite el programa"), std::string::npos) << z.TextoEstado();
    EXPECT_EQ(z.Estado.CantidadHe, cantidad);
    EXPECT_EQ(z.GrillaHidrograma().Filas(), cantidad);
}

// The extreme storm goes to the runoff window, which is shown; its specific
// volume comes back as the slope's runoff, and the mark is cleared.
TEST_F(FormaZumbrelPrueba, ElIntercambioDeLaTormentaExtrema) {
    forma.ElegirOpcion(TGrupoOpciones::LluviaExtrema, 0);
    forma.euPth2.SetBaseValue(10);
    forma.ElegirEnLista(TListaBrovel::cbCph3, 3);
    forma.MostrarPestana(TPestanaBrovel::Forzantes);
    EXPECT_TRUE(forma.FaltaZumbrel);
    EXPECT_EQ(forma.TextoEstado(), kMensajeFaltaZumbrel);
    int filas = 0;
    persona.alMostrarZumbrel = [&] { filas = z.GrillaLluvia().Filas(); };
    forma.btUsarZumbrelClick();
    EXPECT_EQ(persona.zumbrelMostrado, 1);
    EXPECT_EQ(filas, 4);
    EXPECT_EQ(z.Estado.Sall, 4);
    EXPECT_EQ(z.Estado.Ptsd, 10);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(z.Estado.AllParcial[static_cast<size_t>(k)], forma.Estado.Cll2[k]) << k;
    // The count list is not touched by the hand-over.
    EXPECT_EQ(z.Lista(LZ::cbSall).Texto(), "6");
    EXPECT_EQ(forma.Estado.Ce, z.Estado.Vtesp);
    EXPECT_FALSE(forma.FaltaZumbrel);
    EXPECT_EQ(forma.TextoEstado(), "OK");
}

// The event: volume and peak come back; what the person changed in the window
// while it was shown counts.
TEST_F(FormaZumbrelPrueba, ElIntercambioDelEvento) {
    persona.alMostrarZumbrel = [&] { z.euAc.SetBaseValue(140.52); };
    forma.btUsarZumbrel2Click();
    EXPECT_EQ(forma.Estado.Vp, z.Estado.Vte);
    EXPECT_EQ(forma.Estado.Cp, z.Estado.Cp);
    EXPECT_EQ(z.Estado.Ac, 140.52);
    EXPECT_EQ(forma.euVeeResultado.Text(), z.euVteResultado.Text());
    // A runoff given in the slope model is not replaced, but the window still opens.
    forma.ElegirOpcion(TGrupoOpciones::LluviaExtrema, 1);
    const double ce = forma.Estado.Ce;
    forma.btUsarZumbrelClick();
    EXPECT_EQ(persona.zumbrelMostrado, 2);
    EXPECT_EQ(forma.Estado.Ce, ce);
}

// A data file saved and loaded again gives the same window; one that is not such
// a file, or is cut short, is refused and changes nothing.
TEST_F(FormaZumbrelPrueba, ElArchivoDeDatos) {
    z.euAc.SetBaseValue(33.3);
    z.ElegirOpcion(GZ::UsoSuelo, 2);
    z.euNc.SetBaseValue(72);
    z.MarcarAbstraccionAsignada(false);
    Teclear({5, 10, 15, 20});
    z.EscorrentiaShow();
    const std::string ruta = Ruta("cuenca.zbr");
    ASSERT_TRUE(z.GuardarDatos(ruta));
    const std::vector<double> guardado = Calculado(z.Estado);

    TOtraForma otra;
    TFormaZumbrel& o = otra.forma.Zumbrel;
    ASSERT_TRUE(o.CargarDatos(ruta)) << (otra.persona.errores.empty() ? "" : otra.persona.errores.front());
    EXPECT_EQ(Calculado(o.Estado), guardado);
    EXPECT_EQ(o.Opcion(GZ::UsoSuelo), 2);
    EXPECT_FALSE(o.AbstraccionAsignada());
    EXPECT_EQ(o.Lista(LZ::cbSall).Texto(), "4");

    const std::string texto = Contenido(ruta);
    const std::pair<std::string, std::string> malos[] = {
        {"ajeno.zbr", "[Geometria]\r\nDeclive=6\r\n"},
        {"cortado.zbr", texto.substr(0, texto.size() / 2)},
        {"basura.zbr", std::string("\x01\x02garbage\xff", 11)},
        {"cantidad.zbr", texto.substr(0, texto.find("Cantidad=")) + "Cantidad=500\r\n" +
                             texto.substr(texto.find("\r\n", texto.find("Cantidad=")) + 2)},
    };
    for (const auto& [nombre, contenido] : malos) {
        Escribir(Ruta(nombre), contenido);
        TOtraForma nueva;
        const TEstadoZumbrel antes = nueva.forma.Zumbrel.Estado;
        EXPECT_FALSE(nueva.forma.Zumbrel.CargarDatos(Ruta(nombre))) << nombre;
        EXPECT_EQ(nueva.persona.errores.size(), 1u) << nombre;
        EXPECT_TRUE(nueva.forma.Zumbrel.Estado == antes) << nombre;
    }
}

// The series holds up to 100 data, beyond the slope window's 20.
TEST_F(FormaZumbrelPrueba, UnaSerieDeHastaCienDatos) {
    std::vector<double> alturas;
    for (int k = 1; k <= 100; ++k) alturas.push_back(k % 9);
    Teclear(alturas);
    EXPECT_EQ(z.Estado.Sall, 100);
    EXPECT_EQ(z.Lista(LZ::cbLluvia).items.size(), 100u);
    EXPECT_EQ(z.GrillaLluvia().Filas(), 100);
    EXPECT_EQ(z.Estado.AllParcial[100], 100 % 9);
    EXPECT_EQ(z.GrillaLluvia().Celda(100, 2), FormatoCincoDecimales(z.Estado.LlAcumulada[100]));
}

// An area out of range leaves out of date what reads it, the hydrograph and its
// totals, and not the time of concentration, which does not read it.
TEST_F(FormaZumbrelPrueba, UnAreaFueraDeRangoDejaSinActualizarSoloLoQueLaLee) {
    z.euAc.SetBaseValue(-5);
    z.EscorrentiaShow();
    EXPECT_TRUE(z.AlDia("euTccResultado"));
    EXPECT_FALSE(z.AlDia("euVteResultado"));
    EXPECT_EQ(z.SinActualizar(), (S{"He", "Vte", "Vtesp", "Cp"}));
    EXPECT_NE(z.MotivoDe("Cp").find("Area de la cuenca"), std::string::npos) << z.MotivoDe("Cp");
}

// A computed abstraction follows the curve number: when the retention cannot be
// computed from the current one, the abstraction is out of date with it, for the
// same reason, in the record and on its field; assigned again, it is the person's.
TEST_F(FormaZumbrelPrueba, UnaAbstraccionCalculadaSigueAlNumeroDeCurva) {
    struct Caso {
        const char* nombre;
        double nc;
        const char* motivo;
    };
    const Caso casos[] = {
        {"fuera de rango", 150, "Número de curva"},
        {"nulo", 0, "No se pudo calcular la retención potencial máxima"},
    };
    for (const Caso& c : casos) {
        z.euNc.SetBaseValue(85);
        z.MarcarAbstraccionAsignada(false);
        z.EscorrentiaShow();
        ASSERT_EQ(z.SinActualizar(), S{}) << c.nombre;
        z.euNc.SetBaseValue(c.nc);
        z.EscorrentiaShow();
        EXPECT_EQ(z.SinActualizar(), (S{"Rpm", "Ai", "Svaeua", "SvaeuaParcial", "He", "Vte", "Vtesp", "Cp"}))
            << c.nombre;
        EXPECT_NE(z.MotivoDe("Ai").find(c.motivo), std::string::npos) << c.nombre << ": " << z.MotivoDe("Ai");
        EXPECT_EQ(z.MotivoDe("Ai"), z.MotivoDe("Rpm")) << c.nombre;
        EXPECT_EQ(z.MotivoDeCampo("euAi"), z.MotivoDe("Ai")) << c.nombre;
        z.MarcarAbstraccionAsignada(true);
        z.EscorrentiaShow();
        EXPECT_TRUE(z.AlDia("euAi")) << c.nombre;
        EXPECT_EQ(z.SinActualizar(), (S{"Rpm", "Svaeua", "SvaeuaParcial", "He", "Vte", "Vtesp", "Cp"})) << c.nombre;
    }
}
