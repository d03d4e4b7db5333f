#include "model/URutinasZ.h"

#include "Cerca.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

namespace brovel {
namespace {

// ---- The default basin, worked out to 17 digits ----

// (0.89 · 21.79³ / 1020)^0.385 h.
constexpr double kTcc = 2.3328734867763177;
// 25400 / 85 − 254 mm.
constexpr double kRpm = 25400.0 / 85 - 254;
// The default heights, partial and accumulated, mm.
const std::vector<double> kAlturas = {9.4, 22.6, 73.4, 13.2, 7.3, 6.0};
const std::vector<double> kAcumuladas = {9.4, 32, 105.4, 118.6, 125.9, 131.9};
// The 16 ordinates at 30 minutes, m³/s: step 1 gives no runoff, so ordinate 1 is 0;
// step 3, the largest, peaks at ordinate 3 − 1 + 4 = 6.
const std::vector<double> kHidrograma = {
    0.0,
    17.774512742176672,
    181.54793823308197,
    372.16201273994281,
    577.77864993384294,
    767.86679672082322,
    728.52808061694422,
    647.01120177370652,
    541.91886727940708,
    417.3362821632597,
    292.75369704711233,
    168.17111193096496,
    53.745391238918538,
    22.747620689002764,
    7.0873638624901574,
    0.0,
};
constexpr double kVte = 8633573.148549013;    // m³
constexpr double kVtesp = 122.8803465492316;  // mm
constexpr double kCp = 767.86679672082322;    // m³/s

class ConCuencaPorDefecto : public ::testing::Test {
protected:
    ConCuencaPorDefecto() { ValoresIniciales(e); }

    // Elements 1 to n of a series, the rest of it left as it is.
    static void Poner(TSerieZumbrel& serie, const std::vector<double>& valores) {
        for (size_t k = 0; k < valores.size(); ++k) serie[k + 1] = valores[k];
    }

    // The ordinate of the first largest value of the hydrograph.
    int OrdenadaDelPico() const {
        const auto inicio = e.He.begin() + 1;
        return static_cast<int>(std::max_element(inicio, inicio + e.CantidadHe) - e.He.begin());
    }

    TEstadoZumbrel e;
};

// ---- Start-up values and rounding ----

class URutinasZValores : public ConCuencaPorDefecto {};

TEST_F(URutinasZValores, ValoresInicialesSoloTocanLasEntradas) {
    TEstadoZumbrel s;
    s.AllParcial[7] = 4.5;
    s.Tcc = 3;
    s.Rpm = 2;
    s.CantidadHe = 9;
    ValoresIniciales(s);
    EXPECT_EQ(s.Ddpmrhls, 21.79);
    EXPECT_EQ(s.Dntepmrys, 1020);
    EXPECT_EQ(s.Ac, 70.26);
    EXPECT_EQ(s.Ai, 18);
    EXPECT_EQ(s.Ptsd, 30);
    EXPECT_EQ(s.Sall, 6);
    EXPECT_EQ(s.Nc, 85);
    EXPECT_EQ(s.Gh, 1);
    EXPECT_TRUE(s.SerieParcial);
    EXPECT_EQ(s.UsoSuelo, 0);
    EXPECT_TRUE(s.Aai);
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(s.AllParcial[k], kAlturas[k - 1]) << "paso " << k;
    EXPECT_EQ(s.AllParcial[7], 4.5) << "los pasos después del sexto no se tocan";
    EXPECT_EQ(s.Tcc, 3);
    EXPECT_EQ(s.Rpm, 2);
    EXPECT_EQ(s.CantidadHe, 9);
    EXPECT_EQ(s.He.size(), 101U);
}

TEST_F(URutinasZValores, RedondeoConLaMitadAlPar) {
    struct Caso {
        long double x;
        int32_t esperado;
    };
    const Caso casos[] = {
        {0.5L, 0},   {1.5L, 2},    {2.5L, 2},    {3.5L, 4},   {6.5L, 6},   {-0.5L, 0}, {-1.5L, -2},
        {-2.5L, -2}, {2.4999L, 2}, {2.5001L, 3}, {3.299L, 3}, {-3.7L, -4}, {0, 0},     {2147483647.4L, 2147483647},
    };
    for (const auto& c : casos) EXPECT_EQ(RedondearAlPar(c.x), c.esperado) << "x = " << static_cast<double>(c.x);
}

TEST_F(URutinasZValores, RedondeoFueraDeLosEnterosFalla) {
    for (long double x : {2147483647.5L, -2147483649.0L, 1e12L})
        EXPECT_THROW(RedondearAlPar(x), ErrorAritmetico) << "x = " << static_cast<double>(x);
}

// ---- Time of concentration ----

class URutinasZTiempo : public ConCuencaPorDefecto {};

TEST_F(URutinasZTiempo, TiempoDeConcentracion) {
    struct Caso {
        double distancia, desnivel, tcc;
        const char* caso;
    };
    const Caso casos[] = {
        {21.79, 1020, kTcc, "cuenca por defecto"},
        {5, 100, 1.0418987273839295, "5 km, 100 m: 1.1125^0.385"},
        {0.5, 3, 0.28127674294914312, "0.5 km, 3 m"},
        {10, 890, 1, "cociente 1"},
        {0, 1020, 0, "distancia nula"},
    };
    for (const auto& c : casos) {
        e.Ddpmrhls = c.distancia;
        e.Dntepmrys = c.desnivel;
        CalcularTiempoConcentracion(e);
        EXPECT_TRUE(Cerca(e.Tcc, c.tcc)) << c.caso;
    }
}

TEST_F(URutinasZTiempo, FallasConservanElTiempoAnterior) {
    struct Caso {
        double distancia, desnivel;
        const char* caso;
    };
    const Caso casos[] = {
        {21.79, 0, "desnivel nulo: división por cero"},
        {-1, 1020, "distancia negativa: potencia de base negativa"},
        {21.79, -5, "desnivel negativo: potencia de base negativa"},
    };
    for (const auto& c : casos) {
        e.Ddpmrhls = c.distancia;
        e.Dntepmrys = c.desnivel;
        e.Tcc = 7.5;
        EXPECT_THROW(CalcularTiempoConcentracion(e), ErrorAritmetico) << c.caso;
        EXPECT_EQ(e.Tcc, 7.5) << c.caso;
    }
}

// ---- Rainfall series ----

class URutinasZLluvia : public ConCuencaPorDefecto {};

TEST_F(URutinasZLluvia, SeriePorDefecto) {
    CalcularSerieLluvia(e);
    const double hietograma[] = {18.8, 45.2, 146.8, 26.4, 14.6, 12};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(Cerca(e.LlParcial[k], kAlturas[k - 1])) << "paso " << k;
        EXPECT_TRUE(Cerca(e.LlAcumulada[k], kAcumuladas[k - 1])) << "paso " << k;
        EXPECT_TRUE(Cerca(e.LlHietograma[k], hietograma[k - 1])) << "paso " << k;
    }
}

TEST_F(URutinasZLluvia, SeriesParcialesYAcumuladas) {
    struct Caso {
        bool parcial;
        double paso;  // min
        std::vector<double> entrada, parciales, acumuladas, intensidades;
        const char* caso;
    };
    const Caso casos[] = {
        {true, 30, {12.5}, {12.5}, {12.5}, {25}, "una altura parcial"},
        {false, 30, {12.5}, {12.5}, {12.5}, {25}, "una altura acumulada"},
        {false,
         30,
         {10, 25, 20},
         {10, 15, -5},
         {10, 25, 20},
         {20, 30, -10},
         "acumulada decreciente: parcial e intensidad negativas"},
        {true, 15, {1, 2, 3}, {1, 2, 3}, {1, 3, 6}, {4, 8, 12}, "parcial, paso de 15 min"},
        {false, 60, {1, 3, 6}, {1, 2, 3}, {1, 3, 6}, {1, 2, 3}, "acumulada, paso de una hora"},
        {false, 0.5, {0, 0.25}, {0, 0.25}, {0, 0.25}, {0, 30}, "acumulada, paso de 30 s"},
    };
    for (const auto& c : casos) {
        TEstadoZumbrel s;
        ValoresIniciales(s);
        const int n = static_cast<int>(c.entrada.size());
        s.SerieParcial = c.parcial;
        s.Sall = n;
        s.Ptsd = c.paso;
        // Only the store of the series' kind is read.
        s.AllParcial.fill(999);
        s.AllAcumulada.fill(999);
        Poner(c.parcial ? s.AllParcial : s.AllAcumulada, c.entrada);
        // Beyond the series nothing is written.
        s.LlParcial[n + 1] = s.LlAcumulada[n + 1] = s.LlHietograma[n + 1] = -7;
        CalcularSerieLluvia(s);
        for (int k = 1; k <= n; ++k) {
            EXPECT_TRUE(Cerca(s.LlParcial[k], c.parciales[k - 1])) << c.caso << ", paso " << k;
            EXPECT_TRUE(Cerca(s.LlAcumulada[k], c.acumuladas[k - 1])) << c.caso << ", paso " << k;
            EXPECT_TRUE(Cerca(s.LlHietograma[k], c.intensidades[k - 1])) << c.caso << ", paso " << k;
        }
        EXPECT_EQ(s.LlParcial[n + 1], -7) << c.caso;
        EXPECT_EQ(s.LlAcumulada[n + 1], -7) << c.caso;
        EXPECT_EQ(s.LlHietograma[n + 1], -7) << c.caso;
    }
}

TEST_F(URutinasZLluvia, PasoNuloEscribeLasAlturasYNoLasIntensidades) {
    e.Ptsd = 0;
    e.LlHietograma.fill(-7);
    EXPECT_THROW(CalcularSerieLluvia(e), ErrorAritmetico);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(Cerca(e.LlParcial[k], kAlturas[k - 1])) << "paso " << k;
        EXPECT_TRUE(Cerca(e.LlAcumulada[k], kAcumuladas[k - 1])) << "paso " << k;
        EXPECT_EQ(e.LlHietograma[k], -7) << "paso " << k;
    }
}

// ---- Curve-number runoff ----

class URutinasZEscorrentia : public ConCuencaPorDefecto {};

TEST_F(URutinasZEscorrentia, Retencion) {
    struct Caso {
        int32_t nc;
        bool asignada;
        double rpm, ai;
        const char* caso;
    };
    const Caso casos[] = {
        {85, true, kRpm, 18, "por defecto: abstracción asignada"},
        {85, false, kRpm, 0.2 * kRpm, "abstracción calculada"},
        {100, false, 0, 0, "número de curva 100"},
        {1, false, 25146, 5029.2, "número de curva 1"},
        {200, true, -127, 18, "número de curva 200: retención negativa"},
    };
    for (const auto& c : casos) {
        e.Nc = c.nc;
        e.Aai = c.asignada;
        e.Ai = 18;
        CalcularRetencion(e);
        EXPECT_TRUE(Cerca(e.Rpm, c.rpm)) << c.caso;
        EXPECT_TRUE(Cerca(e.Ai, c.ai)) << c.caso;
    }
}

TEST_F(URutinasZEscorrentia, NumeroDeCurvaNuloConservaRetencionYAbstraccion) {
    e.Nc = 0;
    e.Aai = false;
    e.Rpm = 3;
    e.Ai = 4;
    EXPECT_THROW(CalcularRetencion(e), ErrorAritmetico);
    EXPECT_EQ(e.Rpm, 3);
    EXPECT_EQ(e.Ai, 4);
}

TEST_F(URutinasZEscorrentia, EscorrentiaAcumuladaPorPaso) {
    const auto q = [](double p, double rpm) { return p * p / (p + rpm); };
    const double aiCalculada = 0.2 * kRpm;
    struct Caso {
        int32_t nc;
        bool asignada;
        double ai;
        std::vector<double> acumuladas, esperada;
        const char* caso;
    };
    const Caso casos[] = {
        {85,
         true,
         18,
         kAcumuladas,
         {0, q(23.4, kRpm), q(105.4, kRpm), q(118.6, kRpm), q(125.9, kRpm), q(131.9, kRpm)},
         "por defecto: 18 mm asignados, quedan 8.6 en el paso 2"},
        {85,
         false,
         18,
         kAcumuladas,
         {q(9.4 - aiCalculada, kRpm), q(32, kRpm), q(105.4, kRpm), q(118.6, kRpm), q(125.9, kRpm), q(131.9, kRpm)},
         "abstracción 0.2 Rpm, satisfecha en el paso 1"},
        {100, true, 18, kAcumuladas, {0, 23.4, 105.4, 118.6, 125.9, 131.9}, "número de curva 100"},
        {85,
         true,
         200,
         kAcumuladas,
         {0, 0, 0, q(65.4, kRpm), q(125.9, kRpm), q(131.9, kRpm)},
         "abstracción mayor que la lluvia total: 200 - 9.4 - 32 - 105.4 deja 53.2 en el paso 4"},
        {85,
         true,
         600,
         kAcumuladas,
         {0, 0, 0, 0, 0, 0},
         "abstracción mayor que la suma de las alturas acumuladas, 523.2 mm"},
        {85, true, 40, {32}, {0}, "un paso, abstracción mayor que la lluvia"},
        {85,
         true,
         9.4,
         kAcumuladas,
         {0, q(32, kRpm), q(105.4, kRpm), q(118.6, kRpm), q(125.9, kRpm), q(131.9, kRpm)},
         "altura igual a la abstracción: sin escorrentía"},
        {100,
         true,
         9.4,
         kAcumuladas,
         {0, 32, 105.4, 118.6, 125.9, 131.9},
         "número de curva 100, altura igual a la abstracción: nada que dividir"},
        {85,
         true,
         50,
         kAcumuladas,
         {0, 0, q(96.8, kRpm), q(118.6, kRpm), q(125.9, kRpm), q(131.9, kRpm)},
         "cada paso seco descuenta su altura acumulada: 50 - 9.4 - 32"},
        {100, true, 0, {10, 25, 20}, {10, 25, 20}, "serie decreciente: escorrentía parcial negativa"},
    };
    for (const auto& c : casos) {
        TEstadoZumbrel s;
        ValoresIniciales(s);
        const int n = static_cast<int>(c.acumuladas.size());
        s.Sall = n;
        s.Nc = c.nc;
        s.Aai = c.asignada;
        s.Ai = c.ai;
        Poner(s.LlAcumulada, c.acumuladas);
        s.Svaeua[n + 1] = s.SvaeuaParcial[n + 1] = -7;
        CalcularRetencion(s);
        CalcularEscorrentia(s);
        for (int k = 1; k <= n; ++k) {
            EXPECT_TRUE(Cerca(s.Svaeua[k], c.esperada[k - 1])) << c.caso << ", paso " << k;
            const double parcial = k == 1 ? c.esperada[0] : c.esperada[k - 1] - c.esperada[k - 2];
            EXPECT_TRUE(Cerca(s.SvaeuaParcial[k], parcial)) << c.caso << ", paso " << k;
        }
        EXPECT_EQ(s.Svaeua[n + 1], -7) << c.caso;
        EXPECT_EQ(s.SvaeuaParcial[n + 1], -7) << c.caso;
    }
}

TEST_F(URutinasZEscorrentia, DivisionPorCeroDejaEscritosLosPasosAnteriores) {
    // Retention −127 mm: the second step's x + Rpm is 127 − 127.
    e.Nc = 200;
    e.Ai = 0;
    e.Sall = 3;
    Poner(e.LlAcumulada, {50, 127, 200});
    e.Svaeua.fill(-7);
    e.SvaeuaParcial.fill(-7);
    CalcularRetencion(e);
    EXPECT_THROW(CalcularEscorrentia(e), ErrorAritmetico);
    EXPECT_TRUE(Cerca(e.Svaeua[1], 2500.0 / (50 - 127)));
    EXPECT_EQ(e.Svaeua[2], -7);
    EXPECT_EQ(e.Svaeua[3], -7);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(e.SvaeuaParcial[k], -7) << "paso " << k;
}

// ---- Hydrograph ----

class URutinasZHidrograma : public ConCuencaPorDefecto {
protected:
    // One step of d mm of runoff on the default area.
    void UnSoloPaso(double tcc, double paso, double d) {
        e.Tcc = tcc;
        e.Ptsd = paso;
        e.Sall = 1;
        e.SvaeuaParcial[1] = d;
    }
};

TEST_F(URutinasZHidrograma, TrianguloDeUnSoloPaso) {
    UnSoloPaso(kTcc, 30, 10);
    CalcularHidrograma(e);
    // Np = 4, Nb = 11, Nr = 7.
    const double m = 0.208 * 70.26 / (0.25 + 0.6 * kTcc) * 10;
    ASSERT_EQ(e.CantidadHe, 11);
    for (int j = 1; j <= 11; ++j) {
        const double esperado = j <= 4 ? m * j / 4 : m * (11 - j) / 7;
        EXPECT_TRUE(Cerca(e.He[j], esperado)) << "ordenada " << j;
    }
    EXPECT_TRUE(Cerca(e.Cp, m));
    EXPECT_TRUE(Cerca(e.Vte, m * 5.5 * 1800));
    EXPECT_TRUE(Cerca(e.Vtesp, m * 5.5 * 1800 / 70.26 / 1000));
}

TEST_F(URutinasZHidrograma, PasosHastaElPicoRedondeadosAlPar) {
    struct Caso {
        double tcc, paso;
        int np, nb;
        const char* caso;
    };
    const Caso casos[] = {
        {kTcc, 30, 4, 11, "cuenca por defecto: 3.2994 pasos hasta el pico"},
        {0, 30, 1, 4, "0.5 pasos: redondea a 0"},
        {5, 60, 5, 12, "3.5 pasos: redondea a 4"},
        {5, 30, 7, 20, "6.5 pasos: redondea a 6"},
        {10, 60, 7, 20, "6.5 pasos de una hora"},
    };
    for (const auto& c : casos) {
        UnSoloPaso(c.tcc, c.paso, 1);
        CalcularHidrograma(e);
        ASSERT_EQ(e.CantidadHe, c.nb) << c.caso;
        EXPECT_EQ(OrdenadaDelPico(), c.np) << c.caso;
        EXPECT_TRUE(Cerca(e.He[1] * c.np, e.Cp)) << c.caso << ": la subida va de a 1/Np";
        EXPECT_EQ(e.He[c.nb], 0) << c.caso;
    }
}

TEST_F(URutinasZHidrograma, ProporcionalAlAreaDeLaCuenca) {
    e.Tcc = kTcc;
    Poner(e.SvaeuaParcial,
          {0, 8.0259699948266956, 65.924895382258441, 12.119727092859435, 6.7743132944491862, 5.6004458982231711});
    for (double factor : {0.5, 2.0, 10.0}) {
        e.Ac = 70.26 * factor;
        CalcularHidrograma(e);
        ASSERT_EQ(e.CantidadHe, 16) << "factor " << factor;
        for (int j = 1; j <= 16; ++j)
            EXPECT_TRUE(Cerca(e.He[j], kHidrograma[j - 1] * factor)) << "factor " << factor << ", ordenada " << j;
        EXPECT_TRUE(Cerca(e.Vte, kVte * factor)) << "factor " << factor;
        EXPECT_TRUE(Cerca(e.Cp, kCp * factor)) << "factor " << factor;
        EXPECT_TRUE(Cerca(e.Vtesp, kVtesp)) << "factor " << factor;
    }
}

TEST_F(URutinasZHidrograma, SinEscorrentiaPositivaElPicoEsCero) {
    struct Caso {
        double escorrentia, vte;
        const char* caso;
    };
    // Every triangle of one step adds up to qu · d · Nb / 2 steps of 1800 s.
    const double qu = 0.208 * 70.26 / (0.25 + 0.6 * kTcc);
    const Caso casos[] = {
        {0, 0, "escorrentía nula"},
        {-1, 6 * qu * -1 * 11 / 2 * 1800, "escorrentía negativa"},
    };
    for (const auto& c : casos) {
        e.Tcc = kTcc;
        e.Cp = 9;
        for (int k = 1; k <= 6; ++k) e.SvaeuaParcial[k] = c.escorrentia;
        CalcularHidrograma(e);
        ASSERT_EQ(e.CantidadHe, 16) << c.caso;
        for (int j = 1; j <= 16; ++j) EXPECT_LE(e.He[j], 0) << c.caso << ", ordenada " << j;
        EXPECT_EQ(e.Cp, 0) << c.caso;
        EXPECT_TRUE(Cerca(e.Vte, c.vte)) << c.caso;
        EXPECT_TRUE(Cerca(e.Vtesp, c.vte / 70.26 / 1000)) << c.caso;
    }
}

TEST_F(URutinasZHidrograma, TormentasDePasoCortoConMasDeCienOrdenadas) {
    struct Caso {
        double paso;  // min
        std::vector<double> alturas;
        int nb, cantidad, pico;
        double vte, cp;
        const char* caso;
    };
    const Caso casos[] = {
        {1, kAlturas, 228, 233, 87, 6988797.0597632576, 1015.9856871209176, "cuenca por defecto, paso de 1 min"},
        {1, std::vector<double>(100, 1.5), 228, 327, 154, 8198762.8830190771, 965.34430235040232,
         "100 pasos de 1.5 mm de 1 min"},
        {0.01, kAlturas, 22427, 22432, 8402, 6914978.5923240832, 1027.7170768502794,
         "cuenca por defecto, paso de 0.01 min"},
    };
    for (const auto& c : casos) {
        TEstadoZumbrel s;
        ValoresIniciales(s);
        s.Ptsd = c.paso;
        s.Sall = static_cast<int32_t>(c.alturas.size());
        Poner(s.AllParcial, c.alturas);
        CalcularZumbrel(s);
        ASSERT_EQ(s.CantidadHe, c.cantidad) << c.caso;
        ASSERT_GE(s.He.size(), static_cast<size_t>(c.cantidad) + 1) << c.caso;
        EXPECT_EQ(s.He[c.cantidad], 0) << c.caso;
        long double suma = 0;
        int pico = 1;
        for (int j = 1; j <= c.cantidad; ++j) {
            suma += s.He[j];
            if (s.He[j] > s.He[pico]) pico = j;
        }
        EXPECT_EQ(pico, c.pico) << c.caso;
        EXPECT_EQ(s.Cp, s.He[pico]) << c.caso;
        EXPECT_TRUE(Cerca(s.Cp, c.cp)) << c.caso;
        EXPECT_TRUE(Cerca(s.Vte, c.vte)) << c.caso;
        // Every ordinate counts: the volume is their sum over the steps ...
        EXPECT_TRUE(Cerca(s.Vte, suma * c.paso * 60)) << c.caso;
        // ... which is the area of the triangles, qu · Svaeua[n] · Nb / 2 steps ...
        const double qu = 0.208 * 70.26 / (0.5 * c.paso / 60 + 0.6 * kTcc);
        EXPECT_TRUE(Cerca(s.Vte, qu * s.Svaeua[s.Sall] * c.nb / 2 * c.paso * 60)) << c.caso;
        // ... and the specific volume is that volume as a depth over the basin.
        EXPECT_TRUE(Cerca(s.Vtesp * 70.26 * 1000, s.Vte)) << c.caso;
    }
}

TEST_F(URutinasZHidrograma, LasOrdenadasMasAllaDeLaCantidadSeConservan) {
    e.Ptsd = 1;
    CalcularZumbrel(e);
    ASSERT_EQ(e.CantidadHe, 233);
    const std::vector<double> largo = e.He;
    e.Ptsd = 30;
    CalcularZumbrel(e);
    ASSERT_EQ(e.CantidadHe, 16);
    EXPECT_EQ(e.He.size(), largo.size());
    for (int j = 1; j <= 16; ++j) EXPECT_TRUE(Cerca(e.He[j], kHidrograma[j - 1])) << "ordenada " << j;
    for (size_t j = 17; j < largo.size(); ++j) EXPECT_EQ(e.He[j], largo[j]) << "ordenada " << j;
}

TEST_F(URutinasZHidrograma, LimiteDeCienMilOrdenadas) {
    static_assert(!std::is_base_of_v<ErrorAritmetico, ErrorHidrogramaExcesivo>);
    static_assert(std::is_base_of_v<std::runtime_error, ErrorHidrogramaExcesivo>);
    EXPECT_EQ(kMaxOrdenadasHidrograma, 100000);
    struct Caso {
        double tcc, paso;
        int32_t pasos;
        int64_t cantidad;
        bool admitido;
        const char* caso;
    };
    // Tcc 62419 h, steps of one hour: Tp = 37451.9 h, Nb = trunc(99996.573) + 3 = 99999;
    // Tcc 62420 h: Tp = 37452.5 h, Nb = trunc(99998.175) + 3 = 100001.
    const Caso casos[] = {
        {62419, 60, 2, 100000, true, "justo 100000 ordenadas"},
        {62419, 60, 3, 100001, false, "100001 ordenadas por un paso más"},
        {62420, 60, 1, 100001, false, "100001 ordenadas de un solo paso"},
        {kTcc, 0.001, 6, 224245, false, "cuenca por defecto con paso de 0.001 min"},
    };
    for (const auto& c : casos) {
        TEstadoZumbrel s;
        ValoresIniciales(s);
        s.Tcc = c.tcc;
        s.Ptsd = c.paso;
        s.Sall = c.pasos;
        for (int k = 1; k <= c.pasos; ++k) s.SvaeuaParcial[k] = 1;
        if (c.admitido) {
            CalcularHidrograma(s);
            EXPECT_EQ(s.CantidadHe, c.cantidad) << c.caso;
            EXPECT_EQ(s.He.size(), static_cast<size_t>(c.cantidad) + 1) << c.caso;
            continue;
        }
        const TEstadoZumbrel antes = s;
        const std::string mensaje = "El hidrograma tendría " + std::to_string(c.cantidad) +
                                    " ordenadas, más de las 100000 que admite el programa: revise el paso "
                                    "temporal y los datos de la cuenca";
        try {
            CalcularHidrograma(s);
            ADD_FAILURE() << c.caso << ": se esperaba ErrorHidrogramaExcesivo";
        } catch (const ErrorHidrogramaExcesivo& error) {
            EXPECT_EQ(error.what(), mensaje) << c.caso;
            EXPECT_EQ(error.Ordenadas(), c.cantidad) << c.caso;
        }
        EXPECT_TRUE(s == antes) << c.caso << ": el registro no cambia";
        EXPECT_THROW(BloqueProtegido([&] { CalcularHidrograma(s); }), ErrorHidrogramaExcesivo) << c.caso;
    }
}

TEST_F(URutinasZHidrograma, FallasNoEscribenNada) {
    struct Caso {
        double tcc, paso;
        const char* caso;
    };
    const Caso casos[] = {
        {kTcc, 0, "paso nulo: Np divide por cero"},
        {0, 0, "paso y tiempo nulos: qu divide por cero"},
        {kTcc, 1e-9, "paso de 1e-9 min: Np fuera de los enteros"},
    };
    for (const auto& c : casos) {
        TEstadoZumbrel s;
        ValoresIniciales(s);
        CalcularZumbrel(s);
        s.Tcc = c.tcc;
        s.Ptsd = c.paso;
        const TEstadoZumbrel antes = s;
        EXPECT_THROW(CalcularHidrograma(s), ErrorAritmetico) << c.caso;
        EXPECT_TRUE(s == antes) << c.caso;
    }
}

TEST_F(URutinasZHidrograma, AreaNulaEscribeElHidrogramaYNoElVolumenEspecifico) {
    e.Tcc = kTcc;
    Poner(e.SvaeuaParcial, {1, 1, 1, 1, 1, 1});
    e.Ac = 0;
    e.Vtesp = 5;
    e.He.assign(e.He.size(), 3);
    EXPECT_THROW(CalcularHidrograma(e), ErrorAritmetico);
    EXPECT_EQ(e.CantidadHe, 16);
    for (int j = 1; j <= 16; ++j) EXPECT_EQ(e.He[j], 0) << "ordenada " << j;
    EXPECT_EQ(e.He[17], 3);
    EXPECT_EQ(e.Vte, 0);
    EXPECT_EQ(e.Cp, 0);
    EXPECT_EQ(e.Vtesp, 5);
}

// ---- The whole chain ----

class URutinasZCadena : public ConCuencaPorDefecto {};

TEST_F(URutinasZCadena, CuencaPorDefecto) {
    CalcularZumbrel(e);
    EXPECT_TRUE(Cerca(e.Tcc, kTcc));
    EXPECT_TRUE(Cerca(e.Rpm, kRpm));
    EXPECT_EQ(e.Ai, 18);
    EXPECT_TRUE(Cerca(e.Svaeua[6], 98.445351662616929));
    ASSERT_EQ(e.CantidadHe, 16);
    for (int j = 1; j <= 16; ++j) EXPECT_TRUE(Cerca(e.He[j], kHidrograma[j - 1])) << "ordenada " << j;
    EXPECT_EQ(OrdenadaDelPico(), 6);
    EXPECT_EQ(e.Cp, e.He[6]);
    EXPECT_TRUE(Cerca(e.Cp, kCp));
    EXPECT_TRUE(Cerca(e.Vte, kVte));
    EXPECT_TRUE(Cerca(e.Vtesp, kVtesp));
}

TEST_F(URutinasZCadena, UnaFallaConservaLosResultadosDeSuPestana) {
    struct Caso {
        void (*cambiar)(TEstadoZumbrel&);
        const char* caso;
    };
    const Caso casos[] = {
        {[](TEstadoZumbrel& s) { s.Nc = 0; }, "número de curva nulo"},
        {[](TEstadoZumbrel& s) { s.Dntepmrys = 0; }, "desnivel nulo"},
        {[](TEstadoZumbrel& s) { s.Ddpmrhls = -1; }, "distancia negativa"},
        {[](TEstadoZumbrel& s) { s.Ptsd = 0; }, "paso nulo"},
    };
    for (const auto& c : casos) {
        TEstadoZumbrel s;
        ValoresIniciales(s);
        CalcularZumbrel(s);
        c.cambiar(s);
        const TEstadoZumbrel antes = s;
        CalcularZumbrel(s);
        EXPECT_TRUE(s == antes) << c.caso;
    }
}

TEST_F(URutinasZCadena, SinRetencionElHidrogramaUsaLaEscorrentiaAnterior) {
    CalcularZumbrel(e);
    const TEstadoZumbrel antes = e;
    e.Nc = 0;
    e.Aai = false;
    e.Ac = 2 * 70.26;
    CalcularZumbrel(e);
    EXPECT_EQ(e.Rpm, antes.Rpm);
    EXPECT_EQ(e.Ai, antes.Ai);
    EXPECT_EQ(e.Svaeua, antes.Svaeua);
    EXPECT_EQ(e.SvaeuaParcial, antes.SvaeuaParcial);
    EXPECT_TRUE(Cerca(e.Vte, 2 * kVte));
    EXPECT_TRUE(Cerca(e.Cp, 2 * kCp));
    EXPECT_TRUE(Cerca(e.Vtesp, kVtesp));
}

TEST_F(URutinasZCadena, ElLimiteDeOrdenadasNoSeDescarta) {
    e.Ptsd = 0.001;
    EXPECT_THROW(CalcularZumbrel(e), ErrorHidrogramaExcesivo);
    EXPECT_TRUE(Cerca(e.Tcc, kTcc));
    EXPECT_TRUE(Cerca(e.Rpm, kRpm));
    EXPECT_EQ(e.CantidadHe, 0);
}

}  // namespace
}  // namespace brovel
