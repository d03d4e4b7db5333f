// The runoff window, "Zumbrel": a second calculator, owned by the slope window and
// shown modally from it.
#pragma once

#include <QDialog>

class QAction;
class QTabWidget;

namespace brovel {

class TPanelEstado;

class TMainFormZumbrel : public QDialog {
    Q_OBJECT
public:
    explicit TMainFormZumbrel(QWidget* dueno);

    QTabWidget* PageControl = nullptr;
    TPanelEstado* Panel1 = nullptr;

    QAction* Cargar = nullptr;
    QAction* Grabar = nullptr;
    QAction* ImprimirReporte = nullptr;
    QAction* Salir = nullptr;
    QAction* Notas = nullptr;
    QAction* AcercaDe = nullptr;

public slots:
    void Ayuda2Click();
    void AcercaDeExecute();

protected:
    void showEvent(QShowEvent* evento) override;
};

}  // namespace brovel
