#include "cli/Escorrentia.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "cli/Json.h"
#include "forms/FormaZumbrel.h"
#include "model/MiembrosZumbrel.h"

namespace brovel {

std::string EscorrentiaComoJson(const TFormaZumbrel& forma) {
    const TEstadoZumbrel& e = forma.Estado;
    const int n = AcotarDatosSerie(e.Sall);
    TEscritorJson json;
    json.AbrirObjeto();
    json.Texto("estado", forma.TextoEstado());
    json.AbrirLista("sin_actualizar");
    for (const std::string& miembro : forma.SinActualizar()) json.Texto(miembro);
    json.CerrarLista();
    // The record's members in the order of the table: of a series its first Sall
    // steps, of the hydrograph its first CantidadHe ordinates.
    for (const TFilaMiembroZumbrel& fila : MiembrosZumbrel()) {
        if (!fila.enRegistro) continue;
        std::visit(
            [&](auto puntero) {
                const auto& valor = e.*puntero;
                using T = std::decay_t<decltype(valor)>;
                if constexpr (std::is_same_v<T, double>) {
                    json.Numero(fila.nombre, valor);
                } else if constexpr (std::is_same_v<T, int32_t>) {
                    json.Entero(fila.nombre, valor);
                } else if constexpr (std::is_same_v<T, TSerieZumbrel>) {
                    json.AbrirLista(fila.nombre);
                    for (int k = 1; k <= n; ++k) json.Numero(valor[static_cast<size_t>(k)]);
                    json.CerrarLista();
                } else if constexpr (std::is_same_v<T, std::vector<double>>) {
                    json.AbrirLista(fila.nombre);
                    const int ordenadas = std::min<int>(std::max(e.CantidadHe, 0), static_cast<int>(valor.size()) - 1);
                    for (int j = 1; j <= ordenadas; ++j) json.Numero(valor[static_cast<size_t>(j)]);
                    json.CerrarLista();
                } else {
                    throw std::logic_error(std::string("el registro no muestra este miembro: ") + fila.nombre);
                }
            },
            fila.miembro);
    }
    json.CerrarObjeto();
    return json.Resultado();
}

}  // namespace brovel
