#include "ui/plots/GraficoCurva.h"

#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>

#include "forms/SeriesGraficos.h"
#include "ui/plots/Barras.h"
#include "ui/plots/EstiloGrafico.h"

namespace brovel {

TGraficoCurva::TGraficoCurva()
    : curva_(new QLineSeries(this)),
      puntos_(new QScatterSeries(this)),
      elegido_(new QScatterSeries(this)),
      ejeX_(new QLogValueAxis(this)),
      ejeY_(new QValueAxis(this)) {
    PrepararGrafico(this);
    curva_->setColor(kAzulGrafico);
    puntos_->setColor(kAzulGrafico);
    puntos_->setBorderColor(kAzulGrafico);
    puntos_->setMarkerSize(7);
    elegido_->setColor(kNaranjaGrafico);
    elegido_->setBorderColor(kNaranjaGrafico.darker(130));
    elegido_->setMarkerSize(12);
    for (QXYSeries* serie : std::initializer_list<QXYSeries*>{curva_, puntos_, elegido_}) addSeries(serie);

    ejeX_->setBase(10);
    ejeX_->setLabelFormat(QStringLiteral("%g"));
    ejeX_->setMinorTickCount(8);
    ejeX_->setMinorGridLineColor(QColor(240, 240, 240));
    for (QAbstractAxis* eje : std::initializer_list<QAbstractAxis*>{ejeX_, ejeY_}) PrepararEje(eje);
    addAxis(ejeX_, Qt::AlignBottom);
    addAxis(ejeY_, Qt::AlignLeft);
    for (QXYSeries* serie : std::initializer_list<QXYSeries*>{curva_, puntos_, elegido_}) {
        serie->attachAxis(ejeX_);
        serie->attachAxis(ejeY_);
    }
}

void TGraficoCurva::Actualizar(const TDatosCurva& datos) {
    PonerTitulo(this, datos.titulo, true);
    const QList<QPointF> puntos = Puntos(datos.puntos);
    curva_->replace(puntos);
    puntos_->replace(puntos);
    elegido_->replace(datos.elegido ? QList<QPointF>{{datos.elegido->x, datos.elegido->y}} : QList<QPointF>{});
    const QString titulo = Texto(datos.ejeX.titulo);
    if (ejeX_->titleText() != titulo) ejeX_->setTitleText(titulo);
    ejeX_->setRange(datos.ejeX.minimo, datos.ejeX.maximo);
    AplicarEje(ejeY_, datos.ejeY);
}

}  // namespace brovel
