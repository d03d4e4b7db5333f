#include "model/URutinas.h"

#include "Cerca.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace brovel {
namespace {

// The state as a new project leaves it: every input at the value the slope
// window's defaults write, results still zero. The inputs of the options not in
// force (mean diameter, class and texture, the series, the energy parameters, the
// other practices) hold their fields' defaults too.
TEstadoBrovel EstadoPorDefecto() {
    TEstadoBrovel e;
    e.Dt = 6;
    e.Lt = 60;

    e.OpcionSuelo = 0;
    e.Cpcg = 9;
    const double dg[] = {4.76, 2.0, 0.42, 0.25, 0.15, 0.07, 0.05, 0.005, 0.0005};
    const double pp[] = {100, 100, 99, 98, 84.8, 64.5, 43, 12.5, 1};
    for (int i = 0; i < 9; ++i) {
        e.Dg[i + 1] = dg[i];
        e.Pp[i + 1] = pp[i];
    }
    e.Dm = 0.05;
    e.Cspe = 2;
    e.Cspp = 2;
    e.Pl = 60;
    e.Plm = 80;
    e.Pa = 30;
    e.Pmo = 5;
    e.Descongelamiento = false;
    e.Shs = 1;
    e.Bvs = 60;
    e.Brvs = 5;

    e.OpcionLluviaMedia = 0;
    e.Pth = 10;
    e.Cph = 8;
    e.Ch = 2;
    e.Cph2 = 8;
    const double representativo[] = {1.27, 1.78, 5.84, 17.8, 3.81, 1.27, 0, 1.27};
    const double serie2[] = {2.4, 11.6, 41.4, 9.2, 5.3, 4.0, 0, 0};
    const double tormenta[] = {9.4, 22.6, 73.4, 13.2, 7.3, 6.0};
    for (int k = 0; k < 8; ++k) {
        e.Cll1[1][k + 1] = representativo[k];
        e.Cll1[2][k + 1] = serie2[k];
    }
    for (int k = 0; k < 6; ++k) {
        e.Cll2[k + 1] = tormenta[k];
        e.Cll3[k + 1] = tormenta[k];
    }
    e.Cta = 15;
    e.Et = 50;
    e.Mi30m = 55;
    e.Felle = 41100;
    e.OpcionLluviaExtrema = 1;
    e.Pth2 = 30;
    e.Cph3 = 6;
    e.Ce = 66;
    e.OpcionEvento = 0;
    e.Pth3 = 30;
    e.Cph4 = 6;
    e.Vp = 2000;
    e.Cp = 100;

    e.Fatc = 0.8;
    e.Amf = 52;
    e.Hl = true;
    e.Ttfo = 2;
    e.Fapo = 1;
    e.Hm = true;
    e.Racmr = 0.00034;
    e.Psrua = 1065;
    e.Mde = 0;
    e.Tp = 0;
    e.Ps = 4;
    e.Al = 6;
    e.Fps = 1;
    e.Eet = 4;
    e.Pt = 1;
    e.Tfp = 4;
    e.Ctc = 1;
    e.Fliii = 0.4;

    e.Rast = 2;
    e.Cmst = 0.05;
    e.Irst = 5;
    return e;
}

// The routines in the order the tabs run them.
void CalcularTodo(TEstadoBrovel& e) {
    CalcularFes(e);
    CalcularFt(e);
    CalcularErosividad(e);
    CalcularFp(e);
    CalcularFcss(e);
    CalcularSups(e);
    CalcularScf(e);
    CalcularPracticas(e);
    CalcularScs(e);
    CalcularSrs(e);
    CalcularFcm(e);
    CalcularLct(e);
    CalcularErosion(e);
}

// K and LS of the default project, which later factors multiply.
constexpr double kKPorDefecto = 0.039633895525199198;
constexpr double kLSPorDefecto = 1.0429797285707486;
constexpr double kSenoDe6 = 0.059892290727946721;
constexpr double kMDe6 = 0.43294076364045507;

class ConProyectoPorDefecto : public ::testing::Test {
protected:
    TEstadoBrovel e = EstadoPorDefecto();
};

// ---- Soil erodibility ----

class URutinasSuelo : public ConProyectoPorDefecto {};

TEST_F(URutinasSuelo, DiametroMedioDeLaCurva) {
    struct Caso {
        std::vector<double> dg, pp;
        double esperado;
        const char* caso;
    };
    const Caso casos[] = {
        {{4.76, 2.0, 0.42, 0.25, 0.15, 0.07, 0.05, 0.005, 0.0005},
         {100, 100, 99, 98, 84.8, 64.5, 43, 12.5, 1},
         0.047428482187951937,
         "curva por defecto de 9 puntos"},
        {{2, 1}, {100, 0}, 1.5, "dos puntos: todo en un intervalo"},
        {{1, 0.1, 0.01}, {100, 50, 0}, 0.17392527130926087, "tres puntos"},
        {{3}, {100}, 1, "un punto"},
        {{}, {}, 1, "sin puntos"},
    };
    for (const auto& c : casos) {
        e.Cpcg = static_cast<int32_t>(c.dg.size());
        for (size_t i = 0; i < c.dg.size(); ++i) {
            e.Dg[i + 1] = c.dg[i];
            e.Pp[i + 1] = c.pp[i];
        }
        EXPECT_TRUE(Cerca(DiametroMedioCurva(e), c.esperado)) << c.caso;
    }
}

TEST_F(URutinasSuelo, UnaCurvaDeUnPuntoDaExactamenteUnMilimetro) {
    e.Cpcg = 1;
    EXPECT_EQ(DiametroMedioCurva(e), 1);
}

TEST_F(URutinasSuelo, UnIntervaloSinDiametroFalla) {
    e.Cpcg = 2;
    e.Dg[1] = 0;
    e.Dg[2] = 0;
    EXPECT_THROW(DiametroMedioCurva(e), ErrorAritmetico);
}

TEST_F(URutinasSuelo, ErosibilidadPorOpcionDeSuelo) {
    struct Caso {
        uint8_t opcion;
        double dm;  // Dm afterwards
        double k;
        const char* caso;
    };
    const Caso casos[] = {
        {0, 0.047428482187951937, kKPorDefecto, "curva: Dm de la curva"},
        {1, 0.05, 0.039067412896973955, "diámetro medio 0.05 mm"},
        {2, 0.05, 0.045060437152528308, "clase y textura: Dm sin tocar"},
    };
    for (const auto& c : casos) {
        TEstadoBrovel s = EstadoPorDefecto();
        s.OpcionSuelo = c.opcion;
        CalcularFes(s);
        EXPECT_TRUE(Cerca(s.Dm, c.dm)) << c.caso;
        EXPECT_TRUE(Cerca(s.Fes, c.k)) << c.caso;
    }
}

TEST_F(URutinasSuelo, ErosibilidadPorClaseYTextura) {
    struct Caso {
        double pl, plm, pa, pmo;
        int32_t cspe, cspp;
        double k;
        const char* caso;
    };
    const Caso casos[] = {
        // M = 7200: K = (0.00021 * 7200^1.14 * 7 - 2.5) / 759.
        {60, 80, 30, 5, 2, 2, 0.045060437152528308, "valores por defecto"},
        {60, 80, 30, 5, 4, 6, 0.066799567587310917, "estructura 4, permeabilidad 6"},
        {0, 0, 0, 5, 1, 1, -0.010869565217391304, "M = 0"},
    };
    for (const auto& c : casos) {
        e.OpcionSuelo = 2;
        e.Pl = c.pl;
        e.Plm = c.plm;
        e.Pa = c.pa;
        e.Pmo = c.pmo;
        e.Cspe = c.cspe;
        e.Cspp = c.cspp;
        CalcularFes(e);
        EXPECT_TRUE(Cerca(e.Fes, c.k)) << c.caso;
    }
}

TEST_F(URutinasSuelo, DiametroMedioNuloFallaYConservaK) {
    e.OpcionSuelo = 1;
    e.Dm = 0;
    e.Fes = 0.123;
    EXPECT_THROW(CalcularFes(e), ErrorAritmetico);
    EXPECT_EQ(e.Fes, 0.123);
}

// ---- Topographic factor ----

class URutinasTopografia : public ConProyectoPorDefecto {};

TEST_F(URutinasTopografia, FactorLSEnCadaRama) {
    struct Caso {
        double dt, lt;
        bool deshielo;
        double ls, seno, m;
        bool faltaExpresion;
        const char* caso;
    };
    const double s12 = 0.11914522061843065, m12 = 0.5457069275272344;
    const Caso casos[] = {
        {6, 60, false, kLSPorDefecto, kSenoDe6, kMDe6, false, "por defecto: 6 %, 60 m"},
        {9, 60, false, 1.6594379961548816, 0.089637699495890588, 0.50120105633188066, false,
         "exactamente 9 %: 16.8 sen - 0.5"},
        {8.99, 60, false, 1.6444726165254325, 0.089538900986643307, 0.50102183607467447, false,
         "8.99 %: 10.8 sen + 0.03"},
        {12, 4.5, false, 0.63006326623065946, s12, m12, false, "exactamente 4.5 m, 12 %: peso 0"},
        {12, 3, false, 0.58034547978988523, s12, m12, false, "3 m, 12 %: interpolación en logaritmos"},
        {4, 3, false, 0.2597409025761538, 0.039968038348871577, 0.36137780347009323, false,
         "3 m, 4 %: longitud fijada en 4.5 m"},
        {6, 4.5, false, 0.33981616305252719, kSenoDe6, kMDe6, false, "exactamente 4.5 m, 6 %"},
        {12, 60, true, 2.046286542638837, s12, m12, false, "deshielo, ladera larga"},
        {6, 60, true, kLSPorDefecto, kSenoDe6, kMDe6, false, "deshielo, ladera larga, 6 %"},
        {12, 3, true, 0.49782830601513465, s12, m12, true, "deshielo, ladera corta"},
        {6, 4.5, true, 0.33981616305252719, kSenoDe6, kMDe6, true, "deshielo, exactamente 4.5 m: rama corta"},
        {0, 60, false, 0.03, 0, 0, false, "llano"},
    };
    for (const auto& c : casos) {
        e.Dt = c.dt;
        e.Lt = c.lt;
        e.Descongelamiento = c.deshielo;
        e.FaltaExpresionLS = !c.faltaExpresion;
        CalcularFt(e);
        EXPECT_TRUE(Cerca(e.Ft, c.ls)) << c.caso;
        EXPECT_TRUE(Cerca(e.SenoPendiente, c.seno)) << c.caso;
        EXPECT_TRUE(Cerca(e.ExponenteLongitud, c.m)) << c.caso;
        EXPECT_EQ(e.FaltaExpresionLS, c.faltaExpresion) << c.caso;
    }
}

// ---- Rainfall erosivity and runoff production ----

class URutinasLluvia : public ConProyectoPorDefecto {};

TEST_F(URutinasLluvia, HietogramaRepresentativo) {
    // Steps of 10 minutes: the best window is step 2's, steps 3 to 5, (5.84 + 17.8 + 3.81) * 6 / 3.
    const Real i30 = IntensidadMaxima30(e, 1, 8);
    EXPECT_TRUE(Cerca(i30, 54.900000000000001));
    EXPECT_EQ(std::round(static_cast<double>(i30) * 10) / 10, 54.9);
    EXPECT_TRUE(Cerca(EnergiaHietograma(e, 1, 8), 8.3372603243446858));
}

TEST_F(URutinasLluvia, SerieDeHietogramas) {
    e.Pth = 30;
    struct Caso {
        int h;
        double i30, redondeada, energia;
    };
    const Caso casos[] = {
        {1, 35.600000000000001, 35.6, 6.7196258089283245},
        {2, 82.799999999999997, 82.8, 18.163109970297178},
    };
    for (const auto& c : casos) {
        const Real i30 = IntensidadMaxima30(e, c.h, 8);
        EXPECT_TRUE(Cerca(i30, c.i30)) << "hietograma " << c.h;
        EXPECT_EQ(std::round(static_cast<double>(i30) * 10) / 10, c.redondeada) << "hietograma " << c.h;
        EXPECT_TRUE(Cerca(EnergiaHietograma(e, c.h, 8), c.energia)) << "hietograma " << c.h;
    }
}

// A hyetograph put in place 3 of the store; the steps after the last one in use hold
// rain that must not be counted.
struct Hietograma {
    double paso;  // min
    std::vector<double> lluvia;
    double i30, energia;
    const char* caso;
};

const Hietograma kHietogramas[] = {
    // Window of step 1: (12 + 18 / 2) / 1.5 mm/h.
    {20, {2, 4, 6, 1}, 14, 2.3132005373770091, "20 min: el paso siguiente y la mitad del otro"},
    {10, {1, 1, 1, 9}, 54, 2.8896588670244342, "10 min: gana el último paso"},
    {20, {1, 1, 9}, 27, 2.3434040512391365, "20 min: gana el último paso"},
    {7, {1, 2, 3, 4, 5, 6}, 51.428571428571429, 5.2349500751736603, "7 min: fracción de 2/7 de paso"},
    {60, {3, 8, 2}, 8, 1.7332898128975952, "60 min: la intensidad de cada paso"},
    {10, {5}, 30, 1.2170521128050393, "un solo paso"},
    {20, {0, 0, 0, 0}, 0, 0, "sin lluvia"},
};

void PonerHietograma(TEstadoBrovel& e, const Hietograma& c) {
    e.Pth = c.paso;
    e.Cll1[3].fill(99);
    for (size_t k = 0; k < c.lluvia.size(); ++k) e.Cll1[3][k + 1] = c.lluvia[k];
}

TEST_F(URutinasLluvia, IntensidadMaximaDeTreintaMinutos) {
    for (const auto& c : kHietogramas) {
        PonerHietograma(e, c);
        EXPECT_TRUE(Cerca(IntensidadMaxima30(e, 3, static_cast<int>(c.lluvia.size())), c.i30)) << c.caso;
    }
}

TEST_F(URutinasLluvia, EnergiaDeLaTormenta) {
    for (const auto& c : kHietogramas) {
        PonerHietograma(e, c);
        EXPECT_TRUE(Cerca(EnergiaHietograma(e, 3, static_cast<int>(c.lluvia.size())), c.energia)) << c.caso;
    }
}

TEST_F(URutinasLluvia, PasoTemporalNuloFalla) {
    e.Pth = 0;
    EXPECT_THROW(EnergiaHietograma(e, 1, 8), ErrorAritmetico);
    EXPECT_THROW(IntensidadMaxima30(e, 1, 8), ErrorAritmetico);
}

TEST_F(URutinasLluvia, ErosividadPorOpcionDeLluviaMedia) {
    struct Caso {
        uint8_t opcion;
        double paso;
        double et, mi30m, fde, felle, tecr;
        const char* caso;
    };
    const double fdeAnterior = 123;
    const Caso casos[] = {
        {0, 10, 8.3372603243446858, 54.900000000000001, 457.71559180652319, 6865.7338770978481,
         283.81124151806572, "hietograma representativo"},
        {1, 30, 50, 55, 871.5620921692273, 13073.431382538409, 540.42100349334429,
         "serie: Et y Mi30m sin tocar"},
        {2, 10, 50, 55, 2750, 41250, 1705.1656708792886, "parámetros de la energía"},
        {3, 10, 50, 55, fdeAnterior, 41100, 1698.9650684397276, "R dado: EI sin tocar"},
    };
    for (const auto& c : casos) {
        TEstadoBrovel s = EstadoPorDefecto();
        CalcularFes(s);
        CalcularFt(s);
        s.OpcionLluviaMedia = c.opcion;
        s.Pth = c.paso;
        s.Fde = fdeAnterior;
        CalcularErosividad(s);
        EXPECT_TRUE(Cerca(s.Et, c.et)) << c.caso;
        EXPECT_TRUE(Cerca(s.Mi30m, c.mi30m)) << c.caso;
        EXPECT_TRUE(Cerca(s.Fde, c.fde)) << c.caso;
        EXPECT_TRUE(Cerca(s.Felle, c.felle)) << c.caso;
        EXPECT_TRUE(Cerca(s.Tecr, c.tecr)) << c.caso;
    }
}

TEST_F(URutinasLluvia, FactorDeProduccion) {
    struct Caso {
        double vp, cp, x, pspcr;
        const char* caso;
    };
    const Caso casos[] = {
        // X = 99 * (2000 * 100)^0.56.
        {2000, 100, 92089.898048697736, 3806.7523099978902, "evento por defecto"},
        {3000, 0.5, 5946.2929270771751, 245.80398953319563, "3000 m³ y 0.5 m³/s"},
        {0, 100, 0, 0, "sin volumen"},
    };
    for (const auto& c : casos) {
        e.Fes = kKPorDefecto;
        e.Ft = kLSPorDefecto;
        e.Vp = c.vp;
        e.Cp = c.cp;
        CalcularFp(e);
        EXPECT_TRUE(Cerca(e.Fp, c.x)) << c.caso;
        EXPECT_TRUE(Cerca(e.Pspcr, c.pspcr)) << c.caso;
    }
}

// ---- Prior land use and canopy ----

class URutinasCobertura : public ConProyectoPorDefecto {};

TEST_F(URutinasCobertura, ConsolidacionDelSueloSuperficial) {
    struct Caso {
        bool labranza;
        double anios, cf;
        const char* caso;
    };
    const Caso casos[] = {
        {true, 2, 0.91680229755184886, "2 años: 1.22 e^(-2/7)"},
        {true, 0, 1.22, "recién labrado"},
        {true, 6.99, 0.44945453773144109, "6.99 años: apenas bajo 0.45"},
        {true, 7, 0.45, "7 años: consolidado"},
        {true, 10, 0.45, "10 años"},
        {false, 2, 0.45, "sin labranza"},
    };
    for (const auto& c : casos) {
        e.Hl = c.labranza;
        e.Ttfo = c.anios;
        CalcularFcss(e);
        EXPECT_TRUE(Cerca(e.Fcss, c.cf)) << c.caso;
    }
}

TEST_F(URutinasCobertura, SieteAniosDanExactamenteCeroCuarentaYCinco) {
    e.Ttfo = 7;
    CalcularFcss(e);
    EXPECT_EQ(e.Fcss, 0.45);
}

TEST_F(URutinasCobertura, UsoPrevioDelSuelo) {
    struct Caso {
        bool labranza, deshielo;
        double plu;
        const char* caso;
    };
    const Caso casos[] = {
        {true, false, 0.66190784743527239, "por defecto"},
        {true, true, 0.50219131999068577, "deshielo: coeficientes dobles"},
        {false, false, 0.32420552766255962, "sin labranza: Cf = 0.45"},
    };
    for (const auto& c : casos) {
        e.Hl = c.labranza;
        e.Descongelamiento = c.deshielo;
        CalcularFcss(e);
        CalcularSups(e);
        EXPECT_TRUE(Cerca(e.Sups, c.plu)) << c.caso;
    }
}

TEST_F(URutinasCobertura, CoberturaDeFollaje) {
    struct Caso {
        double fatc, amf, cc;
        const char* caso;
    };
    const Caso casos[] = {
        {0.8, 52, 0.32614717423593343, "por defecto"},
        {0, 52, 1, "sin follaje"},
        {1, 0, 0, "cubierto a ras del suelo"},
        {0.5, 200, 0.74157433275415038, "la mitad a 2 m"},
    };
    for (const auto& c : casos) {
        e.Fatc = c.fatc;
        e.Amf = c.amf;
        CalcularScf(e);
        EXPECT_TRUE(Cerca(e.Scf, c.cc)) << c.caso;
    }
}

// ---- Support practices ----

class URutinasPracticas : public ConProyectoPorDefecto {};

TEST_F(URutinasPracticas, FactorDeEspaciamientoEntreTerrazas) {
    struct Caso {
        double espaciamiento, factor;
    };
    const Caso casos[] = {
        {0, 0.5},   {4, 0.5},    {33.5, 0.5}, {33.6, 0.6}, {38, 0.6},  {38.1, 0.7},
        {48, 0.7},  {48.1, 0.8}, {61, 0.8},   {61.1, 0.9}, {79, 0.9},  {79.1, 1.0},
    };
    for (const auto& c : casos) EXPECT_TRUE(Cerca(FactorTerraza(c.espaciamiento), c.factor)) << c.espaciamiento << " m";
}

TEST_F(URutinasPracticas, PerfiladoPorDefecto) {
    CalcularFt(e);
    e.SenoPendiente = -1;
    CalcularPracticas(e);
    EXPECT_TRUE(Cerca(e.SenoPendiente, kSenoDe6));
    // The slope is the grade of minimum Pb, so Pb is the runoff-scaled minimum 0.65 * 66 / 94.5.
    EXPECT_TRUE(Cerca(e.Fpsb, 0.45396825396825397));
    EXPECT_TRUE(Cerca(e.Fpset, 0.3));
    EXPECT_TRUE(Cerca(e.Fpsed, 0.87183271054743651));
    EXPECT_EQ(e.Fps, 1);
}

TEST_F(URutinasPracticas, PerfiladoPorAlturaDeLomos) {
    struct Caso {
        double altura, pb, pt, pg;
        const char* caso;
    };
    const double pb1 = 0.59588833195891705, pg1 = 0.90845193610531179;
    const double pb2 = 0.45396825396825397, pg2 = 0.87183271054743651;
    const double pb3 = 0.3145112466540576, pg3 = 0.84436829137903004;
    const double pb4 = 0.1913755883105157, pt4 = 0.10117677917881198, pg4 = 0.83542894870046486;
    const double pb5 = 0.07329845308124028, pg5 = 0.8260586786000924;
    const Caso casos[] = {
        {0, pb1, 0.5, pg1, "sin lomos: primera fila"},
        {5.09, pb1, 0.5, pg1, "5.09 cm: primera fila"},
        {5.1, pb2, 0.3, pg2, "exactamente 5.1 cm: segunda fila"},
        {6, pb2, 0.3, pg2, "6 cm: segunda fila"},
        {7.59, pb2, 0.3, pg2, "7.59 cm: segunda fila"},
        {7.6, pb3, 0.15, pg3, "exactamente 7.6 cm: tercera fila"},
        {10, pb3, 0.15, pg3, "10 cm: tercera fila"},
        {10.1, pb4, pt4, pg4, "exactamente 10.1 cm: cuarta fila"},
        {15.1, pb4, pt4, pg4, "15.1 cm: cuarta fila"},
        {15.2, pb5, 0.05, pg5, "exactamente 15.2 cm: quinta fila"},
        {30, pb5, 0.05, pg5, "30 cm: quinta fila"},
    };
    for (const auto& c : casos) {
        e.Al = c.altura;
        CalcularPracticas(e);
        EXPECT_TRUE(Cerca(e.Fpsb, c.pb)) << c.caso;
        EXPECT_TRUE(Cerca(e.Fpset, c.pt)) << c.caso;
        EXPECT_TRUE(Cerca(e.Fpsed, c.pg)) << c.caso;
    }
}

TEST_F(URutinasPracticas, PerfiladoPorPendiente) {
    struct Caso {
        double dt, ps, pb, pt, pg;
        const char* caso;
    };
    const Caso casos[] = {
        {4, 1, 0.45825484928545654, 0.3, 0.6501311631274645, "4 %: bajo la pendiente de Pb mínimo"},
        {3, 2, 0.47572555290646587, 0.3, 0.87161900815324955, "3 %: bajo la pendiente de Pb mínimo"},
        {10, 4, 0.47938349006566875, 0.3, 0.74364419185977309, "10 %: sobre la pendiente de Pb mínimo"},
        {20, 4, 0.61605335412950352, 0.40100840734942952, 0.67141699537269006, "20 %: Pt sobre su mínimo"},
        {40, 4, 1, 1, 1, "40 %: más allá de la pendiente crítica"},
    };
    for (const auto& c : casos) {
        e.Dt = c.dt;
        e.Ps = c.ps;
        CalcularPracticas(e);
        EXPECT_TRUE(Cerca(e.Fpsb, c.pb)) << c.caso;
        EXPECT_TRUE(Cerca(e.Fpset, c.pt)) << c.caso;
        EXPECT_TRUE(Cerca(e.Fpsed, c.pg)) << c.caso;
    }
}

TEST_F(URutinasPracticas, SinPracticaPEsUno) {
    e.Tp = 4;
    e.Fps = 0.5;
    e.Fpsb = 0.11;
    CalcularPracticas(e);
    EXPECT_EQ(e.Fps, 1);
    EXPECT_EQ(e.Fpsb, 0.11);
}

TEST_F(URutinasPracticas, CultivoEnFranjasConservaElPEscrito) {
    CalcularFt(e);
    e.Tp = 1;
    e.Fps = 0.6;
    e.Fpsb = 0.11;
    e.Fpset = 0.22;
    e.Fpsed = 0.33;
    e.Lct = 44;
    CalcularPracticas(e);
    CalcularLct(e);
    EXPECT_EQ(e.Fps, 0.6);
    EXPECT_EQ(e.Fpsb, 0.11);
    EXPECT_EQ(e.Fpset, 0.22);
    EXPECT_EQ(e.Fpsed, 0.33);
    EXPECT_EQ(e.Lct, 44);
}

TEST_F(URutinasPracticas, Aterrazamiento) {
    struct Caso {
        double espaciamiento, pendiente, p;
        const char* caso;
    };
    const Caso casos[] = {
        // b = 0.7, d = 0.1 e^1.2.
        {40, 0.5, 0.53240818459155832, "40 m, 0.5 %"},
        {4, 0.5, 0.66600584613682737, "4 m, 0.5 %"},
        {100, 0, 0.1, "100 m, a nivel"},
        {100, 0.94, 0.95448333726931734, "100 m, 0.94 %"},
        {40, 0.95, 1, "0.95 %"},
        {4, 1, 1, "1 %"},
        {90, 3, 1, "3 %"},
    };
    for (const auto& c : casos) {
        e.Tp = 2;
        e.Eet = c.espaciamiento;
        e.Pt = c.pendiente;
        CalcularPracticas(e);
        EXPECT_TRUE(Cerca(e.Fps, c.p)) << c.caso;
    }
}

TEST_F(URutinasPracticas, EscorrentiaEnormeFallaTrasEscribirElSeno) {
    // First table row: the storm's critical grade falls below the base one above about 236 mm.
    e.Al = 3;
    e.Ce = 300;
    e.SenoPendiente = -1;
    e.Fpsb = 0.11;
    e.Fpset = 0.22;
    e.Fpsed = 0.33;
    EXPECT_THROW(CalcularPracticas(e), ErrorAritmetico);
    EXPECT_TRUE(Cerca(e.SenoPendiente, kSenoDe6));
    EXPECT_EQ(e.Fpsb, 0.11);
    EXPECT_EQ(e.Fpset, 0.22);
    EXPECT_EQ(e.Fpsed, 0.33);
}

TEST_F(URutinasPracticas, PerfiladoFallaSinEscorrentiaOSinPendiente) {
    struct Caso {
        double ce, dt;
        const char* caso;
    };
    const Caso casos[] = {
        {0, 6, "sin escorrentía"},
        {66, 0, "ladera llana"},
    };
    for (const auto& c : casos) {
        TEstadoBrovel s = EstadoPorDefecto();
        s.Ce = c.ce;
        s.Dt = c.dt;
        s.Fpsb = 0.11;
        s.Fpset = 0.22;
        s.Fpsed = 0.33;
        EXPECT_THROW(CalcularPracticas(s), ErrorAritmetico) << c.caso;
        EXPECT_EQ(s.Fpsb, 0.11) << c.caso;
        EXPECT_EQ(s.Fpset, 0.22) << c.caso;
        EXPECT_EQ(s.Fpsed, 0.33) << c.caso;
    }
}

TEST_F(URutinasPracticas, LongitudCritica) {
    struct Caso {
        double manning, lct, p;
        const char* caso;
    };
    const Caso casos[] = {
        {0.05, 2319.9027460583561, 0.87183271054743651, "por defecto: más larga que la ladera, P = Pg"},
        {0.004, 52.493406829797012, 0.89417213937219758, "más corta que la ladera"},
    };
    for (const auto& c : casos) {
        TEstadoBrovel s = EstadoPorDefecto();
        CalcularFt(s);
        CalcularPracticas(s);
        s.Cmst = c.manning;
        CalcularLct(s);
        EXPECT_TRUE(Cerca(s.Lct, c.lct)) << c.caso;
        EXPECT_TRUE(Cerca(s.Fps, c.p)) << c.caso;
    }
}

TEST_F(URutinasPracticas, LongitudCriticaSinEscorrentiaFalla) {
    CalcularFt(e);
    CalcularPracticas(e);
    e.Ce = 0;
    e.Lct = 44;
    e.Fps = 0.5;
    EXPECT_THROW(CalcularLct(e), ErrorAritmetico);
    EXPECT_EQ(e.Lct, 44);
    EXPECT_EQ(e.Fps, 0.5);
}

TEST_F(URutinasPracticas, CamposDePastoreo) {
    struct Caso {
        double dt, rugosidad, tiempo, consolidacion, infiltrada, p;
        const char* caso;
    };
    const Caso casos[] = {
        // E = 0.05^(1/4).
        {6, 5, 4, 1, 0.4, 0.20049539862524268, "por defecto"},
        {6, 5, 2, 0.5, 0.2, 0.21659057285250543, "2 años, 0.5 años, 0.2"},
        {20, 5, 4, 1, 0.4, 0.51436323508924617, "20 %"},
        {100, 5, 4, 1, 0.4, 1, "100 %: tope en 1"},
        {20, 1, 4, 1, 0.4, 1, "20 %, 1 cm: tope en 1"},
    };
    for (const auto& c : casos) {
        TEstadoBrovel s = EstadoPorDefecto();
        s.Tp = 3;
        s.Dt = c.dt;
        s.Irst = c.rugosidad;
        s.Tfp = c.tiempo;
        s.Ctc = c.consolidacion;
        s.Fliii = c.infiltrada;
        s.Lct = 44;
        CalcularFt(s);
        CalcularPracticas(s);
        CalcularLct(s);
        EXPECT_TRUE(Cerca(s.Fps, c.p)) << c.caso;
        EXPECT_EQ(s.Lct, 44) << c.caso;
    }
}

TEST_F(URutinasPracticas, PastoreoFallaSinTiempoOSinRugosidad) {
    struct Caso {
        double tiempo, rugosidad;
        const char* caso;
    };
    const Caso casos[] = {
        {0, 5, "recién perturbado"},
        {4, 0, "sin rugosidad"},
    };
    for (const auto& c : casos) {
        TEstadoBrovel s = EstadoPorDefecto();
        s.Tp = 3;
        s.Tfp = c.tiempo;
        s.Irst = c.rugosidad;
        s.Fps = 0.5;
        CalcularFt(s);
        EXPECT_THROW(CalcularLct(s), ErrorAritmetico) << c.caso;
        EXPECT_EQ(s.Fps, 0.5) << c.caso;
    }
}

// ---- Surface, cover-management and the results ----

class URutinasSuperficie : public ConProyectoPorDefecto {};

TEST_F(URutinasSuperficie, CoberturaSuperficial) {
    struct Caso {
        bool mulching;
        uint8_t mecanismo;
        double rugosidad, sc;
        const char* caso;
    };
    const Caso casos[] = {
        {true, 0, 2, 0.25125528386949075, "por defecto: surco"},
        {true, 1, 2, 0.50125371207552244, "entresurco"},
        {true, 2, 2, 0.38025999887752531, "no sabe: b = 0.035"},
        {true, 0, 0.61, 0.21894465794049718, "rugosidad de referencia"},
        {false, 0, 2, 1, "sin mulching"},
        {false, 0, 0, 1, "sin mulching ni rugosidad"},
    };
    for (const auto& c : casos) {
        e.Hm = c.mulching;
        e.Mde = c.mecanismo;
        e.Rast = c.rugosidad;
        CalcularScs(e);
        EXPECT_TRUE(Cerca(e.Scs, c.sc)) << c.caso;
    }
}

TEST_F(URutinasSuperficie, SinMulchingEsExactamenteUno) {
    e.Hm = false;
    CalcularScs(e);
    EXPECT_EQ(e.Scs, 1);
}

TEST_F(URutinasSuperficie, MulchingSinRugosidadFalla) {
    e.Rast = 0;
    e.Scs = 0.5;
    EXPECT_THROW(CalcularScs(e), ErrorAritmetico);
    EXPECT_EQ(e.Scs, 0.5);
}

TEST_F(URutinasSuperficie, RugosidadSuperficial) {
    struct Caso {
        double rugosidad, sr;
    };
    const Caso casos[] = {
        {2, 0.69670026261837217},
        {0.61, 1},
        {0, 1.1718691052765774},
        {5, 0.31937158846218972},
    };
    for (const auto& c : casos) {
        e.Rast = c.rugosidad;
        CalcularSrs(e);
        EXPECT_TRUE(Cerca(e.Srs, c.sr)) << c.rugosidad << " cm";
    }
    e.Rast = 0.61;
    CalcularSrs(e);
    EXPECT_EQ(e.Srs, 1) << "la rugosidad de referencia da exactamente 1";
}

TEST_F(URutinasSuperficie, HumedadDelSueloEscalaCYLosResultados) {
    struct Caso {
        double sm, c, a, t;
        const char* caso;
    };
    const Caso casos[] = {
        {1, 0.037789602879572212, 9.3505053052130279, 125.41806829029869, "por defecto"},
        {0.5, 0.018894801439786106, 9.3505053052130279 / 2, 125.41806829029869 / 2, "la mitad"},
        {0, 0, 0, 0, "suelo seco"},
    };
    for (const auto& c : casos) {
        TEstadoBrovel s = EstadoPorDefecto();
        s.Shs = c.sm;
        CalcularTodo(s);
        EXPECT_TRUE(Cerca(s.Fcm, c.c)) << c.caso;
        EXPECT_TRUE(Cerca(s.TeE, c.a)) << c.caso;
        EXPECT_TRUE(Cerca(s.PsE, c.t)) << c.caso;
    }
}

// ---- The whole chain ----

class URutinasProyecto : public ConProyectoPorDefecto {};

TEST_F(URutinasProyecto, PorDefectoDaTodosLosResultados) {
    CalcularTodo(e);
    struct Caso {
        double real, esperado;
        const char* miembro;
    };
    const Caso casos[] = {
        {e.Dm, 0.047428482187951937, "Dm"},
        {e.Fes, kKPorDefecto, "Fes"},
        {e.Ft, kLSPorDefecto, "Ft"},
        {e.SenoPendiente, kSenoDe6, "SenoPendiente"},
        {e.ExponenteLongitud, kMDe6, "ExponenteLongitud"},
        {e.Et, 8.3372603243446858, "Et"},
        {e.Mi30m, 54.900000000000001, "Mi30m"},
        {e.Fde, 457.71559180652319, "Fde"},
        {e.Felle, 6865.7338770978481, "Felle"},
        {e.Tecr, 283.81124151806572, "Tecr"},
        {e.Fp, 92089.898048697736, "Fp"},
        {e.Pspcr, 3806.7523099978902, "Pspcr"},
        {e.Fcss, 0.91680229755184886, "Fcss"},
        {e.Sups, 0.66190784743527239, "Sups"},
        {e.Scf, 0.32614717423593343, "Scf"},
        {e.Fpsb, 0.45396825396825397, "Fpsb"},
        {e.Fpset, 0.3, "Fpset"},
        {e.Fpsed, 0.87183271054743651, "Fpsed"},
        {e.Scs, 0.25125528386949075, "Scs"},
        {e.Srs, 0.69670026261837217, "Srs"},
        {e.Fcm, 0.037789602879572212, "Fcm"},
        {e.Lct, 2319.9027460583561, "Lct"},
        {e.Fps, 0.87183271054743651, "Fps"},
        {e.TeE, 9.3505053052130279, "TeE"},
        {e.PsE, 125.41806829029869, "PsE"},
    };
    for (const auto& c : casos) EXPECT_TRUE(Cerca(c.real, c.esperado)) << c.miembro;
    EXPECT_FALSE(e.FaltaExpresionLS);
}

}  // namespace
}  // namespace brovel
