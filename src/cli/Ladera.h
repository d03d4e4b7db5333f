// The slope form's state as one JSON object: the status panel, the Suelo tab's
// messages and the model's inputs and results.
#pragma once

#include <string>

#include "cli/Registro.h"

namespace brovel {

class TFormaBrovel;

TRegistro LaderaComoRegistro(const TFormaBrovel& forma);
std::string LaderaComoJson(const TFormaBrovel& forma);

}  // namespace brovel
