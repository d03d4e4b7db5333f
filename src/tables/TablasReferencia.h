// The nineteen reference tables of typical values, as data. A table knows its
// columns (the two row flags first), its rows in order and how wide each column
// must be to show its title and every value in full. No widgets here: the picker
// shows a table, the command-line tool prints one, and the tests read them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brovel {

enum class TTipoColumna { Texto, Entero, Numero };

struct TColumna {
    std::string titulo;
    TTipoColumna tipo;
};

// An empty cell holds std::monostate: the table gives no value there.
using TCelda = std::variant<std::monostate, std::string, long long, double>;

// A value as the tables write it: a text, a whole number, a decimal or nothing.
// Storing it into a column gives the cell the column's kind.
struct TValor {
    TValor() = default;  // empty
    TValor(const char* t) : celda(std::string(t)) {}
    TValor(int n) : celda(static_cast<long long>(n)) {}
    TValor(double x) : celda(x) {}
    TCelda celda;
};

class TTablaReferencia {
public:
    // Columns of the row flags, always the first two.
    static constexpr int kColumnaMostrar = 0;
    static constexpr int kColumnaColor = 1;
    static constexpr int kPrimeraColumnaVisible = 2;

    // Discards rows and columns and starts over with these columns; each width
    // starts at its title's length.
    void DefinirColumnas(std::vector<TColumna> columnas);
    // Appends one row (one value per column) and widens the columns to fit it.
    void AgregarFila(const std::vector<TValor>& valores);

    const std::string& Codigo() const { return codigo_; }
    const std::string& Titulo() const { return titulo_; }
    const std::vector<TColumna>& Columnas() const { return columnas_; }
    // Widths in characters (code points), one per column.
    const std::vector<int>& AnchosColumna() const { return anchos_; }
    int CantidadFilas() const { return static_cast<int>(filas_.size()); }
    int CantidadColumnas() const { return static_cast<int>(columnas_.size()); }
    const TCelda& Celda(int fila, int columna) const { return filas_.at(fila).at(columna); }

    bool Mostrar(int fila) const;      // FlagMostrar is 1: its numbers are drawn
    bool FondoBlanco(int fila) const;  // FlagColor is 1: a white band, else green
    // The number a picker may hand back from this cell, if it has one.
    std::optional<double> NumeroElegible(int fila, int columna) const;
    // True when the table has no number column: the row itself is chosen.
    bool EligeFila() const;

    void Identificar(std::string codigo, std::string titulo);

private:
    std::string codigo_;
    std::string titulo_;
    std::vector<TColumna> columnas_;
    std::vector<int> anchos_;
    std::vector<std::vector<TCelda>> filas_;
};

// The text a cell shows: a text as it is, a number in its shortest decimal form
// with "." (0.00049, 0.53, 1, 6.1, 1200), nothing for an empty cell.
std::string TextoDeCelda(const TCelda& celda);

// Length of a UTF-8 text in characters.
int LongitudEnCaracteres(std::string_view texto);

// The table of a code ("TC1", "EC4", ...), or nothing for an unknown code.
std::optional<TTablaReferencia> CargarTabla(std::string_view codigo);

// How each table is offered: its code and caption, and what the caller divides
// the chosen value by.
struct TEntradaCatalogo {
    const char* codigo;
    const char* titulo;
    double divisor;    // 100 turns a percentage into a fraction, 10 kg/ha into kg/ha/cm
    bool referencias;  // shows the legend of the rotation abbreviations
};
// Every table, in catalogue order.
const std::vector<TEntradaCatalogo>& CatalogoDeTablas();
// The catalogue entry of a code, or nullptr.
const TEntradaCatalogo* EntradaDeCatalogo(std::string_view codigo);

}  // namespace brovel
