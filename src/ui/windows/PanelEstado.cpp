#include "ui/windows/PanelEstado.h"

namespace brovel {

TPanelEstado::TPanelEstado(QWidget* padre) : QLabel(padre) {
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(22);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    MostrarOk();
}

void TPanelEstado::MostrarOk() {
    enError_ = false;
    setText(QStringLiteral("OK"));
    QPalette paleta;
    paleta.setColor(QPalette::Window, paleta.color(QPalette::Button));
    setPalette(paleta);
}

void TPanelEstado::MostrarAviso(const QString& aviso) {
    MostrarOk();
    setText(aviso);
}

void TPanelEstado::MostrarError(const QString& mensaje) {
    enError_ = true;
    setText(mensaje);
    QPalette paleta;
    paleta.setColor(QPalette::Window, QColor(255, 0, 0));
    setPalette(paleta);
}

}  // namespace brovel
