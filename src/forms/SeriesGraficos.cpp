#include "forms/SeriesGraficos.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "fields/Numeros.h"
#include "forms/FormaBrovel.h"
#include "forms/FormaZumbrel.h"

namespace brovel {
namespace {

// The hyetograph editors: the list of steps, the amount field, the time-step field.
struct TEditorHietograma {
    THietograma hietograma;
    TListaBrovel pasos;
    const char* altura;
    const char* paso;
    const char* titulo;
};
// clang-format off
const TEditorHietograma kEditores[] = {
    {THietograma::Representativo, TListaBrovel::cbPhn,  "euCll",  "euPth",  "Hietograma representativo"},
    {THietograma::Serie,          TListaBrovel::cbPhn2, "euCll1", "euPths", "Hietograma %h de la serie"},
    {THietograma::Tormenta,       TListaBrovel::cbPhn3, "euCll2", "euPth2", "Hietograma de la tormenta extrema"},
    {THietograma::Evento,         TListaBrovel::cbPhn4, "euCll3", "euPth3", "Hietograma del evento de lluvia"},
};

// The factors of the Erosión tab in the order they are drawn, from the top.
struct TFilaFactor {
    const char* rotulo;
    const char* campo;
    bool principal;
};
const TFilaFactor kFactores[] = {
    {"LS",  "euFtEResultado",    true},
    {"C",   "euFcmEResultado",   true},
    {"PLU", "euSupsEResultado",  false},
    {"CC",  "euScfEResultado",   false},
    {"SC",  "euScsEResultado",   false},
    {"SR",  "euSrsEResultado",   false},
    {"SM",  "euShsEResultado",   false},
    {"P",   "euFpsEResultado",   true},
    {"Pb",  "euFpsbEResultado",  false},
    {"Pt",  "euFpsetEResultado", false},
    {"Pg",  "euFpsedEResultado", false},
};
// clang-format on

std::string Titulo(const std::string& nombre, const std::string& unidad) { return nombre + " [" + unidad + "]"; }

// The unit a grid's header shows, "[mm]" → "mm".
std::string UnidadDeGrilla(const TGrillaResultados& grilla, size_t columna) {
    if (columna >= grilla.encabezados.size()) return {};
    std::string texto = grilla.encabezados[columna];
    if (texto.size() >= 2 && texto.front() == '[' && texto.back() == ']') texto = texto.substr(1, texto.size() - 2);
    return texto;
}

const std::vector<double>& Columna(const TGrillaResultados& grilla, size_t columna) {
    static const std::vector<double> kVacia;
    return columna < grilla.columnas.size() ? grilla.columnas[columna] : kVacia;
}

// A line from the start of the rain, when nothing has yet fallen or run off,
// through a column of a grid against its hours.
std::vector<TPuntoGrafico> LineaDesdeCero(const TGrillaResultados& grilla, size_t columna) {
    const std::vector<double>& horas = Columna(grilla, 0);
    const std::vector<double>& valores = Columna(grilla, columna);
    std::vector<TPuntoGrafico> linea{{0, 0}};
    for (size_t i = 0; i < std::min(horas.size(), valores.size()); ++i) linea.push_back({horas[i], valores[i]});
    return linea;
}

// The partial rainfall of each step, as the grid shows it (nothing below zero).
std::vector<TBarra> BarrasDeLluvia(const TGrillaResultados& lluvia) {
    const std::vector<double>& horas = Columna(lluvia, 0);
    const std::vector<double>& parcial = Columna(lluvia, 1);
    std::vector<TBarra> barras;
    for (size_t i = 0; i < std::min(horas.size(), parcial.size()); ++i)
        barras.push_back({i == 0 ? 0 : horas[i - 1], horas[i], std::max(parcial[i], 0.0)});
    return barras;
}

double MaximoY(const std::vector<TPuntoGrafico>& puntos) {
    double maximo = 0;
    for (const TPuntoGrafico& p : puntos) maximo = std::max(maximo, p.y);
    return maximo;
}

double MaximoBarras(const std::vector<TBarra>& barras) {
    double maximo = 0;
    for (const TBarra& b : barras) maximo = std::max(maximo, b.valor);
    return maximo;
}

double FinDelTiempo(const std::vector<TPuntoGrafico>& linea, const std::vector<TBarra>& barras) {
    double fin = 0;
    for (const TPuntoGrafico& p : linea) fin = std::max(fin, p.x);
    for (const TBarra& b : barras) fin = std::max(fin, b.hasta);
    return fin;
}

constexpr const char* kTiempo = "Tiempo [h]";

}  // namespace

TEje EscalaLineal(std::string titulo, double maximo) {
    TEje eje{std::move(titulo), 0, 1, 6};
    if (!(maximo > 0) || !std::isfinite(maximo)) return eje;
    const double magnitud = std::pow(10.0, std::floor(std::log10(maximo / 5)));
    double paso = 10 * magnitud;
    for (double m : {1.0, 2.0, 2.5, 5.0}) {
        if (m * magnitud * 5 >= maximo * (1 - 1e-12)) {
            paso = m * magnitud;
            break;
        }
    }
    const int pasos = std::max(1, static_cast<int>(std::ceil(maximo / paso - 1e-9)));
    eje.maximo = pasos * paso;
    eje.marcas = pasos + 1;
    return eje;
}

TEje EscalaLogaritmica(std::string titulo, double minimo, double maximo) {
    int desde = -3, hasta = 1;
    if (minimo > 0 && maximo >= minimo && std::isfinite(maximo)) {
        desde = static_cast<int>(std::floor(std::log10(minimo) + 1e-9));
        hasta = static_cast<int>(std::ceil(std::log10(maximo) - 1e-9));
        if (hasta <= desde) hasta = desde + 1;
    }
    return {std::move(titulo), std::pow(10.0, desde), std::pow(10.0, hasta), hasta - desde + 1};
}

double EnUnidadDelCampo(const TCantidad& campo, double base) {
    const std::vector<TUnidad>& unidades = campo.Unidades();
    const int actual = campo.CurrentUnit();
    if (actual < 0 || actual >= static_cast<int>(unidades.size()) || actual == TCantidad::kUnidadBase) return base;
    const TUnidad& u = unidades[static_cast<size_t>(actual)];
    if (u.factor == 0) return base;
    return static_cast<double>(base * u.factor + u.desplazamiento);
}

std::string TituloMostrado(const std::string& titulo, bool alDia) {
    return alDia ? titulo : titulo + " (sin actualizar)";
}

TDatosCurva DatosCurva(TFormaBrovel& forma) {
    TDatosCurva datos;
    datos.titulo = "Curva granométrica";
    const TCantidad& diametro = forma.euDg;
    const TLista& puntos = forma.Lista(TListaBrovel::cbPcg);
    const int n = std::min(static_cast<int>(puntos.items.size()), kMaxElementos);
    for (int i = 1; i <= n; ++i) {
        const double dg = forma.Estado.Dg[static_cast<size_t>(i)];
        if (!(dg > 0)) continue;
        const TPuntoGrafico p{EnUnidadDelCampo(diametro, dg),
                              EnUnidadDelCampo(forma.euPp, forma.Estado.Pp[static_cast<size_t>(i)])};
        datos.puntos.push_back(p);
        if (i == puntos.Posicion()) datos.elegido = p;
    }
    double minimo = 0, maximo = 0;
    for (const TPuntoGrafico& p : datos.puntos) {
        minimo = minimo > 0 ? std::min(minimo, p.x) : p.x;
        maximo = std::max(maximo, p.x);
    }
    datos.ejeX = EscalaLogaritmica(Titulo("Diámetro de grano", diametro.UnitAsString()), minimo, maximo);
    // A little beyond 0 and 100, so that the points there are whole.
    datos.ejeY = {Titulo("Porcentaje pasante", forma.euPp.UnitAsString()), -3, 104, 6, 20};
    return datos;
}

TDatosHietograma DatosHietograma(TFormaBrovel& forma) {
    TDatosHietograma datos;
    const std::optional<THietograma> graficado = forma.HietogramaGraficado();
    const TEditorHietograma* editor = nullptr;
    for (const TEditorHietograma& e : kEditores)
        if (graficado == e.hietograma) editor = &e;
    if (!editor) {
        datos.titulo = "Sin hietograma en uso";
        datos.tituloX = "Paso";
        datos.ejeY = EscalaLineal("Lluvia por paso [mm]", 0);
        return datos;
    }
    const TCantidad& altura = forma.Campo(editor->altura);
    const TCantidad& paso = forma.Campo(editor->paso);
    const TLista& pasos = forma.Lista(editor->pasos);
    const int h = editor->hietograma == THietograma::Serie
                      ? std::clamp(forma.Lista(TListaBrovel::cbHn).Posicion(), 1, kMaxElementos)
                      : 1;
    datos.titulo = editor->titulo;
    if (const auto marca = datos.titulo.find("%h"); marca != std::string::npos)
        datos.titulo.replace(marca, 2, std::to_string(h));
    const int n = std::min(static_cast<int>(pasos.items.size()), kMaxElementos);
    double maximo = 0;
    for (int k = 1; k <= n; ++k) {
        const TEstadoBrovel& e = forma.Estado;
        const size_t i = static_cast<size_t>(k);
        const double base = editor->hietograma == THietograma::Tormenta ? e.Cll2[i]
                            : editor->hietograma == THietograma::Evento ? e.Cll3[i]
                                                                        : e.Cll1[static_cast<size_t>(h)][i];
        datos.pasos.push_back(std::to_string(k));
        datos.alturas.push_back(EnUnidadDelCampo(altura, base));
        maximo = std::max(maximo, datos.alturas.back());
    }
    datos.elegido = pasos.Posicion() - 1;
    datos.tituloX = "Paso (de " + paso.Text() + " " + paso.UnitAsString() + ")";
    datos.ejeY = EscalaLineal(Titulo("Lluvia por paso", altura.UnitAsString()), maximo);
    return datos;
}

TDatosFactores DatosFactores(TFormaBrovel& forma) {
    TDatosFactores datos;
    datos.titulo = "Factores adimensionales";
    double maximo = 1;
    double menor = 0;
    for (const TFilaFactor& fila : kFactores) {
        if (!forma.Mostrado(fila.campo)) continue;
        TCantidad& campo = forma.Campo(fila.campo);
        TFactorGrafico f{std::string(fila.rotulo) + " = " + campo.Text(), static_cast<double>(campo.GetBaseValue()),
                         fila.principal, forma.AlDia(fila.campo), fila.rotulo};
        maximo = std::max(maximo, f.valor);
        if (f.principal && f.alDia && (datos.masReductor < 0 || f.valor < menor)) {
            datos.masReductor = static_cast<int>(datos.factores.size());
            menor = f.valor;
        }
        datos.alDia = datos.alDia && f.alDia;
        datos.factores.push_back(std::move(f));
    }
    // The reference stands clear of the right edge.
    datos.eje = EscalaLineal("Valor del factor (1 = parcela de referencia)", maximo * 1.1);
    return datos;
}

namespace {

// A plot of grids is current while the window's last recalculation went through
// and none of its grids kept numbers of earlier data.
bool AlDia(const TFormaZumbrel& forma, std::initializer_list<const TGrillaResultados*> grillas) {
    return !forma.EstadoEnError() && std::all_of(grillas.begin(), grillas.end(),
                                                 [](const TGrillaResultados* g) { return g->motivoViejo.empty(); });
}

}  // namespace

TDatosTiempo DatosLluvia(const TFormaZumbrel& forma) {
    const TGrillaResultados& lluvia = forma.GrillaLluvia();
    TDatosTiempo datos;
    datos.titulo = "Lluvia en función del tiempo";
    datos.barras = BarrasDeLluvia(lluvia);
    datos.linea = LineaDesdeCero(lluvia, 2);
    datos.nombreBarras = "Parcial";
    datos.nombreLinea = "Acumulada";
    datos.ejeX = EscalaLineal(kTiempo, FinDelTiempo(datos.linea, datos.barras));
    datos.ejeBarras = EscalaLineal(Titulo("Lluvia parcial", UnidadDeGrilla(lluvia, 1)), MaximoBarras(datos.barras));
    datos.ejeLinea = EscalaLineal(Titulo("Lluvia acumulada", UnidadDeGrilla(lluvia, 2)), MaximoY(datos.linea));
    datos.alDia = AlDia(forma, {&lluvia});
    return datos;
}

TDatosTiempo DatosEscorrentia(const TFormaZumbrel& forma) {
    const TGrillaResultados& escorrentia = forma.GrillaEscorrentia();
    TDatosTiempo datos;
    datos.titulo = "Escorrentía acumulada por unidad de área";
    datos.linea = LineaDesdeCero(escorrentia, 1);
    datos.nombreLinea = "Escorrentía acumulada";
    datos.ejeX = EscalaLineal(kTiempo, FinDelTiempo(datos.linea, {}));
    datos.ejeLinea =
        EscalaLineal(Titulo("Escorrentía acumulada", UnidadDeGrilla(escorrentia, 1)), MaximoY(datos.linea));
    datos.alDia = AlDia(forma, {&escorrentia});
    return datos;
}

TDatosTiempo DatosHidrograma(const TFormaZumbrel& forma) {
    const TGrillaResultados& hidrograma = forma.GrillaHidrograma();
    const TGrillaResultados& lluvia = forma.GrillaLluvia();
    TDatosTiempo datos;
    datos.titulo = "Hidrograma e hietograma";
    datos.linea = LineaDesdeCero(hidrograma, 1);
    datos.barras = BarrasDeLluvia(lluvia);
    datos.nombreLinea = "Caudal";
    datos.nombreBarras = "Lluvia parcial";
    const std::string unidad = UnidadDeGrilla(hidrograma, 1);
    for (const TPuntoGrafico& p : datos.linea)
        if (!datos.pico || p.y > datos.pico->y) datos.pico = p;
    if (datos.pico && datos.pico->y > 0)
        datos.rotuloPico = "Qp = " + FormatoGeneral(datos.pico->y, 4) + " " + unidad + " a las " +
                           FormatoGeneral(datos.pico->x, 4) + " h";
    else
        datos.pico.reset();
    datos.ejeX = EscalaLineal(kTiempo, FinDelTiempo(datos.linea, datos.barras));
    // The hydrograph keeps to the lower half of the height, the rain to the upper
    // third, so that the peak, its label and the heaviest step never meet.
    datos.ejeLinea = EscalaLineal(Titulo("Caudal", unidad), MaximoY(datos.linea) * 2);
    datos.ejeBarras = EscalaLineal(Titulo("Lluvia parcial", UnidadDeGrilla(lluvia, 1)), MaximoBarras(datos.barras) * 3);
    datos.alDia = AlDia(forma, {&hidrograma, &lluvia});
    return datos;
}

std::vector<TPuntoGrafico> ContornoDeBarras(const std::vector<TBarra>& barras, double hueco) {
    std::vector<TPuntoGrafico> contorno;
    contorno.reserve(barras.size() * 4);
    for (const TBarra& b : barras) {
        const double margen = (b.hasta - b.desde) * hueco;
        contorno.push_back({b.desde + margen, 0});
        contorno.push_back({b.desde + margen, b.valor});
        contorno.push_back({b.hasta - margen, b.valor});
        contorno.push_back({b.hasta - margen, 0});
    }
    return contorno;
}

}  // namespace brovel
