#include "ui/Escritorio.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

namespace brovel {
namespace {
TEscritorio* instalado = nullptr;
}  // namespace

void TEscritorio::MostrarError(QWidget* dueno, const QString& texto) {
    QMessageBox caja(QMessageBox::Critical, QApplication::applicationName(), texto, QMessageBox::Ok, dueno);
    MostrarModal(caja);
}

void TEscritorio::MostrarErrorConCarpeta(QWidget* dueno, const QString& texto, const QString& carpeta) {
    if (carpeta.isEmpty()) {
        MostrarError(dueno, texto);
        return;
    }
    QMessageBox caja(QMessageBox::Critical, QApplication::applicationName(), texto, QMessageBox::Ok, dueno);
    QPushButton* abrir = caja.addButton(QStringLiteral("Abrir la carpeta"), QMessageBox::ActionRole);
    caja.setDefaultButton(QMessageBox::Ok);
    caja.setTextInteractionFlags(Qt::TextSelectableByMouse);
    MostrarModal(caja);
    if (caja.clickedButton() == abrir) AbrirDocumento(carpeta);
}

void TEscritorio::Pitido() { QApplication::beep(); }

int TEscritorio::PreguntarSiNoCancelar(QWidget* dueno, const QString& texto) {
    QMessageBox caja(QMessageBox::Question, QApplication::applicationName(), texto,
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, dueno);
    caja.setDefaultButton(QMessageBox::Yes);
    caja.setEscapeButton(QMessageBox::Cancel);
    const int respuesta = MostrarModal(caja);
    return respuesta == QMessageBox::Yes || respuesta == QMessageBox::No ? respuesta : int(QMessageBox::Cancel);
}

int TEscritorio::MostrarModal(QDialog& dialogo) { return dialogo.exec(); }

namespace {

QString ElegirArchivo(QWidget* dueno, const QString& titulo, const QString& carpeta, const QString& filtro,
                      const QString& sufijo, QFileDialog::AcceptMode modo) {
    QFileDialog dialogo(dueno, titulo, carpeta, filtro);
    dialogo.setAcceptMode(modo);
    // Opening accepts a name that does not exist yet: it opens as an empty project.
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setDefaultSuffix(sufijo);
    // With several file types, a name typed without an extension takes the chosen type's.
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, [&dialogo](const QString& elegido) {
        const QRegularExpressionMatch extension = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(elegido);
        if (extension.hasMatch()) dialogo.setDefaultSuffix(extension.captured(1));
    });
    if (TEscritorio::Actual().MostrarModal(dialogo) != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    return dialogo.selectedFiles().constFirst();
}

}  // namespace

QString TEscritorio::ElegirArchivoParaAbrir(QWidget* dueno, const QString& titulo, const QString& carpeta,
                                            const QString& filtro, const QString& sufijo) {
    return ElegirArchivo(dueno, titulo, carpeta, filtro, sufijo, QFileDialog::AcceptOpen);
}

QString TEscritorio::ElegirArchivoParaGuardar(QWidget* dueno, const QString& titulo, const QString& carpeta,
                                              const QString& filtro, const QString& sufijo) {
    return ElegirArchivo(dueno, titulo, carpeta, filtro, sufijo, QFileDialog::AcceptSave);
}

bool TEscritorio::AbrirDocumento(const QString& ruta) { return QDesktopServices::openUrl(QUrl::fromLocalFile(ruta)); }

TEscritorio& TEscritorio::Actual() {
    static TEscritorio real;
    return instalado ? *instalado : real;
}

void TEscritorio::Instalar(TEscritorio* escritorio) { instalado = escritorio; }

}  // namespace brovel
