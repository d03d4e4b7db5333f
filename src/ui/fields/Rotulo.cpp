#include "ui/fields/Rotulo.h"

#include <QPicture>
#include <QPixmap>
#include <QStyle>
#include <QTextDocument>

namespace brovel {
namespace {

// The room a label gives its text when nothing limits its width.
constexpr int kLado = 2000;

}  // namespace

TRotulo::TRotulo(QWidget* padre) : QLabel(padre) {}

TRotulo::TRotulo(const QString& texto, QWidget* padre) : QLabel(texto, padre) {}

bool TRotulo::DeUnaLinea() const {
    const QString texto = text();
    if (texto.isEmpty() || wordWrap() || indent() >= 0 || frameWidth() != 0 || minimumWidth() > 0) return false;
    if (textFormat() == Qt::RichText || textFormat() == Qt::MarkdownText) return false;
    if (textFormat() == Qt::AutoText && Qt::mightBeRichText(texto)) return false;
    if (buddy() && texto.contains(QLatin1Char('&'))) return false;
    return pixmap().isNull() && picture().isNull() && !movie();
}

// As the label measures a text of one line: its box in the room it has, the
// alignment across it left out, and its margins around it.
QSize TRotulo::Medida() const {
    ensurePolished();
    const QString texto = text();
    const QMargins margenes = contentsMargins();
    const int extra = 2 * margin();
    const Qt::LayoutDirection sentido = texto.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int alineacion =
        static_cast<int>(QStyle::visualAlignment(sentido, alignment())) & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    if (!medido_ || texto != textoMedido_ || font() != letraMedida_ || alineacion != alineacionMedida_) {
        const int ancho = kLado - (extra + margenes.left() + margenes.right());
        caja_ = fontMetrics().boundingRect(0, 0, ancho, kLado, alineacion, texto);
        textoMedido_ = texto;
        letraMedida_ = font();
        alineacionMedida_ = alineacion;
        medido_ = true;
    }
    const QSize contenido(caja_.width() + extra, caja_.height() + extra);
    const QSize total = contenido + QSize(margenes.left() + margenes.right(), margenes.top() + margenes.bottom());
    return total.expandedTo(minimumSize());
}

QSize TRotulo::sizeHint() const { return DeUnaLinea() ? Medida() : QLabel::sizeHint(); }

QSize TRotulo::minimumSizeHint() const { return DeUnaLinea() ? Medida() : QLabel::minimumSizeHint(); }

}  // namespace brovel
