#include "cli/Escorrentia.h"

#include <algorithm>

#include "cli/Json.h"
#include "forms/FormaZumbrel.h"

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
    json.Numero("Tcc", e.Tcc);
    json.Numero("Rpm", e.Rpm);
    json.Numero("Ai", e.Ai);
    json.Entero("Sall", e.Sall);
    json.Entero("Nc", e.Nc);
    const std::pair<const char*, const TSerieZumbrel*> series[] = {
        {"LlParcial", &e.LlParcial}, {"LlAcumulada", &e.LlAcumulada}, {"LlHietograma", &e.LlHietograma},
        {"Svaeua", &e.Svaeua},       {"SvaeuaParcial", &e.SvaeuaParcial},
    };
    for (const auto& [clave, serie] : series) {
        json.AbrirLista(clave);
        for (int k = 1; k <= n; ++k) json.Numero((*serie)[static_cast<size_t>(k)]);
        json.CerrarLista();
    }
    json.Entero("CantidadHe", e.CantidadHe);
    json.AbrirLista("He");
    const int ordenadas = std::min<int>(std::max(e.CantidadHe, 0), static_cast<int>(e.He.size()) - 1);
    for (int j = 1; j <= ordenadas; ++j) json.Numero(e.He[static_cast<size_t>(j)]);
    json.CerrarLista();
    json.Numero("Vte", e.Vte);
    json.Numero("Vtesp", e.Vtesp);
    json.Numero("Cp", e.Cp);
    json.CerrarObjeto();
    return json.Resultado();
}

}  // namespace brovel
