#include "model/MiembrosZumbrel.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "model/URutinasZ.h"

namespace brovel {

void Calcular(TRutinaZumbrel rutina, TEstadoZumbrel& e) {
    switch (rutina) {
        case TRutinaZumbrel::TiempoConcentracion: CalcularTiempoConcentracion(e); break;
        case TRutinaZumbrel::SerieLluvia: CalcularSerieLluvia(e); break;
        case TRutinaZumbrel::Retencion: CalcularRetencion(e); break;
        case TRutinaZumbrel::Escorrentia: CalcularEscorrentia(e); break;
        case TRutinaZumbrel::Hidrograma: CalcularHidrograma(e); break;
    }
}

namespace {

using E = TEstadoZumbrel;

// clang-format off
const TFilaMiembroZumbrel kMiembros[] = {
    {"Ddpmrhls", &E::Ddpmrhls, "distance from the most remote point of the basin to the outlet, km", false},
    {"Dntepmrys", &E::Dntepmrys, "difference in ground level between that point and the outlet, m", false},
    {"Ac", &E::Ac, "basin area, km²", false},
    {"Tcc", &E::Tcc, "time of concentration, h", true},
    {"Rpm", &E::Rpm, "potential maximum retention, mm", true},
    {"Ai", &E::Ai, "initial abstraction, mm (assigned while Aai, else 0.2 Rpm)", true},
    {"Sall", &E::Sall, "steps of the rainfall series, 1..100", true},
    {"Nc", &E::Nc, "curve number, a whole number", true},
    {"Ptsd", &E::Ptsd, "time step of the rainfall series, min", false},
    {"Gh", &E::Gh, "hydrologic soil group: 0 A, 1 B, 2 C, 3 D (recorded only)", false},
    {"SerieParcial", &E::SerieParcial, "the series is entered as partial heights (else accumulated)", false},
    {"UsoSuelo", &E::UsoSuelo, "land use: 0 urban, 1 cultivated, 2 other agricultural, 3 arid and semi-arid grazing", false},
    {"Aai", &E::Aai, "the initial abstraction is assigned by the user (else computed)", false},
    {"AllParcial", &E::AllParcial, "partial rainfall heights as entered, mm", false},
    {"AllAcumulada", &E::AllAcumulada, "accumulated rainfall heights as entered, mm", false},
    {"LlParcial", &E::LlParcial, "rainfall height of each step, mm", true},
    {"LlAcumulada", &E::LlAcumulada, "accumulated rainfall height at the end of each step, mm", true},
    {"LlHietograma", &E::LlHietograma, "rainfall intensity of each step, mm/h", true},
    {"Svaeua", &E::Svaeua, "cumulative runoff per unit area at the end of each step, mm", true},
    {"SvaeuaParcial", &E::SvaeuaParcial, "runoff per unit area produced during each step, mm", true},
    {"CantidadHe", &E::CantidadHe, "ordinates of the hydrograph", true},
    {"He", &E::He, "hydrograph ordinates, m³/s", true},
    {"Vte", &E::Vte, "total runoff volume, m³", true},
    {"Vtesp", &E::Vtesp, "total runoff volume spread over the basin area, mm", true},
    {"Cp", &E::Cp, "peak discharge, m³/s", true},
};
// clang-format on

using R = TRutinaZumbrel;

bool Siempre(const E&) { return true; }

// What each routine reads, option by option, as the routines of URutinasZ.cpp do.
// A step count and a selector a routine branches on are read too. Reads are in the
// order their marks are consulted: the first out of date gives its reason.
const std::vector<TDerivacionZumbrel>& Derivaciones() {
    // clang-format off
    static const std::vector<TDerivacionZumbrel> kDerivaciones = {
        {R::TiempoConcentracion, Siempre, {&E::Tcc}, {&E::Ddpmrhls, &E::Dntepmrys}},
        {R::SerieLluvia, [](const E& e) { return e.SerieParcial; }, {&E::LlParcial, &E::LlAcumulada}, {&E::Sall, &E::AllParcial}},
        {R::SerieLluvia, [](const E& e) { return !e.SerieParcial; }, {&E::LlParcial, &E::LlAcumulada}, {&E::Sall, &E::AllAcumulada}},
        {R::SerieLluvia, Siempre, {&E::LlHietograma}, {&E::Ptsd, &E::LlParcial, &E::Sall}},
        {R::Retencion, Siempre, {&E::Rpm}, {&E::Nc}},
        {R::Retencion, [](const E& e) { return !e.Aai; }, {&E::Ai}, {&E::Rpm}},
        {R::Escorrentia, Siempre, {&E::Svaeua, &E::SvaeuaParcial}, {&E::Rpm, &E::LlAcumulada, &E::Ai, &E::Sall}},
        {R::Hidrograma, Siempre, {&E::He, &E::Vte, &E::Vtesp, &E::Cp}, {&E::Tcc, &E::SvaeuaParcial, &E::Ptsd, &E::Ac, &E::Sall}},
    };
    // clang-format on
    return kDerivaciones;
}

bool Contiene(const std::vector<TMiembroZumbrel>& miembros, const TMiembroZumbrel& miembro) {
    return std::find(miembros.begin(), miembros.end(), miembro) != miembros.end();
}

}  // namespace

std::span<const TFilaMiembroZumbrel> MiembrosZumbrel() { return kMiembros; }

const char* NombreDe(const TMiembroZumbrel& miembro) {
    for (const TFilaMiembroZumbrel& fila : kMiembros)
        if (fila.miembro == miembro) return fila.nombre;
    throw std::logic_error("miembro sin fila en la tabla de miembros");
}

std::span<const TDerivacionZumbrel> DerivacionesZumbrel() { return Derivaciones(); }

std::vector<TMiembroZumbrel> EscritosPor(TRutinaZumbrel rutina, const TEstadoZumbrel& e) {
    std::vector<TMiembroZumbrel> escritos;
    for (const TDerivacionZumbrel& d : Derivaciones())
        if (d.rutina == rutina && d.rige(e))
            for (const TMiembroZumbrel& m : d.escribe)
                if (!Contiene(escritos, m)) escritos.push_back(m);
    return escritos;
}

std::vector<TMiembroZumbrel> LeidosPor(TRutinaZumbrel rutina, const TEstadoZumbrel& e) {
    std::vector<TMiembroZumbrel> escritos, leidos;
    for (const TDerivacionZumbrel& d : Derivaciones()) {
        if (d.rutina != rutina || !d.rige(e)) continue;
        for (const TMiembroZumbrel& m : d.lee)
            if (!Contiene(escritos, m) && !Contiene(leidos, m)) leidos.push_back(m);
        escritos.insert(escritos.end(), d.escribe.begin(), d.escribe.end());
    }
    return leidos;
}

const std::vector<std::string>& CalculadosZumbrel() {
    static const std::vector<std::string> kCalculados = [] {
        std::vector<std::string> calculados;
        for (const TDerivacionZumbrel& d : Derivaciones())
            for (const TMiembroZumbrel& m : d.escribe)
                if (std::find(calculados.begin(), calculados.end(), NombreDe(m)) == calculados.end())
                    calculados.emplace_back(NombreDe(m));
        return calculados;
    }();
    return kCalculados;
}

}  // namespace brovel
