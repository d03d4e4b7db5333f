// Many slopes in one run: a batch of projects, and a sweep of one project over a
// grid of inputs. Each project is computed in a form of its own, started as the
// program starts and opened as Abrir opens, so it gives what `ladera` gives.
#pragma once

#include <cstddef>

#include "cli/Consola.h"

namespace brovel {

// lote [--zumbrel extrema|evento|ambos] [--csv] ARCHIVO.bvx... | CARPETA
int Lote(const Argumentos& argumentos);

// The largest sweep taken: more points than anyone could read.
inline constexpr size_t kMaximoDePuntos = 10000000;

// barrido ARCHIVO.bvx --variar SECCION.CLAVE=DESDE:HASTA:PASO [--variar ...] [--csv]
// A sweep of more than kMaximoDePuntos points (BarridoHasta: `maximoDePuntos`),
// or one that varies an entry twice, is refused before anything is computed or
// any point is held.
int Barrido(const Argumentos& argumentos);
int BarridoHasta(const Argumentos& argumentos, size_t maximoDePuntos);

}  // namespace brovel
