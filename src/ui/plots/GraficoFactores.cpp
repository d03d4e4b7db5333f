#include "ui/plots/GraficoFactores.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include "forms/SeriesGraficos.h"
#include "ui/plots/Barras.h"
#include "ui/plots/EstiloGrafico.h"

namespace brovel {

TGraficoFactores::TGraficoFactores()
    : serie_(new QHorizontalStackedBarSeries(this)),
      factores_(new QBarSet(QStringLiteral("Factor"), this)),
      subfactores_(new QBarSet(QStringLiteral("Subfactor"), this)),
      masReductor_(new QBarSet(QStringLiteral("El que más reduce"), this)),
      viejos_(new QBarSet(QStringLiteral("Sin actualizar"), this)),
      referencia_(new QLineSeries(this)),
      ejeX_(new QValueAxis(this)),
      ejeY_(new QBarCategoryAxis(this)) {
    PrepararGrafico(this);
    const std::pair<QBarSet*, QColor> colores[] = {{factores_, kAzulGrafico},
                                                   {subfactores_, kAzulClaroGrafico},
                                                   {masReductor_, kNaranjaGrafico},
                                                   {viejos_, kGrisGrafico}};
    for (const auto& [barras, color] : colores) {
        barras->setColor(color);
        barras->setBorderColor(color.darker(120));
        serie_->append(barras);
    }
    serie_->setBarWidth(0.7);
    addSeries(serie_);
    referencia_->setPen(QPen(QColor(60, 60, 60), 1.5, Qt::DashLine));
    addSeries(referencia_);

    PrepararEje(ejeX_);
    PrepararEje(ejeY_);
    addAxis(ejeX_, Qt::AlignBottom);
    addAxis(ejeY_, Qt::AlignLeft);
    for (QAbstractSeries* serie : std::initializer_list<QAbstractSeries*>{serie_, referencia_}) {
        serie->attachAxis(ejeX_);
        serie->attachAxis(ejeY_);
    }
    legend()->show();
    legend()->setAlignment(Qt::AlignBottom);
    QFont letra = legend()->font();
    letra.setPointSize(8);
    legend()->setFont(letra);
    // The reference line explains itself by the axis title.
    legend()->markers(referencia_).constFirst()->setVisible(false);
}

void TGraficoFactores::Actualizar(const TDatosFactores& datos) {
    const int n = static_cast<int>(datos.factores.size());
    QStringList rotulos;
    std::vector<double> valores[4];
    // The first factor at the top: the axis counts its rows from the bottom.
    for (int i = n - 1; i >= 0; --i) {
        const TFactorGrafico& f = datos.factores[static_cast<size_t>(i)];
        rotulos << Texto(f.rotulo);
        const int conjunto = !f.alDia ? 3 : (i == datos.masReductor ? 2 : (f.principal ? 0 : 1));
        for (int c = 0; c < 4; ++c) valores[c].push_back(c == conjunto ? f.valor : 0);
    }
    PonerTitulo(this, datos.titulo, datos.alDia);
    if (ejeY_->categories() != rotulos) ejeY_->setCategories(rotulos);
    QBarSet* const conjuntos[] = {factores_, subfactores_, masReductor_, viejos_};
    for (int c = 0; c < 4; ++c) PonerValores(conjuntos[c], valores[c], -1);
    // The legend speaks of what is drawn.
    legend()->markers(serie_)[2]->setVisible(datos.masReductor >= 0);
    legend()->markers(serie_)[3]->setVisible(!datos.alDia);
    const QList<QPointF> linea{{1, -0.5}, {1, n - 0.5}};
    if (referencia_->points() != linea) referencia_->replace(linea);
    AplicarEje(ejeX_, datos.eje);
}

}  // namespace brovel
