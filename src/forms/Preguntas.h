// What the forms ask a person, in the words every view puts to them.
#pragma once

#include <string>

namespace brovel {

// Asked before a changed project named `nombre` is left, answered Sí, No or
// Cancelar (TInterlocutor::PreguntarGuardarCambios).
std::string PreguntaGuardarCambios(const std::string& nombre);

}  // namespace brovel
