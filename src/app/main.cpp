#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/Arranque.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/Marco.h"

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
    if (!HayPantalla()) {
        std::fputs("Brovel necesita un escritorio gráfico y no hay ninguno (DISPLAY está vacío).\n", stderr);
        return 1;
    }
    QApplication aplicacion(argc, argv);
    brovel::PrepararProceso();

    brovel::TMainFormBrovel ventana;
    brovel::CentrarEnPantalla(&ventana);
    ventana.show();
    return QApplication::exec();
}
