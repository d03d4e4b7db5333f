// Forms built row by row: a group box whose quantity fields and lists share one
// caption column, so every field of the group starts at the same x. A row follows
// the visibility of its control, so hidden inputs leave no gap. The form creates
// the controls, each inside its row.
#pragma once

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class QVBoxLayout;

namespace brovel {

class TCantidad;
class TUnidades;

class TFormulario {
public:
    // A group box titled `titulo` inside `padre`; without a title, a plain panel
    // whose rows line up with those of the form it sits in.
    TFormulario(QWidget* padre, const QString& titulo, const QString& nombre = QString());

    QWidget* Grupo() const { return grupo_; }

    // A quantity field: caption, field and unit selector; it shows `cantidad` from
    // the start, when one is given.
    TUnidades* Campo(const QString& nombre, TCantidad* cantidad = nullptr);
    // A drop-down list with its caption label `nombreEtiqueta` in the caption column,
    // as wide as a field or as its longest entry.
    QComboBox* Lista(const QString& nombre, const QString& nombreEtiqueta, const QString& titulo);
    // A drop-down list of numbers (a count, a step): as wide as a field at the
    // designed size whatever it holds, so that refilling it never shrinks it.
    QComboBox* ListaDeNumeros(const QString& nombre, const QString& nombreEtiqueta, const QString& titulo);
    QRadioButton* Opcion(const QString& nombre, const QString& titulo);
    QCheckBox* Casilla(const QString& nombre, const QString& titulo);
    // A button at the start of the field column.
    QPushButton* Boton(const QString& nombre, const QString& titulo);
    // A small button after a field's unit selector, in the field's row, so that it
    // shows and hides with the field.
    QToolButton* BotonJunto(TUnidades* campo, const QString& nombre, const QString& titulo);
    // A small button at the start of the field column, its caption after it.
    QToolButton* BotonConRotulo(const QString& nombre, const QString& titulo, const QString& rotulo);
    // Any other control, across the row.
    void Linea(QWidget* control);
    // The widest caption of the rows, and the caption column they share.
    int AnchoEtiquetas() const;
    void SetColumna(int x);
    // Every form under `raiz` puts its fields at one x, after the widest caption of
    // them all, so that moving between the tabs of a window the fields stay put.
    static void AlinearColumnas(QWidget* raiz);

private:
    class TFila;
    TFila* NuevaFila();
    QComboBox* NuevaLista(const QString& nombre, const QString& nombreEtiqueta, const QString& titulo, bool deNumeros);

    QWidget* grupo_;
    QVBoxLayout* filas_;
};

// Hidden by code, as opposed to not yet shown because its window is not: a
// control keeps this state whichever tab is current.
bool OcultoExplicitamente(const QWidget* control);

// A list or a field takes the mouse wheel only while it has the keyboard focus;
// otherwise the wheel scrolls the page it sits on, so that scrolling down a page
// never changes what the pointer happens to pass over.
void RuedaSoloConFoco(QWidget* control);

// The width of the numeric part of every field at the window's designed size; a
// unit selector is about as wide.
inline constexpr int kAnchoCampo = 110;
inline constexpr int kAnchoSelectorUnidad = 100;
inline constexpr int kSeparacionCampo = 3;
// A page wider than the designed one gives its fields half of the extra width, up
// to this much, so that a large window is not left empty on the right.
inline constexpr int kAnchoPaginaDisenada = 770;
inline constexpr int kCrecimientoMaximoCampo = 150;

}  // namespace brovel
