// The table picker: one reference table in a grid, from which the user takes the
// value of a cell (or, in the soil-group tables, a whole row) for the field that
// asked for it.
#pragma once

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QPushButton;
class QTableView;
class QTextEdit;

namespace brovel {

class TModeloTablaReferencia;

class TSeleccionForm : public QDialog {
    Q_OBJECT
public:
    explicit TSeleccionForm(QWidget* dueno = nullptr);

    // Shows the table of `codigo` (std::invalid_argument for an unknown code), 740
    // pixels wide, its first cell current.
    void CargarTabla(const QString& codigo);
    // Shows the legend of the rotation abbreviations below the grid.
    void MostrarReferencias();

    // The current cell's number, also where its row does not draw it; 0 without one.
    double Valor() const;
    // The current row, the first being 0.
    int FilaActual() const;
    // True when the table has no numbers: what is chosen is the row.
    bool EligeFila() const;

    QTableView* Grid = nullptr;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancelar
    QTextEdit* Referencias = nullptr;

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Acomodar();
    void FijarAltoGrid(int alto);
    void ActualizarOk();
    // Gives the columns the grid's width: each what its title and cells need, the
    // text column the rest.
    void AjustarColumnas();

    TModeloTablaReferencia* modelo_ = nullptr;
    // What each shown column needs, in pixels, and the one that takes what is left:
    // the text column with the longest texts, none when the table has no text.
    std::vector<int> anchosNecesarios_;
    int columnaElastica_ = -1;
    // The grid keeps this distance to the bottom edge until its height is set.
    int margenInferiorGrid_ = 0;
};

// Offers the table of `codigo` as its catalogue entry says (caption, legend, size).
// Gives the chosen number divided by the entry's divisor, or for the soil-group
// tables the chosen row's position; nothing when the user cancels.
std::optional<double> ElegirDeTabla(QWidget* dueno, const QString& codigo);

}  // namespace brovel
