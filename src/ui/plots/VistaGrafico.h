// A plot beside the numbers of a tab: a chart view that asks for the width the
// window keeps for its plots and can shrink to a readable minimum.
#pragma once

#include <QChartView>

namespace brovel {

// The width the windows give a plot at their default size, and its least.
inline constexpr int kAnchoGrafico = 430;
inline constexpr int kAnchoMinimoGrafico = 300;

class TVistaGrafico : public QChartView {
public:
    // The view owns `grafico`; without one it shows nothing until it is given one
    // (setChart).
    TVistaGrafico(QWidget* padre, const QString& nombre, QChart* grafico);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

}  // namespace brovel
