// Every input, intermediate value and result of one slope. Quantities are held in
// the base unit of the field they mirror. Arrays are indexed from 1 (element 0 is
// unused) and hold at most kMaxElementos entries per dimension.
#pragma once

#include <array>
#include <cstdint>

namespace brovel {

inline constexpr int kMaxElementos = 20;

using TSerie = std::array<double, kMaxElementos + 1>;
using TSerieDeSeries = std::array<TSerie, kMaxElementos + 1>;

// A count brought into 0..kMaxElementos, so nothing reads or writes past an array.
constexpr int AcotarCantidad(int n) { return n < 0 ? 0 : (n > kMaxElementos ? kMaxElementos : n); }

struct TEstadoBrovel {
    // Geometría
    double Dt = 0;  // slope gradient, %
    double Lt = 0;  // slope length, m

    // Suelo
    uint8_t OpcionSuelo = 0;  // 0 curve, 1 mean diameter, 2 class and texture
    int32_t Cpcg = 0;
    TSerie Dg{};  // mm
    TSerie Pp{};  // %
    double Dm = 0;  // mm
    int32_t Cspe = 0;
    int32_t Cspp = 0;
    double Pl = 0, Plm = 0, Pa = 0, Pmo = 0;
    bool Descongelamiento = false;
    double Shs = 0, Bvs = 0, Brvs = 0;
    double Fes = 0, Ft = 0;
    double SenoPendiente = 0, ExponenteLongitud = 0;
    bool FaltaExpresionLS = false;

    // Forzantes
    uint8_t OpcionLluviaMedia = 0;  // 0 representative hyetograph, 1 series, 2 energy parameters, 3 R given
    double Pth = 0;                 // min
    int32_t Cph = 0, Ch = 0, Cph2 = 0;
    TSerieDeSeries Cll1{};  // [hyetograph][step], mm
    double Cta = 0, Et = 0, Mi30m = 0, Fde = 0, Felle = 0;
    uint8_t OpcionLluviaExtrema = 0;  // 0 storm hyetograph, 1 runoff given
    double Pth2 = 0;
    int32_t Cph3 = 0;
    TSerie Cll2{};
    double Ce = 0;              // mm
    uint8_t OpcionEvento = 0;   // 0 storm hyetograph, 1 event parameters given
    double Pth3 = 0;
    int32_t Cph4 = 0;
    TSerie Cll3{};
    double Vp = 0;  // m³
    double Cp = 0;  // m³/s
    double Fp = 0, Tecr = 0, Pspcr = 0;

    // Condicionantes
    double Fatc = 0, Amf = 0;
    bool Hl = false;
    double Ttfo = 0, Fapo = 0;
    bool Hm = false;
    double Racmr = 0, Psrua = 0;
    uint8_t Mde = 0;  // 0 rill, 1 interrill, 2 unknown
    uint8_t Tp = 0;   // 0 contouring, 1 strip cropping, 2 terraces, 3 grazing fields, 4 none
    double Ps = 0, Al = 0, Fps = 0, Eet = 0, Pt = 0, Tfp = 0, Ctc = 0, Fliii = 0;
    double Fcss = 0, Sups = 0, Scf = 0, Fpsb = 0, Fpset = 0, Fpsed = 0;

    // Disipación y Erosión
    double Rast = 0, Cmst = 0, Irst = 0;
    double Scs = 0, Srs = 0, Fcm = 0, Lct = 0, TeE = 0, PsE = 0;
};

}  // namespace brovel
