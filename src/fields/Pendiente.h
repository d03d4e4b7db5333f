// The slope fields show a grade either in percent or as "1V/xH", the run x of one
// vertical on x horizontal: x = 100 / percent. Their units list marks "1V/xH" with
// factor 2, which these hooks recognise; the list itself is not used to convert.
#pragma once

#include <vector>

namespace brovel {

// Unit-switch hook: `unidades` = [factor from, offset from, factor to, offset to];
// `numero` carries the number in and out, `resultado` receives the grade in percent.
void PendienteCambioDeUnidad(long double& resultado, long double& numero, const std::vector<long double>& unidades);

// Base-value hook: `unidades` = [factor, offset] of the shown unit; `numero` is the
// shown number and `resultado` receives the grade in percent.
void PendienteReadBaseValue(long double& resultado, long double& numero, const std::vector<long double>& unidades);

}  // namespace brovel
