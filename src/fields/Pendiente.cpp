#include "fields/Pendiente.h"

namespace brovel {

void PendienteCambioDeUnidad(long double& resultado, long double& numero, const std::vector<long double>& unidades) {
    if (unidades.size() < 3 || unidades[0] == unidades[2]) return;
    // A flat slope has no finite run: a shown 0 stays 0 in either unit.
    if (unidades[0] == 1) {
        resultado = numero;
        numero = resultado != 0 ? 100 / resultado : 0;
    } else {
        resultado = numero != 0 ? 100 / numero : 0;
        numero = resultado;
    }
}

void PendienteReadBaseValue(long double& resultado, long double& numero, const std::vector<long double>& unidades) {
    if (!unidades.empty() && unidades[0] == 1)
        resultado = numero;
    else
        resultado = numero != 0 ? 100 / numero : 1.0L;
}

}  // namespace brovel
