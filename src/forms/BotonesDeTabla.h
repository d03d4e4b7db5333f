// The "..." buttons of both windows: the reference table each opens, and where
// the number picked from it goes.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "forms/FormaZumbrel.h"

namespace brovel {

// A button of the slope window: its table, and the field the number picked is
// written into, as if the user had typed it.
struct TBotonDeTabla {
    std::string_view nombre;
    std::string_view tabla;
    std::string_view campo;
};

const std::vector<TBotonDeTabla>& BotonesDeTablaBrovel();
// The slope window's button `nombre`; none for an unknown name.
const TBotonDeTabla* BotonDeTablaBrovel(std::string_view nombre);

// The table a button of the runoff window opens; the form says which table that
// is and where the row picked goes (TFormaZumbrel::CodigoDeTabla, TomarDeTabla).
std::optional<TTablaZumbrel> TablaDeBotonZumbrel(std::string_view nombre);

}  // namespace brovel
