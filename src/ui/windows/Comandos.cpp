#include "ui/windows/Comandos.h"

#include <QFileInfo>

#include "fields/MensajesRango.h"
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
    TEscritorio::Actual().MostrarError(
        dueno, QStringLiteral("Error al querer abrir el archivo de ayuda. Dicho problema puede deberse a lo "
                              "siguiente: o bien el archivo no existe, o no está instalado el programa "
                              "Acrobat Reader."));
}

void BoundsError(TUnidades* campo, const QString&, TESBBoundsValidationType) {
    TEscritorio::Actual().MostrarError(
        campo->window(), QString::fromStdString(MensajeFueraDeRango(campo->BaseMin(), campo->BaseMax())));
    campo->RecuperarFoco();
}

}  // namespace brovel
