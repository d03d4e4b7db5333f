#include "ui/plots/VistaGrafico.h"

namespace brovel {

TVistaGrafico::TVistaGrafico(QWidget* padre, const QString& nombre, QChart* grafico) : QChartView(grafico, padre) {
    setObjectName(nombre);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    // The page's wheel is for scrolling its fields; a plot takes no focus.
    setFocusPolicy(Qt::NoFocus);
}

QSize TVistaGrafico::sizeHint() const { return {kAnchoGrafico, 360}; }
QSize TVistaGrafico::minimumSizeHint() const { return {kAnchoMinimoGrafico, 240}; }

}  // namespace brovel
