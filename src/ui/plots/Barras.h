// What the plots hand to their series: a set of bars takes new values in place, as
// many as given, and marks one; a line or a set of points takes the points of the form.
#pragma once

#include <QList>
#include <QPointF>

#include <vector>

class QBarSet;

namespace brovel {

struct TPuntoGrafico;

QList<QPointF> Puntos(const std::vector<TPuntoGrafico>& puntos);

// `elegida` is the index of the bar in the selected colour; -1 for none.
void PonerValores(QBarSet* barras, const std::vector<double>& valores, int elegida);

}  // namespace brovel
