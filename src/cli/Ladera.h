// The slope form's state as one JSON object: the status panel, the Suelo tab's
// messages and the model's inputs and results.
#pragma once

#include <string>

#include "cli/Registro.h"

namespace brovel {

class TFormaBrovel;

TRegistro LaderaComoRegistro(const TFormaBrovel& forma);
std::string LaderaComoJson(const TFormaBrovel& forma);

// Every quantity field of the window, in the order of its table, with the text it
// shows (in the unit it shows), keyed by the field's name.
TRegistro CamposComoRegistro(const TFormaBrovel& forma);

}  // namespace brovel
