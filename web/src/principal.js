// Brovel's page: the slope and runoff windows drawn from their descriptions over
// the forms compiled to WebAssembly. Every number, caption, rule and message
// comes from the forms; the page draws, asks and saves files.
import CrearModulo from './modulo/brovel.mjs';
import { Ventana } from './vista.js';
import * as graficos from './graficos.js';
import { Dialogos } from './dialogos.js';
import { mostrarReporte } from './reporte.js';
import * as archivos from './archivos.js';
import './principal.css';

const CLAVE = 'brovel.proyecto';
const REPORTE_LADERA = 6;
const REPORTE_ZUMBREL = 5;

const modulo = await CrearModulo();
const ladera = new modulo.Ladera();
const definiciones = ladera.definiciones();
const dialogos = new Dialogos(document.body);
let pestana = 0;
let pestanaZ = 0;
let botonZumbrel = null;
// The file the project was last opened from or saved into, where the browser
// lets the page write into it: Guardar writes there again.
let manejador = null;

// ---- Storage: the open project survives a reload or a closed tab.
function aBase64(bytes) { let s = ''; for (const b of bytes) s += String.fromCharCode(b); return btoa(s); }
function deBase64(texto) { return Uint8Array.from(atob(texto), (c) => c.charCodeAt(0)); }
function recordar() {
  const i = ladera.instantanea();
  localStorage.setItem(CLAVE, JSON.stringify({ nombre: i.nombre, pestana,
    archivo: i.archivo ? aBase64(i.archivo) : null, proyecto: aBase64(i.proyecto),
    recordado: i.recordado ? aBase64(i.recordado) : null }));
}
const guardado = localStorage.getItem(CLAVE);
if (guardado) {
  try {
    const g = JSON.parse(guardado);
    ladera.restaurar({ nombre: g.nombre, archivo: g.archivo ? deBase64(g.archivo) : null, proyecto: deBase64(g.proyecto),
      ...('recordado' in g && { recordado: g.recordado ? deBase64(g.recordado) : null }) });
    pestana = g.pestana ?? 0;
  } catch { localStorage.removeItem(CLAVE); }
}

// ---- The slope window.
const acciones = {
  pestana: (i) => { pestana = i; ladera.pestana(i); refrescar(); },
  escribir: (c, t) => { ladera.escribir(c, t); refrescar(); },
  salir: (c) => { ladera.salir(c); refrescar(c); },
  unidad: (c, i) => { ladera.unidad(c, i); refrescar(); },
  opcion: (g, i) => { ladera.opcion(g, i); refrescar(); },
  casilla: (i, m) => { ladera.casilla(i, m); refrescar(); },
  lista: (l, i) => { ladera.lista(l, i); refrescar(); },
  pulsar: (b) => {
    ladera.pulsar(b);
    if (b === 'btUsarZumbrel' || b === 'btUsarZumbrel2') abrirZumbrel(b); else refrescar();
  },
  tabla: async (b) => {
    const eleccion = await dialogos.tabla(ladera.tablaDeBoton(b));
    if (eleccion) { ladera.elegirDeTabla(b, eleccion.fila, eleccion.columna); refrescar(); }
  },
};
const vista = new Ventana({ raiz: document.querySelector('#ladera .ventana'), prefijo: 'l',
  descripcion: modulo.descripcionLadera(), definiciones, acciones });

const estadoLinea = document.querySelector('#ladera .estado');
const titulo = document.querySelector('#ladera .titulo');

async function refrescar(campoQueSalio) {
  const estado = ladera.estado();
  vista.reflejar(estado, definiciones);
  vista.mostrarPestana(pestana);
  estadoLinea.textContent = estado.textoEstado;
  estadoLinea.classList.toggle('error', estado.enError);
  titulo.textContent = estado.titulo + (estado.modificado ? ' *' : '');
  document.title = titulo.textContent;
  dibujarGrafico();
  if (pestana === REPORTE_LADERA) reporte(false);
  recordar();
  prepararImpresion();
  for (const error of estado.errores) await dialogos.error(error);
  if (estado.errores.length && campoQueSalio) vista.campos.get(campoQueSalio)?.entrada.select();
}

function dibujarGrafico() {
  const lugar = vista.graficos.get(pestana);
  if (!lugar) return;
  if (pestana === 1) graficos.curva(lugar, ladera.curva());
  if (pestana === 2) graficos.hietograma(lugar, ladera.hietograma());
  if (pestana === 5) graficos.factores(lugar, ladera.factores());
}

// The report's tab: the desktop's report, as HTML.
async function reporte(zumbrel) {
  const html = zumbrel ? ladera.reporteHtmlZ() : ladera.reporteHtml();
  const lugar = zumbrel ? vistaZ.pestanas[REPORTE_ZUMBREL].pagina : vista.pestanas[REPORTE_LADERA].pagina;
  if (html !== null) mostrarReporte(lugar, html);
}

// What the browser prints (Imprimir, Ctrl+P): the report of the calculator on
// top, kept ready a moment after each change so that printing needs no wait.
let impresionPendiente = 0;
function prepararImpresion() {
  clearTimeout(impresionPendiente);
  impresionPendiente = setTimeout(imprimible, 400);
}
function imprimible() {
  clearTimeout(impresionPendiente);
  const html = zumbrel.hidden ? ladera.reporteHtml() : ladera.reporteHtmlZ();
  if (html === null) return;
  const impresion = document.querySelector('#impresion');
  mostrarReporte(impresion, html);
  impresion.append(paginaDeGraficos(zumbrel.hidden));
}

// The report's last page: the calculator's three plots, one under the other, as
// the desktop prints them. Each calculator keeps its page and its plots.
const GRAFICOS_IMPRESOS = {
  ladera: [['curva', () => ladera.curva()], ['hietograma', () => ladera.hietograma()], ['factores', () => ladera.factores()]],
  zumbrel: [['tiempo', () => ladera.lluvia()], ['tiempo', () => ladera.escorrentia()], ['tiempo', () => ladera.hidrograma()]],
};
const paginasDeGraficos = new Map();
const ESCALA_IMPRESA = 3;
function paginaDeGraficos(deLadera) {
  const cual = deLadera ? 'ladera' : 'zumbrel';
  let pagina = paginasDeGraficos.get(cual);
  if (!pagina) {
    pagina = Object.assign(document.createElement('section'), { className: 'graficos-impresos' });
    // A4's width inside its margins; the factors' plot is taller, as on the screen.
    // Drawn three times larger than shown: about 290 points per inch on paper.
    pagina.append(...GRAFICOS_IMPRESOS[cual].map(([tipo]) => Object.assign(document.createElement('div'),
      { className: 'grafico-impreso', tamano: { ancho: 660, alto: tipo === 'factores' ? 320 : 250, escala: ESCALA_IMPRESA } })));
    paginasDeGraficos.set(cual, pagina);
  }
  GRAFICOS_IMPRESOS[cual].forEach(([tipo, datos], i) => graficos[tipo](pagina.children[i], datos()));
  return pagina;
}

// ---- The runoff window, over the slope window until closed.
const accionesZ = {
  pestana: (i) => { pestanaZ = i; ladera.pestanaZ(i); refrescarZ(); },
  escribir: (c, t) => { ladera.escribirZ(c, t); refrescarZ(); },
  salir: (c) => { ladera.salirZ(c); refrescarZ(); },
  unidad: (c, i) => { ladera.unidadZ(c, i); refrescarZ(); },
  opcion: (g, i) => { ladera.opcionZ(g, i); refrescarZ(); },
  casilla: (i, m) => { ladera.abstraccionZ(m); refrescarZ(); },
  lista: (l, i) => { ladera.listaZ(l, i); refrescarZ(); },
  pulsar: () => {},
  tabla: async (b) => {
    const eleccion = await dialogos.tabla(ladera.tablaZ(b));
    if (eleccion) { ladera.elegirDeTablaZ(b, eleccion.fila, eleccion.columna); refrescarZ(); }
  },
};
const zumbrel = document.querySelector('#zumbrel');
const vistaZ = new Ventana({ raiz: zumbrel.querySelector('.ventana'), prefijo: 'z',
  descripcion: modulo.descripcionZumbrel(), definiciones: definiciones.zumbrel,
  acciones: accionesZ });
const estadoZ = zumbrel.querySelector('.estado');

async function refrescarZ() {
  const estado = ladera.estadoZ();
  vistaZ.reflejar({ ...estado, casillas: [estado.abstraccionAsignada] }, definiciones.zumbrel);
  vistaZ.mostrarPestana(pestanaZ);
  estadoZ.textContent = estado.textoEstado;
  estadoZ.classList.toggle('error', estado.enError);
  for (const [nombre, tabla] of vistaZ.grillas) if (!tabla.closest('[hidden]')) llenarGrilla(tabla, ladera.grilla(nombre));
  const lugar = vistaZ.graficos.get(pestanaZ);
  if (lugar && pestanaZ === 2) graficos.tiempo(lugar, ladera.lluvia());
  if (lugar && pestanaZ === 3) graficos.tiempo(lugar, ladera.escorrentia());
  if (lugar && pestanaZ === 4) graficos.tiempo(lugar, ladera.hidrograma());
  if (pestanaZ === REPORTE_ZUMBREL) reporte(true);
  prepararImpresion();
  for (const error of estado.errores) await dialogos.error(error);
}

function llenarGrilla(tabla, g) {
  if (!tabla) return;
  const cabeza = document.createElement('tr');
  for (const e of g.encabezados) { const th = document.createElement('th'); th.textContent = e; cabeza.append(th); }
  const filas = g.filas.map((f) => {
    const tr = document.createElement('tr');
    for (const c of f) { const td = document.createElement('td'); td.textContent = c; tr.append(td); }
    return tr;
  });
  tabla.replaceChildren(cabeza, ...filas);
  tabla.title = g.motivoViejo;
  tabla.classList.toggle('viejo', g.motivoViejo !== '');
}

function abrirZumbrel(boton) {
  botonZumbrel = boton;
  zumbrel.hidden = false;
  document.querySelector('#ladera').hidden = true;
  pestanaZ = 4;
  ladera.pestanaZ(pestanaZ);
  refrescarZ();
}

function cerrarZumbrel() {
  zumbrel.hidden = true;
  document.querySelector('#ladera').hidden = false;
  if (botonZumbrel) ladera.volverDeZumbrel(botonZumbrel);
  botonZumbrel = null;
  refrescar();
}

// ---- Files.
const { descargar } = archivos;
const TIPO_BVX = 'application/x-brovel';

// Before the project is left: 0 Sí, 1 No, 2 Cancelar, as the form takes it.
async function confirmarCambios() {
  const pregunta = ladera.preguntaAlSalir();
  if (!pregunta) return 1;
  const respuesta = await dialogos.pregunta(pregunta);
  if (respuesta === 0 && !(await guardar(false))) return 2;
  return respuesta === 0 ? 1 : respuesta;
}

// Guardar writes into the file chosen last, Guardar como (or Guardar of a
// project never saved, or of one whose file the page cannot write) asks where;
// a browser without file system access downloads the file instead. The project
// goes into what the file holds when it is written, as on the desktop.
async function guardar(como) {
  const antes = ladera.recordado();
  let destino = como ? null : manejador;
  // A file remembered from an earlier visit needs the person's leave again.
  if (destino && !(await archivos.permitido(destino))) destino = null;
  // A project with a name is saved where it is; one that fails says so and stays.
  const dondeEsta = !como && ladera.nombreProyecto() !== '' && (destino || !archivos.puedeEscribir());
  let bytes = null;
  if (dondeEsta) {
    bytes = ladera.guardar(destino ? await archivos.leer(destino) : null);
    if (!bytes) { await refrescar(); return false; }
  } else {
    const actual = ladera.nombreProyecto() || 'Sin Nombre.bvx';
    let nombre;
    let existente = null;
    if (archivos.puedeEscribir()) {
      try {
        destino = await archivos.elegirDondeGuardar(actual, '.bvx', TIPO_BVX);
      } catch (e) {
        await dialogos.error(e.message);
        return false;
      }
      nombre = destino?.name;
      if (destino) existente = await loQueTiene(destino);
    } else {
      nombre = await dialogos.nombre('Guardar como', actual);
    }
    if (!nombre) return false;
    if (!/\.bvx$/i.test(nombre)) nombre += '.bvx';
    bytes = ladera.guardarComo(nombre, existente);
  }
  let escrito = Boolean(bytes);
  if (bytes && destino) {
    try {
      await archivos.escribir(destino, bytes);
      elegirArchivo(destino);
    } catch (e) {
      // The form took the project as saved; it was not, so it stays changed.
      ladera.recordarComo(antes);
      escrito = false;
      await dialogos.error(modulo.noSePudoGuardar(destino.name, e.message));
    }
  } else if (bytes) {
    elegirArchivo(null);
    descargar(bytes, ladera.nombreProyecto(), TIPO_BVX);
  }
  await refrescar();
  return escrito;
}

// What a file chosen to save into holds. A browser may empty the file when the
// person picks it; the open project's own file is then known as last opened or
// saved, and null says so.
async function loQueTiene(destino) {
  const bytes = await archivos.leer(destino);
  return bytes?.length === 0 && (await archivos.mismoArchivo(destino, manejador)) ? null : bytes;
}

// The file Guardar writes into from now on, remembered across visits.
function elegirArchivo(nuevo) {
  manejador = nuevo;
  archivos.recordar(nuevo);
}

async function abrirArchivo(archivo, deDonde = null) {
  const respuesta = await confirmarCambios();
  if (respuesta === 2) return;
  const bytes = new Uint8Array(await archivo.arrayBuffer());
  if (ladera.abrir(bytes, archivo.name, 1)) elegirArchivo(deDonde);
  pestana = 0;
  ladera.pestana(0);
  await refrescar();
}

const selectorArchivo = Object.assign(document.createElement('input'), { type: 'file', accept: '.bvx', hidden: true });
selectorArchivo.addEventListener('change', () => selectorArchivo.files[0] && abrirArchivo(selectorArchivo.files[0]));
const selectorZbr = Object.assign(document.createElement('input'), { type: 'file', accept: '.zbr', hidden: true });
selectorZbr.addEventListener('change', async () => {
  const archivo = selectorZbr.files[0];
  if (archivo) { ladera.cargarZ(new Uint8Array(await archivo.arrayBuffer()), archivo.name); refrescarZ(); }
  selectorZbr.value = '';
});
document.body.append(selectorArchivo, selectorZbr);

// The help document the desktop opens, beside the page when the build had it.
const AYUDA = 'Ayuda/Ayuda Brovel y Zumbrel.pdf';
async function abrirAyuda() {
  // Without a connection, the copy kept when it was last opened.
  const hay = (await fetch(AYUDA, { method: 'HEAD' }).then((r) => r.ok).catch(() => false))
    || Boolean(await window.caches?.match(AYUDA).catch(() => null));
  if (hay) window.open(AYUDA, '_blank');
  else await dialogos.error(modulo.faltaLaAyuda(new URL(AYUDA, location.href).href));
}

const menu = {
  nuevo: async () => {
    const r = await confirmarCambios();
    if (r !== 2) { ladera.nuevo(1); elegirArchivo(null); pestana = 0; ladera.pestana(0); refrescar(); }
  },
  abrir: async () => {
    if (!archivos.puedeElegir()) { selectorArchivo.value = ''; selectorArchivo.click(); return; }
    try {
      const elegido = await archivos.elegirParaAbrir('.bvx', TIPO_BVX);
      if (elegido) await abrirArchivo(elegido.archivo, elegido.manejador);
    } catch (e) {
      await dialogos.error(e.message);
    }
  },
  guardar: () => guardar(false),
  guardarComo: () => guardar(true),
  imprimir: () => window.print(),
  rtf: () => {
    const rtf = ladera.reporteRtf();
    if (rtf) descargar(rtf, `${ladera.nombreProyecto().replace(/\.bvx$/i, '') || 'Sin Nombre'}.rtf`, 'application/rtf');
    refrescar();
  },
  cargarZ: () => selectorZbr.click(),
  grabarZ: async () => {
    let nombre = await dialogos.nombre('Grabar datos de Zumbrel', 'Zumbrel.zbr');
    if (!nombre) return;
    if (!/\.zbr$/i.test(nombre)) nombre += '.zbr';
    const bytes = ladera.grabarZ(nombre);
    if (bytes) descargar(bytes, nombre, 'application/x-zumbrel');
    refrescarZ();
  },
  imprimirZ: () => window.print(),
  rtfZ: () => { const rtf = ladera.reporteRtfZ(); if (rtf) descargar(rtf, 'Zumbrel.rtf', 'application/rtf'); refrescarZ(); },
  cerrarZ: cerrarZumbrel,
  ayuda: abrirAyuda,
};
for (const boton of document.querySelectorAll('[data-orden]'))
  boton.addEventListener('click', () => menu[boton.dataset.orden]());
document.addEventListener('keydown', (e) => {
  if (!e.ctrlKey || e.altKey) return;
  const orden = { n: 'nuevo', o: 'abrir', g: 'guardar' }[e.key.toLowerCase()];
  if (orden && zumbrel.hidden) { e.preventDefault(); menu[orden](); }
});
document.addEventListener('dragover', (e) => e.preventDefault());
document.addEventListener('drop', (e) => {
  e.preventDefault();
  const archivo = e.dataTransfer.files[0];
  // The dropped file's handle, where the browser gives one, lets Guardar write
  // into it; it is asked for before the event ends.
  const elemento = [...e.dataTransfer.items].find((i) => i.kind === 'file');
  const deDonde = elemento?.getAsFileSystemHandle?.().catch(() => null) ?? Promise.resolve(null);
  if (archivo) deDonde.then((h) => abrirArchivo(archivo, h?.kind === 'file' ? h : null));
});
window.addEventListener('beforeprint', imprimible);

ladera.pestana(pestana);
await refrescar();
document.body.classList.add('listo');
performance.mark('brovel-listo');
// The file the restored project came from or went into, where the browser kept it.
archivos.recordado().then((h) => {
  if (!manejador && h && h.name === ladera.nombreProyecto()) manejador = h;
  document.body.classList.add('archivo-buscado');
});
if ('serviceWorker' in navigator && location.protocol !== 'file:') navigator.serviceWorker.register('sw.js');
window.brovel = { ladera, refrescar, modificado: () => ladera.modificado() };
