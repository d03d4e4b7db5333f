// The runoff window's plots against time: the rainfall of each step as bars, a
// line (the accumulated rainfall, the cumulative runoff, the hydrograph) and the
// hydrograph's peak, marked and labelled. Each plot is one of three arrangements.
#pragma once

#include <QChart>
#include <QColor>

class QAreaSeries;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace brovel {

struct TDatosTiempo;

enum class TDisposicionTiempo {
    // Bars on the left axis, the line on the right one.
    LluviaYAcumulada,
    // The line alone.
    Linea,
    // The line on the left axis with its peak; the bars hang from the top on the
    // right axis, which runs downwards.
    Hidrograma,
};

class TGraficoTiempo : public QChart {
public:
    explicit TGraficoTiempo(TDisposicionTiempo disposicion);
    void Actualizar(const TDatosTiempo& datos);

    QLineSeries* Linea() const { return linea_; }
    QScatterSeries* Pico() const { return pico_; }
    QValueAxis* EjeLinea() const { return ejeLinea_; }
    QValueAxis* EjeBarras() const { return ejeBarras_; }

private:
    void Colorear(bool alDia);

    TDisposicionTiempo disposicion_;
    QLineSeries* linea_;
    QLineSeries* contorno_;
    QLineSeries* base_;
    QAreaSeries* barras_ = nullptr;
    QScatterSeries* pico_ = nullptr;
    QValueAxis* ejeX_;
    QValueAxis* ejeLinea_;
    QValueAxis* ejeBarras_ = nullptr;
    bool alDia_ = false;
};

}  // namespace brovel
