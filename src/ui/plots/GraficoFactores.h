// The dimensionless factors of the Erosión tab as horizontal bars against the
// reference plot's 1, drawn as a vertical line: the factors of the rate in one
// colour, their subfactors in a lighter one, those out of date in grey, and the
// factor that reduces the rate most in orange. Each row is a bar of one of these
// sets, the others holding nothing there, so that the legend explains the colours.
#pragma once

#include <QChart>

class QBarCategoryAxis;
class QBarSet;
class QHorizontalStackedBarSeries;
class QLineSeries;
class QValueAxis;

namespace brovel {

struct TDatosFactores;

class TGraficoFactores : public QChart {
public:
    TGraficoFactores();
    void Actualizar(const TDatosFactores& datos);

    QBarSet* Factores() const { return factores_; }
    QBarSet* Viejos() const { return viejos_; }
    QBarCategoryAxis* EjeFactores() const { return ejeY_; }

private:
    QHorizontalStackedBarSeries* serie_;
    QBarSet* factores_;
    QBarSet* subfactores_;
    QBarSet* masReductor_;
    QBarSet* viejos_;
    QLineSeries* referencia_;
    QValueAxis* ejeX_;
    QBarCategoryAxis* ejeY_;
};

}  // namespace brovel
