// The fields a class keeps in members of their own names, looked up by name: the
// forms keep their quantities so, and the windows the widgets that show them.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace brovel {

template <class TDueno, class TCampo>
class TCamposPorNombre {
public:
    using TMiembro = TCampo TDueno::*;

    TCamposPorNombre(std::initializer_list<std::pair<const std::string_view, TMiembro>> campos) : campos_(campos) {}

    // The field `nombre` of `dueno`; throws std::out_of_range for an unknown one.
    TCampo& En(TDueno& dueno, std::string_view nombre) const { return dueno.*Miembro(nombre); }
    const TCampo& En(const TDueno& dueno, std::string_view nombre) const { return dueno.*Miembro(nombre); }

private:
    // Looked up by hash: the chains ask for fields by name all the time.
    TMiembro Miembro(std::string_view nombre) const {
        const auto campo = campos_.find(nombre);
        if (campo == campos_.end()) throw std::out_of_range("campo desconocido: " + std::string(nombre));
        return campo->second;
    }

    std::unordered_map<std::string_view, TMiembro> campos_;
};

// One entry of such a table, for a list of field names such as BROVEL_CAMPOS_LADERA.
#define BROVEL_CAMPO_POR_NOMBRE(dueno, campo) {#campo, &dueno::campo},

}  // namespace brovel
