// The runoff report's pieces: the basin, the series as entered and as computed, the
// runoff and the hydrograph, in the units the record and the fields hold.
#include <string>

#include "ProyectoDePrueba.h"
#include "fields/Numeros.h"
#include "forms/FormaZumbrel.h"
#include "forms/ReporteZumbrel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

using LZ = TListaZumbrel;

class ReporteZumbrel : public FormaBrovelPrueba {
protected:
    TFormaZumbrel& z = forma.Zumbrel;
    std::string Pieza(int n) {
        z.EscorrentiaShow();
        return ValorIdentificador(z, "$" + std::to_string(n));
    }
    static bool Empieza(const std::string& texto, const std::string& inicio) { return texto.rfind(inicio, 0) == 0; }
};

TEST_F(ReporteZumbrel, ConLosValoresPorDefecto) {
    const std::pair<int, std::string> casos[] = {
        {0, " "},
        {14, " "},
        {1,
         "Distancia Desde el Punto más Remoto Hasta la Salida 21.79 km\\par Diferencia de Nivel del Terreno "
         "entre el Punto más Remoto y la Salida 1020 m\\par Area de la Cuenca 70.26 km²"},
        // The field shows three decimals and the report reads it as shown.
        {2, "Tiempo de Concentración de la Cuenca 2.333 hrs"},
        {3, "Grupo Hidrológico B: Tasa de infiltración moderada"},
        {4, "Asignación de Abstracción Inicial:  Si"},
        {5, "Abstracción Inicial 18 mm"},
        {6, "Serie de alturas parciales de lluvia"},
        {7, "Paso de Tiempo de la Serie de Datos 30 min"},
        {10, "Areas urbanas"},
        {11, "Número de Curva 85 - \\par "},
    };
    for (const auto& [n, texto] : casos) EXPECT_EQ(Pieza(n), texto) << n;
}

TEST_F(ReporteZumbrel, LasTablas) {
    const std::string lluvia = Pieza(9);
    EXPECT_TRUE(Empieza(lluvia,
                        "Tiempo: 0.5\\tab \\tab Parcial: 9.4\\tab \\tab Acum.: 9.4\\tab \\tab Hietograma: "
                        "18.8\\par Tiempo: 1\\tab \\tab Parcial: 22.6\\tab \\tab Acum.: 32\\tab "))
        << lluvia;
    EXPECT_TRUE(
        lluvia.ends_with("Tiempo: 3\\tab \\tab Parcial: 6\\tab \\tab Acum.: 131.9\\tab \\tab Hietograma: 12\\par "
                         "Nota: tiempos en horas, alturas en mm, Hietograma en mm/hr."))
        << lluvia;

    const std::string escorrentia = Pieza(12);
    EXPECT_TRUE(Empieza(escorrentia,
                        "Retención potencial máxima44.824 mm\\par Tiempo : 0.5\\tab \\tab Vol/Area: 0\\par "
                        "Tiempo : 1\\tab \\tab Vol/Area: 8.02597\\par "))
        << escorrentia;
    EXPECT_TRUE(
        escorrentia.ends_with("Tiempo : 3\\tab \\tab Vol/Area: 98.44535\\par "
                              "Nota: tiempos en horas, volumenes por unidad de área en mm."));

    const std::string hidrograma = Pieza(13);
    EXPECT_TRUE(Empieza(hidrograma,
                        "Volumen total de escorrentía 8634000 m³\\par Volumen total específico 122.88 mm"
                        "\\par Caudal pico 767.867 m³/s\\par Tiempo : 0.5\\tab \\tab Valor: 0\\par "))
        << hidrograma;
    EXPECT_NE(hidrograma.find("Tiempo : 3\\tab \\tab Valor: 767.8668\\par "), std::string::npos);
    EXPECT_TRUE(
        hidrograma.ends_with("Tiempo : 8\\tab \\tab Valor: 0\\par Nota: tiempos en horas, Histograma en m³/s."));
}

TEST_F(ReporteZumbrel, LaSerieAcumuladaEmpiezaIgual) {
    z.ElegirOpcion(TGrupoZumbrel::Serie, 1);
    z.ElegirEnLista(LZ::cbSall, 1);
    for (const auto& [paso, altura] : {std::pair{0, 5.0}, {1, 12.25}}) {
        z.ElegirEnLista(LZ::cbLluvia, paso);
        z.euAll.SetBaseValue(altura);
    }
    const std::string serie = Pieza(8);
    EXPECT_EQ(serie,
              "Serie de Alturas Parciales de Lluvia: 2\\par Paso de Lluvia Número: 1        "
              "Altura de Lluvia Acumulada: 5.000000\\par Paso de Lluvia Número: 2        "
              "Altura de Lluvia Acumulada: 12.250000\\par ");
    EXPECT_EQ(serie.find("Parcial: "), std::string::npos);
    EXPECT_EQ(Pieza(6), "Serie de alturas acumuladas de lluvia");
}

TEST_F(ReporteZumbrel, LaSerieSigueAlSelectorDeCantidad) {
    z.ElegirEnLista(LZ::cbSall, 2);
    const std::string serie = Pieza(8);
    EXPECT_TRUE(Empieza(serie,
                        "Serie de Alturas Parciales de Lluvia: 3\\par Paso de Lluvia Número: 1        "
                        "Altura de Lluvia Parcial: 9.400000\\par "));
    EXPECT_TRUE(serie.ends_with("Paso de Lluvia Número: 3        Altura de Lluvia Parcial: 73.400000\\par "));
}

TEST_F(ReporteZumbrel, ElHidrogramaEnMetrosCubicosYElPicoEnSuUnidad) {
    z.ElegirEnLista(LZ::cbUnidadHidrograma, 1);  // the grid in l/s
    z.euCpResultado.CambiarUnidad(1);
    const std::string pico = "Caudal pico " + FormatoCincoDecimales(static_cast<double>(z.euCpResultado.AsFloat())) +
                             " " + z.euCpResultado.UnitAsString() + "\\par ";
    const std::string hidrograma = Pieza(13);
    EXPECT_NE(hidrograma.find(pico), std::string::npos) << pico << "\n" << hidrograma;
    EXPECT_NE(z.euCpResultado.UnitAsString(), "m³/s");
    EXPECT_NE(hidrograma.find("Valor: 767.8668\\par "), std::string::npos);
}

TEST_F(ReporteZumbrel, LaAbstraccionEsLaDelCampoAunSinAsignar) {
    z.MarcarAbstraccionAsignada(false);
    EXPECT_EQ(Pieza(4), "Asignación de Abstracción Inicial:  No");
    EXPECT_EQ(Pieza(5), "Abstracción Inicial 18 mm");
}

TEST_F(ReporteZumbrel, CadaUsoDelSuelo) {
    const char* const titulos[] = {"Areas urbanas", "Terrenos agrícolas cultivados", "Otros terrenos agrícolas",
                                   "Terrenos de pastoreo áridos y semiáridos"};
    for (int uso = 3; uso >= 0; --uso) {
        z.ElegirOpcion(TGrupoZumbrel::UsoSuelo, uso);
        EXPECT_EQ(Pieza(10), titulos[uso]);
    }
}

}  // namespace
