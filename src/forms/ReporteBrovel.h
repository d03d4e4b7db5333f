// The slope window's report: the piece of text of each identifier [$1] to [$32] of
// its template, read from the form as it is once the chain has run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brovel {

class TFormaBrovel;

// The piece of an identifier, as UTF-8 text with RTF control words ("\par ",
// "\tab "); a number without a piece gives " ". Throws ErrorReporte for an
// identifier not starting with "$" and ErrorDeConversion for a number that does not
// read.
std::string ValorIdentificador(TFormaBrovel& forma, std::string_view identificador);

// The template's path beside the program, relative to its folder.
inline constexpr const char* kModeloReporteBrovel = "Reportes/ModeloRep.rtf";

// The report as the "Reporte" tab builds it, RTF in Windows-1252: the chain is run
// first, then the template at `rutaPlantilla` is filled in. Nothing while a data
// error suspends the recalculation (the report shown stays as it was). Throws
// ErrorReporte for a template that cannot be read or an invalid identifier, and
// ErrorDeConversion for an identifier whose number does not read.
// `sinCalcular`, when given, receives how many values were printed as not calculated.
std::optional<std::string> ConstruirReporte(TFormaBrovel& forma, const std::string& rutaPlantilla,
                                            int* sinCalcular = nullptr);

}  // namespace brovel
