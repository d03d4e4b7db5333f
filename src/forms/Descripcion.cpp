#include "forms/Descripcion.h"

#include <set>

namespace brovel {
namespace {

template <class TPestana>
std::set<std::string_view, std::less<>> Controles(const std::vector<TPestanaDescrita<TPestana>>& descripcion) {
    std::set<std::string_view, std::less<>> controles;
    for (const auto& pestana : descripcion) {
        RecorrerFilas(pestana.filas, [&](const TFilaDescrita& fila) {
            switch (fila.tipo) {
                case TTipoFila::Campo:
                case TTipoFila::Lista:
                case TTipoFila::ListaDeNumeros:
                case TTipoFila::Casilla:
                case TTipoFila::Boton:
                case TTipoFila::BotonDeTabla:
                case TTipoFila::Grupo:
                case TTipoFila::Panel:
                    if (!fila.nombre.empty()) controles.insert(fila.nombre);
                    break;
                default: break;
            }
        });
    }
    return controles;
}

}  // namespace

bool EsControlDeBrovel(std::string_view nombre) {
    static const auto controles = Controles(DescripcionBrovel());
    return controles.contains(nombre);
}

bool EsControlDeZumbrel(std::string_view nombre) {
    static const auto controles = Controles(DescripcionZumbrel());
    return controles.contains(nombre);
}

}  // namespace brovel
