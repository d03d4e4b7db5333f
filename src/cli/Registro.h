// What brovel-calc prints of one computation, as named values in their order, so
// that the same values go out as pretty JSON, as one JSON line, or as a CSV row.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brovel {

using TValorSalida = std::variant<std::string, double, long long, bool, std::vector<std::string>>;

struct TCampoSalida {
    std::string clave;
    TValorSalida valor;
};

using TRegistro = std::vector<TCampoSalida>;

// The record as a JSON object: indented over lines, or on one line.
std::string RegistroComoJson(const TRegistro& registro, bool enUnaLinea);

// The CSV header and row of a record; lists are left out. Numbers are written
// with 17 digits and ".", a number that is not finite as an empty field, texts in
// double quotes.
std::string EncabezadoCsv(const TRegistro& registro);
std::string FilaCsv(const TRegistro& registro);

}  // namespace brovel
