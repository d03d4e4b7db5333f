// What the runoff window's reference tables mean to its form: which table each
// button opens and where the row picked from it goes.
#include <algorithm>

#include "forms/FormaZumbrel.h"

namespace brovel {

std::string TFormaZumbrel::CodigoDeTabla(TTablaZumbrel tabla) const {
    switch (tabla) {
        case TTablaZumbrel::GruposHidrologicos: return "ES1";
        case TTablaZumbrel::GruposPerturbados: return "ES2";
        case TTablaZumbrel::Abstraccion: return "ES3";
        case TTablaZumbrel::NumeroDeCurva: break;
    }
    return "EC" + std::to_string(std::clamp<int>(Estado.UsoSuelo, 0, 3) + 1);
}

TDestinoDeTabla TFormaZumbrel::TomarDeTabla(TTablaZumbrel tabla, double valor) {
    switch (tabla) {
        case TTablaZumbrel::GruposHidrologicos:
        case TTablaZumbrel::GruposPerturbados:
            SetIndice(TListaZumbrel::cbGh, static_cast<int>(valor));
            return {TListaZumbrel::cbGh, ""};
        case TTablaZumbrel::Abstraccion: euAi.SetBaseValue(valor); return {std::nullopt, "euAi"};
        case TTablaZumbrel::NumeroDeCurva: break;
    }
    euNc.SetBaseValue(valor);
    return {std::nullopt, "euNc"};
}

}  // namespace brovel
