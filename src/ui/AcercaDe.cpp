#include "ui/AcercaDe.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "ui/Escritorio.h"
#include "ui/windows/Marco.h"

namespace brovel {
namespace {

struct TContenidoAcercaDe {
    const char* nombre;
    const char* descripcion;
    const char* icono;
};

// A modal box without caption-bar buttons: the program's name, what it computes,
// its version and one button that closes it.
void Mostrar(QWidget* dueno, const TContenidoAcercaDe& contenido) {
    QDialog caja(dueno, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    caja.setObjectName(QStringLiteral("AcercaDe"));
    caja.setWindowTitle(QStringLiteral("Acerca de %1").arg(QString::fromUtf8(contenido.nombre)));

    auto* icono = new QLabel(&caja);
    icono->setPixmap(QIcon(QString::fromUtf8(contenido.icono)).pixmap(64, 64));
    icono->setAlignment(Qt::AlignTop);

    auto* nombre = new QLabel(QString::fromUtf8(contenido.nombre), &caja);
    QFont grande = nombre->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    grande.setBold(true);
    nombre->setFont(grande);

    auto* descripcion = new QLabel(QString::fromUtf8(contenido.descripcion), &caja);
    auto* version = new QLabel(QStringLiteral("Versión %1").arg(QStringLiteral(BROVEL_VERSION)), &caja);
    version->setObjectName(QStringLiteral("Version"));

    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok, &caja);
    QObject::connect(botones, &QDialogButtonBox::accepted, &caja, &QDialog::accept);

    auto* rejilla = new QGridLayout(&caja);
    rejilla->setContentsMargins(20, 18, 20, 14);
    rejilla->setHorizontalSpacing(18);
    rejilla->setVerticalSpacing(6);
    rejilla->addWidget(icono, 0, 0, 3, 1);
    rejilla->addWidget(nombre, 0, 1);
    rejilla->addWidget(descripcion, 1, 1);
    rejilla->addWidget(version, 2, 1);
    rejilla->setRowMinimumHeight(3, 8);
    rejilla->addWidget(botones, 4, 0, 1, 2);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);

    caja.adjustSize();
    CentrarEnPantalla(&caja);
    TEscritorio::Actual().MostrarModal(caja);
}

}  // namespace

void MostrarAcercaDeBrovel(QWidget* dueno) {
    Mostrar(dueno, {"Brovel",
                    "Erosión hídrica de una ladera: factores de la USLE revisada y de su forma por evento,\n"
                    "tasa de erosión y producción de sedimentos.",
                    ":/brovel.svg"});
}

void MostrarAcercaDeZumbrel(QWidget* dueno) {
    Mostrar(dueno, {"Zumbrel",
                    "Escorrentía de una cuenca pequeña: número de curva, hidrograma,\n"
                    "volumen de escorrentía y caudal pico.",
                    ":/zumbrel.svg"});
}

}  // namespace brovel
