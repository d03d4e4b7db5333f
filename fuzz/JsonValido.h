// Whether a text is one JSON value and nothing else, for the fuzz targets that
// check what brovel-calc would print. Only the syntax is checked.
#pragma once

#include <string_view>

namespace brovel {

bool EsJsonValido(std::string_view texto);

}  // namespace brovel
