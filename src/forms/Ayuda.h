// The help document: what is said when it cannot be opened, by every view.
#pragma once

#include <string>

namespace brovel {

// The error box when the help document at `ruta` (as the person would look for
// it) cannot be opened.
std::string MensajeSinAyuda(const std::string& ruta);

}  // namespace brovel
