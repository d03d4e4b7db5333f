#include "ui/fields/ListaDeNumeros.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

namespace brovel {

TListaDeNumeros::TListaDeNumeros(QWidget* padre, int caracteres) : QComboBox(padre) {
    setMinimumContentsLength(caracteres);
}

// Room for its characters and an icon beside them, at least as tall as a line of
// text or the icon, and the style's frame and arrow around them.
QSize TListaDeNumeros::sizeHint() const {
    const QFontMetrics medida = fontMetrics();
    const QSize icono = iconSize();
    const int ancho = minimumContentsLength() * medida.horizontalAdvance(QLatin1Char('X')) + icono.width() + 4;
    const int alto =
        std::max(std::max(static_cast<int>(std::ceil(QFontMetricsF(medida).height())), 14) + 2, icono.height() + 2);
    QStyleOptionComboBox opcion;
    initStyleOption(&opcion);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &opcion, QSize(ancho, alto), this);
}

QSize TListaDeNumeros::minimumSizeHint() const { return sizeHint(); }

}  // namespace brovel
