#include "tables/TablasReferencia.h"

#include <gtest/gtest.h>

#include <string>

namespace brovel {
namespace {

TTablaReferencia Tabla(const char* codigo) {
    auto tabla = CargarTabla(codigo);
    if (!tabla) throw std::runtime_error(std::string("sin tabla ") + codigo);
    return *tabla;
}

// The column whose title is `titulo`.
int Columna(const TTablaReferencia& tabla, const std::string& titulo) {
    for (int c = 0; c < tabla.CantidadColumnas(); ++c)
        if (tabla.Columnas()[c].titulo == titulo) return c;
    throw std::runtime_error("sin columna " + titulo);
}

// The first row whose first shown cell reads `texto`.
int Fila(const TTablaReferencia& tabla, const std::string& texto) {
    for (int f = 0; f < tabla.CantidadFilas(); ++f)
        if (TextoDeCelda(tabla.Celda(f, TTablaReferencia::kPrimeraColumnaVisible)) == texto) return f;
    throw std::runtime_error("sin fila " + texto);
}

TEST(TextoDeCelda, EsLaFormaDecimalMasCorta) {
    const std::pair<TCelda, const char*> casos[] = {
        {0.00049, "0.00049"},
        {0.53, "0.53"},
        {1.0, "1"},
        {6.1, "6.1"},
        {1200.0, "1200"},
        {0.023, "0.023"},
        {0.0, "0"},
        {15LL, "15"},
        {std::string("Maíz"), "Maíz"},
        {std::monostate{}, ""},
    };
    for (const auto& [celda, texto] : casos) EXPECT_EQ(TextoDeCelda(celda), texto) << texto;
}

TEST(LongitudEnCaracteres, CuentaCaracteresNoBytes) {
    EXPECT_EQ(LongitudEnCaracteres("Maíz"), 4);
    EXPECT_EQ(LongitudEnCaracteres("Relación Area/Masa"), 18);
    EXPECT_EQ(LongitudEnCaracteres(""), 0);
}

TEST(Catalogo, TieneLasDiecinueveTablasYCadaUnaSeCarga) {
    ASSERT_EQ(CatalogoDeTablas().size(), 19u);
    for (const auto& entrada : CatalogoDeTablas()) {
        const auto tabla = CargarTabla(entrada.codigo);
        ASSERT_TRUE(tabla) << entrada.codigo;
        EXPECT_EQ(tabla->Titulo(), entrada.titulo);
        EXPECT_EQ(tabla->Columnas()[0].titulo, "FlagMostrar");
        EXPECT_EQ(tabla->Columnas()[1].titulo, "FlagColor");
        EXPECT_GT(tabla->CantidadFilas(), 0) << entrada.codigo;
        // Every table opens on a cell that cannot be confirmed, but the soil-group
        // tables, where a row is chosen.
        EXPECT_FALSE(tabla->NumeroElegible(0, TTablaReferencia::kPrimeraColumnaVisible)) << entrada.codigo;
        EXPECT_EQ(tabla->EligeFila(), std::string(entrada.codigo) == "ES1" || std::string(entrada.codigo) == "ES2")
            << entrada.codigo;
    }
    EXPECT_FALSE(CargarTabla("TC7"));
    EXPECT_FALSE(CargarTabla("tc1"));
    EXPECT_FALSE(CargarTabla(""));
}

TEST(Catalogo, DivideLosPorcentajesYLasMasasDeRaices) {
    const std::pair<const char*, double> casos[] = {{"TC4", 100}, {"TS3", 10}, {"TS4", 10}, {"TC1", 1}, {"TD3", 1}};
    for (const auto& [codigo, divisor] : casos) EXPECT_EQ(EntradaDeCatalogo(codigo)->divisor, divisor) << codigo;
    EXPECT_EQ(EntradaDeCatalogo("XX"), nullptr);
}

TEST(AnchosColumna, CubrenElTituloYElValorMasLargo) {
    const TTablaReferencia tc2 = Tabla("TC2");
    EXPECT_EQ(tc2.AnchosColumna()[Columna(tc2, "P")], 4);         // "0.53"
    EXPECT_EQ(tc2.AnchosColumna()[Columna(tc2, "Sistema")], 22);  // "Franjas amortiguadoras"
    EXPECT_EQ(tc2.AnchosColumna()[0], 11);                        // the flag's title
    const TTablaReferencia tc1 = Tabla("TC1");
    EXPECT_EQ(tc1.AnchosColumna()[Columna(tc1, "Relación Area/Masa")], 18);
    const TTablaReferencia tc4 = Tabla("TC4");
    EXPECT_EQ(tc4.AnchosColumna()[Columna(tc4, "Cantidad de días luego de plantado")], 34);
    EXPECT_EQ(tc4.AnchosColumna()[Columna(tc4, "Maíz")], 4);
    const TTablaReferencia td2 = Tabla("TD2");
    EXPECT_EQ(td2.AnchosColumna()[Columna(td2, "Condición")], 35);  // "Campo de pastoreo sembrado en surco"
}

TEST(TablaReferencia, DefinirColumnasEmpiezaDeNuevo) {
    TTablaReferencia tabla;
    tabla.DefinirColumnas(
        {{"FlagMostrar", TTipoColumna::Entero}, {"FlagColor", TTipoColumna::Entero}, {"A", TTipoColumna::Numero}});
    tabla.AgregarFila({1, 1, 123456});
    EXPECT_EQ(tabla.AnchosColumna()[2], 6);
    // A whole number stored into a number column is a number that can be chosen.
    EXPECT_EQ(tabla.NumeroElegible(0, 2), 123456.0);
    EXPECT_THROW(tabla.AgregarFila({1, 1}), std::invalid_argument);
    tabla.DefinirColumnas({{"FlagMostrar", TTipoColumna::Entero},
                           {"FlagColor", TTipoColumna::Entero},
                           {"Texto largo", TTipoColumna::Texto}});
    EXPECT_EQ(tabla.CantidadFilas(), 0);
    EXPECT_EQ(tabla.AnchosColumna()[2], 11);
}

// A cell, by table, row text and column title, and the number it hands back.
struct CasoCelda {
    const char* codigo;
    const char* fila;
    const char* columna;
    std::optional<double> numero;
};

TEST(NumeroElegible, SoloLasCeldasNumericasConValor) {
    const CasoCelda casos[] = {
        {"TC2", "GPP-P2-GPP-P2 (año 2)", "P", 0.39},  // hidden, yet chosen
        {"TC2", "Msl-Slr-Ssl", "P", 1},
        {"TC3", "P1-CS-P1-CS (año 3)", "P", 0.69},
        {"TC4", "45", "Soja", 40},
        {"TC4", "90", "Pequeños granos de primavera", 0},  // a zero is a value
        {"TC5", "30", "Pequeños granos de invierno", 6.1},
        {"TC1", "Maíz", "Relación Area/Masa", 0.00034},
        {"TC6", "Maíz", "Peso seco por unidad de área", 1100},
        {"TS3", "45", "Maíz", 390},
        {"TS3", "180", "Maíz", std::nullopt},                               // the season is over
        {"TS3", "45", "Cantidad de días luego de plantado", std::nullopt},  // days are an integer column
        {"TS4", "Hierba", "Nombre", std::nullopt},
        {"TD1", "Broca", "Rugosidad", 1.05},
        {"TD3", "C5: Cobertura liviana o rugosidad moderada", "Manning", 0.023},
        {"TD4", "R5: Moderadamente rugoso;cobertura de plantas y roca menor que 50%", "Indice de rugosidad", 2.3},
        {"ES3", "Área impermeable", "Abstracción Inicial", 1.25},
        {"EC1", "Condición regular (cobertura herbácea 50-70%)", "Suelo C", 79},
        {"EC1", "Áreas impermeables:", "Suelo A", std::nullopt},
        {"EC1", "Comercial y de negocios (~ 85% impermeable)", "Suelo D", 95},
        {"EC2", "Suelo desnudo", "Suelo D", 94},
        {"EC4", "Herbácea", "Suelo A", std::nullopt},
        {"EC4", "Herbácea", "Suelo B", 80},
        {"EC4", "Junípero", "Suelo D", 89},
    };
    for (const auto& c : casos) {
        const TTablaReferencia tabla = Tabla(c.codigo);
        EXPECT_EQ(tabla.NumeroElegible(Fila(tabla, c.fila), Columna(tabla, c.columna)), c.numero)
            << c.codigo << " / " << c.fila << " / " << c.columna;
    }
}

TEST(Banderas, BandasVerdesYBlancasYNumerosOcultos) {
    const TTablaReferencia tc2 = Tabla("TC2");
    EXPECT_TRUE(tc2.Mostrar(Fila(tc2, "CS-P1-CS-P1 (año 1)")));
    EXPECT_FALSE(tc2.Mostrar(Fila(tc2, "P1-CS-P1-CS (año 3)")));
    EXPECT_FALSE(tc2.FondoBlanco(0));
    EXPECT_TRUE(tc2.FondoBlanco(1));
    // The four years of one rotation form one white band.
    for (int f = Fila(tc2, "CS-P1-CS-P1 (año 1)"); f <= Fila(tc2, "P2-GPP-P2-GPP (año 4)"); ++f)
        EXPECT_TRUE(tc2.FondoBlanco(f)) << f;
    const TTablaReferencia ec1 = Tabla("EC1");
    EXPECT_FALSE(ec1.FondoBlanco(Fila(ec1, "Distritos urbanos:")));
    EXPECT_TRUE(ec1.FondoBlanco(Fila(ec1, "Industrial (~ 72% impermeable)")));
}

TEST(Columnas, SusTiposDecidenQueSeElige) {
    const TTablaReferencia ts3 = Tabla("TS3");
    EXPECT_EQ(ts3.Columnas()[2].tipo, TTipoColumna::Entero);
    EXPECT_EQ(ts3.Columnas()[3].tipo, TTipoColumna::Numero);
    const TTablaReferencia tc4 = Tabla("TC4");
    EXPECT_EQ(tc4.Columnas()[2].tipo, TTipoColumna::Texto);  // days written as texts here
    EXPECT_EQ(tc4.CantidadColumnas(), 9);
}

}  // namespace
}  // namespace brovel
