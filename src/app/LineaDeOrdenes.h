// The command line of `brovel`: at most one project, opened once the window is up,
// as a file manager passes the project double-clicked.
#pragma once

#include <QString>
#include <QStringList>

namespace brovel {

class TMainFormBrovel;

struct TLineaDeOrdenes {
    enum class TPedido { Arrancar, Uso, Error };
    TPedido pedido = TPedido::Arrancar;
    // Arrancar: the project to open, empty for a new one.
    QString proyecto;
    // Error: why the arguments are refused, in one line.
    QString error;
};

// Reads the arguments after the program's name, once Qt has taken its own
// ("-platform", "-style"). "--help" or "-h" ask for the usage wherever they are;
// after "--" every argument is a path.
TLineaDeOrdenes LeerLineaDeOrdenes(const QStringList& argumentos);

inline constexpr const char* kUsoDeBrovel =
    "Uso: brovel [PROYECTO.bvx]\n"
    "\n"
    "Abre la ventana de Brovel con un proyecto nuevo o, si se lo nombra, con el proyecto\n"
    "PROYECTO.bvx, como lo abre «Abrir».\n"
    "\n"
    "Opciones:\n"
    "  --help    muestra esta ayuda\n";

// The status of a program ended by arguments it does not understand.
inline constexpr int kEstadoArgumentosErroneos = 2;

// Shows the window in the middle of the screen and, once it is up, opens the
// project named, if any.
void MostrarAlArrancar(TMainFormBrovel& ventana, const QString& proyecto);

}  // namespace brovel
