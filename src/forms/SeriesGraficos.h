// What the plots beside the numbers show, without any drawing: which points,
// which bars, which factors, with which captions, in the units the fields and
// grids show and on which scale. The windows draw these; nothing here is computed
// that the forms do not already hold.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brovel {

class TCantidad;
class TFormaBrovel;
class TFormaZumbrel;

struct TPuntoGrafico {
    double x = 0;
    double y = 0;
    friend bool operator==(const TPuntoGrafico&, const TPuntoGrafico&) = default;
};

// A numeric axis: its title with the unit, its range and how many marks (with
// both ends) divide it into equal steps; or, with an interval, marks at the
// multiples of the interval inside the range.
struct TEje {
    std::string titulo;
    double minimo = 0;
    double maximo = 1;
    int marcas = 6;
    double intervalo = 0;
};

// From zero to a round number at or above `maximo`, in equal steps of
// 1, 2, 2.5 or 5 times a power of ten, three to five of them. A maximum that is
// not positive gets 0 to 1.
TEje EscalaLineal(std::string titulo, double maximo);
// Whole decades around `minimo`..`maximo` (both positive), at least one.
TEje EscalaLogaritmica(std::string titulo, double minimo, double maximo);

// A number of the base unit in the unit the field shows.
double EnUnidadDelCampo(const TCantidad& campo, double base);

// The title a plot shows: with a note when what it draws is not current.
std::string TituloMostrado(const std::string& titulo, bool alDia);

// The grain-size curve of the Suelo tab: percent passing against diameter, the
// points with a positive diameter (a logarithmic axis has no room for the others),
// and the one the editor shows.
struct TDatosCurva {
    std::string titulo;
    std::vector<TPuntoGrafico> puntos;
    std::optional<TPuntoGrafico> elegido;
    TEje ejeX;  // logarithmic
    TEje ejeY;
};
TDatosCurva DatosCurva(TFormaBrovel& forma);

// The hyetograph the Forzantes tab plots, one bar per step, the step its editor
// shows marked. Without a hyetograph in use it has no bars.
struct TDatosHietograma {
    std::string titulo;
    std::vector<std::string> pasos;
    std::vector<double> alturas;
    int elegido = -1;
    std::string tituloX;
    TEje ejeY;
};
TDatosHietograma DatosHietograma(TFormaBrovel& forma);

// The dimensionless factors of the Erosión tab against 1, the reference plot's:
// LS, C with its subfactors, P with those of contouring where they apply.
struct TFactorGrafico {
    // Its symbol and the number its field shows: "LS = 1.043".
    std::string rotulo;
    double valor = 0;
    // A factor of the erosion rate, or a subfactor of one.
    bool principal = true;
    bool alDia = true;
    // Its symbol alone, for a plot that names the bar apart from its number: "LS".
    std::string simbolo;
};
struct TDatosFactores {
    std::string titulo;
    std::vector<TFactorGrafico> factores;
    // Whether every factor is up to date.
    bool alDia = true;
    // The factor of the rate that reduces it most, among those up to date; -1 if none.
    int masReductor = -1;
    TEje eje;
};
TDatosFactores DatosFactores(TFormaBrovel& forma);

// A bar over an interval of time.
struct TBarra {
    double desde = 0;
    double hasta = 0;
    double valor = 0;
    friend bool operator==(const TBarra&, const TBarra&) = default;
};

// A plot against time in hours, as the runoff grids show it: bars (the rainfall
// of each step), a line, and for a hydrograph its peak.
struct TDatosTiempo {
    std::string titulo;
    TEje ejeX;
    // The line's axis and the bars'; the plot puts one on each side.
    TEje ejeLinea;
    TEje ejeBarras;
    std::string nombreLinea;
    std::string nombreBarras;
    std::vector<TPuntoGrafico> linea;
    std::vector<TBarra> barras;
    std::optional<TPuntoGrafico> pico;
    std::string rotuloPico;
    // False when the window's last recalculation failed: the grids keep what the
    // last good one left.
    bool alDia = true;
};
// Forzantes: the partial rainfall of each step as bars, the accumulated rainfall
// as a line on the right axis.
TDatosTiempo DatosLluvia(const TFormaZumbrel& forma);
// Condicionantes: the cumulative runoff per unit area.
TDatosTiempo DatosEscorrentia(const TFormaZumbrel& forma);
// Escorrentía: the hydrograph with its peak, the rainfall hanging from the top on
// the right axis, which runs downwards; the hydrograph keeps to the lower half and
// the bars to the upper third.
TDatosTiempo DatosHidrograma(const TFormaZumbrel& forma);

// The outline of bars as one line along the time axis: up, across and down each
// bar, `hueco` (a fraction of its width) left empty at each side.
std::vector<TPuntoGrafico> ContornoDeBarras(const std::vector<TBarra>& barras, double hueco);

}  // namespace brovel
