// The table of derivations checked against the routines themselves: each member
// of the record is changed in turn, each routine is run before and after, and a
// result that moves must have been read, as the table says, directly or through
// what the same routine computed before it.
#include "model/MiembrosBrovel.h"

#include <gtest/gtest.h>

#include "ProyectoPorDefecto.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "model/URutinas.h"

namespace brovel {
namespace {

using namespace pruebas;

// The member changed enough to cross the steps of the tables it is looked up in.
void Perturbar(TEstadoBrovel& e, const TMiembroBrovel& miembro) {
    std::visit(
        [&](auto puntero) {
            auto& valor = e.*puntero;
            using T = std::decay_t<decltype(valor)>;
            if constexpr (std::is_same_v<T, double>) {
                valor = valor * 1.5 + 1;
            } else if constexpr (std::is_same_v<T, bool>) {
                valor = !valor;
            } else if constexpr (std::is_same_v<T, int32_t> || std::is_same_v<T, uint8_t>) {
                valor = static_cast<T>(valor + 1);
            } else if constexpr (std::is_same_v<T, TSerie>) {
                for (size_t i = 0; i < valor.size(); ++i) valor[i] = valor[i] * 1.5 + 0.1 * double(i + 1);
            } else {
                for (TSerie& serie : valor)
                    for (size_t i = 0; i < serie.size(); ++i) serie[i] = serie[i] * 1.5 + 0.1 * double(i + 1);
            }
        },
        miembro);
}

bool Igual(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool Igual(const TEstadoBrovel& a, const TEstadoBrovel& b, const TMiembroBrovel& miembro) {
    return std::visit(
        [&](auto puntero) {
            const auto& x = a.*puntero;
            const auto& y = b.*puntero;
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, double>) {
                return Igual(x, y);
            } else if constexpr (std::is_same_v<T, TSerie>) {
                return std::equal(x.begin(), x.end(), y.begin(), [](double p, double q) { return Igual(p, q); });
            } else {
                return x == y;
            }
        },
        miembro);
}

// What a row's results depend on as the table says: what it reads, and what the
// rows of the same routine that computed those read in turn. A member the routine
// writes before reading it is the routine's own and moves nothing.
std::set<std::string> Dependencias(const TDerivacionBrovel& fila, const TEstadoBrovel& e) {
    std::set<std::string> dependencias;
    std::vector<TMiembroBrovel> pendientes = fila.lee;
    while (!pendientes.empty()) {
        const TMiembroBrovel miembro = pendientes.back();
        pendientes.pop_back();
        if (!dependencias.insert(NombreDe(miembro)).second) continue;
        for (const TDerivacionBrovel& d : DerivacionesBrovel()) {
            if (&d == &fila) break;
            if (d.rutina == fila.rutina && d.rige(e) &&
                std::find(d.escribe.begin(), d.escribe.end(), miembro) != d.escribe.end())
                pendientes.insert(pendientes.end(), d.lee.begin(), d.lee.end());
        }
    }
    return dependencias;
}

// The rows of a routine the options of a slope put in force.
std::vector<const TDerivacionBrovel*> Vigentes(TRutinaBrovel rutina, const TEstadoBrovel& e) {
    std::vector<const TDerivacionBrovel*> vigentes;
    for (const TDerivacionBrovel& d : DerivacionesBrovel())
        if (d.rutina == rutina && d.rige(e)) vigentes.push_back(&d);
    return vigentes;
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
    std::set<std::string> leidasQueMueven;
    for (const TEstadoBrovel& base : Laderas()) {
        for (const TDerivacionBrovel& fila : DerivacionesBrovel()) {
            if (!fila.rige(base)) continue;
            TEstadoBrovel antes = base;
            ASSERT_NO_THROW(Calcular(fila.rutina, antes)) << NombreDe(fila.escribe.front());
            const std::set<std::string> dependencias = Dependencias(fila, base);
            for (const TFilaMiembroBrovel& m : MiembrosBrovel()) {
                TEstadoBrovel despues = base;
                Perturbar(despues, m.miembro);
                // A selector that puts other rows in force is read through them.
                if (Vigentes(fila.rutina, despues) != Vigentes(fila.rutina, base)) continue;
                bool mueve = false;
                try {
                    Calcular(fila.rutina, despues);
                    for (const TMiembroBrovel& escrito : fila.escribe)
                        mueve = mueve || !Igual(antes, despues, escrito);
                } catch (const ErrorAritmetico&) {
                    mueve = true;
                }
                if (!mueve) continue;
                if (std::find(fila.lee.begin(), fila.lee.end(), m.miembro) != fila.lee.end())
                    leidasQueMueven.insert(std::string(NombreDe(fila.escribe.front())) + " <- " + m.nombre);
                EXPECT_TRUE(dependencias.count(m.nombre))
                    << m.nombre << " mueve " << NombreDe(fila.escribe.front()) << " y la tabla no dice que se lea";
            }
        }
    }
    // And no row names a read that moves nothing in any slope.
    for (const TDerivacionBrovel& fila : DerivacionesBrovel())
        for (const TMiembroBrovel& leido : fila.lee) {
            const std::string par = std::string(NombreDe(fila.escribe.front())) + " <- " + NombreDe(leido);
            const bool propia = std::any_of(DerivacionesBrovel().begin(), DerivacionesBrovel().end(), [&](const auto& d) {
                return d.rutina == fila.rutina && &d != &fila &&
                       std::find(d.escribe.begin(), d.escribe.end(), leido) != d.escribe.end();
            });
            if (!propia) EXPECT_TRUE(leidasQueMueven.count(par)) << par << " no mueve nada";
        }
}

TEST(MiembrosBrovel, CadaMiembroTieneUnNombreYUnaFila) {
    std::set<std::string> nombres;
    for (const TFilaMiembroBrovel& m : MiembrosBrovel()) {
        EXPECT_TRUE(nombres.insert(m.nombre).second) << m.nombre << " repetido";
        EXPECT_STREQ(NombreDe(m.miembro), m.nombre);
    }
    EXPECT_EQ(nombres.size(), 80u);
}

TEST(MiembrosBrovel, LaLaderaCorreLosBloquesDeLasPestanasEnOrden) {
    TEstadoBrovel porBloques = Ladera(0, 0, 0, false);
    TEstadoBrovel rutinaARutina = porBloques;
    CalcularLadera(porBloques);
    for (const TRutinaBrovel r : {TRutinaBrovel::Fes, TRutinaBrovel::Ft, TRutinaBrovel::Erosividad, TRutinaBrovel::Fp,
                                  TRutinaBrovel::Fcss, TRutinaBrovel::Sups, TRutinaBrovel::Scf, TRutinaBrovel::Practicas,
                                  TRutinaBrovel::Scs, TRutinaBrovel::Srs, TRutinaBrovel::Fcm, TRutinaBrovel::Lct,
                                  TRutinaBrovel::Erosion})
        Calcular(r, rutinaARutina);
    for (const TFilaMiembroBrovel& m : MiembrosBrovel())
        EXPECT_TRUE(Igual(porBloques, rutinaARutina, m.miembro)) << m.nombre;
}

}  // namespace
}  // namespace brovel
