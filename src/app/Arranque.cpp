#include "app/Arranque.h"

#include <QApplication>
#include <QLocale>

#include <clocale>

#include "app/Estilo.h"

namespace brovel {

void PrepararProceso() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    QApplication::setApplicationName(QStringLiteral("Brovel"));
    QApplication::setStyle(new TEstiloBrovel);
}

}  // namespace brovel
