// The hyetograph the Forzantes tab edits: one bar per step, the step its editor
// shows in another colour.
#pragma once

#include <QChart>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

namespace brovel {

struct TDatosHietograma;

class TGraficoHietograma : public QChart {
public:
    TGraficoHietograma();
    void Actualizar(const TDatosHietograma& datos);

    QBarSet* Barras() const { return barras_; }

private:
    QBarSeries* serie_;
    QBarSet* barras_;
    QBarCategoryAxis* ejeX_;
    QValueAxis* ejeY_;
};

}  // namespace brovel
