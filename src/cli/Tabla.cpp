#include "cli/Tabla.h"

#include "cli/Json.h"
#include "tables/TablasReferencia.h"

namespace brovel {

namespace {

const char* NombreDeTipo(TTipoColumna tipo) {
    switch (tipo) {
        case TTipoColumna::Texto: return "texto";
        case TTipoColumna::Entero: return "entero";
        case TTipoColumna::Numero: return "numero";
    }
    return "";
}

// A number as the table writes it (0.00049, not its nearest binary neighbour with
// seventeen digits), a text as a JSON string, an empty cell as null.
std::string CeldaJson(const TCelda& celda) {
    if (std::holds_alternative<std::monostate>(celda)) return "null";
    if (std::holds_alternative<std::string>(celda)) return CadenaJson(TextoDeCelda(celda));
    return TextoDeCelda(celda);
}

}  // namespace

std::string TablaComoJson(const TTablaReferencia& tabla, bool todo) {
    std::string r = "{\n  \"codigo\": " + CadenaJson(tabla.Codigo()) +
                    ",\n  \"titulo\": " + CadenaJson(tabla.Titulo()) + ",\n  \"columnas\": [";
    const auto& columnas = tabla.Columnas();
    const int primera = todo ? 0 : TTablaReferencia::kPrimeraColumnaVisible;
    for (size_t i = static_cast<size_t>(primera); i < columnas.size(); ++i) {
        r += i > static_cast<size_t>(primera) ? ",\n    " : "\n    ";
        r += "{\"titulo\": " + CadenaJson(columnas[i].titulo) + ", \"tipo\": \"" + NombreDeTipo(columnas[i].tipo) +
             "\"}";
    }
    r += "\n  ],\n  \"filas\": [";
    for (int f = 0; f < tabla.CantidadFilas(); ++f) {
        r += f ? ",\n    [" : "\n    [";
        for (int c = primera; c < tabla.CantidadColumnas(); ++c)
            r += (c > primera ? ", " : "") + CeldaJson(tabla.Celda(f, c));
        r += "]";
    }
    return r + "\n  ]\n}\n";
}

std::string CatalogoComoJson() {
    std::string r = "[";
    bool primero = true;
    for (const auto& entrada : CatalogoDeTablas()) {
        r += primero ? "\n  " : ",\n  ";
        primero = false;
        r += "{\"codigo\": " + CadenaJson(entrada.codigo) + ", \"titulo\": " + CadenaJson(entrada.titulo) + "}";
    }
    return r + "\n]\n";
}

}  // namespace brovel
