// The slope window's side of the project commands: the file dialogs, which start
// where projects are kept, and the error box.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "ui/Escritorio.h"
#include "ui/windows/InterlocutorVentana.h"
#include "ui/windows/Marco.h"

namespace brovel {

namespace {

const QString kSufijoProyecto = QStringLiteral("bvx");
const QString kFiltroProyecto = QStringLiteral("Proyecto Brovel (*.bvx)");

// Where the file dialogs start: beside the program when it may write there (run
// from its build folder), else the user's documents, since an installed program's
// folder is read-only.
QString CarpetaDeProyectos() {
    const QString programa = RutaJuntoAlPrograma(QString());
    if (QFileInfo(programa).isWritable()) return programa;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::string RutaDelSistema(const QString& ruta) { return QFile::encodeName(ruta).toStdString(); }

}  // namespace

void TMainFormBrovel::TInterlocutorVentana::MostrarError(const std::string& texto) {
    TEscritorio::Actual().MostrarError(&ventana_, QString::fromStdString(texto));
}

std::string TMainFormBrovel::TInterlocutorVentana::ElegirProyectoParaAbrir() {
    return RutaDelSistema(TEscritorio::Actual().ElegirArchivoParaAbrir(
        &ventana_, QStringLiteral("Abrir"), CarpetaDeProyectos(), kFiltroProyecto, kSufijoProyecto));
}

std::string TMainFormBrovel::TInterlocutorVentana::ElegirProyectoParaGuardar() {
    return RutaDelSistema(TEscritorio::Actual().ElegirArchivoParaGuardar(
        &ventana_, QStringLiteral("Guardar como"), CarpetaDeProyectos(), kFiltroProyecto, kSufijoProyecto));
}

TRespuesta TMainFormBrovel::TInterlocutorVentana::PreguntarGuardarCambios(const std::string& nombre) {
    const QString texto = QStringLiteral("¿Desea guardar los cambios de «%1»?").arg(QString::fromStdString(nombre));
    switch (TEscritorio::Actual().PreguntarSiNoCancelar(&ventana_, texto)) {
        case QMessageBox::Yes: return TRespuesta::Si;
        case QMessageBox::No: return TRespuesta::No;
        default: return TRespuesta::Cancelar;
    }
}

}  // namespace brovel
