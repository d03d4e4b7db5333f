#include "model/MiembrosBrovel.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "model/URutinas.h"

namespace brovel {

void Calcular(TRutinaBrovel rutina, TEstadoBrovel& e) {
    switch (rutina) {
        case TRutinaBrovel::Fes: CalcularFes(e); break;
        case TRutinaBrovel::Ft: CalcularFt(e); break;
        case TRutinaBrovel::Erosividad: CalcularErosividad(e); break;
        case TRutinaBrovel::Fp: CalcularFp(e); break;
        case TRutinaBrovel::Fcss: CalcularFcss(e); break;
        case TRutinaBrovel::Sups: CalcularSups(e); break;
        case TRutinaBrovel::Scf: CalcularScf(e); break;
        case TRutinaBrovel::Practicas: CalcularPracticas(e); break;
        case TRutinaBrovel::Lct: CalcularLct(e); break;
        case TRutinaBrovel::Scs: CalcularScs(e); break;
        case TRutinaBrovel::Srs: CalcularSrs(e); break;
        case TRutinaBrovel::Fcm: CalcularFcm(e); break;
        case TRutinaBrovel::Erosion: CalcularErosion(e); break;
    }
}

namespace {

using E = TEstadoBrovel;
using P = TPestanaLadera;

// clang-format off
const TFilaMiembroBrovel kMiembros[] = {
    {"Dt", &E::Dt, "slope gradient, %", P::Geometria, true},
    {"Lt", &E::Lt, "slope length, m", P::Geometria, true},
    {"OpcionSuelo", &E::OpcionSuelo, "how the soil is given: 0 grain-size curve, 1 mean diameter, 2 class and texture", P::Suelo, true},
    {"Cpcg", &E::Cpcg, "points of the grain-size curve, 0..20", P::Suelo, false},
    {"Dg", &E::Dg, "grain diameter of each curve point, mm", P::Suelo, false},
    {"Pp", &E::Pp, "percent passing of each curve point, %", P::Suelo, false},
    {"Dm", &E::Dm, "mean grain diameter, mm", P::Suelo, true},
    {"Cspe", &E::Cspe, "soil structure class, 1..4", P::Suelo, false},
    {"Cspp", &E::Cspp, "soil permeability class, 1..6", P::Suelo, false},
    {"Pl", &E::Pl, "silt in the top 15-20 cm, %", P::Suelo, false},
    {"Plm", &E::Plm, "modified silt, %", P::Suelo, false},
    {"Pa", &E::Pa, "sand, %", P::Suelo, false},
    {"Pmo", &E::Pmo, "organic matter, %", P::Suelo, false},
    {"Descongelamiento", &E::Descongelamiento, "thaw conditions", P::Suelo, false},
    {"Shs", &E::Shs, "soil moisture subfactor SM, dimensionless", P::Suelo, false},
    {"Bvs", &E::Bvs, "subsurface plant biomass, kg/ha/cm", P::Suelo, false},
    {"Brvs", &E::Brvs, "subsurface residue biomass, kg/ha/cm", P::Suelo, false},
    {"Fes", &E::Fes, "soil erodibility K, t·h/(MJ·mm)", P::Suelo, true},
    {"Ft", &E::Ft, "topographic factor LS, dimensionless", P::Suelo, true},
    {"SenoPendiente", &E::SenoPendiente, "sine of the slope angle", P::Suelo, true},
    {"ExponenteLongitud", &E::ExponenteLongitud, "slope-length exponent m of LS", P::Suelo, true},
    {"FaltaExpresionLS", &E::FaltaExpresionLS, "thaw on a slope too short for any validated LS", P::Suelo, true},
    {"OpcionLluviaMedia", &E::OpcionLluviaMedia, "how the average rain is given: 0 representative hyetograph, 1 series, 2 energy parameters, 3 R given", P::Forzantes, true},
    {"Pth", &E::Pth, "time step of the average-rain hyetographs, min", P::Forzantes, false},
    {"Cph", &E::Cph, "steps of the representative hyetograph, 1..20", P::Forzantes, false},
    {"Ch", &E::Ch, "hyetographs of the series, 1..20", P::Forzantes, false},
    {"Cph2", &E::Cph2, "steps of every hyetograph of the series, 1..20", P::Forzantes, false},
    {"Cll1", &E::Cll1, "rain of [hyetograph][step], mm", P::Forzantes, false},
    {"Cta", &E::Cta, "storms per year", P::Forzantes, false},
    {"Et", &E::Et, "storm energy, MJ/ha", P::Forzantes, true},
    {"Mi30m", &E::Mi30m, "maximum 30-minute intensity, mm/h", P::Forzantes, true},
    {"Fde", &E::Fde, "energy factor EI, MJ·mm/(ha·h)", P::Forzantes, true},
    {"Felle", &E::Felle, "rainfall-runoff erosivity R, MJ·mm/(ha·h)", P::Forzantes, true},
    {"Tecr", &E::Tecr, "erosion rate for reference conditions R·K·LS, t/(ha·year)", P::Forzantes, true},
    {"OpcionLluviaExtrema", &E::OpcionLluviaExtrema, "how the extreme storm is given: 0 storm hyetograph, 1 runoff given", P::Forzantes, true},
    {"Pth2", &E::Pth2, "time step of the extreme storm, min", P::Forzantes, false},
    {"Cph3", &E::Cph3, "steps of the extreme storm, 1..20", P::Forzantes, false},
    {"Cll2", &E::Cll2, "rain of each step of the extreme storm, mm", P::Forzantes, false},
    {"Ce", &E::Ce, "runoff of the extreme storm, mm", P::Forzantes, true},
    {"OpcionEvento", &E::OpcionEvento, "how the event is given: 0 storm hyetograph, 1 event parameters given", P::Forzantes, true},
    {"Pth3", &E::Pth3, "time step of the event, min", P::Forzantes, false},
    {"Cph4", &E::Cph4, "steps of the event, 1..20", P::Forzantes, false},
    {"Cll3", &E::Cll3, "rain of each step of the event, mm", P::Forzantes, false},
    {"Vp", &E::Vp, "runoff volume of the event, m³", P::Forzantes, true},
    {"Cp", &E::Cp, "peak discharge of the event, m³/s", P::Forzantes, true},
    {"Fp", &E::Fp, "production factor X, MJ·mm/h", P::Forzantes, true},
    {"Pspcr", &E::Pspcr, "sediment production for reference conditions X·K·LS, t", P::Forzantes, true},
    {"Fatc", &E::Fatc, "ground fraction covered by canopy, fraction", P::Condicionantes, false},
    {"Amf", &E::Amf, "mean canopy height, cm", P::Condicionantes, false},
    {"Hl", &E::Hl, "tillage took place", P::Condicionantes, false},
    {"Ttfo", &E::Ttfo, "time since the end of the tillage operations, years", P::Condicionantes, false},
    {"Fapo", &E::Fapo, "fraction of area disturbed by the operations (kept, used by no formula)", P::Condicionantes, false},
    {"Hm", &E::Hm, "mulching took place", P::Condicionantes, false},
    {"Racmr", &E::Racmr, "covered area to residue mass ratio, ha/kg", P::Condicionantes, false},
    {"Psrua", &E::Psrua, "residue dry weight per area, kg/ha", P::Condicionantes, false},
    {"Mde", &E::Mde, "dominant erosion mechanism: 0 rill, 1 interrill, 2 unknown", P::Condicionantes, false},
    {"Fcss", &E::Fcss, "surface soil consolidation factor Cf, dimensionless", P::Condicionantes, true},
    {"Sups", &E::Sups, "prior land use subfactor PLU, dimensionless", P::Condicionantes, true},
    {"Scf", &E::Scf, "canopy cover subfactor CC, dimensionless", P::Condicionantes, true},
    {"Tp", &E::Tp, "support practice: 0 contouring, 1 strip cropping, 2 terraces, 3 grazing fields, 4 none", P::Condicionantes, true},
    {"Ps", &E::Ps, "furrow grade, %", P::Condicionantes, false},
    {"Al", &E::Al, "ridge height, cm", P::Condicionantes, false},
    {"Eet", &E::Eet, "terrace spacing, m", P::Condicionantes, false},
    {"Pt", &E::Pt, "terrace grade, %", P::Condicionantes, false},
    {"Tfp", &E::Tfp, "time since the ground was disturbed, years", P::Condicionantes, false},
    {"Ctc", &E::Ctc, "consolidation time constant, years", P::Condicionantes, false},
    {"Fliii", &E::Fliii, "fraction of rain infiltrated at the initial instant", P::Condicionantes, false},
    {"Fpsb", &E::Fpsb, "basic support-practice factor Pb, dimensionless", P::Condicionantes, true},
    {"Fpset", &E::Fpset, "support-practice factor with storm effect Pt, dimensionless", P::Condicionantes, true},
    {"Fpsed", &E::Fpsed, "support-practice factor with grade effect Pg, dimensionless", P::Condicionantes, true},
    {"Fps", &E::Fps, "support-practice factor P, dimensionless (typed for strip cropping)", P::Condicionantes, true},
    {"Rast", &E::Rast, "random roughness of the ground surface, cm", P::Disipacion, false},
    {"Cmst", &E::Cmst, "Manning coefficient of the ground surface, s·m^(-1/3)", P::Disipacion, false},
    {"Irst", &E::Irst, "roughness index of the ground surface, cm", P::Disipacion, false},
    {"Scs", &E::Scs, "surface cover subfactor SC, dimensionless", P::Disipacion, true},
    {"Srs", &E::Srs, "surface roughness subfactor SR, dimensionless", P::Disipacion, true},
    {"Fcm", &E::Fcm, "cover-management factor C, dimensionless", P::Disipacion, true},
    {"Lct", &E::Lct, "critical slope length, m", P::Disipacion, true},
    {"TeE", &E::TeE, "erosion rate A, t/(ha·year)", P::Erosion, true},
    {"PsE", &E::PsE, "sediment production T, t", P::Erosion, true},
};
// clang-format on

using R = TRutinaBrovel;

bool Siempre(const E&) { return true; }

// What each routine reads, option by option, as the routines of URutinas.cpp do.
// A selector a routine branches on (an option, a check box, a list) is read too.
const std::vector<TDerivacionBrovel>& Derivaciones() {
    // clang-format off
    static const std::vector<TDerivacionBrovel> kDerivaciones = {
        {R::Fes, [](const E& e) { return e.OpcionSuelo == 0; }, {&E::Dm}, {&E::Cpcg, &E::Dg, &E::Pp}},
        {R::Fes, [](const E& e) { return e.OpcionSuelo == 2; }, {&E::Fes}, {&E::Pl, &E::Plm, &E::Pa, &E::Pmo, &E::Cspe, &E::Cspp}},
        {R::Fes, [](const E& e) { return e.OpcionSuelo != 2; }, {&E::Fes}, {&E::Dm}},
        {R::Ft, Siempre, {&E::SenoPendiente, &E::ExponenteLongitud, &E::Ft}, {&E::Dt, &E::Lt, &E::Descongelamiento}},
        // With the erosivity given, R is an input and only the reference rate follows.
        {R::Erosividad, [](const E& e) { return e.OpcionLluviaMedia == 0; }, {&E::Et, &E::Mi30m}, {&E::Pth, &E::Cll1, &E::Cph}},
        {R::Erosividad, [](const E& e) { return e.OpcionLluviaMedia == 1; }, {&E::Fde}, {&E::Pth, &E::Cll1, &E::Ch, &E::Cph2}},
        {R::Erosividad, [](const E& e) { return e.OpcionLluviaMedia == 0 || e.OpcionLluviaMedia == 2; }, {&E::Fde}, {&E::Et, &E::Mi30m}},
        {R::Erosividad, [](const E& e) { return e.OpcionLluviaMedia <= 2; }, {&E::Felle}, {&E::Cta, &E::Fde}},
        {R::Erosividad, Siempre, {&E::Tecr}, {&E::Felle, &E::Fes, &E::Ft}},
        {R::Fp, Siempre, {&E::Fp}, {&E::Vp, &E::Cp}},
        {R::Fp, Siempre, {&E::Pspcr}, {&E::Fp, &E::Fes, &E::Ft}},
        {R::Fcss, Siempre, {&E::Fcss}, {&E::Ttfo, &E::Hl}},
        {R::Sups, Siempre, {&E::Sups}, {&E::Fcss, &E::Bvs, &E::Brvs, &E::Descongelamiento}},
        {R::Scf, Siempre, {&E::Scf}, {&E::Fatc, &E::Amf}},
        {R::Practicas, [](const E& e) { return e.Tp == 0; }, {&E::SenoPendiente, &E::Fpsb, &E::Fpset, &E::Fpsed}, {&E::Dt, &E::Al, &E::Ce, &E::Ps}},
        {R::Practicas, [](const E& e) { return e.Tp == 2; }, {&E::Fps}, {&E::Eet, &E::Pt}},
        {R::Practicas, [](const E& e) { return e.Tp == 4; }, {&E::Fps}, {}},
        {R::Lct, [](const E& e) { return e.Tp == 0; }, {&E::Lct}, {&E::SenoPendiente, &E::Cmst, &E::Ce}},
        {R::Lct, [](const E& e) { return e.Tp == 0; }, {&E::Fps}, {&E::Lct, &E::Fpsed, &E::ExponenteLongitud, &E::Lt}},
        {R::Lct, [](const E& e) { return e.Tp == 3; }, {&E::Fps}, {&E::SenoPendiente, &E::Tfp, &E::Ctc, &E::Irst, &E::Fliii}},
        {R::Scs, Siempre, {&E::Scs}, {&E::Racmr, &E::Psrua, &E::Rast, &E::Hm, &E::Mde}},
        {R::Srs, Siempre, {&E::Srs}, {&E::Rast}},
        {R::Fcm, Siempre, {&E::Fcm}, {&E::Sups, &E::Scf, &E::Scs, &E::Srs, &E::Shs}},
        {R::Erosion, Siempre, {&E::TeE}, {&E::Felle, &E::Fes, &E::Ft, &E::Fcm, &E::Fps}},
        {R::Erosion, Siempre, {&E::PsE}, {&E::Fp, &E::Fes, &E::Ft, &E::Fcm, &E::Fps}},
    };
    // clang-format on
    return kDerivaciones;
}

const std::vector<TBloqueLadera> kBloques = {
    {P::Suelo, {R::Fes, R::Ft}},
    {P::Forzantes, {R::Erosividad, R::Fp}},
    {P::Condicionantes, {R::Fcss, R::Sups, R::Scf, R::Practicas}},
    {P::Disipacion, {R::Scs, R::Srs, R::Fcm, R::Lct}},
    {P::Erosion, {R::Erosion}},
};

}  // namespace

std::span<const TFilaMiembroBrovel> MiembrosBrovel() { return kMiembros; }

namespace {

// Where a member lives in the record, in bytes from its start.
size_t Posicion(const TMiembroBrovel& miembro) {
    static const TEstadoBrovel kRegistro{};
    return std::visit(
        [](auto puntero) {
            return static_cast<size_t>(reinterpret_cast<const char*>(&(kRegistro.*puntero)) -
                                       reinterpret_cast<const char*>(&kRegistro));
        },
        miembro);
}

}  // namespace

const char* NombreDe(const TMiembroBrovel& miembro) {
    // Looked up by position, since the chain names members all the time; the kind
    // is checked too, so that a member of another type at the same place is no match.
    static const std::vector<const TFilaMiembroBrovel*> kPorPosicion = [] {
        std::vector<const TFilaMiembroBrovel*> filas(sizeof(TEstadoBrovel), nullptr);
        for (const TFilaMiembroBrovel& fila : kMiembros)
            if (!filas[Posicion(fila.miembro)]) filas[Posicion(fila.miembro)] = &fila;
        return filas;
    }();
    const TFilaMiembroBrovel* fila = kPorPosicion[Posicion(miembro)];
    if (fila && fila->miembro == miembro) return fila->nombre;
    throw std::logic_error("miembro sin fila en la tabla de miembros");
}

std::span<const TDerivacionBrovel> DerivacionesBrovel() { return Derivaciones(); }

const std::vector<std::string_view>& CalculadosBrovel() {
    static const std::vector<std::string_view> kCalculados = [] {
        std::vector<std::string_view> calculados;
        for (const TFilaMiembroBrovel& fila : kMiembros) {
            const bool escrito = std::any_of(Derivaciones().begin(), Derivaciones().end(), [&](const auto& d) {
                return std::find(d.escribe.begin(), d.escribe.end(), fila.miembro) != d.escribe.end();
            });
            if (escrito) calculados.push_back(fila.nombre);
        }
        return calculados;
    }();
    return kCalculados;
}

std::span<const TBloqueLadera> BloquesLadera() { return kBloques; }

const std::vector<TRutinaBrovel>& RutinasDe(TPestanaLadera pestana) {
    for (const TBloqueLadera& bloque : kBloques)
        if (bloque.pestana == pestana) return bloque.rutinas;
    static const std::vector<TRutinaBrovel> kNinguna;
    return kNinguna;
}

}  // namespace brovel
