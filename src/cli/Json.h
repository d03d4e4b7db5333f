// A small JSON writer for the command-line tool: one object or array at a time,
// numbers with 17 significant digits so that they read back exactly.
#pragma once

#include <string>
#include <string_view>

namespace brovel {

class TEscritorJson {
public:
    void AbrirObjeto();
    void CerrarObjeto();
    void AbrirLista(std::string_view clave);
    void CerrarLista();

    void Numero(std::string_view clave, double valor);
    void Entero(std::string_view clave, long long valor);
    void Booleano(std::string_view clave, bool valor);
    void Texto(std::string_view clave, std::string_view valor);
    void Nulo(std::string_view clave);
    // An element of the open list.
    void Texto(std::string_view valor);
    void Numero(double valor);

    const std::string& Resultado() const { return texto_; }

private:
    void Separar();
    void Clave(std::string_view clave);

    std::string texto_;
    bool primero_ = true;
    int nivel_ = 0;
};

// A JSON string literal of UTF-8 text.
std::string CadenaJson(std::string_view texto);

// A double with 17 significant digits; null when it is not finite.
std::string NumeroJson(double valor);

}  // namespace brovel
