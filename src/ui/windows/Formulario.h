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

class TUnidades;

class TFormulario {
public:
    // A group box titled `titulo` inside `padre`; without a title, a plain panel
    // whose rows line up with those of the form it sits in.
    TFormulario(QWidget* padre, const QString& titulo, const QString& nombre = QString());

    QWidget* Grupo() const { return grupo_; }

    // A quantity field: caption, field and unit selector.
    TUnidades* Campo(const QString& nombre);
    // A drop-down list with its caption label `nombreEtiqueta` in the caption column.
    QComboBox* Lista(const QString& nombre, const QString& nombreEtiqueta, const QString& titulo);
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

private:
    class TFila;
    TFila* NuevaFila();

    QWidget* grupo_;
    QVBoxLayout* filas_;
};

// Hidden by code, as opposed to not yet shown because its window is not: a
// control keeps this state whichever tab is current.
bool OcultoExplicitamente(const QWidget* control);

// The width of the numeric part of every field; a unit selector is as wide.
inline constexpr int kAnchoCampo = 110;
inline constexpr int kAnchoSelectorUnidad = 100;
inline constexpr int kSeparacionCampo = 3;

}  // namespace brovel
