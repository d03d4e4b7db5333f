#include "forms/Preguntas.h"

namespace brovel {

std::string PreguntaGuardarCambios(const std::string& nombre) {
    return "¿Desea guardar los cambios de «" + nombre + "»?";
}

}  // namespace brovel
