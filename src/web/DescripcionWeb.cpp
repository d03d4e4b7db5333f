#include "web/DescripcionWeb.h"

#if __has_include("forms/Descripcion.h")
#include <string>

#include "forms/Descripcion.h"
#include "web/Valores.h"

namespace brovel::web {
namespace {

const char* NombreDeTipo(TTipoFila tipo) {
    switch (tipo) {
        case TTipoFila::Grupo: return "Grupo";
        case TTipoFila::Panel: return "Panel";
        case TTipoFila::Campo: return "Campo";
        case TTipoFila::Lista: return "Lista";
        case TTipoFila::ListaDeNumeros: return "ListaDeNumeros";
        case TTipoFila::Opciones: return "Opciones";
        case TTipoFila::Casilla: return "Casilla";
        case TTipoFila::Boton: return "Boton";
        case TTipoFila::BotonDeTabla: return "BotonDeTabla";
        case TTipoFila::Mensajes: return "Mensajes";
        case TTipoFila::Nota: return "Nota";
        case TTipoFila::Grafico: return "Grafico";
        case TTipoFila::Grilla: return "Grilla";
        case TTipoFila::Dibujo: return "Dibujo";
    }
    return "";
}

val Filas(const std::vector<TFilaDescrita>& filas) {
    val lista = val::array();
    for (const TFilaDescrita& f : filas) {
        val fila = val::object();
        fila.set("tipo", std::string(NombreDeTipo(f.tipo)));
        fila.set("nombre", Texto(f.nombre));
        fila.set("titulo", Texto(f.titulo));
        fila.set("boton", Texto(f.boton));
        fila.set("campo", Texto(f.campo));
        fila.set("lista", Texto(f.lista));
        fila.set("columna", f.columna);
        val nombres = val::array();
        for (std::string_view n : f.nombres) nombres.call<void>("push", Texto(n));
        fila.set("nombres", nombres);
        fila.set("filas", Filas(f.filas));
        lista.call<void>("push", fila);
    }
    return lista;
}

template <class TPestana>
val Pestanas(const std::vector<TPestanaDescrita<TPestana>>& descripcion) {
    val lista = val::array();
    for (const auto& p : descripcion) {
        val pestana = val::object();
        pestana.set("indice", static_cast<int>(p.pestana));
        pestana.set("nombre", Texto(p.nombre));
        pestana.set("titulo", Texto(p.titulo));
        pestana.set("filas", Filas(p.filas));
        lista.call<void>("push", pestana);
    }
    return lista;
}

}  // namespace

val DescripcionDeLadera() { return Pestanas(DescripcionBrovel()); }
val DescripcionDeZumbrel() { return Pestanas(DescripcionZumbrel()); }

val CasillasDeZumbrel() {
    val casillas = val::array();
    for (const auto& p : DescripcionZumbrel())
        RecorrerFilas(p.filas, [&](const TFilaDescrita& f) {
            if (f.tipo == TTipoFila::Casilla) casillas.call<void>("push", Texto(f.nombre));
        });
    return casillas;
}

}  // namespace brovel::web

#else
// Without the descriptions the page has nothing to draw.
namespace brovel::web {
emscripten::val DescripcionDeLadera() { return emscripten::val::array(); }
emscripten::val DescripcionDeZumbrel() { return emscripten::val::array(); }
emscripten::val CasillasDeZumbrel() { return emscripten::val::array(); }
}  // namespace brovel::web
#endif
