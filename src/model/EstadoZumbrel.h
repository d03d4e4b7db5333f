// Every input, intermediate value and result of the runoff model of one basin.
// Quantities are held in the base unit of the field they mirror. Series are indexed
// from 1 (element 0 is unused) and hold kMaxDatosSerie steps; of each only the first
// Sall elements are meaningful (of He, the first CantidadHe), and the elements
// beyond keep what they last held.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace brovel {

// Steps of the rainfall series the record holds.
inline constexpr int kMaxDatosSerie = 100;

using TSerieZumbrel = std::array<double, kMaxDatosSerie + 1>;

// A step count brought into 0..kMaxDatosSerie, so nothing reads or writes past a series.
constexpr int AcotarDatosSerie(int n) { return n < 0 ? 0 : (n > kMaxDatosSerie ? kMaxDatosSerie : n); }

struct TEstadoZumbrel {
    double Ddpmrhls = 0;        // distance from the most remote point of the basin to the outlet, km
    double Dntepmrys = 0;       // difference in ground level between that point and the outlet, m
    double Ac = 0;              // basin area, km²
    double Tcc = 0;             // time of concentration, h
    double Ai = 0;              // initial abstraction, mm (assigned while Aai, else 0.2 Rpm)
    double Ptsd = 0;            // time step of the rainfall series, min
    double Rpm = 0;             // potential maximum retention, mm
    double Vte = 0;             // total runoff volume, m³
    double Vtesp = 0;           // total runoff volume spread over the basin area, mm
    double Cp = 0;              // peak discharge, m³/s
    int32_t Sall = 0;           // steps of the rainfall series, 1..100
    int32_t Nc = 0;             // curve number, a whole number
    int32_t CantidadHe = 0;     // ordinates of the hydrograph
    uint8_t Gh = 0;             // hydrologic soil group: 0 A, 1 B, 2 C, 3 D (recorded only)
    bool SerieParcial = false;  // the series is entered as partial heights (else accumulated)
    uint8_t UsoSuelo = 0;       // land use: 0 urban, 1 cultivated, 2 other agricultural, 3 arid and semi-arid grazing
    bool Aai = false;           // the initial abstraction is assigned by the user (else computed)

    TSerieZumbrel AllParcial{};     // partial rainfall heights as entered, mm
    TSerieZumbrel LlParcial{};      // rainfall height of each step, mm
    TSerieZumbrel AllAcumulada{};   // accumulated rainfall heights as entered, mm
    TSerieZumbrel LlAcumulada{};    // accumulated rainfall height at the end of each step, mm
    TSerieZumbrel LlHietograma{};   // rainfall intensity of each step, mm/h
    TSerieZumbrel Svaeua{};         // cumulative runoff per unit area at the end of each step, mm
    TSerieZumbrel SvaeuaParcial{};  // runoff per unit area produced during each step, mm
    // Hydrograph ordinates, m³/s; ordinate j is the discharge j steps after the start
    // of the rain. It holds as many steps as the series to begin with and grows, never
    // shrinks, to CantidadHe + 1 elements when a hydrograph needs more.
    std::vector<double> He = std::vector<double>(kMaxDatosSerie + 1, 0.0);

    friend bool operator==(const TEstadoZumbrel&, const TEstadoZumbrel&) = default;
};

}  // namespace brovel
