// The slope model as a new project leaves it, shared by the routines' tests.
#pragma once

#include <iterator>

#include "forms/ProyectoNuevo.h"
#include "model/URutinas.h"

namespace brovel {
namespace pruebas {

// The state as a new project leaves it: every input at the value the slope
// window's defaults write, results still zero. The inputs of the options not in
// force (mean diameter, class and texture, the series, the energy parameters, the
// other practices) hold their fields' defaults too.
inline TEstadoBrovel EstadoPorDefecto() {
    TEstadoBrovel e;
    e.Dt = 6;
    e.Lt = 60;

    e.OpcionSuelo = 0;
    e.Cpcg = 9;
    for (size_t i = 0; i < std::size(kDiametrosCurvaNueva); ++i) {
        e.Dg[i + 1] = kDiametrosCurvaNueva[i];
        e.Pp[i + 1] = kPasantesCurvaNueva[i];
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
    e.Cph = std::size(kHietogramaRepresentativoNuevo);
    e.Ch = kHietogramasSerieNueva;
    e.Cph2 = std::size(kSegundoHietogramaNuevo);
    for (size_t k = 0; k < std::size(kHietogramaRepresentativoNuevo); ++k) {
        e.Cll1[1][k + 1] = kHietogramaRepresentativoNuevo[k];
        e.Cll1[2][k + 1] = kSegundoHietogramaNuevo[k];
    }
    for (size_t k = 0; k < std::size(kTormentaNueva); ++k) {
        e.Cll2[k + 1] = kTormentaNueva[k];
        e.Cll3[k + 1] = kTormentaNueva[k];
    }
    e.Cta = 15;
    e.Et = 50;
    e.Mi30m = 55;
    e.Felle = 41100;
    e.OpcionLluviaExtrema = 1;
    e.Pth2 = 30;
    e.Cph3 = std::size(kTormentaNueva);
    e.Ce = 66;
    e.OpcionEvento = 0;
    e.Pth3 = 30;
    e.Cph4 = std::size(kTormentaNueva);
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

// K and LS of the default project, which later factors multiply.
inline constexpr double kKPorDefecto = 0.039633895525199198;
inline constexpr double kLSPorDefecto = 1.0429797285707486;
inline constexpr double kSenoDe6 = 0.059892290727946721;
inline constexpr double kMDe6 = 0.43294076364045507;

class ConProyectoPorDefecto : public ::testing::Test {
protected:
    TEstadoBrovel e = EstadoPorDefecto();
};

}  // namespace pruebas
}  // namespace brovel
