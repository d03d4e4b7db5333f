#include "forms/Lista.h"

#include <algorithm>

#include "fields/Numeros.h"

namespace brovel {

int TLista::Posicion() const {
    if (indice < 0 || indice >= static_cast<int>(items.size())) return 0;
    return indice + 1;
}

std::string TLista::Texto() const {
    if (indice < 0 || indice >= static_cast<int>(items.size())) return {};
    return items[static_cast<size_t>(indice)];
}

void TLista::LlenarConNumeros(int n, int maximo) {
    items.clear();
    for (int i = 1; i <= std::clamp(n, 0, maximo); ++i) items.push_back(std::to_string(i));
    indice = items.empty() ? -1 : 0;
}

int EnteroDeLista(const TLista& lista) { return LeerEntero(lista.Texto()); }

}  // namespace brovel
