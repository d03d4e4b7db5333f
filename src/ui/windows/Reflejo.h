// How a window shows what its form holds, and hands the user's choices back to it:
// the pieces both windows' Reflejar and Conectar share. Nothing here runs a
// widget's handler when code changes the widget.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QObject;
class QRadioButton;
class QWidget;

namespace brovel {

class TPanelEstado;
struct TLista;

// The widgets under a window's `raiz` by name, found in one walk, as a search by
// name finds them: a widget's children before any of theirs, in their order. For
// looking up many controls at once while the window is built; widgets made or
// renamed later are not in it.
class TNombresDeVentana {
public:
    explicit TNombresDeVentana(const QWidget* raiz);

    // The control `nombre` of its kind, as raiz->findChild<T*>(nombre) finds it.
    template <class T>
    T* Buscar(const QString& nombre) const {
        const auto encontrado = nombres_.find(nombre);
        if (encontrado != nombres_.end())
            if (auto* control = qobject_cast<T*>(encontrado->second)) return control;
        // None, or the first of that name is of another kind.
        return raiz_->findChild<T*>(nombre);
    }

private:
    const QWidget* raiz_;
    std::map<QString, QWidget*> nombres_;
};

// The radio buttons named `nombres` become one group of their own, owned by
// `ventana`; checking the i-th of them calls `alElegir(i)`, for as long as
// `ventana` lives.
void AgruparOpciones(QObject* ventana, const TNombresDeVentana& controles, const std::vector<const char*>& nombres,
                     std::function<void(int)> alElegir);

// The radio buttons named `nombres`, in their order.
std::vector<QRadioButton*> BuscarOpciones(const TNombresDeVentana& controles, const std::vector<const char*>& nombres);
// The radio button becomes the checked one of its group.
void ReflejarOpcion(QRadioButton* boton);
void ReflejarCasilla(QCheckBox* casilla, bool marcada);
// The selector holds the list's entries and shows its chosen entry. `puestas` are
// the entries last put in it, which only this changes: it is refilled only when the
// list's differ from them, without reading its entries back.
void ReflejarLista(QComboBox* selector, const TLista& lista, std::vector<std::string>& puestas);
// The controls a window shows or hides, by the names its form gives them.
using TControlesPorNombre = std::map<std::string, QWidget*, std::less<>>;
// Each control under `raiz` the form names is shown or hidden as it says; only one
// whose state differs is touched. A rule may speak of a control for the first time
// at any action: `controles` keeps what each name was found to be, found in
// `nombres` when given. A name no control under `raiz` has throws std::logic_error.
void ReflejarVisibilidad(const QWidget* raiz, const std::map<std::string, bool, std::less<>>& visibilidad,
                         TControlesPorNombre& controles, const TNombresDeVentana* nombres = nullptr);
// A result that is not computed from the current data keeps its numbers in muted
// red, with the reason in its tooltip instead of its help; `motivo` empty: current.
void ReflejarVigencia(QWidget* resultado, const std::string& motivo);
// The status panel shows "OK", or `texto` as an error; it is left alone when it
// already does.
void ReflejarEstado(TPanelEstado* panel, const std::string& texto, bool enError);

}  // namespace brovel
