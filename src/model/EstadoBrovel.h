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
    uint8_t OpcionSuelo = 0;        // 0 grain-size curve, 1 mean diameter, 2 class and texture
    int32_t Cpcg = 0;               // points of the grain-size curve, 0..20
    TSerie Dg{};                    // grain diameter of each curve point, mm
    TSerie Pp{};                    // percent passing of each curve point, %
    double Dm = 0;                  // mean grain diameter, mm (typed, or computed from the curve)
    int32_t Cspe = 0;               // soil structure class, 1..4
    int32_t Cspp = 0;               // soil permeability class, 1..6
    double Pl = 0;                  // silt in the top 15-20 cm, %
    double Plm = 0;                 // modified silt (silt and very fine sand), %
    double Pa = 0;                  // sand, %
    double Pmo = 0;                 // organic matter, %
    bool Descongelamiento = false;  // thaw conditions
    double Shs = 0;                 // soil moisture subfactor SM, dimensionless
    double Bvs = 0;                 // subsurface plant biomass, kg/ha/cm
    double Brvs = 0;                // subsurface residue biomass, kg/ha/cm
    double Fes = 0;                 // soil erodibility K, t·h/(MJ·mm)
    double Ft = 0;                  // topographic factor LS, dimensionless
    double SenoPendiente = 0;       // sine of the slope angle
    double ExponenteLongitud = 0;   // slope-length exponent m of LS
    bool FaltaExpresionLS = false;  // thaw on a slope too short for any validated LS

    // Forzantes
    uint8_t OpcionLluviaMedia = 0;    // 0 representative hyetograph, 1 series, 2 energy parameters, 3 R given
    double Pth = 0;                   // time step of the average-rain hyetographs, min
    int32_t Cph = 0;                  // steps of the representative hyetograph, 1..20
    int32_t Ch = 0;                   // hyetographs of the series, 1..20
    int32_t Cph2 = 0;                 // steps of every hyetograph of the series, 1..20
    TSerieDeSeries Cll1{};            // rain of [hyetograph][step], mm; hyetograph 1 is also the representative one
    double Cta = 0;                   // storms per year
    double Et = 0;                    // storm energy, MJ/ha
    double Mi30m = 0;                 // maximum 30-minute intensity, mm/h
    double Fde = 0;                   // energy factor EI, MJ·mm/(ha·h)
    double Felle = 0;                 // rainfall-runoff erosivity R, MJ·mm/(ha·h)
    uint8_t OpcionLluviaExtrema = 0;  // 0 storm hyetograph, 1 runoff given
    double Pth2 = 0;                  // time step of the extreme storm, min
    int32_t Cph3 = 0;                 // steps of the extreme storm, 1..20
    TSerie Cll2{};                    // rain of each step of the extreme storm, mm
    double Ce = 0;                    // runoff of the extreme storm, mm
    uint8_t OpcionEvento = 0;         // 0 storm hyetograph, 1 event parameters given
    double Pth3 = 0;                  // time step of the event, min
    int32_t Cph4 = 0;                 // steps of the event, 1..20
    TSerie Cll3{};                    // rain of each step of the event, mm
    double Vp = 0;                    // runoff volume of the event, m³
    double Cp = 0;                    // peak discharge of the event, m³/s
    double Fp = 0;                    // production factor X, MJ·mm/h
    double Tecr = 0;                  // erosion rate for reference conditions R·K·LS, t/(ha·year)
    double Pspcr = 0;                 // sediment production for reference conditions X·K·LS, t

    // Condicionantes
    double Fatc = 0;   // ground fraction covered by canopy, fraction
    double Amf = 0;    // mean canopy height, cm
    bool Hl = false;   // tillage took place
    double Ttfo = 0;   // time since the end of the tillage operations, years
    double Fapo = 0;   // fraction of area disturbed by the operations (kept, used by no formula)
    bool Hm = false;   // mulching took place
    double Racmr = 0;  // covered area to residue mass ratio, ha/kg
    double Psrua = 0;  // residue dry weight per area, kg/ha
    uint8_t Mde = 0;   // dominant erosion mechanism: 0 rill, 1 interrill, 2 unknown
    uint8_t Tp = 0;    // support practice: 0 contouring, 1 strip cropping, 2 terraces, 3 grazing fields, 4 none
    double Ps = 0;     // furrow grade, %
    double Al = 0;     // ridge height, cm
    double Fps = 0;    // support-practice factor P, dimensionless (typed for strip cropping)
    double Eet = 0;    // terrace spacing, m
    double Pt = 0;     // terrace grade, %
    double Tfp = 0;    // time since the ground was disturbed, years
    double Ctc = 0;    // consolidation time constant, years
    double Fliii = 0;  // fraction of rain infiltrated at the initial instant
    double Fcss = 0;   // surface soil consolidation factor Cf, dimensionless
    double Sups = 0;   // prior land use subfactor PLU, dimensionless
    double Scf = 0;    // canopy cover subfactor CC, dimensionless
    double Fpsb = 0;   // basic support-practice factor Pb, dimensionless
    double Fpset = 0;  // support-practice factor with storm effect Pt, dimensionless
    double Fpsed = 0;  // support-practice factor with grade effect Pg, dimensionless

    // Disipación y Erosión
    double Rast = 0;  // random roughness of the ground surface, cm
    double Cmst = 0;  // Manning coefficient of the ground surface, s·m^(-1/3)
    double Irst = 0;  // roughness index of the ground surface, cm
    double Scs = 0;   // surface cover subfactor SC, dimensionless
    double Srs = 0;   // surface roughness subfactor SR, dimensionless
    double Fcm = 0;   // cover-management factor C, dimensionless
    double Lct = 0;   // critical slope length, m
    double TeE = 0;   // erosion rate A, t/(ha·year)
    double PsE = 0;   // sediment production T, t
};

}  // namespace brovel
