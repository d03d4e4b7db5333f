// How a window shows what its form holds, and hands the user's choices back to it:
// the pieces both windows' Reflejar and Conectar share. Nothing here runs a
// widget's handler when code changes the widget.
#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QObject;
class QWidget;

namespace brovel {

class TPanelEstado;
struct TLista;

// The radio buttons under `raiz` named `nombres` become one group of their own,
// owned by `ventana`; checking the i-th of them calls `alElegir(i)`, for as long
// as `ventana` lives.
void AgruparOpciones(QObject* ventana, const QWidget* raiz, const std::vector<const char*>& nombres,
                     std::function<void(int)> alElegir);

// The radio button under `raiz` named `nombre` becomes the checked one of its group.
void ReflejarOpcion(const QWidget* raiz, const char* nombre);
void ReflejarCasilla(QCheckBox* casilla, bool marcada);
// The selector holds the list's entries (refilled only when they differ) and
// shows its chosen entry.
void ReflejarLista(QComboBox* selector, const TLista& lista);
// Each control under `raiz` the form names is shown or hidden as it says. A rule
// may speak of a control for the first time at any action: `controles` keeps what
// each name was found to be, a missing control included.
void ReflejarVisibilidad(const QWidget* raiz, const std::map<std::string, bool, std::less<>>& visibilidad,
                         QHash<QString, QWidget*>& controles);
// A result that is not computed from the current data keeps its numbers in muted
// red, with the reason in its tooltip instead of its help; `motivo` empty: current.
void ReflejarVigencia(QWidget* resultado, const std::string& motivo);
// The status panel shows "OK", or `texto` as an error; it is left alone when it
// already does.
void ReflejarEstado(TPanelEstado* panel, const std::string& texto, bool enError);

}  // namespace brovel
