#include "ui/windows/MainZumbrel.h"

#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AcercaDe.h"
#include "ui/windows/Comandos.h"
#include "ui/windows/Marco.h"

namespace brovel {

TMainFormZumbrel::TMainFormZumbrel(QWidget* dueno) : QDialog(dueno) {
    setObjectName(QStringLiteral("MainFormZumbrel"));
    setWindowTitle(QStringLiteral("Zumbrel"));
    setWindowIcon(QIcon(QStringLiteral(":/zumbrel.svg")));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(false);

    Cargar = CrearAccion(this, "Cargar", "&Cargar");
    Grabar = CrearAccion(this, "Grabar", "&Grabar");
    ImprimirReporte = CrearAccion(this, "ImprimirReporte1", "Imprimir &Reporte");
    Salir = CrearAccion(this, "Salir", "&Salir");
    Notas = CrearAccion(this, "Ayuda2", "&Notas...");
    AcercaDe = CrearAccion(this, "AcercaDe", "A&cerca de...");
    // The runoff window keeps no files and is closed with its title-bar button: these
    // items are there, and do nothing. Printing comes with the report.
    for (QAction* inerte : {Cargar, Grabar, Salir, ImprimirReporte}) inerte->setEnabled(false);
    connect(Notas, &QAction::triggered, this, &TMainFormZumbrel::Ayuda2Click);
    connect(AcercaDe, &QAction::triggered, this, &TMainFormZumbrel::AcercaDeExecute);

    auto* barra = new QMenuBar(this);
    AgregarMenu(barra, "&Archivo", {Cargar, Grabar, nullptr, ImprimirReporte, nullptr, Salir});
    AgregarMenu(barra, "A&yuda", {Notas, AcercaDe});

    const TCuerpo cuerpo = ConstruirCuerpo(this, {{"Geometria", "Geometría"},
                                                  {"Suelo", "Suelo"},
                                                  {"Forzantes", "Forzantes"},
                                                  {"Condicionantes", "Condicionantes"},
                                                  {"Escorrentia", "Escorrentía"},
                                                  {"TabSheet1", "Reporte"}});
    PageControl = cuerpo.pestanas;
    Panel1 = cuerpo.panel;

    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setMenuBar(barra);
    disposicion->addWidget(cuerpo.contenido);
    resize(799, 557);
}

void TMainFormZumbrel::Ayuda2Click() { AbrirAyuda(this); }

void TMainFormZumbrel::AcercaDeExecute() { MostrarAcercaDeZumbrel(this); }

void TMainFormZumbrel::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentrarEnPantalla(this);
}

}  // namespace brovel
