#include "ui/windows/Comandos.h"

#include <QDir>
#include <QFileInfo>

#include "fields/MensajesRango.h"
#include "forms/Ayuda.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/Marco.h"

namespace brovel {

QString RutaAyuda() { return RutaDeDato(QStringLiteral("Ayuda/Ayuda Brovel y Zumbrel.pdf")); }

void AbrirAyuda(QWidget* dueno) {
    // The desktop's opener reports success as soon as it has started a viewer, even
    // for a file that is not there, so the file is looked for first.
    const QString ruta = RutaAyuda();
    if (QFileInfo(ruta).isFile() && TEscritorio::Actual().AbrirDocumento(ruta)) return;
    // Where the file is, or should be, so that it can be opened by hand.
    const QFileInfo archivo(ruta);
    const QString carpeta = archivo.absoluteDir().exists() ? archivo.absolutePath() : QString();
    TEscritorio::Actual().MostrarErrorConCarpeta(
        dueno,
        QString::fromStdString(MensajeSinAyuda(QDir::toNativeSeparators(archivo.absoluteFilePath()).toStdString())),
        carpeta);
}

void BoundsError(TUnidades* campo, const QString&, TESBBoundsValidationType) {
    TEscritorio::Actual().MostrarError(campo->window(),
                                       QString::fromStdString(MensajeFueraDeRango(campo->BaseMin(), campo->BaseMax())));
    campo->RecuperarFoco();
}

}  // namespace brovel
