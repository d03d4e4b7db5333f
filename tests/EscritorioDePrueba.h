// A desktop that records what the windows ask of it, instead of waiting for
// someone to press OK.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <QStringList>
#include <QWidget>

#include "ui/Escritorio.h"

namespace brovel {

// A window's title as the desktop shows it: "[*]" stands for "*" while the window
// has unsaved changes, and for nothing otherwise.
inline QString TituloMostrado(const QWidget& ventana) {
    QString titulo = ventana.windowTitle();
    return titulo.replace(QStringLiteral("[*]"), ventana.isWindowModified() ? QStringLiteral("*") : QString());
}

class TEscritorioDePrueba : public TEscritorio {
public:
    TEscritorioDePrueba() { Instalar(this); }
    ~TEscritorioDePrueba() override { Instalar(nullptr); }

    void MostrarError(QWidget* dueno, const QString& texto) override {
        errores << texto;
        duenosDeErrores << dueno;
    }
    void MostrarErrorConCarpeta(QWidget* dueno, const QString& texto, const QString& carpeta) override {
        MostrarError(dueno, texto);
        carpetasOfrecidas << carpeta;
    }
    void Pitido() override { ++pitidos; }
    int PreguntarSiNoCancelar(QWidget*, const QString& texto) override {
        preguntas << texto;
        return respuestas.isEmpty() ? int(QMessageBox::No) : respuestas.takeFirst();
    }
    int MostrarModal(QDialog& dialogo) override {
        modales << dialogo.windowTitle();
        if (!alMostrarModal) return QDialog::Accepted;
        // The dialog ends as the test's "user" leaves it: closed unanswered unless
        // something in it accepts.
        dialogo.setResult(QDialog::Rejected);
        alMostrarModal(dialogo);
        return dialogo.result();
    }
    QString ElegirArchivoParaAbrir(QWidget*, const QString&, const QString& carpeta, const QString& filtro,
                                   const QString& sufijo) override {
        return Elegir(QStringLiteral("abrir"), carpeta, filtro, sufijo);
    }
    QString ElegirArchivoParaGuardar(QWidget*, const QString&, const QString& carpeta, const QString& filtro,
                                     const QString& sufijo) override {
        return Elegir(QStringLiteral("guardar"), carpeta, filtro, sufijo);
    }
    bool AbrirDocumento(const QString& ruta) override {
        documentosAbiertos << ruta;
        return abrirFunciona;
    }

    QStringList errores;
    QList<QWidget*> duenosDeErrores;
    // The folder each error box offered to open (empty for none).
    QStringList carpetasOfrecidas;
    int pitidos = 0;
    // The questions asked, and what the next ones answer (QMessageBox::Yes, No or
    // Cancel), in turn; once the answers run out, No.
    QStringList preguntas;
    QList<int> respuestas;
    QStringList modales;
    // Looks at each modal dialog while it is "shown" and may press its buttons;
    // without it every dialog is accepted.
    std::function<void(QDialog&)> alMostrarModal;
    QStringList filtrosPedidos;
    QStringList carpetasPedidas;
    QStringList sufijosPedidos;
    // "abrir" or "guardar", one per file dialog shown.
    QStringList dialogosDeArchivo;
    // What the next file dialogs answer, in turn; once they run out, they are cancelled.
    QStringList archivosElegidos;
    QStringList documentosAbiertos;
    bool abrirFunciona = true;

private:
    QString Elegir(const QString& dialogo, const QString& carpeta, const QString& filtro, const QString& sufijo) {
        dialogosDeArchivo << dialogo;
        filtrosPedidos << filtro;
        carpetasPedidas << carpeta;
        sufijosPedidos << sufijo;
        return archivosElegidos.isEmpty() ? QString() : archivosElegidos.takeFirst();
    }
};

}  // namespace brovel
