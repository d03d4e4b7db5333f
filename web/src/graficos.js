// The plots beside the numbers, drawn with uPlot from the series the forms give
// (points, bars, axes with their titles and ranges): nothing is computed here.
import uPlot from 'uplot';
import 'uplot/dist/uPlot.min.css';

const barras = uPlot.paths.bars({ size: [0.8, 100] });

function ancho(elemento) { return Math.max(260, Math.min(elemento.clientWidth || 480, 560)); }

function eje(e, lado = 3) {
  return { label: e.titulo, side: lado, size: 50, labelFont: '12px system-ui, sans-serif', labelSize: 20 };
}

function rango(e) { return () => [e.minimo, e.maximo]; }

function dibujar(elemento, opciones, datos, alto = 300) {
  elemento.replaceChildren();
  return new uPlot({ width: ancho(elemento), height: alto, legend: { show: false }, ...opciones }, datos, elemento);
}

export function curva(elemento, d) {
  const x = d.puntos.x, y = d.puntos.y;
  const elegidoY = x.map((xi, i) => (d.elegido && xi === d.elegido.x[0] && y[i] === d.elegido.y[0] ? y[i] : null));
  return dibujar(elemento, {
    title: 'Curva granulométrica',
    scales: { x: { time: false, distr: 3, range: rango(d.ejeX) }, y: { range: rango(d.ejeY) } },
    axes: [eje(d.ejeX, 2), eje(d.ejeY)],
    series: [{}, { stroke: '#2a6f97', width: 2, points: { show: true } },
      { stroke: '#c1121f', width: 0, points: { show: true, size: 10, fill: '#c1121f' } }],
  }, [x, y, elegidoY]);
}

export function hietograma(elemento, d) {
  const x = d.pasos.map((_, i) => i + 1);
  return dibujar(elemento, {
    title: d.titulo,
    scales: { x: { time: false, range: [0.5, x.length + 0.5] }, y: { range: rango(d.ejeY) } },
    axes: [{ label: d.tituloX, values: (u, v) => v.map((i) => d.pasos[i - 1] ?? '') }, eje(d.ejeY)],
    series: [{}, { fill: '#8ecae6', stroke: '#219ebc', paths: barras, points: { show: false } },
      { fill: '#fb8500', stroke: '#fb8500', paths: barras, points: { show: false } }],
  }, [x, d.alturas.map((a, i) => (i === d.elegido ? null : a)), d.alturas.map((a, i) => (i === d.elegido ? a : null))]);
}

export function factores(elemento, d) {
  const x = d.factores.map((_, i) => i + 1);
  const serie = (filtro) => d.factores.map((f, i) => (filtro(f, i) ? f.valor : null));
  return dibujar(elemento, {
    title: 'Factores frente a 1',
    scales: { x: { time: false, range: [0.5, x.length + 0.5] }, y: { range: rango(d.eje) } },
    // Every bar has its name under it, turned so that they all fit.
    axes: [{ splits: () => x, values: (u, v) => v.map((i) => d.factores[i - 1]?.rotulo.split(' = ')[0] ?? ''),
      rotate: -45, size: 44 }, eje(d.eje)],
    series: [{},
      { fill: '#8ecae6', stroke: '#219ebc', paths: barras, points: { show: false } },
      { fill: '#e63946', stroke: '#e63946', paths: barras, points: { show: false } },
      { fill: '#cccccc', stroke: '#999999', paths: barras, points: { show: false } }],
  }, [x, serie((f, i) => f.alDia && i !== d.masReductor), serie((f, i) => i === d.masReductor), serie((f) => !f.alDia)],
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
  return dibujar(elemento, {
    title: d.titulo,
    scales: { x: { time: false, range: rango(d.ejeX) }, y: { range: rango(d.ejeLinea) },
      b: { range: rango(d.ejeBarras), dir: invertida ? -1 : 1 } },
    axes: [eje(d.ejeX, 2), eje(d.ejeLinea), { ...eje(d.ejeBarras, 1), scale: 'b' }],
    series: [{},
      { label: d.nombreLinea, stroke: '#1d3557', width: 2, spanGaps: true, points: { show: false } },
      { label: d.nombreBarras, scale: 'b', fill: '#a8dadc', stroke: '#457b9d', paths: barras, points: { show: false } },
      { label: d.rotuloPico, stroke: '#e63946', width: 0, points: { show: true, size: 9, fill: '#e63946' } }],
  }, [xs, xs.map((x) => linea.get(x) ?? null), xs.map((x) => barra.get(x) ?? null), pico]);
}
