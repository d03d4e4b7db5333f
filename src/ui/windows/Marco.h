// What both windows' frames are made of: actions from a table, menus, the tabs
// with the status panel below them, and placing a window on the screen.
#pragma once

#include <QString>

#include <initializer_list>
#include <string_view>
#include <vector>

class QAction;
class QMenuBar;
class QTabWidget;
class QWidget;

namespace brovel {

class TPanelEstado;

struct TDefinicionPestana {
    std::string_view nombre;
    std::string_view titulo;
};

// The body of a window: a tab control filling it, the status panel below.
struct TCuerpo {
    QWidget* contenido;
    QTabWidget* pestanas;
    TPanelEstado* panel;
};

TCuerpo ConstruirCuerpo(QWidget* padre, const std::vector<TDefinicionPestana>& pestanas);

// An action owned by `ventana`, its caption with the "&" of its access key and its
// shortcut (empty for none).
QAction* CrearAccion(QWidget* ventana, const char* nombre, const char* titulo, const char* atajo = "");

// A menu of `acciones`, a null entry standing for a separator.
void AgregarMenu(QMenuBar* barra, const char* titulo, const std::vector<QAction*>& acciones);

void CentrarEnPantalla(QWidget* ventana);

// A path in the program's own folder.
QString RutaJuntoAlPrograma(const QString& relativa);

// Where the program's data ("Reportes/ModeloRep.rtf") is: beside the program, or
// in the data folder of its installation; see BuscarDato.
QString RutaDeDato(const QString& relativa);

}  // namespace brovel
