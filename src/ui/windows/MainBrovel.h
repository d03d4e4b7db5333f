// The slope window, the program's main window: seven tabs that follow the order of
// the computation, the menus with the project commands, and the status panel.
#pragma once

#include <QMainWindow>

class QAction;
class QTabWidget;

namespace brovel {

class TMainFormZumbrel;
class TPanelEstado;

class TMainFormBrovel : public QMainWindow {
    Q_OBJECT
public:
    // The desktop program shows its about box while the window is created; a
    // window built for a script does not.
    explicit TMainFormBrovel(bool mostrarAcercaDe = true);

    QTabWidget* PageControl = nullptr;
    TPanelEstado* Panel1 = nullptr;
    // The runoff window, hidden until a storm is handed to it.
    TMainFormZumbrel* Zumbrel = nullptr;

    QAction* Nuevo = nullptr;
    QAction* Abrir = nullptr;
    QAction* Guardar = nullptr;
    QAction* GuardarComo = nullptr;
    QAction* ImprimirReporte = nullptr;
    QAction* Salir = nullptr;
    QAction* Notas = nullptr;
    QAction* AcercaDe = nullptr;

    QString RutaModeloReporte;
    QString RutaProyecto;
    QString NombreProyecto;

public slots:
    void NuevoExecute();
    void AbrirExecute();
    void SalirExecute();
    void NotasExecute();
    void AcercaDeExecute();

private:
    void ConstruirMenus();
};

}  // namespace brovel
