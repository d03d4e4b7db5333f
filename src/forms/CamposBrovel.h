// The quantity fields of the slope window as data: one row each, with its caption,
// units, decimals, range, the value a new project starts from and its help.
#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "fields/Cantidad.h"

namespace brovel {

// The fixed-notation range of every field of the windows, limits excluded.
inline constexpr long double kSciMinVentana = 0.0001L;
inline constexpr long double kSciMaxVentana = 10000;

// A field whose value comes from elsewhere (a curve point, a hyetograph step).
inline constexpr long double kSinValor = std::numeric_limits<long double>::quiet_NaN();

enum class TClaseCampo {
    Entrada,          // an input whose range is tested on leaving it
    EntradaLibre,     // an input without a range test
    EntradaSinAviso,  // an input that reports its range with the field's own message
    Resultado,        // read-only, written by the chain
};

struct TDefinicionCampo {
    std::string_view nombre;
    std::string_view titulo;
    std::string_view unidades;  // the units list, items separated by ";"
    int decimales;
    long double minimo;
    long double maximo;
    long double porDefecto;
    TClaseCampo clase;
    // One sentence for the user: what the field is, its base unit and, for an
    // input with a range, that range. The window shows it as the field's tooltip.
    std::string_view ayuda;
};

// Every quantity field of the slope window.
const std::vector<TDefinicionCampo>& CamposBrovel();

// The row of the field `nombre`; throws std::out_of_range for an unknown name.
const TDefinicionCampo& CampoBrovel(std::string_view nombre);

// The units list of a row, one item per entry.
std::vector<std::string> UnidadesDe(const TDefinicionCampo& campo);

// Gives a quantity its row: units, decimals, notation, range and, with
// `conValorInicial`, its default as the number it starts with (written while it is
// still loading, so nothing is notified). The quantity then counts as loaded.
void PrepararCampo(TCantidad& campo, const TDefinicionCampo& d, bool conValorInicial);

// The field's range message when `valor`, in its base unit, is outside the range
// the field tests (on the number it would show); empty when it is inside.
std::string FueraDeRangoDe(const TDefinicionCampo& d, long double valor);

}  // namespace brovel
