#include "ui/Escritorio.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace brovel {
namespace {
TEscritorio* instalado = nullptr;
}  // namespace

void TEscritorio::MostrarError(QWidget* dueno, const QString& texto) {
    QMessageBox caja(QMessageBox::Critical, QApplication::applicationName(), texto, QMessageBox::Ok, dueno);
    MostrarModal(caja);
}

void TEscritorio::Pitido() { QApplication::beep(); }

int TEscritorio::MostrarModal(QDialog& dialogo) { return dialogo.exec(); }

QString TEscritorio::ElegirArchivoParaAbrir(QWidget* dueno, const QString& titulo, const QString& carpeta,
                                            const QString& filtro) {
    return QFileDialog::getOpenFileName(dueno, titulo, carpeta, filtro);
}

bool TEscritorio::AbrirDocumento(const QString& ruta) { return QDesktopServices::openUrl(QUrl::fromLocalFile(ruta)); }

TEscritorio& TEscritorio::Actual() {
    static TEscritorio real;
    return instalado ? *instalado : real;
}

void TEscritorio::Instalar(TEscritorio* escritorio) { instalado = escritorio; }

}  // namespace brovel
