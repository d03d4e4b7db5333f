// The slope window's state as one JSON object: the status panel, the Suelo tab's
// messages and the model's inputs and results.
#pragma once

#include <string>

namespace brovel {

class TMainFormBrovel;

std::string LaderaComoJson(const TMainFormBrovel& ventana);

}  // namespace brovel
