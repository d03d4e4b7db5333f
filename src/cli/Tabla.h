// The reference tables as JSON, for scripts and for checking the data.
#pragma once

#include <string>

namespace brovel {

class TTablaReferencia;

// {"codigo", "titulo", "columnas": [{"titulo", "tipo"}...], "filas": [[...]...]},
// an empty cell as null: the columns a person reads, or with `todo` also the two
// flag columns first, which say how each row is drawn.
std::string TablaComoJson(const TTablaReferencia& tabla, bool todo = false);

// [{"codigo", "titulo"}...] for every table.
std::string CatalogoComoJson();

}  // namespace brovel
