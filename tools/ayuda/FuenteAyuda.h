// The help's source with its markers filled: the numbers of the worked examples,
// the glossaries of both windows, the list of reference tables, the version, and
// the place of the contents.
#pragma once

#include <string>
#include <string_view>

#include "EjemploAyuda.h"
#include "Marcadores.h"

namespace brovel::ayuda {

// Every marker the help may use: those of `ejemplo` and
//   "glosario.brovel", "glosario.zumbrel"   the rows of each window's glossary
//   "tablas"                                 the rows of the reference tables
//   "version"                                the program's version
//   "indice"                                 where the contents go
TResolverMarcador ResolverDeAyuda(TEjemploAyuda& ejemplo, std::string version);

// Throws TErrorMarcador for a marker nobody knows.
std::string LlenarFuente(std::string_view fuente, TEjemploAyuda& ejemplo, std::string version);

}  // namespace brovel::ayuda
