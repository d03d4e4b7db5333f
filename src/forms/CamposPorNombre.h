// The fields an object keeps in members of their own names, looked up by name:
// the forms keep their quantities so, and the windows the widgets that show them.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace brovel {

template <class TCampo>
class TCamposPorNombre {
public:
    void Nombrar(std::initializer_list<std::pair<const std::string_view, TCampo*>> campos) {
        campos_.insert(campos.begin(), campos.end());
    }

    // The field `nombre`; throws std::out_of_range for an unknown one. Looked up by
    // hash: the chains ask for fields by name all the time.
    TCampo& En(std::string_view nombre) const {
        const auto campo = campos_.find(nombre);
        if (campo == campos_.end()) throw std::out_of_range("campo desconocido: " + std::string(nombre));
        return *campo->second;
    }

private:
    std::unordered_map<std::string_view, TCampo*> campos_;
};

// One entry for Nombrar, from a list of member names such as BROVEL_CAMPOS_LADERA.
#define BROVEL_CAMPO_POR_NOMBRE(campo) {#campo, &campo},

}  // namespace brovel
