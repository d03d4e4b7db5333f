// The runoff model's table of derivations checked against the routines themselves:
// each member of the record is changed in turn, each routine is run before and
// after, and a result that moves must have been read, as the table says, directly
// or through what the same routine computed before it; and each read the table
// names moves something in some basin.
#include "model/MiembrosZumbrel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "model/URutinasZ.h"

namespace brovel {
namespace {

// The member changed enough to move what reads it.
void Perturbar(TEstadoZumbrel& e, const TMiembroZumbrel& miembro) {
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
            } else {
                for (size_t i = 0; i < valor.size(); ++i) valor[i] = valor[i] * 1.5 + 0.1 * double(i + 1);
            }
        },
        miembro);
}

bool Igual(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Of a series, the steps either record holds; of the hydrograph, the ordinates
// either holds: what lies beyond keeps what it last held and is no result.
bool Igual(const TEstadoZumbrel& a, const TEstadoZumbrel& b, const TMiembroZumbrel& miembro) {
    return std::visit(
        [&](auto puntero) {
            const auto& x = a.*puntero;
            const auto& y = b.*puntero;
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, double>) {
                return Igual(x, y);
            } else if constexpr (std::is_same_v<T, TSerieZumbrel>) {
                const int n = std::max(AcotarDatosSerie(a.Sall), AcotarDatosSerie(b.Sall));
                for (int k = 1; k <= n; ++k)
                    if (!Igual(x[static_cast<size_t>(k)], y[static_cast<size_t>(k)])) return false;
                return true;
            } else if constexpr (std::is_same_v<T, std::vector<double>>) {
                const size_t n = static_cast<size_t>(std::max({a.CantidadHe, b.CantidadHe, 0})) + 1;
                for (size_t j = 1; j < n; ++j) {
                    const double p = j < x.size() ? x[j] : 0, q = j < y.size() ? y[j] : 0;
                    if (!Igual(p, q)) return false;
                }
                return true;
            } else {
                return x == y;
            }
        },
        miembro);
}

bool Contiene(const std::vector<TMiembroZumbrel>& miembros, const TMiembroZumbrel& miembro) {
    return std::find(miembros.begin(), miembros.end(), miembro) != miembros.end();
}

// What a row's results depend on as the table says: what it reads, and what the
// rows of the same routine that computed those read in turn.
std::set<std::string> Dependencias(const TDerivacionZumbrel& fila, const TEstadoZumbrel& e) {
    std::set<std::string> dependencias;
    std::vector<TMiembroZumbrel> pendientes = fila.lee;
    while (!pendientes.empty()) {
        const TMiembroZumbrel miembro = pendientes.back();
        pendientes.pop_back();
        if (!dependencias.insert(NombreDe(miembro)).second) continue;
        for (const TDerivacionZumbrel& d : DerivacionesZumbrel()) {
            if (&d == &fila) break;
            if (d.rutina == fila.rutina && d.rige(e) && Contiene(d.escribe, miembro))
                pendientes.insert(pendientes.end(), d.lee.begin(), d.lee.end());
        }
    }
    return dependencias;
}

std::vector<const TDerivacionZumbrel*> Vigentes(TRutinaZumbrel rutina, const TEstadoZumbrel& e) {
    std::vector<const TDerivacionZumbrel*> vigentes;
    for (const TDerivacionZumbrel& d : DerivacionesZumbrel())
        if (d.rutina == rutina && d.rige(e)) vigentes.push_back(&d);
    return vigentes;
}

// A basin where every input counts: a storm whose runoff starts part-way, with
// the series entered either way and the abstraction assigned or computed.
TEstadoZumbrel Cuenca(bool parcial, bool asignada, int pasos) {
    TEstadoZumbrel e;
    ValoresIniciales(e);
    e.SerieParcial = parcial;
    e.Aai = asignada;
    double acumulada = 0;
    for (int k = 1; k <= kMaxDatosSerie; ++k) {
        e.AllParcial[static_cast<size_t>(k)] = 3 + (k * 7) % 11;
        acumulada += 2 + (k * 5) % 9;
        e.AllAcumulada[static_cast<size_t>(k)] = acumulada;
    }
    // The steps beyond the count keep what a longer series of other heights left
    // in them, as after a count made shorter.
    e.Sall = kMaxDatosSerie;
    CalcularZumbrel(e);
    for (int k = 1; k <= kMaxDatosSerie; ++k) {
        e.AllParcial[static_cast<size_t>(k)] *= 1.25;
        e.AllAcumulada[static_cast<size_t>(k)] *= 1.25;
    }
    e.Sall = pasos;
    CalcularZumbrel(e);
    return e;
}

std::vector<TEstadoZumbrel> Cuencas() {
    std::vector<TEstadoZumbrel> cuencas;
    for (const bool parcial : {true, false})
        for (const bool asignada : {true, false})
            for (const int pasos : {1, 6, 12}) cuencas.push_back(Cuenca(parcial, asignada, pasos));
    return cuencas;
}

TEST(MiembrosZumbrel, LoQueMueveUnResultadoEsLoQueLaTablaDiceQueLee) {
    std::set<std::string> leidasQueMueven;
    for (const TEstadoZumbrel& base : Cuencas()) {
        for (const TDerivacionZumbrel& fila : DerivacionesZumbrel()) {
            if (!fila.rige(base)) continue;
            TEstadoZumbrel antes = base;
            ASSERT_NO_THROW(Calcular(fila.rutina, antes)) << NombreDe(fila.escribe.front());
            const std::set<std::string> dependencias = Dependencias(fila, base);
            for (const TFilaMiembroZumbrel& m : MiembrosZumbrel()) {
                TEstadoZumbrel despues = base;
                Perturbar(despues, m.miembro);
                // A selector that puts other rows in force is read through them.
                if (Vigentes(fila.rutina, despues) != Vigentes(fila.rutina, base)) continue;
                bool mueve = false;
                try {
                    Calcular(fila.rutina, despues);
                    for (const TMiembroZumbrel& escrito : fila.escribe) mueve = mueve || !Igual(antes, despues, escrito);
                } catch (const std::exception&) {
                    mueve = true;
                }
                if (!mueve) continue;
                if (Contiene(fila.lee, m.miembro))
                    leidasQueMueven.insert(std::string(NombreDe(fila.escribe.front())) + " <- " + m.nombre);
                EXPECT_TRUE(dependencias.count(m.nombre))
                    << m.nombre << " mueve " << NombreDe(fila.escribe.front()) << " y la tabla no dice que se lea";
            }
        }
    }
    // And no row names a read that moves nothing in any basin.
    for (const TDerivacionZumbrel& fila : DerivacionesZumbrel()) {
        for (const TMiembroZumbrel& leido : fila.lee) {
            const std::string par = std::string(NombreDe(fila.escribe.front())) + " <- " + NombreDe(leido);
            const bool propia =
                std::any_of(DerivacionesZumbrel().begin(), DerivacionesZumbrel().end(), [&](const auto& d) {
                    return d.rutina == fila.rutina && &d != &fila && Contiene(d.escribe, leido);
                });
            if (!propia) {
                EXPECT_TRUE(leidasQueMueven.count(par)) << par << " no mueve nada";
            }
        }
    }
}

// A routine writes what the table says it writes and nothing else: a member changed
// by hand is put back by the routine exactly when the table names it among the
// routine's results. The hydrograph's length goes with its ordinates.
TEST(MiembrosZumbrel, LoQueUnaRutinaEscribeEsLoQueLaTablaDice) {
    const auto rutinas = {TRutinaZumbrel::TiempoConcentracion, TRutinaZumbrel::SerieLluvia, TRutinaZumbrel::Retencion,
                          TRutinaZumbrel::Escorrentia, TRutinaZumbrel::Hidrograma};
    for (const TEstadoZumbrel& base : Cuencas()) {
        for (const TRutinaZumbrel rutina : rutinas) {
            const std::vector<TMiembroZumbrel> escritos = EscritosPor(rutina, base);
            for (const TFilaMiembroZumbrel& m : MiembrosZumbrel()) {
                if (m.miembro == TMiembroZumbrel(&TEstadoZumbrel::CantidadHe)) continue;
                TEstadoZumbrel cambiado = base;
                Perturbar(cambiado, m.miembro);
                if (Vigentes(rutina, cambiado) != Vigentes(rutina, base)) continue;
                try {
                    Calcular(rutina, cambiado);
                } catch (const std::exception&) {
                    continue;
                }
                EXPECT_EQ(Igual(cambiado, base, m.miembro), Contiene(escritos, m.miembro))
                    << m.nombre << " en la rutina " << static_cast<int>(rutina);
            }
        }
    }
}

TEST(MiembrosZumbrel, CadaMiembroTieneUnNombreYUnaFila) {
    std::set<std::string> nombres;
    for (const TFilaMiembroZumbrel& m : MiembrosZumbrel()) {
        EXPECT_TRUE(nombres.insert(m.nombre).second) << m.nombre << " repetido";
        EXPECT_STREQ(NombreDe(m.miembro), m.nombre);
    }
    EXPECT_EQ(nombres.size(), 25u);
}

// What a routine reads leaves out what it computed itself before reading it.
TEST(MiembrosZumbrel, LoLeidoNoIncluyeLoQueLaRutinaCalculaAntes) {
    TEstadoZumbrel e = Cuenca(true, true, 6);
    const std::vector<TMiembroZumbrel> leidos = LeidosPor(TRutinaZumbrel::SerieLluvia, e);
    EXPECT_FALSE(Contiene(leidos, &TEstadoZumbrel::LlParcial));
    EXPECT_TRUE(Contiene(leidos, &TEstadoZumbrel::AllParcial));
    EXPECT_FALSE(Contiene(leidos, &TEstadoZumbrel::AllAcumulada));
    EXPECT_TRUE(Contiene(leidos, &TEstadoZumbrel::Ptsd));
    e.SerieParcial = false;
    EXPECT_TRUE(Contiene(LeidosPor(TRutinaZumbrel::SerieLluvia, e), &TEstadoZumbrel::AllAcumulada));
}

}  // namespace
}  // namespace brovel
