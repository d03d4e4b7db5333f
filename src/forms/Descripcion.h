// What each window shows, and where, as data: its tabs in order, the groups of
// each tab with their titles, and the rows of each group in order, every one by
// the form's name for it. A view builds its widgets from this; which of them are
// shown is the form's to say (its visibility), not the description's.
#pragma once

#include <string_view>
#include <vector>

#include "forms/Pestanas.h"

namespace brovel {

enum class TTipoFila {
    Grupo,           // a titled group of rows, below the previous one
    Panel,           // rows without a frame inside a group's row; a named one is shown and hidden whole
    Campo,           // a quantity field of the field table, by name, with its caption and unit
    Lista,           // a list of fixed entries, with its caption
    ListaDeNumeros,  // a list of the numbers 1 to n (a count, a step), with its caption
    Opciones,        // the option buttons of one group, side by side
    Casilla,         // a check box
    Boton,           // a button that runs a handler of the form
    BotonDeTabla,    // a "..." button that fills from a reference table, its caption beside it
    Mensajes,        // a box of the form's messages
    Nota,            // a fixed text for the reader
    Grafico,         // the tab's plot, beside the groups
    Grilla,          // a result grid of the form, taking what is left of the page's height
    Dibujo,          // a drawing that takes what is left of the page's height
};

struct TFilaDescrita {
    TTipoFila tipo;
    // The form's name: of the field, list, check box, button, panel, plot, grid or
    // drawing; a group's is empty unless the form speaks of the group.
    std::string_view nombre = {};
    // A group's title, a list's, check box's or button's caption, the caption
    // beside a table button, a note's text, a grid's title.
    std::string_view titulo = {};
    // A field's "..." button, after its unit selector; none when empty.
    std::string_view boton = {};
    // The field a table button fills, whose row it goes with; the field whose unit
    // column a grid's unit selector lines up with.
    std::string_view campo = {};
    // A grid's unit selector (a list of the form) and the column it sits over.
    std::string_view lista = {};
    int columna = 0;
    // The option buttons of a row, or the column titles of a grid.
    std::vector<std::string_view> nombres = {};
    // The rows of a group or a panel.
    std::vector<TFilaDescrita> filas = {};
};

template <class TPestana>
struct TPestanaDescrita {
    TPestana pestana;
    // The name of the tab's page and its caption.
    std::string_view nombre;
    std::string_view titulo;
    // From the top: the plot, the groups and the drawing. The report's tab has
    // none: it shows the report.
    std::vector<TFilaDescrita> filas;
};

using TDescripcionBrovel = std::vector<TPestanaDescrita<TPestanaBrovel>>;
using TDescripcionZumbrel = std::vector<TPestanaDescrita<TPestanaZumbrel>>;

// The slope window and the runoff window, every tab in its window's order.
const TDescripcionBrovel& DescripcionBrovel();
const TDescripcionZumbrel& DescripcionZumbrel();

// Calls `visitar` for every row under `filas`, a group's or panel's before its rows.
template <class F>
void RecorrerFilas(const std::vector<TFilaDescrita>& filas, F&& visitar) {
    for (const TFilaDescrita& fila : filas) {
        visitar(fila);
        RecorrerFilas(fila.filas, visitar);
    }
}

// The rows, written as the descriptions write them.
namespace filas {

inline TFilaDescrita Grupo(std::string_view titulo, std::vector<TFilaDescrita> filas, std::string_view nombre = {}) {
    return {.tipo = TTipoFila::Grupo, .nombre = nombre, .titulo = titulo, .filas = std::move(filas)};
}
inline TFilaDescrita Panel(std::string_view nombre, std::vector<TFilaDescrita> filas) {
    return {.tipo = TTipoFila::Panel, .nombre = nombre, .filas = std::move(filas)};
}
inline TFilaDescrita Campo(std::string_view nombre, std::string_view boton = {}) {
    return {.tipo = TTipoFila::Campo, .nombre = nombre, .boton = boton};
}
inline TFilaDescrita Lista(std::string_view nombre, std::string_view titulo) {
    return {.tipo = TTipoFila::Lista, .nombre = nombre, .titulo = titulo};
}
inline TFilaDescrita Numeros(std::string_view nombre, std::string_view titulo) {
    return {.tipo = TTipoFila::ListaDeNumeros, .nombre = nombre, .titulo = titulo};
}
inline TFilaDescrita Opciones(std::vector<std::string_view> botones) {
    return {.tipo = TTipoFila::Opciones, .nombres = std::move(botones)};
}
inline TFilaDescrita Casilla(std::string_view nombre, std::string_view titulo) {
    return {.tipo = TTipoFila::Casilla, .nombre = nombre, .titulo = titulo};
}
inline TFilaDescrita Boton(std::string_view nombre, std::string_view titulo) {
    return {.tipo = TTipoFila::Boton, .nombre = nombre, .titulo = titulo};
}
inline TFilaDescrita BotonDeTabla(std::string_view nombre, std::string_view rotulo, std::string_view campo = {}) {
    return {.tipo = TTipoFila::BotonDeTabla, .nombre = nombre, .titulo = rotulo, .campo = campo};
}
inline TFilaDescrita Mensajes(std::string_view nombre) { return {.tipo = TTipoFila::Mensajes, .nombre = nombre}; }
inline TFilaDescrita Nota(std::string_view nombre, std::string_view texto) {
    return {.tipo = TTipoFila::Nota, .nombre = nombre, .titulo = texto};
}
inline TFilaDescrita Grafico(std::string_view nombre) { return {.tipo = TTipoFila::Grafico, .nombre = nombre}; }
inline TFilaDescrita Grilla(std::string_view nombre, std::string_view titulo, std::vector<std::string_view> columnas,
                            std::string_view selector, int columna, std::string_view campo) {
    return {.tipo = TTipoFila::Grilla,
            .nombre = nombre,
            .titulo = titulo,
            .campo = campo,
            .lista = selector,
            .columna = columna,
            .nombres = std::move(columnas)};
}
inline TFilaDescrita Dibujo(std::string_view nombre) { return {.tipo = TTipoFila::Dibujo, .nombre = nombre}; }

}  // namespace filas

}  // namespace brovel
