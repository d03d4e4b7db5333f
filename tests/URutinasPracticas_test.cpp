#include "model/URutinas.h"

#include "Cerca.h"
#include "ProyectoPorDefecto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace brovel {
namespace {

using namespace pruebas;

// ---- Support practices ----

class URutinasPracticas : public ConProyectoPorDefecto {};

TEST_F(URutinasPracticas, FactorDeEspaciamientoEntreTerrazas) {
    struct Caso {
        double espaciamiento, factor;
    };
    const Caso casos[] = {
        {0, 0.5},  {4, 0.5},    {33.5, 0.5}, {33.6, 0.6}, {38, 0.6}, {38.1, 0.7},
        {48, 0.7}, {48.1, 0.8}, {61, 0.8},   {61.1, 0.9}, {79, 0.9}, {79.1, 1.0},
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
        CalcularLadera(s);
        EXPECT_TRUE(Cerca(s.Fcm, c.c)) << c.caso;
        EXPECT_TRUE(Cerca(s.TeE, c.a)) << c.caso;
        EXPECT_TRUE(Cerca(s.PsE, c.t)) << c.caso;
    }
}

// ---- The whole chain ----

class URutinasProyecto : public ConProyectoPorDefecto {};

TEST_F(URutinasProyecto, PorDefectoDaTodosLosResultados) {
    CalcularLadera(e);
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

// A fault ends the block of its tab only: the tabs before and after it still run.
TEST_F(URutinasProyecto, UnaFallaSoloDetieneSuPestana) {
    CalcularLadera(e);
    const TEstadoBrovel antes = e;
    e.Rast = 0;  // mulching over a surface without roughness divides by zero
    e.Ttfo = 3;
    CalcularLadera(e);
    EXPECT_NE(e.Fcss, antes.Fcss);
    EXPECT_NE(e.Sups, antes.Sups);
    EXPECT_EQ(e.Scs, antes.Scs);
    EXPECT_EQ(e.Srs, antes.Srs);
    EXPECT_EQ(e.Fcm, antes.Fcm);
    EXPECT_EQ(e.Lct, antes.Lct);
    EXPECT_EQ(e.Fps, antes.Fps);
    EXPECT_EQ(e.TeE, antes.TeE);
}

}  // namespace
}  // namespace brovel
