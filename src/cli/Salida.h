// What brovel-calc says: its output, whose every write is checked, and its
// one-line messages, in which the user's own text is shown safely.
#pragma once

#include <string>
#include <string_view>

#include "docs/Codificacion.h"

namespace brovel {

// "brovel-calc: " and the message on the error output, one line, escaped as
// TextoMostrable escapes.
void Avisar(std::string_view mensaje);

// Writes `texto` to the standard output and flushes it; 0, or 1 after saying why
// it could not.
int Imprimir(std::string_view texto);

// Closes the standard output, so that a failure of its last write shows; 0, or 1
// after saying why.
int CerrarSalida();

}  // namespace brovel
