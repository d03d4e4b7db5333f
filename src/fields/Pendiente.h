// The slope fields show a grade either in percent or as "1V/xH", the run x of one
// vertical on x horizontal: x = 100 / percent. Their units list marks "1V/xH" with
// factor 2, which these hooks recognise; the list itself is not used to convert.
#pragma once

#include <vector>

namespace brovel {

// Unit-switch hook: Var1 = [factor from, offset from, factor to, offset to];
// Float2 carries the number in and out.
void PendienteCambioDeUnidad(long double& Float1, long double& Float2, const std::vector<long double>& Var1);

// Base-value hook: Var1 = [factor, offset] of the shown unit; Float2 is the shown
// number and Float1 receives the grade in percent.
void PendienteReadBaseValue(long double& Float1, long double& Float2, const std::vector<long double>& Var1);

}  // namespace brovel
