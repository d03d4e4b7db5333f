// One editor of an array, as a list and a field or two: the grain-size curve
// (point, diameter and percent passing) and the four hyetographs (step and
// amount, with the hyetograph number for the series). Choosing an entry shows it
// in the fields; editing a field stores its number into the array; changing the
// count refills the list. Every action ends in the recalculation of its tab.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "fields/Cantidad.h"
#include "forms/Lista.h"

namespace brovel {

class TEditorSerie {
public:
    // The element of hyetograph `h`, step `k` (or of point `k`), both from 1.
    using TElemento = std::function<double&(int h, int k)>;
    // Runs after an edit of the column's field, with the number it replaced and the
    // one stored; without an entry chosen nothing was replaced.
    using TAlGuardar = std::function<void(std::optional<double> anterior, double nuevo)>;

    // `hietograma` is the list of the hyetograph number, only in the series.
    TEditorSerie(TLista& paso, TLista* hietograma, std::function<void()> alTerminar);

    void AgregarColumna(TCantidad& campo, TElemento elemento, TAlGuardar alGuardar = {});

    // Another entry was chosen: the fields show its numbers.
    void MostrarElegido();
    // The chosen entry becomes the number its fields would show and store back for
    // it, rounded to their decimals, without anything being recalculated.
    void RedondearElegido();
    // The field of column `columna` changed: its number goes into the array, when
    // it is within the field's range.
    void Guardar(size_t columna);
    // A count changed: `lista` is refilled with 1..n and its first entry chosen.
    void Contar(TLista& lista, int n);

private:
    struct TColumna {
        TCantidad* campo;
        TElemento elemento;
        TAlGuardar alGuardar;
    };
    // The hyetograph and the step chosen, or false when a list has none.
    bool Elegidos(int& h, int& k) const;

    TLista& paso_;
    TLista* hietograma_;
    std::function<void()> alTerminar_;
    std::vector<TColumna> columnas_;
};

}  // namespace brovel
