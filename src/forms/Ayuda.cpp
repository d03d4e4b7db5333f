#include "forms/Ayuda.h"

namespace brovel {

std::string MensajeSinAyuda(const std::string& ruta) {
    return "Error al querer abrir el archivo de ayuda. Dicho problema puede deberse a lo siguiente: o bien el "
           "archivo no existe, o no está instalado el programa Acrobat Reader.\n\nEl archivo de ayuda es:\n" +
           ruta;
}

}  // namespace brovel
