#include "cli/Ladera.h"

#include <stdexcept>
#include <string>
#include <type_traits>

#include "cli/Registro.h"
#include "forms/CamposBrovel.h"
#include "forms/FormaBrovel.h"
#include "model/MiembrosBrovel.h"

namespace brovel {

TRegistro LaderaComoRegistro(const TFormaBrovel& forma) {
    TRegistro r;
    r.reserve(MiembrosBrovel().size() + 4);
    r.push_back({"estado", forma.TextoEstado()});
    r.push_back({"mensajes", forma.MensajesSuelo()});
    r.push_back({"sin_actualizar", forma.SinActualizar()});
    // The record's members, in the order of the table; options and counts as whole numbers.
    for (const TFilaMiembroBrovel& fila : MiembrosBrovel()) {
        if (!fila.enRegistro) continue;
        std::visit(
            [&](auto puntero) {
                const auto& valor = forma.Estado.*puntero;
                using T = std::decay_t<decltype(valor)>;
                if constexpr (std::is_same_v<T, double> || std::is_same_v<T, bool>)
                    r.push_back({fila.nombre, valor});
                else if constexpr (std::is_integral_v<T>)
                    r.push_back({fila.nombre, static_cast<long long>(valor)});
                else
                    throw std::logic_error(std::string("el registro no muestra series: ") + fila.nombre);
            },
            fila.miembro);
    }
    return r;
}

std::string LaderaComoJson(const TFormaBrovel& forma) { return RegistroComoJson(LaderaComoRegistro(forma), false); }

TRegistro CamposComoRegistro(const TFormaBrovel& forma) {
    TRegistro r;
    for (const TDefinicionCampo& d : CamposBrovel()) r.push_back({std::string(d.nombre), forma.Campo(d.nombre).Text()});
    return r;
}

}  // namespace brovel
