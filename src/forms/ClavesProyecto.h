// The entries of a slope project file as one table: each entry's section and key,
// what of the form it holds (a field, a list, an option group, a check box or a
// model member) and the value it reads as when the file lacks it. The walk that
// reads and writes a project, and the sweep's check of the entries it varies,
// read this table.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "forms/FormaBrovel.h"
#include "model/MiembrosBrovel.h"

namespace brovel {

// What an entry holds. A field is named by its place in the form.
using TDestinoClave = std::variant<TCantidad TFormaBrovel::*, TListaBrovel, TGrupoOpciones, TCasilla, TMiembroBrovel>;

struct TClaveProyecto {
    const char* seccion;
    // The key; "#" stands for a position from 1, written without leading zeroes.
    const char* clave;
    TDestinoClave destino;
    // The value an absent entry reads as; not a number where the absent entry
    // leaves what the form holds.
    double ausente;
    // The sweep can vary it: every entry but the values taken from the runoff window.
    bool variable;
};

// Every entry, in the order of the file.
std::span<const TClaveProyecto> ClavesProyecto();

// The entry of `destino` in `seccion`; a pair the table lacks is a fault of the
// program and throws.
const TClaveProyecto& ClaveDe(std::string_view seccion, const TDestinoClave& destino);

}  // namespace brovel
