// The runoff window's report: the piece of text of each identifier [$1] to [$13]
// of its template, read from the form as it is once the chain has run.
#pragma once

#include <string>
#include <string_view>

namespace brovel {

class TFormaZumbrel;

// The piece of an identifier, as UTF-8 text with RTF control words; a number
// without a piece gives " ". Throws as the slope window's resolver does.
std::string ValorIdentificador(TFormaZumbrel& forma, std::string_view identificador);

inline constexpr const char* kModeloReporteZumbrel = "Reportes/ModeloRepZumbrel.rtf";

// The report as the "Reporte" tab builds it: the whole chain is run (its faults are
// dropped as the tab drops them), then the template is filled in. Throws as the
// slope window's does.
std::string ConstruirReporte(TFormaZumbrel& forma, const std::string& rutaPlantilla);

}  // namespace brovel
