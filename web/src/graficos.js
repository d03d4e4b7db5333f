// The plots beside the numbers, drawn with uPlot from the series the forms give
// (title, points, bars, axes with their titles and ranges): nothing is computed
// or named here. Each place keeps its plot and gives it the new series.
import uPlot from 'uplot';
import 'uplot/dist/uPlot.min.css';

const barras = uPlot.paths.bars({ size: [0.8, 100] });

// A place may fix its plot's size (`elemento.tamano`, in CSS pixels), as the
// printed page does; otherwise the plot takes the place's width, within bounds.
// A printed plot is drawn `tamano.escala` times larger and shown that many times
// smaller (its place has `zoom` 1/escala), so that paper gets the canvas at
// print resolution rather than at the screen's.
const escala = (elemento) => elemento.tamano?.escala ?? 1;
function ancho(elemento) {
  return (elemento.tamano?.ancho ?? Math.max(260, Math.min(elemento.clientWidth || 480, 560))) * escala(elemento);
}
const alto = (elemento, porOmision) => (elemento.tamano?.alto ?? porOmision) * escala(elemento);

// The options of a plot drawn `k` times larger: every length in CSS pixels
// (fonts, axes, ticks, lines, points, bars) grows with it.
const FUENTE = '12px system-ui, sans-serif';
const porK = (k) => (v) => (typeof v === 'number' ? v * k : v);
const fuente = (k, f = FUENTE) => f.replace(/(\d+(?:\.\d+)?)px/, (_, n) => `${n * k}px`);
function agrandar(opciones, k) {
  if (k === 1) return opciones;
  const x = porK(k);
  const barrasK = uPlot.paths.bars({ size: [0.8, 100 * k] });
  return { ...opciones,
    axes: opciones.axes.map((a, i) => ({ ...a, size: x(a.size ?? 50), space: x(a.space ?? (i === 0 ? 50 : 30)), gap: x(a.gap ?? 5), labelSize: x(a.labelSize ?? 30),
      font: fuente(k, a.font), labelFont: fuente(k, a.labelFont), ticks: { size: x(10), width: x(2) },
      grid: { width: x(2) } })),
    series: opciones.series.map((s, i) => (i === 0 ? s : { ...s, width: x(s.width ?? 1),
      ...(s.paths === barras && { paths: barrasK }),
      points: { ...s.points, size: x(s.points?.size ?? 5), width: x(s.points?.width ?? 2) } })) };
}

// An axis whose title is read from the series last given, through `titulo`.
function eje(titulo, lado = 3) {
  return { label: titulo, side: lado, size: 50, labelFont: '12px system-ui, sans-serif', labelSize: 20 };
}

// The plot of `elemento`, made by `opciones(g)` the first time (or when `forma`,
// what the options cannot follow, changes) and given `datos` after that. The
// options read the series through `g.d`, so that ranges, axis titles and names
// follow each new series without a new plot.
function dibujar(elemento, forma, d, opciones, datos, altura = 300) {
  let g = elemento.grafico;
  if (!g || g.forma !== forma) {
    g = { forma, d };
    elemento.replaceChildren();
    g.u = new uPlot({ width: ancho(elemento), height: alto(elemento, altura), legend: { show: false }, title: d.titulo,
      ...agrandar(opciones(g), escala(elemento)) }, datos, elemento);
    elemento.grafico = g;
    return g.u;
  }
  g.d = d;
  const titulo = g.u.root.querySelector('.u-title');
  if (titulo && titulo.textContent !== d.titulo) titulo.textContent = d.titulo;
  if (g.u.width !== ancho(elemento)) g.u.setSize({ width: ancho(elemento), height: alto(elemento, altura) });
  g.u.setData(datos);
  return g.u;
}

const rango = (g, eje) => () => [g.d[eje].minimo, g.d[eje].maximo];

export function curva(elemento, d) {
  const x = d.puntos.x, y = d.puntos.y;
  const elegidoY = x.map((xi, i) => (d.elegido && xi === d.elegido.x[0] && y[i] === d.elegido.y[0] ? y[i] : null));
  return dibujar(elemento, 'curva', d, (g) => ({
    scales: { x: { time: false, distr: 3, range: rango(g, 'ejeX') }, y: { range: rango(g, 'ejeY') } },
    // A decade's mark shows its number whole, however small: 0.0001, not 0.
    axes: [{ ...eje(() => g.d.ejeX.titulo, 2), values: (u, v) => v.map((x) => (x == null ? '' : String(Number(x.toPrecision(6))))) },
      eje(() => g.d.ejeY.titulo)],
    series: [{}, { stroke: '#2a6f97', width: 2, points: { show: true } },
      { stroke: '#c1121f', width: 0, points: { show: true, size: 10, fill: '#c1121f' } }],
  }), [x, y, elegidoY]);
}

export function hietograma(elemento, d) {
  const x = d.pasos.map((_, i) => i + 1);
  return dibujar(elemento, 'hietograma', d, (g) => ({
    scales: { x: { time: false, range: () => [0.5, g.d.pasos.length + 0.5] }, y: { range: rango(g, 'ejeY') } },
    axes: [{ ...eje(() => g.d.tituloX, 2), values: (u, v) => v.map((i) => g.d.pasos[i - 1] ?? '') },
      eje(() => g.d.ejeY.titulo)],
    series: [{}, { fill: '#8ecae6', stroke: '#219ebc', paths: barras, points: { show: false } },
      { fill: '#fb8500', stroke: '#fb8500', paths: barras, points: { show: false } }],
  }), [x, d.alturas.map((a, i) => (i === d.elegido ? null : a)), d.alturas.map((a, i) => (i === d.elegido ? a : null))]);
}

export function factores(elemento, d) {
  const x = d.factores.map((_, i) => i + 1);
  const serie = (filtro) => d.factores.map((f, i) => (filtro(f, i) ? f.valor : null));
  return dibujar(elemento, 'factores', d, (g) => ({
    scales: { x: { time: false, range: () => [0.5, g.d.factores.length + 0.5] }, y: { range: rango(g, 'eje') } },
    // Every bar has its symbol under it, turned so that they all fit.
    axes: [{ splits: () => g.d.factores.map((_, i) => i + 1), values: (u, v) => v.map((i) => g.d.factores[i - 1]?.simbolo ?? ''),
      rotate: -45, size: 44 }, eje(() => g.d.eje.titulo)],
    series: [{},
      { fill: '#8ecae6', stroke: '#219ebc', paths: barras, points: { show: false } },
      { fill: '#e63946', stroke: '#e63946', paths: barras, points: { show: false } },
      { fill: '#cccccc', stroke: '#999999', paths: barras, points: { show: false } }],
  }), [x, serie((f, i) => f.alDia && i !== d.masReductor), serie((f, i) => i === d.masReductor), serie((f) => !f.alDia)],
  // Tall enough for the value axis's title to show whole.
  360);
}

// A plot against time: bars of rain and a line, with the hydrograph's peak.
export function tiempo(elemento, d) {
  const xs = [...new Set([...d.linea.x, ...d.barras.map((b) => (b.desde + b.hasta) / 2)])].sort((a, b) => a - b);
  const linea = new Map(d.linea.x.map((x, i) => [x, d.linea.y[i]]));
  const barra = new Map(d.barras.map((b) => [(b.desde + b.hasta) / 2, b.valor]));
  const pico = xs.map((x) => (d.pico && x === d.pico.x ? d.pico.y : null));
  // The hydrograph's rain hangs from the top, on an axis that runs downwards.
  const invertida = Boolean(d.pico);
  // A series without bars has no axis for them: it leaves that axis without a title.
  const conBarras = d.ejeBarras.titulo !== '';
  return dibujar(elemento, `tiempo ${invertida} ${conBarras}`, d, (g) => ({
    scales: { x: { time: false, range: rango(g, 'ejeX') }, y: { range: rango(g, 'ejeLinea') },
      b: { range: rango(g, 'ejeBarras'), dir: invertida ? -1 : 1 } },
    axes: [eje(() => g.d.ejeX.titulo, 2), eje(() => g.d.ejeLinea.titulo),
      { ...eje(() => g.d.ejeBarras.titulo, 1), scale: 'b', show: conBarras }],
    series: [{},
      { label: d.nombreLinea, stroke: '#1d3557', width: 2, spanGaps: true, points: { show: false } },
      { label: d.nombreBarras, scale: 'b', fill: '#a8dadc', stroke: '#457b9d', paths: barras, points: { show: false } },
      { label: d.rotuloPico, stroke: '#e63946', width: 0, points: { show: true, size: 9, fill: '#e63946' } }],
  }), [xs, xs.map((x) => linea.get(x) ?? null), xs.map((x) => barra.get(x) ?? null), pico]);
}
