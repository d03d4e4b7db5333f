// The quantity field: a right-aligned numeric edit with its caption on the left and
// its unit selector on the right. The number, its units and its range live in a
// TCantidad; this widget shows it, filters the keys and runs the exit processing.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>

#include <functional>

#include "fields/Cantidad.h"
#include "ui/fields/Rotulo.h"

namespace brovel {

class TUnidades;

// The caption label owned by a field; it sizes itself to its text.
class TBoundLabel : public TRotulo {
    Q_OBJECT
public:
    explicit TBoundLabel(QWidget* padre);

protected:
    bool event(QEvent* evento) override;
};

// Shows a widget's tooltip as a paragraph broken into lines, as a sentence of help
// reads best, rather than as one line across the screen. Used for the ToolTip
// event of a field and of its caption; true when it showed it.
bool MostrarAyudaEnParrafo(QWidget* control, QEvent* evento);

using TESBBoundsValidationEvent =
    std::function<void(TUnidades* campo, const QString& texto, TESBBoundsValidationType tipo)>;

class TUnidades : public QLineEdit {
    Q_OBJECT
public:
    // `nombre` is the field's name (euLt, euDt…), also its caption until one is set.
    // It shows and edits `cantidad` from the start, as Vincular would make it, or a
    // quantity of its own when none is given.
    explicit TUnidades(QWidget* padre, const QString& nombre = QString(), TCantidad* cantidad = nullptr);
    ~TUnidades() override;

    // The number the field shows and edits: its own, or a form's once bound to it.
    // Settings that need no widget (decimals, notation range, full accuracy, range
    // limits, conversion hooks) live there. Units, the current unit and the text go
    // through the field, so that the selector and the edit follow them.
    TCantidad& Cantidad() { return *cantidad_; }
    const TCantidad& Cantidad() const { return *cantidad_; }
    // Shows and edits a form's quantity from now on: the form answers its changes,
    // the field only shows them. Released by Desvincular, or by the field's end.
    void Vincular(TCantidad& cantidad);
    void Desvincular();
    bool Vinculado() const { return cantidad_ != &propia_; }

    void SetUnits(const QStringList& unidades);
    QStringList Units() const;
    void SetDefaultUnit(int indice);
    int CurrentUnit() const { return cantidad_->CurrentUnit(); }
    QString UnitAsString() const;

    int DecimalPlaces() const { return cantidad_->DecimalPlaces; }
    void SetDecimalPlaces(int decimales) { cantidad_->DecimalPlaces = decimales; }
    long double BaseMin() const { return cantidad_->BaseMin; }
    long double BaseMax() const { return cantidad_->BaseMax; }
    void SetBaseMin(long double v) { cantidad_->BaseMin = v; }
    void SetBaseMax(long double v) { cantidad_->BaseMax = v; }
    void SetUseRange(bool usar) { cantidad_->SetUseRange(usar); }
    long double BoundUpper() const { return cantidad_->BoundUpper(); }

    // The number, read back from the text: these throw ErrorDeConversion when the
    // text is not a number.
    long double AsFloat() { return cantidad_->AsFloat(); }
    void SetAsFloat(long double valor) { cantidad_->SetAsFloat(valor); }
    long double GetBaseValue() { return cantidad_->GetBaseValue(); }
    void SetBaseValue(long double valor) { cantidad_->SetBaseValue(valor); }
    // Sets the text from code: it is read, notified and rendered again.
    void SetText(const QString& texto);

    TBoundLabel* EditLabel() const { return etiqueta_; }
    QComboBox* SubCombo() const { return selector_; }
    QString Caption() const;
    void SetCaption(const QString& titulo);

    // Results are read-only: grey-blue, skipped by Tab, refusing every key that
    // would change them.
    void SetReadOnly(bool soloLectura);

    // The window has been built: the units are parsed, the default unit selected
    // and change notifications start.
    void Cargado();

    // Leaving the field: read the text, render it, test the range. Returns false
    // when the text was not a number or the range test failed; the focus then
    // stays in the field. Run on every focus change that leaves the field.
    bool ProcesarSalida();
    // Takes the focus back with the whole text selected, ready to be typed over.
    void RecuperarFoco();

    // Raised by a failed range test; without it the field shows its own message.
    TESBBoundsValidationEvent OnBoundsError;

    void setVisible(bool visible) override;

signals:
    // After every change of the text, typed or written from code, once loaded.
    void OnChange();

protected:
    bool event(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void AlEditar(const QString& texto);
    void AlElegirUnidad(int indice);
    void LlenarSelector();
    void Reubicar();
    void ApplyDefaultColors();
    bool EsAtajoDeLaVentana(const QKeyEvent& tecla) const;

    void EscucharCantidad();

    TCantidad propia_;
    TCantidad* cantidad_ = &propia_;
    QPointer<TBoundLabel> etiqueta_;
    QPointer<QComboBox> selector_;
};

}  // namespace brovel
