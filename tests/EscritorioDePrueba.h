// A desktop that records what the windows ask of it, instead of waiting for
// someone to press OK.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <QStringList>
#include <QWidget>

#include "ui/Escritorio.h"

namespace brovel {

class TEscritorioDePrueba : public TEscritorio {
public:
    TEscritorioDePrueba() { Instalar(this); }
    ~TEscritorioDePrueba() override { Instalar(nullptr); }

    void MostrarError(QWidget* dueno, const QString& texto) override {
        errores << texto;
        duenosDeErrores << dueno;
    }
    void Pitido() override { ++pitidos; }
    int MostrarModal(QDialog& dialogo) override {
        modales << dialogo.windowTitle();
        if (alMostrarModal) alMostrarModal(dialogo);
        return QDialog::Accepted;
    }
    QString ElegirArchivoParaAbrir(QWidget*, const QString&, const QString& carpeta, const QString& filtro) override {
        filtrosPedidos << filtro;
        carpetasPedidas << carpeta;
        return QString();
    }
    bool AbrirDocumento(const QString& ruta) override {
        documentosAbiertos << ruta;
        return abrirFunciona;
    }

    QStringList errores;
    QList<QWidget*> duenosDeErrores;
    int pitidos = 0;
    QStringList modales;
    // Looks at each modal dialog while it is "shown".
    std::function<void(QDialog&)> alMostrarModal;
    QStringList filtrosPedidos;
    QStringList carpetasPedidas;
    QStringList documentosAbiertos;
    bool abrirFunciona = true;
};

}  // namespace brovel
