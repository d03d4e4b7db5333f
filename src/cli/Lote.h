// Many slopes in one run: a batch of projects, and a sweep of one project over a
// grid of inputs. Each project is computed in a form of its own, started as the
// program starts and opened as Abrir opens, so it gives what `ladera` gives.
#pragma once

#include "cli/Consola.h"

namespace brovel {

// lote [--zumbrel extrema|evento|ambos] [--csv] ARCHIVO.bvx... | CARPETA
int Lote(const Argumentos& argumentos);

// barrido ARCHIVO.bvx --variar SECCION.CLAVE=DESDE:HASTA:PASO [--variar ...] [--csv]
int Barrido(const Argumentos& argumentos);

}  // namespace brovel
