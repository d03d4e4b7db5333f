// A drop-down list of a form without its widget: its entries and the one chosen.
// The count and step selectors are lists of the numbers "1" to "n".
#pragma once

#include <string>
#include <vector>

#include "model/EstadoBrovel.h"

namespace brovel {

struct TLista {
    std::vector<std::string> items;
    // The entry chosen, from 0; -1 when the list is empty.
    int indice = -1;

    // The entry chosen as a position from 1; 0 when none is.
    int Posicion() const;
    std::string Texto() const;
    // Empties the list, fills it with "1" to "n" (n brought within 0..maximo, the
    // size of the arrays the list chooses in) and chooses the first entry.
    void LlenarConNumeros(int n, int maximo = kMaxElementos);
};

// The number a selector's text shows; "'%s' is not a valid integer value" when it
// shows none.
int EnteroDeLista(const TLista& lista);

}  // namespace brovel
