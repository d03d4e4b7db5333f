// The reference tables for the page: which table each "..." button of the slope
// window opens, the field its pick goes into, and the number a picked cell gives.
#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "forms/FormaZumbrel.h"

namespace brovel::web {

emscripten::val TablaDeCodigo(const std::string& codigo);
emscripten::val TablaParaBoton(const std::string& boton);
std::string CampoDeBoton(const std::string& boton);
// The number the cell gives, divided as its table says (a percentage becomes a
// fraction); the row's index for a table that chooses a row; nothing for a cell
// that holds no number to choose.
std::optional<double> ValorDeCodigo(const std::string& codigo, int fila, int columna);
std::optional<double> ValorElegido(const std::string& boton, int fila, int columna);
// The runoff window's button `boton`: its table, as the form says.
TTablaZumbrel TablaDeBotonZ(const std::string& boton);

}  // namespace brovel::web
