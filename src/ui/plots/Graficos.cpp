#include "ui/plots/Graficos.h"

#include <QGraphicsScene>
#include <QPainter>

#include "forms/FormaBrovel.h"
#include "forms/SeriesGraficos.h"
#include "ui/plots/GraficoCurva.h"
#include "ui/plots/GraficoFactores.h"
#include "ui/plots/GraficoHietograma.h"
#include "ui/plots/GraficoTiempo.h"

namespace brovel {
namespace {

constexpr double kAnchoLogico = 900;

// Lays the plots out in a scene of the shape of `destino` and draws it there; the
// scene owns the plots.
void Dibujar(QGraphicsScene& escena, const QList<QChart*>& graficos, QPainter& pintor, const QRectF& destino) {
    if (graficos.isEmpty() || destino.isEmpty()) return;
    const bool apilados = destino.height() >= destino.width();
    const QSizeF total(kAnchoLogico, kAnchoLogico * destino.height() / destino.width());
    const int n = static_cast<int>(graficos.size());
    const QSizeF celda =
        apilados ? QSizeF(total.width(), total.height() / n) : QSizeF(total.width() / n, total.height());
    for (int i = 0; i < n; ++i) {
        QChart* grafico = graficos[i];
        escena.addItem(grafico);
        const QPointF origen = apilados ? QPointF(0, i * celda.height()) : QPointF(i * celda.width(), 0);
        grafico->setGeometry(QRectF(origen, celda));
    }
    escena.setSceneRect(QRectF(QPointF(0, 0), total));
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    escena.render(&pintor, destino, escena.sceneRect());
    pintor.restore();
}

}  // namespace

void DibujarGraficos(TFormaBrovel& forma, QPainter& pintor, const QRectF& destino) {
    QGraphicsScene escena;
    auto* curva = new TGraficoCurva;
    curva->Actualizar(DatosCurva(forma));
    auto* hietograma = new TGraficoHietograma;
    hietograma->Actualizar(DatosHietograma(forma));
    auto* factores = new TGraficoFactores;
    factores->Actualizar(DatosFactores(forma));
    Dibujar(escena, {curva, hietograma, factores}, pintor, destino);
}

void DibujarGraficosZumbrel(TFormaZumbrel& forma, QPainter& pintor, const QRectF& destino) {
    QGraphicsScene escena;
    auto* lluvia = new TGraficoTiempo(TDisposicionTiempo::LluviaYAcumulada);
    lluvia->Actualizar(DatosLluvia(forma));
    auto* escorrentia = new TGraficoTiempo(TDisposicionTiempo::Linea);
    escorrentia->Actualizar(DatosEscorrentia(forma));
    auto* hidrograma = new TGraficoTiempo(TDisposicionTiempo::Hidrograma);
    hidrograma->Actualizar(DatosHidrograma(forma));
    Dibujar(escena, {lluvia, escorrentia, hidrograma}, pintor, destino);
}

}  // namespace brovel
