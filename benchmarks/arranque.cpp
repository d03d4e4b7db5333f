// Starts the program as the desktop does, without waiting for anyone to close the
// about box, and ends as soon as the main window has been painted once and the
// display has it. Timed from outside (scripts/medir-arranque.sh), it measures a
// cold start; the process ends there, without taking the window down, which is
// no part of a start.
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "app/Arranque.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/Marco.h"

namespace {

class TAlPintar : public QObject {
protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        // The paint is still to come: the process ends once it is done and sent.
        if (evento->type() == QEvent::Paint && !visto_) {
            visto_ = true;
            QTimer::singleShot(0, [] {
                QApplication::sync();
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    bool visto_ = false;
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
