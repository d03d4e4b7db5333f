// The slope model's table of members and derivations, checked against its
// routines with the slopes below.
#include "model/MiembrosBrovel.h"

#include <gtest/gtest.h>

#include "Perturbacion.h"
#include "ProyectoPorDefecto.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "model/URutinas.h"

namespace brovel {
namespace {

using namespace pruebas;

bool Igual(const TEstadoBrovel& a, const TEstadoBrovel& b, const TMiembroBrovel& miembro) {
    return std::visit(
        [&](auto puntero) {
            const auto& x = a.*puntero;
            const auto& y = b.*puntero;
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, double>) {
                return IgualNumero(x, y);
            } else if constexpr (std::is_same_v<T, TSerie>) {
                return std::equal(x.begin(), x.end(), y.begin(), IgualNumero);
            } else {
                return x == y;
            }
        },
        miembro);
}

// A slope where every input counts: tillage and mulching done, the critical
// length shorter than the slope, and every option reached by the cases.
TEstadoBrovel Ladera(uint8_t suelo, uint8_t lluvia, uint8_t practica, bool deshielo) {
    TEstadoBrovel e = EstadoPorDefecto();
    e.OpcionSuelo = suelo;
    e.Cspe = 2;
    e.Cspp = 3;
    e.Pl = 40;
    e.Plm = 50;
    e.Pa = 20;
    e.Pmo = 2;
    e.Dm = 0.8;
    e.Dt = 12;
    e.Lt = 30;
    e.Descongelamiento = deshielo;
    e.OpcionLluviaMedia = lluvia;
    e.Pth = 15;
    e.Cph = 4;
    e.Ch = 2;
    e.Cph2 = 4;
    for (int h = 1; h <= 3; ++h)
        for (int k = 1; k <= 5; ++k) e.Cll1[h][k] = 1 + h + k;
    e.Cta = 30;
    e.Et = 10;
    e.Mi30m = 20;
    e.Felle = 5000;
    e.Ce = 50;
    e.Vp = 1000;
    e.Cp = 2;
    e.Fatc = 0.5;
    e.Amf = 100;
    e.Hl = true;
    e.Ttfo = 2;
    e.Hm = true;
    e.Racmr = 0.001;
    e.Psrua = 500;
    e.Mde = 0;
    e.Tp = practica;
    e.Ps = 1;
    e.Al = 6;
    e.Fps = 0.8;
    e.Eet = 40;
    e.Pt = 0.5;
    e.Tfp = 2;
    e.Ctc = 1;
    e.Fliii = 0.3;
    e.Rast = 1;
    e.Cmst = 0.002;
    e.Irst = 10;
    e.Shs = 1;
    CalcularLadera(e);
    return e;
}

std::vector<TEstadoBrovel> Laderas() {
    std::vector<TEstadoBrovel> laderas;
    for (uint8_t suelo = 0; suelo <= 2; ++suelo)
        for (uint8_t lluvia = 0; lluvia <= 3; ++lluvia)
            for (uint8_t practica = 0; practica <= 4; ++practica)
                for (const bool deshielo : {false, true}) laderas.push_back(Ladera(suelo, lluvia, practica, deshielo));
    return laderas;
}

TEST(MiembrosBrovel, LoQueMueveUnResultadoEsLoQueLaTablaDiceQueLee) {
    ComprobarLoLeido<ErrorAritmetico>(Laderas(), DerivacionesBrovel(), MiembrosBrovel(), Igual);
}

TEST(MiembrosBrovel, CadaMiembroTieneUnNombreYUnaFila) { ComprobarNombres(MiembrosBrovel(), 80); }

TEST(MiembrosBrovel, LaLaderaCorreLosBloquesDeLasPestanasEnOrden) {
    TEstadoBrovel porBloques = Ladera(0, 0, 0, false);
    TEstadoBrovel rutinaARutina = porBloques;
    CalcularLadera(porBloques);
    for (const TRutinaBrovel r :
         {TRutinaBrovel::Fes, TRutinaBrovel::Ft, TRutinaBrovel::Erosividad, TRutinaBrovel::Fp, TRutinaBrovel::Fcss,
          TRutinaBrovel::Sups, TRutinaBrovel::Scf, TRutinaBrovel::Practicas, TRutinaBrovel::Scs, TRutinaBrovel::Srs,
          TRutinaBrovel::Fcm, TRutinaBrovel::Lct, TRutinaBrovel::Erosion})
        Calcular(r, rutinaARutina);
    for (const TFilaMiembroBrovel& m : MiembrosBrovel())
        EXPECT_TRUE(Igual(porBloques, rutinaARutina, m.miembro)) << m.nombre;
}

}  // namespace
}  // namespace brovel
