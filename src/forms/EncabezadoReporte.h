// The heading both reports share: the project's name and the date the report is
// made, for the identifiers [$50] and [$51] of either template.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brovel {

class TFormaBrovel;

inline constexpr int kIdentificadorProyecto = 50;
inline constexpr int kIdentificadorFecha = 51;
// A line that says which results could not be calculated with the current data,
// and why; empty when every result is current.
inline constexpr int kIdentificadorAviso = 52;
// What a report prints in place of a number that is not current.
inline constexpr std::string_view kSinCalcular = "sin calcular";

// The project's name as the title bar shows it: the file's name without its
// extension, or "Sin Nombre" for a project never saved.
std::string NombreDelProyecto(const TFormaBrovel& forma);

// Text as it reads in RTF: "\", "{" and "}" escaped, so that a name cannot change
// the report's layout.
std::string TextoLiteralRtf(std::string_view texto);

// The line of identifier 52: the distinct reasons why results are not current,
// once each; empty when there is none.
std::string AvisoSinCalcular(const std::vector<std::string>& motivos);

// A day as dd/mm/aaaa.
std::string FechaComoTexto(const std::tm& dia);

// The day the report is made, dd/mm/aaaa: today in the local time zone, or the UTC
// day of SOURCE_DATE_EPOCH (seconds since 1970) when that variable holds a whole
// number, so that a report can be made again identical.
std::string FechaDelReporte();

}  // namespace brovel
