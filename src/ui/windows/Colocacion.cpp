#include "ui/windows/Colocacion.h"

#include <QBasicTimer>
#include <QEvent>
#include <QTimerEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace brovel {
namespace {

// A frame the desktop has not drawn yet is taken to be as thick as a common one.
const QMargins kMarcoSupuesto(4, 28, 4, 4);
// The part of the title bar that must be on a screen for a window to be grabbed.
constexpr int kAgarre = 40;

QRect Acotar(QRect interior, const QMargins& marco, const QRect& libre) {
    const QSize maximo = libre.marginsRemoved(marco).size();
    interior.setSize(interior.size().boundedTo(maximo).expandedTo(QSize(1, 1)));
    QRect exterior = interior.marginsAdded(marco);
    exterior.moveLeft(std::clamp(exterior.left(), libre.left(), libre.right() + 1 - exterior.width()));
    exterior.moveTop(std::clamp(exterior.top(), libre.top(), libre.bottom() + 1 - exterior.height()));
    return exterior.marginsRemoved(marco);
}

QSettings Ajustes() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Brovel"), QStringLiteral("ventanas"));
}

QString Clave(const QWidget* ventana) { return ventana->objectName() + QStringLiteral("/lugar"); }

QList<QRect> Pantallas(const QWidget* ventana) {
    QList<QRect> pantallas;
    if (const QScreen* propia = ventana->screen()) pantallas << propia->availableGeometry();
    for (const QScreen* pantalla : QGuiApplication::screens())
        if (pantalla != ventana->screen()) pantallas << pantalla->availableGeometry();
    return pantallas;
}

QMargins MarcoDe(const QWidget* ventana) {
    const QRect interior = ventana->geometry();
    const QRect exterior = ventana->frameGeometry();
    return {interior.left() - exterior.left(), interior.top() - exterior.top(), exterior.right() - interior.right(),
            exterior.bottom() - interior.bottom()};
}

// The desktop draws a window's frame only after it is shown, and may place it
// otherwise than asked: once the frame is known (the desktop says so a moment
// after the window appears), the window is brought within the screen again with
// the frame it really has. Without a frame after a while, nothing is done.
class TVigiaDelMarco : public QObject {
public:
    explicit TVigiaDelMarco(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
        setObjectName(QString::fromLatin1(kNombre));
        ventana->installEventFilter(this);
        if (ventana->isVisible()) reloj_.start(kIntervaloMs, this);
    }

    static constexpr const char* kNombre = "vigiaDelMarco";

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto == ventana_ && evento->type() == QEvent::Show && !reloj_.isActive()) {
            vueltas_ = 0;
            reloj_.start(kIntervaloMs, this);
        }
        return false;
    }

    void timerEvent(QTimerEvent*) override {
        if (!ventana_->isVisible()) {
            reloj_.stop();
            return;
        }
        if (++vueltas_ <= kVueltas && ventana_->frameGeometry() == ventana_->geometry()) return;
        reloj_.stop();
        if (ventana_->frameGeometry() == ventana_->geometry()) return;
        const QRect lugar =
            LugarDeVentana(ventana_->size(), MarcoDe(ventana_), Pantallas(ventana_), ventana_->geometry());
        if (lugar != ventana_->geometry()) ventana_->setGeometry(lugar);
    }

private:
    static constexpr int kIntervaloMs = 50;
    static constexpr int kVueltas = 40;

    QWidget* ventana_;
    QBasicTimer reloj_;
    int vueltas_ = 0;
};

}  // namespace

QRect LugarDeVentana(const QSize& deseado, const QMargins& marco, const QList<QRect>& pantallas,
                     const std::optional<QRect>& anterior) {
    if (pantallas.isEmpty()) return QRect(QPoint(0, 0), deseado);
    if (anterior && anterior->isValid()) {
        const QRect titulo(anterior->left() - marco.left(), anterior->top() - marco.top(),
                           anterior->width() + marco.left() + marco.right(), std::max(marco.top(), 1));
        for (const QRect& libre : pantallas) {
            const QRect visible = titulo.intersected(libre);
            if (visible.width() >= std::min(kAgarre, titulo.width()) && visible.height() > 0)
                return Acotar(*anterior, marco, libre);
        }
    }
    const QRect& libre = pantallas.front();
    QRect interior(QPoint(0, 0), deseado.boundedTo(libre.marginsRemoved(marco).size()));
    QRect exterior = interior.marginsAdded(marco);
    exterior.moveCenter(libre.center());
    return Acotar(exterior.marginsRemoved(marco), marco, libre);
}

void ColocarVentana(QWidget* ventana, const QSize& deseado) {
    const QList<QRect> pantallas = Pantallas(ventana);
    const bool conMarco = ventana->isVisible() && ventana->frameGeometry() != ventana->geometry();
    const QMargins marco = conMarco ? MarcoDe(ventana) : kMarcoSupuesto;
    std::optional<QRect> anterior;
    const QRect guardado = Ajustes().value(Clave(ventana)).toRect();
    if (guardado.isValid()) anterior = guardado;
    // Placed by its inside: the desktop puts its frame around it.
    ventana->setGeometry(LugarDeVentana(deseado, marco, pantallas, anterior));
    VigilarAlAparecer(ventana);
}

void VigilarAlAparecer(QWidget* ventana) {
    if (!ventana->findChild<QObject*>(QString::fromLatin1(TVigiaDelMarco::kNombre), Qt::FindDirectChildrenOnly))
        new TVigiaDelMarco(ventana);
}

void RecordarVentana(const QWidget* ventana) {
    if (ventana->isMaximized() || ventana->isFullScreen()) return;
    Ajustes().setValue(Clave(ventana), ventana->geometry());
}

}  // namespace brovel
