#include "cli/Json.h"

#include <cmath>
#include <cstdio>

#include "fields/ConversionReal.h"

namespace brovel {

std::string CadenaJson(std::string_view texto) {
    std::string r;
    r.reserve(texto.size() + 2);
    r += '"';
    // Runs of characters that need no escape go in at once.
    size_t inicio = 0;
    for (size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) continue;
        r.append(texto, inicio, i - inicio);
        inicio = i + 1;
        switch (c) {
            case '"': r += "\\\""; break;
            case '\\': r += "\\\\"; break;
            case '\n': r += "\\n"; break;
            case '\r': r += "\\r"; break;
            case '\t': r += "\\t"; break;
            default: {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                r += escape;
            }
        }
    }
    r.append(texto, inicio);
    r += '"';
    return r;
}

std::string NumeroJson(double valor) {
    if (!std::isfinite(valor)) return "null";
    // As printf's "%.17g" writes it in the C locale: enough digits to read the same double back.
    return RealGeneral(valor, 17);
}

void TEscritorJson::Separar() {
    if (!primero_) texto_ += ',';
    primero_ = false;
    texto_ += '\n';
    texto_.append(static_cast<size_t>(nivel_) * 2, ' ');
}

void TEscritorJson::Clave(std::string_view clave) {
    Separar();
    texto_ += CadenaJson(clave);
    texto_ += ": ";
}

void TEscritorJson::AbrirObjeto() {
    if (nivel_ > 0) Separar();
    texto_ += '{';
    ++nivel_;
    primero_ = true;
}

void TEscritorJson::CerrarObjeto() {
    --nivel_;
    texto_ += '\n';
    texto_.append(static_cast<size_t>(nivel_) * 2, ' ');
    texto_ += '}';
    primero_ = false;
    if (nivel_ == 0) texto_ += '\n';
}

void TEscritorJson::AbrirLista(std::string_view clave) {
    Clave(clave);
    texto_ += '[';
    ++nivel_;
    primero_ = true;
}

void TEscritorJson::CerrarLista() {
    --nivel_;
    if (!primero_) {
        texto_ += '\n';
        texto_.append(static_cast<size_t>(nivel_) * 2, ' ');
    }
    texto_ += ']';
    primero_ = false;
}

void TEscritorJson::Numero(std::string_view clave, double valor) {
    Clave(clave);
    texto_ += NumeroJson(valor);
}

void TEscritorJson::Entero(std::string_view clave, long long valor) {
    Clave(clave);
    texto_ += std::to_string(valor);
}

void TEscritorJson::Booleano(std::string_view clave, bool valor) {
    Clave(clave);
    texto_ += valor ? "true" : "false";
}

void TEscritorJson::Texto(std::string_view clave, std::string_view valor) {
    Clave(clave);
    texto_ += CadenaJson(valor);
}

void TEscritorJson::Nulo(std::string_view clave) {
    Clave(clave);
    texto_ += "null";
}

void TEscritorJson::Texto(std::string_view valor) {
    Separar();
    texto_ += CadenaJson(valor);
}

void TEscritorJson::Numero(double valor) {
    Separar();
    texto_ += NumeroJson(valor);
}

}  // namespace brovel
