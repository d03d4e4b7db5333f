// Each window's description (tabs, groups, rows, every one by the form's name)
// as plain values for the page, which draws the window from it.
#pragma once

#include <emscripten/val.h>

namespace brovel::web {

emscripten::val DescripcionDeLadera();
emscripten::val DescripcionDeZumbrel();
// The runoff window's one check box, the abstraction's, by the description's name.
emscripten::val CasillasDeZumbrel();

}  // namespace brovel::web
