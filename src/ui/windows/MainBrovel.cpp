#include "ui/windows/MainBrovel.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenuBar>
#include <QTabWidget>

#include "app/AcercaDe.h"
#include "ui/Escritorio.h"
#include "ui/windows/Comandos.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/Marco.h"

namespace brovel {
namespace {
const char* const kFiltroProyecto = "Proyecto Brovel (*.bvx)";
}  // namespace

TMainFormBrovel::TMainFormBrovel(bool mostrarAcercaDe) {
    setObjectName(QStringLiteral("MainFormBrovel"));
    setWindowTitle(QStringLiteral("Brovel"));
    setWindowIcon(QIcon(QStringLiteral(":/brovel.svg")));
    ConstruirMenus();
    const TCuerpo cuerpo = ConstruirCuerpo(this, {{"Geometria", "Geometría"},
                                                  {"Suelo", "Suelo"},
                                                  {"tsForzantes", "Forzantes"},
                                                  {"Condicionantes", "Condicionantes"},
                                                  {"Disipacion", "Disipación"},
                                                  {"tsErosion", "Erosión"},
                                                  {"Reporte", "Reporte"}});
    PageControl = cuerpo.pestanas;
    Panel1 = cuerpo.panel;
    setCentralWidget(cuerpo.contenido);
    resize(774, 586);

    if (mostrarAcercaDe) MostrarAcercaDeBrovel(this);
    Zumbrel = new TMainFormZumbrel(this);
    RutaModeloReporte = RutaJuntoAlPrograma(QStringLiteral("Reportes/ModeloRep.rtf"));
    NuevoExecute();
    PageControl->setCurrentIndex(0);
}

void TMainFormBrovel::ConstruirMenus() {
    Nuevo = CrearAccion(this, "Nuevo", "&Nuevo", "Ctrl+N");
    Abrir = CrearAccion(this, "Abrir", "&Abrir", "Ctrl+A");
    Guardar = CrearAccion(this, "Guardar", "&Guardar", "Ctrl+G");
    GuardarComo = CrearAccion(this, "GuardarComo", "G&uardar como...");
    ImprimirReporte = CrearAccion(this, "ImprimirReporte", "&Imprimir reporte", "Ctrl+I");
    Salir = CrearAccion(this, "Salir", "&Salir");
    Notas = CrearAccion(this, "Notas", "&Notas...");
    AcercaDe = CrearAccion(this, "AcercaDe", "A&cerca de...");
    // Saving and printing come with the project file and the report.
    for (QAction* pendiente : {Guardar, GuardarComo, ImprimirReporte}) pendiente->setEnabled(false);

    connect(Nuevo, &QAction::triggered, this, &TMainFormBrovel::NuevoExecute);
    connect(Abrir, &QAction::triggered, this, &TMainFormBrovel::AbrirExecute);
    connect(Salir, &QAction::triggered, this, &TMainFormBrovel::SalirExecute);
    connect(Notas, &QAction::triggered, this, &TMainFormBrovel::NotasExecute);
    connect(AcercaDe, &QAction::triggered, this, &TMainFormBrovel::AcercaDeExecute);

    AgregarMenu(menuBar(), "&Archivo",
                {Nuevo, Abrir, nullptr, Guardar, GuardarComo, nullptr, ImprimirReporte, nullptr, Salir});
    AgregarMenu(menuBar(), "A&yuda", {Notas, AcercaDe});
}

void TMainFormBrovel::NuevoExecute() {
    RutaProyecto.clear();
    NombreProyecto.clear();
    setWindowTitle(QStringLiteral("Brovel - Sin Nombre"));
}

void TMainFormBrovel::AbrirExecute() {
    TEscritorio::Actual().ElegirArchivoParaAbrir(this, QStringLiteral("Abrir"), RutaJuntoAlPrograma(QString()),
                                                 QString::fromUtf8(kFiltroProyecto));
}

// Ends the program at once; nothing asks whether the project should be saved.
void TMainFormBrovel::SalirExecute() { QApplication::exit(0); }

void TMainFormBrovel::NotasExecute() { AbrirAyuda(this); }

void TMainFormBrovel::AcercaDeExecute() { MostrarAcercaDeBrovel(this); }

}  // namespace brovel
