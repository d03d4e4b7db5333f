// The reports of brovel-calc: the windows' "Reporte" tabs written to a file, as PDF
// or RTF by the file's extension.
#pragma once

#include <string>

#include "cli/Consola.h"

namespace brovel {

class TFormaBrovel;
class TFormaZumbrel;

// Takes "-o SALIDA" out of the arguments; the others are left in `resto`. Returns
// the exit status of a wrong argument, or 0.
int SepararSalidaDeReporte(const Argumentos& argumentos, std::string& salida, Argumentos& resto);

// Builds the report of the form with the template beside the program and writes
// it to `salida`, replacing it only once written. Returns the exit status.
int EscribirReporte(TFormaBrovel& forma, const std::string& salida);
int EscribirReporte(TFormaZumbrel& forma, const std::string& salida);

}  // namespace brovel
