#include "cli/Registro.h"

#include "cli/Json.h"

namespace brovel {
namespace {

std::string TextoCsv(std::string_view texto) {
    std::string r = "\"";
    for (const char c : texto) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

template <typename F>
std::string Unir(const TRegistro& registro, F&& texto) {
    std::string linea;
    bool primero = true;
    for (const TCampoSalida& campo : registro) {
        if (std::holds_alternative<std::vector<std::string>>(campo.valor)) continue;
        if (!primero) linea += ',';
        primero = false;
        linea += texto(campo);
    }
    return linea + '\n';
}

}  // namespace

std::string RegistroComoJson(const TRegistro& registro, bool enUnaLinea) {
    if (enUnaLinea) {
        std::string r = "{";
        for (size_t i = 0; i < registro.size(); ++i) {
            const TCampoSalida& c = registro[i];
            r += (i ? ", " : "") + CadenaJson(c.clave) + ": ";
            if (const auto* t = std::get_if<std::string>(&c.valor)) {
                r += CadenaJson(*t);
            } else if (const auto* n = std::get_if<double>(&c.valor)) {
                r += NumeroJson(*n);
            } else if (const auto* e = std::get_if<long long>(&c.valor)) {
                r += std::to_string(*e);
            } else if (const auto* b = std::get_if<bool>(&c.valor)) {
                r += *b ? "true" : "false";
            } else {
                const auto& lista = std::get<std::vector<std::string>>(c.valor);
                r += '[';
                for (size_t k = 0; k < lista.size(); ++k) r += (k ? ", " : "") + CadenaJson(lista[k]);
                r += ']';
            }
        }
        return r + "}\n";
    }
    TEscritorJson json;
    json.AbrirObjeto();
    for (const TCampoSalida& c : registro) {
        if (const auto* t = std::get_if<std::string>(&c.valor)) {
            json.Texto(c.clave, *t);
        } else if (const auto* n = std::get_if<double>(&c.valor)) {
            json.Numero(c.clave, *n);
        } else if (const auto* e = std::get_if<long long>(&c.valor)) {
            json.Entero(c.clave, *e);
        } else if (const auto* b = std::get_if<bool>(&c.valor)) {
            json.Booleano(c.clave, *b);
        } else {
            json.AbrirLista(c.clave);
            for (const std::string& linea : std::get<std::vector<std::string>>(c.valor)) json.Texto(linea);
            json.CerrarLista();
        }
    }
    json.CerrarObjeto();
    return json.Resultado();
}

std::string EncabezadoCsv(const TRegistro& registro) {
    return Unir(registro, [](const TCampoSalida& c) { return TextoCsv(c.clave); });
}

std::string FilaCsv(const TRegistro& registro) {
    return Unir(registro, [](const TCampoSalida& c) -> std::string {
        if (const auto* t = std::get_if<std::string>(&c.valor)) return TextoCsv(*t);
        if (const auto* n = std::get_if<double>(&c.valor)) {
            const std::string numero = NumeroJson(*n);
            return numero == "null" ? "" : numero;
        }
        if (const auto* e = std::get_if<long long>(&c.valor)) return std::to_string(*e);
        return std::get<bool>(c.valor) ? "true" : "false";
    });
}

}  // namespace brovel
