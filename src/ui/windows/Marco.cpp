#include "ui/windows/Marco.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "docs/DatosDelPrograma.h"
#include "ui/windows/PanelEstado.h"

namespace brovel {

TCuerpo ConstruirCuerpo(QWidget* padre, const std::vector<TDefinicionPestana>& pestanas) {
    TCuerpo cuerpo{};
    cuerpo.contenido = new QWidget(padre);
    auto* disposicion = new QVBoxLayout(cuerpo.contenido);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(0);

    cuerpo.pestanas = new QTabWidget(cuerpo.contenido);
    cuerpo.pestanas->setObjectName(QStringLiteral("PageControl"));
    for (const auto& p : pestanas) {
        auto* pagina = new QWidget(cuerpo.pestanas);
        pagina->setObjectName(QString::fromUtf8(p.nombre.data(), static_cast<qsizetype>(p.nombre.size())));
        cuerpo.pestanas->addTab(pagina, QString::fromUtf8(p.titulo.data(), static_cast<qsizetype>(p.titulo.size())));
    }
    cuerpo.panel = new TPanelEstado(cuerpo.contenido);
    disposicion->addWidget(cuerpo.pestanas, 1);
    disposicion->addWidget(cuerpo.panel);
    return cuerpo;
}

QAction* CrearAccion(QWidget* ventana, const char* nombre, const char* titulo, const char* atajo) {
    auto* accion = new QAction(QString::fromUtf8(titulo), ventana);
    accion->setObjectName(QString::fromUtf8(nombre));
    if (*atajo) accion->setShortcut(QKeySequence::fromString(QString::fromLatin1(atajo), QKeySequence::PortableText));
    ventana->addAction(accion);
    return accion;
}

void AgregarMenu(QMenuBar* barra, const char* titulo, const std::vector<QAction*>& acciones) {
    QMenu* menu = barra->addMenu(QString::fromUtf8(titulo));
    for (QAction* accion : acciones) {
        if (accion)
            menu->addAction(accion);
        else
            menu->addSeparator();
    }
}

void CentrarEnPantalla(QWidget* ventana) {
    const QScreen* pantalla = ventana->screen();
    if (!pantalla) return;
    QRect marco = ventana->frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    ventana->move(marco.topLeft());
}

QString RutaJuntoAlPrograma(const QString& relativa) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(relativa);
}

QString RutaDeDato(const QString& relativa) {
    const std::filesystem::path programa(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    const std::filesystem::path ruta = BuscarDato(programa, QFile::encodeName(relativa).toStdString());
    return QFile::decodeName(ruta.c_str());
}

}  // namespace brovel
