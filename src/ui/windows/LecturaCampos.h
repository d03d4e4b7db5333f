// How the slope window reads its fields into the model.
#pragma once

#include <cmath>
#include <cstdint>

#include "model/EstadoBrovel.h"
#include "ui/fields/Unidades.h"

namespace brovel {

// The field's number in its base unit, as the model keeps it.
inline double LeerCampo(TUnidades* campo) { return static_cast<double>(campo->GetBaseValue()); }

// A count typed into a field: its whole part, brought within the arrays.
inline int32_t CantidadDeCampo(TUnidades* campo) {
    const long double valor = campo->GetBaseValue();
    if (!(valor > 0)) return 0;
    return AcotarCantidad(static_cast<int>(std::trunc(std::fmin(valor, kMaxElementos))));
}

}  // namespace brovel
