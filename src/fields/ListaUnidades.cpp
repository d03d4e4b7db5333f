#include "fields/ListaUnidades.h"

#include "fields/Numeros.h"

namespace brovel {

TUnidad LeerUnidad(std::string_view item) {
    TUnidad u;
    const auto primera = item.find('|');
    if (primera == std::string_view::npos) {
        u.nombre = std::string(item);
        return u;
    }
    const auto ultima = item.rfind('|');
    u.nombre = std::string(item.substr(0, primera));
    const auto factor = ultima > primera ? item.substr(primera + 1, ultima - primera - 1) : std::string_view();
    if (!IntentarLeerDecimal(factor, u.factor)) u.factor = 0;
    if (!IntentarLeerDecimal(item.substr(ultima + 1), u.desplazamiento)) u.desplazamiento = 1;
    return u;
}

std::vector<TUnidad> LeerUnidades(const std::vector<std::string>& items) {
    std::vector<TUnidad> unidades;
    unidades.reserve(items.size());
    for (const auto& item : items) unidades.push_back(LeerUnidad(item));
    return unidades;
}

}  // namespace brovel
