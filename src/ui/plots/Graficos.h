// The plots of each window drawn with a painter, for a page of the report. Each
// plot is laid out off the screen (a chart in a graphics scene, which needs the
// application's QApplication but no window) from what the form holds now: run the
// chain to the last tab first, as the report does, or the results are those of
// the last recalculation. The scene is drawn into `destino`, the plots one under
// the other in a rectangle taller than wide, side by side otherwise; the fonts
// keep the size they have on the screen relative to a plot 900 units wide.
#pragma once

#include <QRectF>

class QPainter;

namespace brovel {

class TFormaBrovel;
class TFormaZumbrel;

// The grain-size curve, the hyetograph and the factors.
void DibujarGraficos(TFormaBrovel& forma, QPainter& pintor, const QRectF& destino);
// The rainfall, the cumulative runoff and the hydrograph.
void DibujarGraficosZumbrel(TFormaZumbrel& forma, QPainter& pintor, const QRectF& destino);

}  // namespace brovel
