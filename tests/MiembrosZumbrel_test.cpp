// The runoff model's table of members and derivations, checked against its
// routines with the basins below.
#include "model/MiembrosZumbrel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "Perturbacion.h"
#include "model/URutinasZ.h"

namespace brovel {
namespace {

using namespace pruebas;

// Of a series, the steps either record holds; of the hydrograph, the ordinates
// either holds: what lies beyond keeps what it last held and is no result.
bool Igual(const TEstadoZumbrel& a, const TEstadoZumbrel& b, const TMiembroZumbrel& miembro) {
    return std::visit(
        [&](auto puntero) {
            const auto& x = a.*puntero;
            const auto& y = b.*puntero;
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, double>) {
                return IgualNumero(x, y);
            } else if constexpr (std::is_same_v<T, TSerieZumbrel>) {
                const int n = std::max(AcotarDatosSerie(a.Sall), AcotarDatosSerie(b.Sall));
                for (int k = 1; k <= n; ++k)
                    if (!IgualNumero(x[static_cast<size_t>(k)], y[static_cast<size_t>(k)])) return false;
                return true;
            } else if constexpr (std::is_same_v<T, std::vector<double>>) {
                const size_t n = static_cast<size_t>(std::max({a.CantidadHe, b.CantidadHe, 0})) + 1;
                for (size_t j = 1; j < n; ++j) {
                    const double p = j < x.size() ? x[j] : 0, q = j < y.size() ? y[j] : 0;
                    if (!IgualNumero(p, q)) return false;
                }
                return true;
            } else {
                return x == y;
            }
        },
        miembro);
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
    ComprobarLoLeido<std::exception>(Cuencas(), DerivacionesZumbrel(), MiembrosZumbrel(), Igual);
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
                if (Vigentes(DerivacionesZumbrel(), rutina, cambiado) != Vigentes(DerivacionesZumbrel(), rutina, base))
                    continue;
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

TEST(MiembrosZumbrel, CadaMiembroTieneUnNombreYUnaFila) { ComprobarNombres(MiembrosZumbrel(), 25); }

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
