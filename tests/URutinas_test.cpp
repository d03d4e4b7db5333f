#include "model/URutinas.h"

#include "Cerca.h"
#include "ProyectoPorDefecto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace brovel {
namespace {

using namespace pruebas;

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
        {0, 10, 8.3372603243446858, 54.900000000000001, 457.71559180652319, 6865.7338770978481, 283.81124151806572,
         "hietograma representativo"},
        {1, 30, 50, 55, 871.5620921692273, 13073.431382538409, 540.42100349334429, "serie: Et y Mi30m sin tocar"},
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

}  // namespace
}  // namespace brovel
