#include "ui/plots/GraficoHietograma.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QValueAxis>

#include "forms/SeriesGraficos.h"
#include "ui/plots/Barras.h"
#include "ui/plots/EstiloGrafico.h"

namespace brovel {

TGraficoHietograma::TGraficoHietograma()
    : serie_(new QBarSeries(this)),
      barras_(new QBarSet(QStringLiteral("Lluvia"), this)),
      ejeX_(new QBarCategoryAxis(this)),
      ejeY_(new QValueAxis(this)) {
    PrepararGrafico(this);
    barras_->setColor(kAzulClaroGrafico);
    barras_->setBorderColor(kAzulGrafico);
    barras_->setSelectedColor(kNaranjaGrafico);
    serie_->append(barras_);
    serie_->setBarWidth(0.8);
    addSeries(serie_);
    PrepararEje(ejeX_);
    PrepararEje(ejeY_);
    addAxis(ejeX_, Qt::AlignBottom);
    addAxis(ejeY_, Qt::AlignLeft);
    serie_->attachAxis(ejeX_);
    serie_->attachAxis(ejeY_);
}

void TGraficoHietograma::Actualizar(const TDatosHietograma& datos) {
    PonerTitulo(this, datos.titulo, true);
    QStringList pasos;
    for (const std::string& paso : datos.pasos) pasos << Texto(paso);
    if (ejeX_->categories() != pasos) ejeX_->setCategories(pasos);
    const QString tituloX = Texto(datos.tituloX);
    if (ejeX_->titleText() != tituloX) ejeX_->setTitleText(tituloX);
    PonerValores(barras_, datos.alturas, datos.elegido);
    AplicarEje(ejeY_, datos.ejeY);
}

}  // namespace brovel
