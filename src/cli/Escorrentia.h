// The runoff form's state as one JSON object: the status panel, and the model's
// inputs and results, series included.
#pragma once

#include <string>

namespace brovel {

class TFormaZumbrel;

std::string EscorrentiaComoJson(const TFormaZumbrel& forma);

}  // namespace brovel
