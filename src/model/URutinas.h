// The numeric routines of the slope model. Each reads its inputs from the state
// record and writes its results back into it, member by member in the order of the
// computation, so that a fault part-way leaves the earlier results new and the
// later ones as they were. Counts beyond the arrays are brought within them.
#pragma once

#include "model/Aritmetica.h"
#include "model/EstadoBrovel.h"

namespace brovel {

// Soil erodibility and topographic factor.
Real DiametroMedioCurva(const TEstadoBrovel& e);
void CalcularFes(TEstadoBrovel& e);
void CalcularFt(TEstadoBrovel& e);

// Rainfall erosivity and runoff production. h is a hyetograph of Cll1, n its steps.
Real EnergiaHietograma(const TEstadoBrovel& e, int h, int n);
Real IntensidadMaxima30(const TEstadoBrovel& e, int h, int n);
void CalcularErosividad(TEstadoBrovel& e);
void CalcularFp(TEstadoBrovel& e);

// Prior land use and canopy.
void CalcularFcss(TEstadoBrovel& e);
void CalcularSups(TEstadoBrovel& e);
void CalcularScf(TEstadoBrovel& e);

// Support practices.
Real FactorTerraza(Real espaciamiento);
void CalcularPracticas(TEstadoBrovel& e);
void CalcularLct(TEstadoBrovel& e);

// Surface, cover-management and the erosion results.
void CalcularScs(TEstadoBrovel& e);
void CalcularSrs(TEstadoBrovel& e);
void CalcularFcm(TEstadoBrovel& e);
void CalcularErosion(TEstadoBrovel& e);

// The whole slope in the order of the tabs, each tab's routines in one guarded
// block, as the window runs them once its inputs are in the record.
void CalcularLadera(TEstadoBrovel& e);

}  // namespace brovel
