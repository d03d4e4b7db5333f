// The one entry of the report writer module: brovel-calc loads it only to write a
// report, so that its other orders start without Qt's libraries.
#pragma once

#include <cstddef>

// Writes the report's RTF (`rtf`, `tamano` bytes) to `ruta`, as PDF or RTF by its
// extension, replacing it only once written. Returns 0, or 1 with the reason in
// `motivo` (at most `tamanoMotivo` bytes, with its final NUL).
extern "C" int brovel_escribir_reporte(const char* rtf, std::size_t tamano, const char* ruta, const char* titulo,
                                       const char* proyecto, char* motivo, std::size_t tamanoMotivo);

// The module's file name, beside the program in a build, in lib/brovel installed.
inline constexpr const char* kModuloDeReportes = "libbrovel_escritor.so";
