// What the binding hands the page, as plain JavaScript values: texts, lists,
// objects; and bytes as Uint8Array in both directions.
#pragma once

#include <emscripten/val.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fields/Cantidad.h"
#include "forms/CamposBrovel.h"
#include "forms/Lista.h"
#include "forms/SeriesGraficos.h"
#include "tables/TablasReferencia.h"

namespace brovel::web {

using emscripten::val;

val Texto(std::string_view texto);
val Textos(const std::vector<std::string>& textos);
val Numeros(const std::vector<double>& numeros);

// Bytes from a Uint8Array, and into a new one.
std::string BytesDe(const val& arreglo);
val ArregloDe(std::string_view bytes);

// A field's row of its table: what does not change while the page is open.
val DefinicionDe(const TDefinicionCampo& d, const TCantidad& campo);
// What a field shows now: its text, its unit, why it is out of date.
val EstadoDeCampo(const TCantidad& campo, const std::string& motivo);
val EstadoDeLista(const TLista& lista);
// The visibility of every control a rule has spoken of.
val VisibilidadDe(const std::map<std::string, bool, std::less<>>& visibles);

val EjeDe(const TEje& eje);
val PuntosDe(const std::vector<TPuntoGrafico>& puntos);
val DatosTiempoDe(const TDatosTiempo& datos);

// A reference table as the picker shows it: columns, the text of every cell,
// how each row is drawn, and which cells hold a number that can be chosen.
val TablaDe(const TTablaReferencia& tabla, const TEntradaCatalogo& entrada);

}  // namespace brovel::web
