// The numeric routines of the runoff model. Each reads its inputs from the state
// record and writes its results back into it in the order of the computation, so
// that an arithmetic fault part-way (ErrorAritmetico) leaves the earlier results new
// and the later ones as they were. Step counts beyond the series are brought within
// them.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "model/Aritmetica.h"
#include "model/EstadoZumbrel.h"

namespace brovel {

// The most ordinates a hydrograph may have; more is no real storm.
inline constexpr int32_t kMaxOrdenadasHidrograma = 100000;

// A hydrograph that would need more than kMaxOrdenadasHidrograma ordinates. It is
// not an arithmetic fault, so a guarded block lets it through to the user.
class ErrorHidrogramaExcesivo : public std::runtime_error {
public:
    explicit ErrorHidrogramaExcesivo(int64_t ordenadas);
    int64_t Ordenadas() const { return ordenadas_; }

private:
    int64_t ordenadas_;
};

// The nearest whole number, a half going to the even neighbour (2.5 gives 2, 3.5
// gives 4); a result beyond the 32-bit integers faults.
int32_t RedondearAlPar(Real x);

// The start-up values of the inputs; the results and the steps after the sixth are
// left as they are.
void ValoresIniciales(TEstadoZumbrel& e);

// Geometría: the time of concentration Tcc.
void CalcularTiempoConcentracion(TEstadoZumbrel& e);
// Forzantes: both forms of the series and the hyetograph.
void CalcularSerieLluvia(TEstadoZumbrel& e);
// Condicionantes: the retention (and the abstraction when it is not assigned), then
// the curve-number runoff of every step.
void CalcularRetencion(TEstadoZumbrel& e);
void CalcularEscorrentia(TEstadoZumbrel& e);
// Escorrentía: the hydrograph, the volume and the peak. Throws
// ErrorHidrogramaExcesivo, with the record untouched, when the hydrograph would
// exceed kMaxOrdenadasHidrograma ordinates.
void CalcularHidrograma(TEstadoZumbrel& e);
// The same hydrograph added step by step, each step's triangle onto the ordinates
// it reaches: the plain statement of the sum, which CalcularHidrograma matches to
// the bit (faults included) by adding the same terms ordinate by ordinate.
void CalcularHidrogramaPorPasos(TEstadoZumbrel& e);

// The whole basin in the order of the tabs, each tab's routines in one guarded
// block, as the window's chain runs them once its inputs are in the record.
void CalcularZumbrel(TEstadoZumbrel& e);

}  // namespace brovel
