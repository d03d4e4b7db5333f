#include "app/LineaDeOrdenes.h"

#include <QTimer>

#include "ui/windows/MainBrovel.h"
#include "ui/windows/Colocacion.h"

namespace brovel {

namespace {

TLineaDeOrdenes Error(const QString& mensaje) { return {TLineaDeOrdenes::TPedido::Error, {}, mensaje}; }

}  // namespace

TLineaDeOrdenes LeerLineaDeOrdenes(const QStringList& argumentos) {
    QStringList rutas;
    QString desconocida;
    bool soloRutas = false;
    for (const QString& a : argumentos) {
        if (soloRutas) {
            rutas << a;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            return {TLineaDeOrdenes::TPedido::Uso, {}, {}};
        } else if (a == QLatin1String("--")) {
            soloRutas = true;
        } else if (a.startsWith(QLatin1Char('-'))) {
            if (desconocida.isEmpty()) desconocida = a;
        } else {
            rutas << a;
        }
    }
    if (!desconocida.isEmpty()) return Error(QStringLiteral("opción desconocida: «%1»").arg(desconocida));
    if (rutas.size() > 1)
        return Error(QStringLiteral("se abre un proyecto por vez, y se nombraron %1: «%2»")
                         .arg(rutas.size())
                         .arg(rutas.join(QStringLiteral("», «"))));
    if (rutas.size() == 1 && rutas.front().isEmpty()) return Error(QStringLiteral("el nombre del proyecto está vacío"));
    return {TLineaDeOrdenes::TPedido::Arrancar, rutas.value(0), {}};
}

void MostrarAlArrancar(TMainFormBrovel& ventana, const QString& proyecto) {
    ColocarVentana(&ventana, ventana.size());
    ventana.show();
    // After the first paint, so that an error box has the window behind it.
    if (!proyecto.isEmpty())
        QTimer::singleShot(0, &ventana, [&ventana, proyecto] { ventana.AbrirAlArrancar(proyecto); });
}

}  // namespace brovel
