// A reference table written as data: its code, its own columns and its rows,
// each row beginning with its two flags (FlagMostrar, FlagColor).
#pragma once

#include <vector>

#include "tables/TablasReferencia.h"

namespace brovel {

struct TDefinicionTabla {
    const char* codigo;
    std::vector<TColumna> columnas;
    std::vector<std::vector<TValor>> filas;
};

inline constexpr TTipoColumna kTexto = TTipoColumna::Texto;
inline constexpr TTipoColumna kEntero = TTipoColumna::Entero;
inline constexpr TTipoColumna kNumero = TTipoColumna::Numero;

// Residue, canopy and support-practice tables of the slope's conditioning factors.
const std::vector<TDefinicionTabla>& TablasDeCobertura();
// Root mass, roughness and Manning tables of the slope's soil and surface.
const std::vector<TDefinicionTabla>& TablasDeSueloYSuperficie();
// Soil-group, initial-abstraction and curve-number tables of the runoff basin.
const std::vector<TDefinicionTabla>& TablasDeEscorrentia();

}  // namespace brovel
