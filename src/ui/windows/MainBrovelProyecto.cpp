// The slope window's side of the project commands: the file dialogs, which start
// in the folder last chosen, and the error box.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "forms/Preguntas.h"
#include "ui/Escritorio.h"
#include "ui/windows/InterlocutorVentana.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/Marco.h"

namespace brovel {

namespace {

const QString kSufijoProyecto = QStringLiteral("bvx");
const QString kFiltroProyecto = QStringLiteral("Proyecto Brovel (*.bvx)");

// The folder of the last project the window's file dialogs chose, kept while the
// program runs.
const char* const kCarpetaUsada = "carpetaDeProyectos";

// Where the file dialogs start: where the last one ended; the first time beside the
// program when it may write there (run from its build folder), else the user's
// documents, since an installed program's folder is read-only.
QString CarpetaDeProyectos(const QWidget& ventana) {
    const QString usada = ventana.property(kCarpetaUsada).toString();
    if (!usada.isEmpty() && QFileInfo(usada).isDir()) return usada;
    const QString programa = RutaJuntoAlPrograma(QString());
    if (QFileInfo(programa).isWritable()) return programa;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// The path a file dialog chose; its folder is where the next dialog starts.
QString Recordar(QWidget& ventana, const QString& ruta) {
    if (!ruta.isEmpty()) {
        const QString carpeta = QFileInfo(ruta).absolutePath();
        if (QFileInfo(carpeta).isDir()) ventana.setProperty(kCarpetaUsada, carpeta);
    }
    return ruta;
}

std::string RutaDelSistema(const QString& ruta) { return QFile::encodeName(ruta).toStdString(); }

}  // namespace

bool TMainFormBrovel::AbrirAlArrancar(const QString& ruta) {
    // A path relative to where the program was started stays right when saving.
    const QString absoluta = QFileInfo(ruta).absoluteFilePath();
    if (!forma_->AbrirProyectoExistente(RutaDelSistema(absoluta))) return false;
    Recordar(*this, absoluta);
    return true;
}

void TMainFormBrovel::TInterlocutorVentana::MostrarError(const std::string& texto) {
    TEscritorio::Actual().MostrarError(&ventana_, QString::fromStdString(texto));
}

std::string TMainFormBrovel::TInterlocutorVentana::ElegirProyectoParaAbrir() {
    return RutaDelSistema(Recordar(ventana_, TEscritorio::Actual().ElegirArchivoParaAbrir(
                                                 &ventana_, QStringLiteral("Abrir"), CarpetaDeProyectos(ventana_),
                                                 kFiltroProyecto, kSufijoProyecto)));
}

std::string TMainFormBrovel::TInterlocutorVentana::ElegirProyectoParaGuardar() {
    return RutaDelSistema(Recordar(ventana_, TEscritorio::Actual().ElegirArchivoParaGuardar(
                                                 &ventana_, QStringLiteral("Guardar como"),
                                                 CarpetaDeProyectos(ventana_), kFiltroProyecto, kSufijoProyecto)));
}

void TMainFormBrovel::TInterlocutorVentana::MostrarZumbrel() {
    TEscritorio::Actual().MostrarModal(*ventana_.Zumbrel());
}

TRespuesta TMainFormBrovel::TInterlocutorVentana::PreguntarGuardarCambios(const std::string& nombre) {
    const QString texto = QString::fromStdString(PreguntaGuardarCambios(nombre));
    switch (TEscritorio::Actual().PreguntarSiNoCancelar(&ventana_, texto)) {
        case QMessageBox::Yes: return TRespuesta::Si;
        case QMessageBox::No: return TRespuesta::No;
        default: return TRespuesta::Cancelar;
    }
}

}  // namespace brovel
