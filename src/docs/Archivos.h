// Replacing a file whole: projects, the runoff window's data and the reports are
// all saved this one way, so that a save either leaves the complete new file or
// the old one untouched, never a cut file nor a stray temporary.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace brovel {

// A file that could not be saved. Its message is the one the user sees.
class TErrorArchivo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Why something that exists is no file to read or write: a folder, or a special
// file (pipe, socket, device) whose reading could wait for ever or never end.
std::string NoEsUnArchivoComun(mode_t modo);

// The message of a file that could not be saved, and why.
std::string NoSePudoGuardar(const std::string& ruta, const std::string& motivo);

// Replaces the file at `ruta` (bytes, passed to the system as given) with
// `contenido`, or leaves it as it was and throws TErrorArchivo with
// "No se pudo guardar "ruta": motivo".
//
// The destination is a regular file, a link to one (saved through, the link
// stays), or a new name (a dangling link creates the file it names); a folder, a
// pipe, a socket, a device or a loop of links is refused before anything is
// written. A file nobody may write is never replaced, even by root. A new file
// gets the usual permissions, an existing one keeps its own and its owner.
//
// The new text is written into an unnamed file in the destination's folder,
// checked write by write, flushed to the disk and only then given the
// destination's name, and the folder is flushed too: a full disk or a killed
// process leaves the old file whole and nothing beside it. Where the file system
// has no unnamed files, a short temporary name beside the destination stands in,
// so that any name the system allows can be saved.
void ReemplazarArchivo(const std::string& ruta, std::string_view contenido);

}  // namespace brovel
