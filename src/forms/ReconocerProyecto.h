// Whether a file read for a project is one. Opening or saving over a picture, a
// spreadsheet or any other file that happens to be at hand would show defaults as
// if they were its results, and then write a project into it.
#pragma once

#include <string>
#include <string_view>

#include "docs/ArchivoIni.h"

namespace brovel {

inline constexpr const char* kMensajeNoEsProyecto = "El archivo no es un proyecto de Brovel";

// True for a document that may be opened as a project: one with nothing in it but
// blanks (a new project), or text holding a header of one of a project's sections.
// Bytes that no text file holds (NUL and the other control characters but tab,
// line and page ends and the old end-of-file mark) make it binary data, and no
// project, whatever headers it holds.
bool EsProyecto(const TArchivoIni& ini);

// The same, for the text of a document.
bool EsTextoBinario(std::string_view texto);

// Reads a file to open as a project, as TArchivoIni::Leer does; a file that is
// read but holds no project is refused, with kMensajeNoEsProyecto in `razon`.
TCarga LeerProyecto(TArchivoIni& ini, const std::string& ruta, std::string& razon);

}  // namespace brovel
