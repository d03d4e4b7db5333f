// Starts the program as the desktop does, without waiting for anyone to close the
// about box, and ends as soon as the main window has been painted once. Timed from
// outside (scripts/medir-arranque.sh), it measures a cold start.
#include <QApplication>
#include <QEvent>

#include "app/Arranque.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/Marco.h"

namespace {

class TAlPintar : public QObject {
protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) QApplication::quit();
        return QObject::eventFilter(objeto, evento);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    brovel::PrepararProceso();
    brovel::TMainFormBrovel ventana(false);
    TAlPintar alPintar;
    ventana.installEventFilter(&alPintar);
    brovel::CentrarEnPantalla(&ventana);
    ventana.show();
    return QApplication::exec();
}
