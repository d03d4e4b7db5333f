#include "Marcadores.h"

#include <algorithm>

namespace brovel::ayuda {
namespace {

int LineaDe(std::string_view fuente, size_t posicion) {
    return 1 + static_cast<int>(std::count(fuente.begin(), fuente.begin() + static_cast<long>(posicion), '\n'));
}

std::string_view SinBlancos(std::string_view texto) {
    const auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!texto.empty() && blanco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && blanco(texto.back())) texto.remove_suffix(1);
    return texto;
}

[[noreturn]] void Fallar(std::string_view fuente, size_t posicion, const std::string& motivo) {
    throw TErrorMarcador("línea " + std::to_string(LineaDe(fuente, posicion)) + ": " + motivo);
}

}  // namespace

std::string LlenarMarcadores(std::string_view fuente, const TResolverMarcador& resolver) {
    std::string resultado;
    resultado.reserve(fuente.size());
    size_t desde = 0;
    while (true) {
        const size_t inicio = fuente.find("{{", desde);
        if (inicio == std::string_view::npos) break;
        const size_t fin = fuente.find("}}", inicio + 2);
        // A marker lies on one line: a "{{" whose "}}" is lines away is a typing slip.
        if (fin == std::string_view::npos || fuente.substr(inicio, fin - inicio).find('\n') != std::string_view::npos)
            Fallar(fuente, inicio, "«{{» sin su «}}»");
        const std::string_view nombre = SinBlancos(fuente.substr(inicio + 2, fin - inicio - 2));
        if (nombre.empty()) Fallar(fuente, inicio, "marcador vacío «{{}}»");
        const std::optional<std::string> valor = resolver(nombre);
        if (!valor) Fallar(fuente, inicio, "marcador desconocido «{{" + std::string(nombre) + "}}»");
        resultado.append(fuente.substr(desde, inicio - desde));
        resultado.append(*valor);
        desde = fin + 2;
    }
    resultado.append(fuente.substr(desde));
    return resultado;
}

}  // namespace brovel::ayuda
