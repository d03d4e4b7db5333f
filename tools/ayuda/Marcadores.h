// The markers of the help's source: "{{nombre}}" stands for a text the program
// supplies when the document is built (a number of the default project, the
// glossary). A marker nobody knows stops the build, so the document never shows a
// hole where a number should be.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brovel::ayuda {

// Where the contents go: the source writes "{{indice}}", which stands for this
// until the pages are known.
inline constexpr char kMarcaIndice[] = "<div id=\"indice\"></div>";

// A marker that cannot be filled; its message names the line and the marker.
class TErrorMarcador : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a marker stands for, or nothing for a name it does not know.
using TResolverMarcador = std::function<std::optional<std::string>(std::string_view nombre)>;

// The source with every "{{nombre}}" replaced by what `resolver` gives for
// "nombre" (blanks around the name ignored). What a marker is replaced with is
// not searched for markers again. Throws TErrorMarcador for an unknown name, an
// empty one, or a "{{" without its "}}".
std::string LlenarMarcadores(std::string_view fuente, const TResolverMarcador& resolver);

}  // namespace brovel::ayuda
