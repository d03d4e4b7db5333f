// The report engine: a template, RTF text in the Windows-1252 code page, is copied
// byte by byte, and each identifier in it is replaced by the piece of text a
// window's resolver gives for it.
//
// "[" followed by "#", "&" or "$" opens an identifier (the "[" is not copied; the
// character after it is the identifier's first). Every "]" closes one: the text
// collected since the opening (empty when nothing was opened) goes to the resolver
// and its piece takes the place of the identifier. Everything else is copied.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brovel {

// A report that cannot be built; its message is the one the error box shows.
class ErrorReporte : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kMensajeIdentificadorInvalido = "Identificador de reporte [$--] no válido";

// The piece of an identifier, as UTF-8 text that may hold RTF control words.
using TResolvedor = std::function<std::string(std::string_view identificador)>;

// The number of an identifier "$n": characters 2 to 11 read as a whole number.
// Anything not starting with "$" throws ErrorReporte with the invalid-identifier
// message; a number that does not read throws ErrorDeConversion.
int NumeroDeIdentificador(std::string_view identificador);

// The whole content of a template file; "Cannot open file <ruta>" when it cannot be
// read (missing, a folder, unreadable, or over the size any template has).
std::string LeerPlantilla(const std::string& ruta);

// Fills in `plantilla` with the resolver's pieces, appending to `reporte`. The
// resolver's errors pass through; what was appended until then stays.
void GenerarReporte(std::string_view plantilla, const TResolvedor& resolver, std::string& reporte);

// Appends UTF-8 text as RTF bytes in the Windows-1252 code page: a character the
// code page has is one byte, any other is written as "\uN?", and a byte that is not
// UTF-8 as "?".
void AgregarEnCp1252(std::string_view utf8, std::string& destino);

}  // namespace brovel
