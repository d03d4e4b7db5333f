// The reference tables as JSON, for scripts and for checking the data.
#pragma once

#include <string>

namespace brovel {

class TTablaReferencia;

// {"codigo", "titulo", "columnas": [{"titulo", "tipo"}...], "filas": [[...]...]},
// the two flag columns first, an empty cell as null.
std::string TablaComoJson(const TTablaReferencia& tabla);

// [{"codigo", "titulo"}...] for every table.
std::string CatalogoComoJson();

}  // namespace brovel
