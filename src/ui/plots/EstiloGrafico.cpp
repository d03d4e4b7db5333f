#include "ui/plots/EstiloGrafico.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QValueAxis>

#include "forms/SeriesGraficos.h"

namespace brovel {

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

void PrepararGrafico(QChart* grafico) {
    grafico->setBackgroundRoundness(0);
    grafico->setMargins(QMargins(4, 4, 12, 4));
    grafico->layout()->setContentsMargins(0, 0, 0, 0);
    grafico->legend()->hide();
    QFont titulo = grafico->titleFont();
    titulo.setPointSize(9);
    titulo.setBold(true);
    grafico->setTitleFont(titulo);
    grafico->setAnimationOptions(QChart::NoAnimation);
}

void PrepararEje(QAbstractAxis* eje) {
    QFont letra = eje->labelsFont();
    letra.setPointSize(8);
    eje->setLabelsFont(letra);
    eje->setTitleFont(letra);
    eje->setGridLineColor(QColor(225, 225, 225));
}

void AplicarEje(QValueAxis* eje, const TEje& escala) {
    const QString titulo = Texto(escala.titulo);
    if (eje->titleText() != titulo) eje->setTitleText(titulo);
    eje->setLabelFormat(QStringLiteral("%g"));
    eje->setRange(escala.minimo, escala.maximo);
    if (escala.intervalo > 0) {
        eje->setTickType(QValueAxis::TicksDynamic);
        eje->setTickAnchor(0);
        eje->setTickInterval(escala.intervalo);
    } else {
        eje->setTickType(QValueAxis::TicksFixed);
        eje->setTickCount(escala.marcas);
    }
}

void PonerTitulo(QChart* grafico, const std::string& titulo, bool alDia) {
    const QString texto = Texto(TituloMostrado(titulo, alDia));
    if (grafico->title() != texto) grafico->setTitle(texto);
}

}  // namespace brovel
