#include "ui/plots/Barras.h"

#include <QBarSet>

#include "forms/SeriesGraficos.h"

namespace brovel {

QList<QPointF> Puntos(const std::vector<TPuntoGrafico>& puntos) {
    QList<QPointF> lista;
    lista.reserve(static_cast<qsizetype>(puntos.size()));
    for (const TPuntoGrafico& p : puntos) lista.append({p.x, p.y});
    return lista;
}

void PonerValores(QBarSet* barras, const std::vector<double>& valores, int elegida) {
    const int n = static_cast<int>(valores.size());
    if (barras->count() > n) barras->remove(n, barras->count() - n);
    for (int i = 0; i < n; ++i) {
        const double valor = valores[static_cast<size_t>(i)];
        if (i < barras->count()) {
            if (barras->at(i) != valor) barras->replace(i, valor);
        } else {
            barras->append(valor);
        }
    }
    const QList<int> antes = barras->selectedBars();
    const QList<int> ahora = elegida >= 0 && elegida < n ? QList<int>{elegida} : QList<int>{};
    if (antes != ahora) {
        barras->deselectAllBars();
        barras->selectBars(ahora);
    }
}

}  // namespace brovel
