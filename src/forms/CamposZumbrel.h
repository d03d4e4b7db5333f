// The quantity fields of the runoff window as data: one row each, with its
// caption, units, decimals, range and the value the window starts from.
#pragma once

#include <string_view>
#include <vector>

#include "forms/CamposBrovel.h"

namespace brovel {

// Every quantity field of the runoff window.
const std::vector<TDefinicionCampo>& CamposZumbrel();

// The row of the field `nombre`; throws std::out_of_range for an unknown name.
const TDefinicionCampo& CampoZumbrel(std::string_view nombre);

}  // namespace brovel
