#include "fields/Pendiente.h"

namespace brovel {

void PendienteCambioDeUnidad(long double& Float1, long double& Float2, const std::vector<long double>& Var1) {
    if (Var1.size() < 3 || Var1[0] == Var1[2]) return;
    // A flat slope has no finite run: a shown 0 stays 0 in either unit.
    if (Var1[0] == 1) {
        Float1 = Float2;
        Float2 = Float1 != 0 ? 100 / Float1 : 0;
    } else {
        Float1 = Float2 != 0 ? 100 / Float2 : 0;
        Float2 = Float1;
    }
}

void PendienteReadBaseValue(long double& Float1, long double& Float2, const std::vector<long double>& Var1) {
    if (!Var1.empty() && Var1[0] == 1)
        Float1 = Float2;
    else
        Float1 = Float2 != 0 ? 100 / Float2 : 1.0L;
}

}  // namespace brovel
