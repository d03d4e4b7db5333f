// The units list of a quantity field: one item per unit, "name|factor|offset".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brovel {

// A number expressed in this unit equals the number in the reference unit times
// `factor` plus `desplazamiento`. A factor of 0 marks a unit that is not converted.
struct TUnidad {
    std::string nombre;
    long double factor = 0;
    long double desplazamiento = 1;
};

// Splits an item at its first and last "|": the name before the first, the factor
// between them, the offset after the last. An unreadable factor is 0 and an
// unreadable offset 1.
TUnidad LeerUnidad(std::string_view item);

std::vector<TUnidad> LeerUnidades(const std::vector<std::string>& items);

}  // namespace brovel
