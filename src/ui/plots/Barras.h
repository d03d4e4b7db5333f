// A set of bars takes new values in place, as many as given, and marks one.
#pragma once

#include <vector>

class QBarSet;

namespace brovel {

// `elegida` is the index of the bar in the selected colour; -1 for none.
void PonerValores(QBarSet* barras, const std::vector<double>& valores, int elegida);

}  // namespace brovel
