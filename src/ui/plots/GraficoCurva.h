// The grain-size curve of the Suelo tab: percent passing against the diameter on
// a logarithmic axis, the point the editor shows marked.
#pragma once

#include <QChart>

class QLineSeries;
class QLogValueAxis;
class QScatterSeries;
class QValueAxis;

namespace brovel {

struct TDatosCurva;

class TGraficoCurva : public QChart {
public:
    TGraficoCurva();
    void Actualizar(const TDatosCurva& datos);

    QLineSeries* Curva() const { return curva_; }
    QScatterSeries* Elegido() const { return elegido_; }
    QLogValueAxis* EjeDiametro() const { return ejeX_; }

private:
    QLineSeries* curva_;
    QScatterSeries* puntos_;
    QScatterSeries* elegido_;
    QLogValueAxis* ejeX_;
    QValueAxis* ejeY_;
};

}  // namespace brovel
