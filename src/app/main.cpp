#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/Arranque.h"
#include "app/LineaDeOrdenes.h"
#include "docs/Codificacion.h"
#include "ui/windows/MainBrovel.h"

namespace {

bool HayPantalla() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* valor = std::getenv(variable);
        if (valor && *valor) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using brovel::TLineaDeOrdenes;
    // The usage needs no display, so it is answered before Qt starts.
    QStringList crudos;
    for (int i = 1; i < argc; ++i) crudos << QString::fromLocal8Bit(argv[i]);
    if (brovel::LeerLineaDeOrdenes(crudos).pedido == TLineaDeOrdenes::TPedido::Uso) {
        std::fputs(brovel::kUsoDeBrovel, stdout);
        return 0;
    }
    if (!HayPantalla()) {
        std::fputs("Brovel necesita un escritorio gráfico y no hay ninguno (DISPLAY está vacío).\n", stderr);
        return 1;
    }
    QApplication aplicacion(argc, argv);
    const TLineaDeOrdenes orden = brovel::LeerLineaDeOrdenes(QApplication::arguments().mid(1));
    if (orden.pedido == TLineaDeOrdenes::TPedido::Error) {
        // A name in the message is shown escaped, so that it cannot break the line.
        std::fprintf(stderr, "brovel: %s (pruebe «brovel --help»)\n",
                     brovel::TextoMostrable(orden.error.toStdString()).c_str());
        return brovel::kEstadoArgumentosErroneos;
    }
    brovel::PrepararProceso();

    brovel::TMainFormBrovel ventana;
    brovel::MostrarAlArrancar(ventana, orden.proyecto);
    return QApplication::exec();
}
