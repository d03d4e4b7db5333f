#include "ui/plots/GraficoTiempo.h"

#include <QAreaSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "forms/SeriesGraficos.h"
#include "ui/plots/Barras.h"
#include "ui/plots/EstiloGrafico.h"

namespace brovel {
namespace {

void Unir(QChart* grafico, QAbstractSeries* serie, QAbstractAxis* x, QAbstractAxis* y) {
    grafico->addSeries(serie);
    serie->attachAxis(x);
    serie->attachAxis(y);
}

void PonerNombre(QAbstractSeries* serie, const std::string& nombre) {
    const QString texto = Texto(nombre);
    if (serie->name() != texto) serie->setName(texto);
}

// The space between two bars, as a fraction of a bar's width at each side.
constexpr double kHueco = 0.08;

}  // namespace

TGraficoTiempo::TGraficoTiempo(TDisposicionTiempo disposicion)
    : disposicion_(disposicion),
      linea_(new QLineSeries(this)),
      contorno_(new QLineSeries(this)),
      base_(new QLineSeries(this)),
      ejeX_(new QValueAxis(this)),
      ejeLinea_(new QValueAxis(this)) {
    PrepararGrafico(this);
    PrepararEje(ejeX_);
    PrepararEje(ejeLinea_);
    addAxis(ejeX_, Qt::AlignBottom);
    const bool conBarras = disposicion_ != TDisposicionTiempo::Linea;
    if (conBarras) {
        ejeBarras_ = new QValueAxis(this);
        PrepararEje(ejeBarras_);
        barras_ = new QAreaSeries(contorno_, base_);
        barras_->setParent(this);
    }
    if (disposicion_ == TDisposicionTiempo::LluviaYAcumulada) {
        addAxis(ejeBarras_, Qt::AlignLeft);
        addAxis(ejeLinea_, Qt::AlignRight);
        ejeLinea_->setGridLineVisible(false);
    } else {
        addAxis(ejeLinea_, Qt::AlignLeft);
        if (conBarras) {
            addAxis(ejeBarras_, Qt::AlignRight);
            ejeBarras_->setReverse(true);
            ejeBarras_->setGridLineVisible(false);
        }
    }
    if (barras_) Unir(this, barras_, ejeX_, ejeBarras_);
    Unir(this, linea_, ejeX_, ejeLinea_);
    if (disposicion_ == TDisposicionTiempo::Hidrograma) {
        pico_ = new QScatterSeries(this);
        pico_->setMarkerSize(9);
        pico_->setPointLabelsVisible(true);
        pico_->setPointLabelsClipping(false);
        QFont letra = pico_->pointLabelsFont();
        letra.setPointSize(8);
        letra.setBold(true);
        pico_->setPointLabelsFont(letra);
        Unir(this, pico_, ejeX_, ejeLinea_);
    }
    if (conBarras) {
        legend()->show();
        legend()->setAlignment(Qt::AlignBottom);
        QFont letra = legend()->font();
        letra.setPointSize(8);
        legend()->setFont(letra);
        if (pico_) legend()->markers(pico_).constFirst()->setVisible(false);
    }
    Colorear(true);
}

void TGraficoTiempo::Colorear(bool alDia) {
    alDia_ = alDia;
    const QColor linea = alDia ? kAzulGrafico : kGrisGrafico;
    const QColor barras = alDia ? kAzulClaroGrafico : kGrisGrafico.lighter(125);
    // The rain of the hydrograph figure is the same rain as the Forzantes tab's.
    linea_->setPen(QPen(
        disposicion_ == TDisposicionTiempo::LluviaYAcumulada ? (alDia ? kNaranjaGrafico : kGrisGrafico) : linea, 2));
    if (barras_) {
        barras_->setColor(barras);
        barras_->setBorderColor(barras.darker(130));
    }
    if (pico_) {
        pico_->setColor(alDia ? kNaranjaGrafico : kGrisGrafico);
        pico_->setBorderColor(alDia ? kNaranjaGrafico.darker(130) : kGrisGrafico);
        pico_->setPointLabelsColor(alDia ? kNaranjaGrafico.darker(140) : kGrisGrafico.darker(130));
    }
}

void TGraficoTiempo::Actualizar(const TDatosTiempo& datos) {
    PonerTitulo(this, datos.titulo, datos.alDia);
    if (datos.alDia != alDia_) Colorear(datos.alDia);
    linea_->replace(Puntos(datos.linea));
    PonerNombre(linea_, datos.nombreLinea);
    AplicarEje(ejeX_, datos.ejeX);
    AplicarEje(ejeLinea_, datos.ejeLinea);
    if (barras_) {
        contorno_->replace(Puntos(ContornoDeBarras(datos.barras, kHueco)));
        base_->replace(QList<QPointF>{{datos.ejeX.minimo, 0}, {datos.ejeX.maximo, 0}});
        PonerNombre(barras_, datos.nombreBarras);
        AplicarEje(ejeBarras_, datos.ejeBarras);
    }
    if (pico_) {
        pico_->replace(datos.pico ? QList<QPointF>{{datos.pico->x, datos.pico->y}} : QList<QPointF>{});
        const QString rotulo = Texto(datos.rotuloPico);
        if (pico_->pointLabelsFormat() != rotulo) pico_->setPointLabelsFormat(rotulo);
    }
}

}  // namespace brovel
