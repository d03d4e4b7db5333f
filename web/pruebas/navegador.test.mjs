// The page in a real browser: Debian's chromium driven by puppeteer-core, the
// page served from build-web/pagina/ as a static host serves it. What the page
// shows is compared with the forms' module run here under Node and with
// brovel-calc, the desktop's form without windows.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { servir } from '../servir.mjs';

const aqui = path.dirname(new URL(import.meta.url).pathname);
const construido = process.env.BROVEL_WEB ?? path.resolve(aqui, '..', '..', 'build-web');
const NAVEGADOR = process.env.CHROMIUM ?? '/usr/bin/chromium';

// The same module the page loads, for the numbers the page must show.
globalThis.__dirname = path.join(construido, 'modulo');
globalThis.require = createRequire(import.meta.url);
const { default: CrearModulo } = await import(path.join(construido, 'modulo', 'brovel.mjs'));
const modulo = await CrearModulo({ wasmBinary: readFileSync(path.join(construido, 'modulo', 'brovel.wasm')) });

function calc(...argumentos) {
  return execFileSync('node', [path.join(construido, 'brovel-calc.js'), ...argumentos], { encoding: 'utf8' });
}

let servidor, navegador, url;
before(async () => {
  servidor = await servir(path.join(construido, 'pagina'), 0);
  url = `http://127.0.0.1:${servidor.address().port}/`;
  navegador = await puppeteer.launch({ executablePath: NAVEGADOR, args: ['--no-sandbox', '--disable-gpu'] });
});
after(async () => { await navegador?.close(); servidor?.close(); });

// A page of its own, with empty storage, once the first tab is drawn; `antes`
// runs in the page before its own script.
async function abrirPagina(contexto, antes, ...argumentos) {
  const c = contexto ?? await navegador.createBrowserContext();
  const pagina = await c.newPage();
  await pagina.setViewport({ width: 1366, height: 768 });
  pagina.errores = [];
  pagina.on('pageerror', (e) => pagina.errores.push(e.message));
  if (antes) await pagina.evaluateOnNewDocument(antes, ...argumentos);
  await pagina.goto(url);
  await pagina.waitForSelector('body.listo');
  return pagina;
}
const valor = (pagina, id) => pagina.$eval(`#${id}`, (e) => e.value);
const pestana = (pagina, nombre) => pagina.click(`#l-pestana-${nombre}`);
async function escribir(pagina, id, texto) {
  await pagina.focus(`#${id}`);
  await pagina.$eval(`#${id}`, (e) => e.select());
  await pagina.type(`#${id}`, texto);
  await pagina.keyboard.press('Tab');
}
// The form the page stands for, with a slope typed and left, showing Erosión.
function laderaConPendiente(texto) {
  const forma = new modulo.Ladera();
  forma.escribir('euDt', texto);
  forma.salir('euDt');
  forma.pestana(5);
  return forma;
}
async function aceptarError(pagina) {
  await pagina.waitForSelector('dialog.caja-error[open]');
  const texto = await pagina.$eval('dialog.caja-error p', (e) => e.textContent);
  await pagina.click('dialog.caja-error button');
  return texto;
}

test('el proyecto nuevo muestra A 9.35051 ton/ha/año y T 125.418 ton', async () => {
  const pagina = await abrirPagina();
  await pestana(pagina, 'tsErosion');
  assert.equal(await valor(pagina, 'l-euTeEResultado'), '9.35051');
  assert.equal(await pagina.$eval('#l-euTeEResultado + select', (s) => s.value), 'ton/ha/año');
  assert.equal(await valor(pagina, 'l-euPsEResultado'), '125.418');
  assert.equal(await pagina.$eval('#l-euPsEResultado + select', (s) => s.value), 'ton');
  assert.equal(await pagina.$eval('#ladera .estado', (e) => e.textContent), 'OK');
  assert.deepEqual(pagina.errores, []);
});

test('escribir una pendiente cambia A como en el formulario', async () => {
  const pagina = await abrirPagina();
  await escribir(pagina, 'l-euDt', '12');
  await pestana(pagina, 'tsErosion');
  const forma = laderaConPendiente('12');
  const esperado = forma.estado().campos.euTeEResultado.texto;
  assert.notEqual(esperado, '9.35051');
  assert.equal(await valor(pagina, 'l-euTeEResultado'), esperado);
});

test('elegir otra unidad muestra el número en ella', async () => {
  const pagina = await abrirPagina();
  await pestana(pagina, 'tsErosion');
  await pagina.select('#l-euPsEResultado + select', 'kg');
  const forma = new modulo.Ladera();
  forma.pestana(5);
  forma.unidad('euPsEResultado', 1);
  assert.equal(await valor(pagina, 'l-euPsEResultado'), forma.estado().campos.euPsEResultado.texto);
});

test('un valor elegido de una tabla va a su campo', async () => {
  const pagina = await abrirPagina();
  await pestana(pagina, 'Disipacion');
  await pagina.click('#l-bbSTD3');
  await pagina.waitForSelector('dialog.selector-tabla[open]');
  const celda = await pagina.$('dialog.selector-tabla td.elegible');
  const texto = await celda.evaluate((e) => e.textContent);
  await celda.click();
  await pagina.click('dialog.selector-tabla .botones button');
  assert.equal(Number(await valor(pagina, 'l-euCmst')), Number(texto));
  assert.match(await pagina.$eval('#ladera .titulo', (e) => e.textContent), /\*$/);
});

test('un número fuera de rango se avisa y deja A sin actualizar', async () => {
  const pagina = await abrirPagina();
  await escribir(pagina, 'l-euLt', '500');
  assert.match(await aceptarError(pagina), /fuera del rango permitido/);
  assert.equal(await pagina.$eval('#ladera .estado', (e) => e.classList.contains('error')), true);
  await pestana(pagina, 'tsErosion');
  assert.equal(await pagina.$eval('#l-euTeEResultado', (e) => e.classList.contains('viejo')), true);
  assert.notEqual(await pagina.$eval('#l-euTeEResultado', (e) => e.title), '');
});

// A project written by hand, and what the desktop saves for it with Longitud
const ORIGINAL = '; a mano\r\n[Geometria]\r\nDeclive=8\r\nLongitud=40\r\n[Otra]\r\nx=1\r\n';
// set to `longitud`: into the file it opened, or with Guardar como into another
// one, new (`enOtro` true) or holding `enOtro`.
function guardadoPorElEscritorio(longitud, enOtro = false) {
  const carpeta = mkdtempSync(path.join(tmpdir(), 'brovel-esperado-'));
  const abierto = path.join(carpeta, 'abierto.bvx');
  const esperado = enOtro ? path.join(carpeta, 'otro.bvx') : abierto;
  writeFileSync(abierto, ORIGINAL.replace('Longitud=40', `Longitud=${longitud}`));
  if (typeof enOtro !== 'boolean') writeFileSync(esperado, enOtro);
  calc('ladera', '--guardar', esperado, abierto);
  return readFileSync(esperado);
}

// A browser without file system access: the page opens through a file input
// and saves by downloading.
const sinAccesoAArchivos = () => { window.showOpenFilePicker = undefined; window.showSaveFilePicker = undefined; };

test('sin acceso a archivos, abrir, editar y guardar descarga los bytes de brovel-calc ladera --guardar', async () => {
  const carpeta = mkdtempSync(path.join(tmpdir(), 'brovel-pagina-'));
  const original = ORIGINAL;
  const proyecto = path.join(carpeta, 'parcela.bvx');
  writeFileSync(proyecto, original);
  const pagina = await abrirPagina(undefined, sinAccesoAArchivos);
  // What the page hands the browser to download, kept as the browser gets it.
  await pagina.evaluate(() => {
    window.descargas = [];
    const crear = URL.createObjectURL;
    URL.createObjectURL = (blob) => { window.descargas.push(blob); return crear(blob); };
  });
  const [selector] = await Promise.all([pagina.waitForFileChooser(), pagina.click('[data-orden="abrir"]')]);
  await selector.accept([proyecto]);
  await pagina.waitForFunction(() => document.title.startsWith('Brovel - parcela'));
  await escribir(pagina, 'l-euLt', '55');
  await pagina.click('[data-orden="guardar"]');
  await pagina.waitForFunction(() => window.descargas.length === 1);
  const guardado = Buffer.from(await pagina.evaluate(async () => [...new Uint8Array(await window.descargas[0].arrayBuffer())]));
  assert.deepEqual(guardado, guardadoPorElEscritorio(55));
});

// The browser's file pickers, stood in for: files are kept in window.discos by
// name, `window.elegirComo` is the name the save picker answers, and a file
// named in `window.sinPermiso` refuses to be written.
function conAccesoAArchivos(original) {
  window.discos = { 'parcela.bvx': original };
  window.pedidos = [];
  window.sinPermiso = [];
  const manejador = (name) => ({
    kind: 'file', name,
    getFile: async () => new File([window.discos[name] ?? ''], name),
    createWritable: async () => {
      if (window.sinPermiso.includes(name)) throw new DOMException('Permiso denegado', 'NotAllowedError');
      const partes = [];
      return { write: async (b) => { partes.push(b); }, close: async () => { window.discos[name] = new Blob(partes); } };
    },
  });
  window.showOpenFilePicker = async () => { window.pedidos.push('abrir'); return [manejador('parcela.bvx')]; };
  window.showSaveFilePicker = async (o) => { window.pedidos.push(`guardar ${o.suggestedName}`); return manejador(window.elegirComo); };
}
const enDisco = async (pagina, nombre) => Buffer.from(await pagina.evaluate(async (n) =>
  (typeof window.discos[n] === 'string' ? [...new TextEncoder().encode(window.discos[n])]
    : [...new Uint8Array(await window.discos[n].arrayBuffer())]), nombre));
const titulo = (pagina) => pagina.$eval('#ladera .titulo', (e) => e.textContent);

test('con acceso a archivos, Guardar escribe otra vez en el archivo abierto o elegido', async () => {
  const pagina = await abrirPagina(undefined, conAccesoAArchivos, ORIGINAL);
  await pagina.click('[data-orden="abrir"]');
  await pagina.waitForFunction(() => document.title.startsWith('Brovel - parcela'));
  await escribir(pagina, 'l-euLt', '55');
  await pagina.click('[data-orden="guardar"]');
  await pagina.waitForFunction(() => !document.title.endsWith('*'));
  assert.deepEqual(await enDisco(pagina, 'parcela.bvx'), guardadoPorElEscritorio(55));

  // Guardar como asks where, once; the next Guardar writes there without asking.
  await pagina.evaluate(() => { window.elegirComo = 'copia.bvx'; });
  await escribir(pagina, 'l-euLt', '60');
  await pagina.click('[data-orden="guardarComo"]');
  await pagina.waitForFunction(() => document.title.startsWith('Brovel - copia') && !document.title.endsWith('*'));
  await escribir(pagina, 'l-euLt', '65');
  await pagina.click('[data-orden="guardar"]');
  await pagina.waitForFunction(() => !document.title.endsWith('*'));
  assert.deepEqual(await enDisco(pagina, 'copia.bvx'), guardadoPorElEscritorio(65, true));
  assert.deepEqual(await enDisco(pagina, 'parcela.bvx'), guardadoPorElEscritorio(55));
  assert.deepEqual(await pagina.evaluate(() => window.pedidos), ['abrir', 'guardar parcela.bvx']);
  assert.deepEqual(pagina.errores, []);
});

// A file with what the program does not write: a comment, a key it does not
// know, a section of its own.
const AJENO = '; notas del campo\r\n[Geometria]\r\nDeclive=3\r\nColor=verde\r\n[Mia]\r\nclave=valor\r\n';

test('guardar como sobre un archivo existente escribe en él como el escritorio y conserva lo ajeno', async () => {
  const pagina = await abrirPagina(undefined, conAccesoAArchivos, ORIGINAL);
  await pagina.evaluate((ajeno) => { window.discos['otra.bvx'] = ajeno; window.elegirComo = 'otra.bvx'; }, AJENO);
  await pagina.click('[data-orden="abrir"]');
  await pagina.waitForFunction(() => document.title.startsWith('Brovel - parcela'));
  await escribir(pagina, 'l-euLt', '60');
  await pagina.click('[data-orden="guardarComo"]');
  await pagina.waitForFunction(() => document.title.startsWith('Brovel - otra') && !document.title.endsWith('*'));
  const guardado = await enDisco(pagina, 'otra.bvx');
  assert.deepEqual(guardado, guardadoPorElEscritorio(60, AJENO));
  assert.match(String(guardado), /^; notas del campo\r\n[^]*Color=verde\r\n[^]*\[Mia\]\r\nclave=valor\r\n/);

  // Changed by hand since: Guardar writes into what the file holds now.
  const aMano = Buffer.concat([guardado, Buffer.from('; revisado\r\n')]);
  await pagina.evaluate((b) => { window.discos['otra.bvx'] = new Blob([new Uint8Array(b)]); }, [...aMano]);
  await escribir(pagina, 'l-euLt', '65');
  await pagina.click('[data-orden="guardar"]');
  await pagina.waitForFunction(() => !document.title.endsWith('*'));
  assert.deepEqual(await enDisco(pagina, 'otra.bvx'), guardadoPorElEscritorio(65, aMano));
  assert.deepEqual(pagina.errores, []);
});

test('Guardar sobre un archivo que dejó de ser un proyecto se avisa, no pregunta dónde y no lo toca', async () => {
  const pagina = await abrirPagina(undefined, conAccesoAArchivos, ORIGINAL);
  await pagina.click('[data-orden="abrir"]');
  await pagina.waitForFunction(() => document.title.startsWith('Brovel - parcela'));
  const imagen = '\x89PNG\r\n\x1a\n\x00\x01\x02';
  await pagina.evaluate((b) => { window.discos['parcela.bvx'] = b; }, imagen);
  await escribir(pagina, 'l-euLt', '55');
  await pagina.click('[data-orden="guardar"]');
  assert.match(await aceptarError(pagina), /^No se pudo guardar "[^"]*parcela\.bvx": .*no es un proyecto de Brovel/i);
  assert.match(await titulo(pagina), /\*$/);
  assert.equal(await enDisco(pagina, 'parcela.bvx').then(String), imagen);
  assert.deepEqual(await pagina.evaluate(() => window.pedidos), ['abrir']);
});

// The pickers answer with files of the browser's own storage for the page: real
// handles, which the browser keeps in its database. A handle asks for leave to
// write until given it in the page's visit; `window.negar` refuses it.
async function conArchivosDelNavegador() {
  window.pedidos = [];
  const archivo = async (nombre) => (await navigator.storage.getDirectory()).getFileHandle(nombre, { create: true });
  window.showOpenFilePicker = async () => { window.pedidos.push('abrir'); return [await archivo('parcela.bvx')]; };
  window.showSaveFilePicker = async (o) => { window.pedidos.push(`guardar ${o.suggestedName}`); return archivo(window.elegirComo); };
  let concedido = false;
  FileSystemHandle.prototype.queryPermission = async () => (concedido ? 'granted' : 'prompt');
  FileSystemHandle.prototype.requestPermission = async function pedir() {
    window.pedidos.push(`permiso ${this.name}`);
    concedido = !window.negar;
    return concedido ? 'granted' : 'denied';
  };
}
const enElNavegador = async (pagina, nombre) => Buffer.from(await pagina.evaluate(async (n) => {
  const h = await (await navigator.storage.getDirectory()).getFileHandle(n);
  return [...new Uint8Array(await (await h.getFile()).arrayBuffer())];
}, nombre));
async function recargar(pagina) {
  await pagina.reload();
  await pagina.waitForSelector('body.listo.archivo-buscado');
}

test('después de recargar, Guardar escribe en el archivo elegido sin preguntar dónde', async () => {
  const contexto = await navegador.createBrowserContext();
  const pagina = await abrirPagina(contexto, conArchivosDelNavegador);
  await pagina.evaluate(async (texto) => {
    const h = await (await navigator.storage.getDirectory()).getFileHandle('parcela.bvx', { create: true });
    const w = await h.createWritable();
    await w.write(texto);
    await w.close();
  }, ORIGINAL);
  await pagina.click('[data-orden="abrir"]');
  await pagina.waitForFunction(() => document.title.startsWith('Brovel - parcela'));
  await escribir(pagina, 'l-euLt', '55');
  await pagina.click('[data-orden="guardar"]');
  await pagina.waitForFunction(() => !document.title.endsWith('*'));
  assert.deepEqual(await enElNavegador(pagina, 'parcela.bvx'), guardadoPorElEscritorio(55));

  // A reload: the browser asks for leave again, and Guardar writes there.
  await recargar(pagina);
  await escribir(pagina, 'l-euLt', '65');
  await pagina.click('[data-orden="guardar"]');
  await pagina.waitForFunction(() => !document.title.endsWith('*'));
  assert.deepEqual(await enElNavegador(pagina, 'parcela.bvx'), guardadoPorElEscritorio(65));
  assert.deepEqual(await pagina.evaluate(() => window.pedidos), ['permiso parcela.bvx']);

  // Leave refused: Guardar asks where instead, and the file stays as it was.
  await recargar(pagina);
  await pagina.evaluate(() => { window.negar = true; window.elegirComo = 'copia.bvx'; });
  await escribir(pagina, 'l-euLt', '70');
  await pagina.click('[data-orden="guardar"]');
  await pagina.waitForFunction(() => document.title.startsWith('Brovel - copia') && !document.title.endsWith('*'));
  assert.deepEqual(await pagina.evaluate(() => window.pedidos), ['permiso parcela.bvx', 'guardar parcela.bvx']);
  assert.deepEqual(await enElNavegador(pagina, 'parcela.bvx'), guardadoPorElEscritorio(65));
  assert.deepEqual(await enElNavegador(pagina, 'copia.bvx'), guardadoPorElEscritorio(70, true));
  assert.deepEqual(pagina.errores, []);
});

test('un archivo que el navegador no deja escribir se avisa y el proyecto sigue con cambios', async () => {
  const pagina = await abrirPagina(undefined, conAccesoAArchivos, ORIGINAL);
  await pagina.click('[data-orden="abrir"]');
  await pagina.waitForFunction(() => document.title.startsWith('Brovel - parcela'));
  await pagina.evaluate(() => { window.sinPermiso.push('parcela.bvx'); });
  await escribir(pagina, 'l-euLt', '55');
  await pagina.click('[data-orden="guardar"]');
  assert.match(await aceptarError(pagina), /^No se pudo guardar "parcela\.bvx": /);
  assert.match(await titulo(pagina), /\*$/);
  assert.equal(await pagina.evaluate(() => window.brovel.modificado()), true);
  assert.equal(await enDisco(pagina, 'parcela.bvx').then(String), ORIGINAL);
  // Leaving it asks about the project by the name the form gives it.
  await pagina.click('[data-orden="nuevo"]');
  await pagina.waitForSelector('dialog[open] .botones');
  assert.match(await pagina.$eval('dialog[open] p', (e) => e.textContent), /«parcela»/);
});

test('un gráfico muestra el título de su serie y se actualiza en su lugar', async () => {
  const pagina = await abrirPagina();
  const grafico = '.pagina[data-nombre="tsErosion"] .grafico';
  await pestana(pagina, 'tsErosion');
  await pagina.$eval(grafico, (e) => { e.querySelector('.uplot').marca = true; });
  await pestana(pagina, 'Geometria');
  await escribir(pagina, 'l-euDt', '12');
  await pestana(pagina, 'tsErosion');
  const forma = laderaConPendiente('12');
  const esperado = forma.factores();
  const dibujado = await pagina.$eval(grafico, (e) => ({
    mismo: e.querySelector('.uplot').marca === true,
    titulo: e.querySelector('.u-title').textContent,
    // Each bar is in one of the series: up to date, the one that reduces most, out of date.
    valores: e.grafico.u.data[0].map((_, i) => e.grafico.u.data.slice(1).map((s) => s[i]).find((v) => v != null)),
  }));
  assert.equal(dibujado.mismo, true);
  assert.equal(dibujado.titulo, esperado.titulo);
  assert.deepEqual(dibujado.valores, esperado.factores.map((f) => f.valor));
});

test('calcular usando Zumbrel abre la escorrentía y trae su resultado', async () => {
  const pagina = await abrirPagina();
  await pestana(pagina, 'tsForzantes');
  const antes = await valor(pagina, 'l-euCEResultado');
  await pagina.$eval('#l-rbHdlt', (e) => e.click());
  await pagina.$eval('#l-btUsarZumbrel', (e) => e.click());
  await pagina.waitForSelector('#zumbrel:not([hidden])');
  await pagina.click('#z-pestana-Condicionantes');
  await escribir(pagina, 'z-euNc', '40');
  await pagina.click('[data-orden="cerrarZ"]');
  await pagina.waitForSelector('#zumbrel[hidden]');
  const forma = new modulo.Ladera();
  forma.pestana(2);
  forma.opcion(2, 0);
  forma.pulsar('btUsarZumbrel');
  forma.escribirZ('euNc', '40');
  forma.salirZ('euNc');
  forma.volverDeZumbrel('btUsarZumbrel');
  const esperado = forma.estado().campos.euCEResultado.texto;
  assert.equal(await valor(pagina, 'l-euCEResultado'), esperado);
  assert.notEqual(esperado, antes);
});

test('el reporte impreso en PDF tiene la tasa de erosión', async () => {
  const pagina = await abrirPagina();
  await pestana(pagina, 'Reporte');
  await pagina.waitForSelector('.reporte');
  const pdf = path.join(mkdtempSync(path.join(tmpdir(), 'brovel-pdf-')), 'reporte.pdf');
  await pagina.pdf({ path: pdf, format: 'A4', displayHeaderFooter: true, headerTemplate: '<span></span>',
    footerTemplate: '<div style="font-size:8px;width:100%;text-align:center"><span class="pageNumber"></span> / <span class="totalPages"></span></div>',
    margin: { top: '15mm', bottom: '15mm', left: '12mm', right: '12mm' } });
  const texto = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
  assert.match(texto, /Tasa de Erosión \(A\)\s+9\.35051/);
  assert.match(texto, /Reporte de Brovel/);
  assert.doesNotMatch(texto, /Nuevo\s+Abrir/);
  // The last page holds the three plots, each with its title, and nothing of the report.
  const paginas = texto.split('\f').filter((p) => p.trim() !== '');
  const ultima = paginas.at(-1);
  const forma = new modulo.Ladera();
  for (const serie of [forma.curva(), forma.hietograma(), forma.factores()]) assert.match(ultima, new RegExp(serie.titulo));
  assert.doesNotMatch(ultima, /Tasa de Erosión/);
  assert.ok(paginas.length >= 2);
});

// Paper gets the plots at print resolution, not at the screen's: each printed
// canvas holds at least 250 pixels per inch of the A4 page it is laid out on, and
// the plots keep the places they had (the same width, one under the other).
test('los gráficos impresos se dibujan a la resolución de la impresión', async () => {
  const pagina = await abrirPagina();
  await pagina.emulateMediaType('print');
  await pagina.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  const lienzos = await pagina.$$eval('#impresion .grafico-impreso', (graficos) => graficos.map((g) => {
    const lienzo = g.querySelector('canvas');
    const caja = lienzo.getBoundingClientRect();
    return { ppp: (lienzo.width / caja.width) * 96, ancho: Math.round(caja.width), arriba: caja.top };
  }));
  assert.equal(lienzos.length, 3);
  for (const l of lienzos) assert.ok(l.ppp >= 250, JSON.stringify(lienzos));
  assert.ok(lienzos.every((l) => l.ancho > 500 && l.ancho <= 700), JSON.stringify(lienzos));
  assert.ok(lienzos[0].arriba < lienzos[1].arriba && lienzos[1].arriba < lienzos[2].arriba);
});

// The help the desktop opens: beside the page when the build had it, and where
// it is not, the desktop's message naming where it should be.
const ayuda = path.join(construido, 'pagina', 'Ayuda', 'Ayuda Brovel y Zumbrel.pdf');
test('Ayuda abre el documento de ayuda, o dice dónde debería estar', async () => {
  const pagina = await abrirPagina();
  if (existsSync(ayuda)) {
    const abierta = navegador.waitForTarget((t) => t.type() === 'page' && t.url() !== url && t.url() !== 'about:blank',
      { timeout: 10000 });
    await pagina.click('#ladera [data-orden="ayuda"]');
    const destino = await abierta;
    assert.equal(decodeURIComponent(destino.url()), `${url}Ayuda/Ayuda Brovel y Zumbrel.pdf`);
    const servido = await pagina.evaluate(async () => [...new Uint8Array(await (await fetch('Ayuda/Ayuda Brovel y Zumbrel.pdf')).arrayBuffer())]);
    assert.deepEqual(Buffer.from(servido), readFileSync(ayuda));
  } else {
    await pagina.click('#ladera [data-orden="ayuda"]');
    assert.match(await aceptarError(pagina), /^Error al querer abrir el archivo de ayuda\.[^]*\/Ayuda\/Ayuda Brovel y Zumbrel\.pdf$/);
  }
});

test('la ayuda abierta una vez se abre también sin conexión', { skip: !existsSync(ayuda) }, async () => {
  const contexto = await navegador.createBrowserContext();
  const pagina = await abrirPagina(contexto);
  await pagina.evaluate(() => navigator.serviceWorker.ready);
  const abrir = async () => {
    const abierta = contexto.waitForTarget((t) => t.url().includes('/Ayuda/'), { timeout: 10000 });
    await pagina.click('#ladera [data-orden="ayuda"]');
    const pestana = await (await abierta).page();
    await pestana?.close();
  };
  await abrir();
  await pagina.waitForFunction(async () => Boolean(await caches.match('Ayuda/Ayuda Brovel y Zumbrel.pdf')));
  await pagina.setOfflineMode(true);
  await abrir();
  assert.equal(await pagina.$('dialog.caja-error[open]'), null);
});

test('recargar la página conserva el proyecto', async () => {
  const contexto = await navegador.createBrowserContext();
  const pagina = await abrirPagina(contexto);
  await escribir(pagina, 'l-euDt', '9');
  await pagina.reload();
  await pagina.waitForSelector('body.listo');
  assert.equal(Number(await valor(pagina, 'l-euDt')), 9);
});

test('recargar la página conserva la marca de cambios sin guardar y su pregunta', async () => {
  const contexto = await navegador.createBrowserContext();
  const pagina = await abrirPagina(contexto);
  assert.doesNotMatch(await titulo(pagina), /\*$/);
  await escribir(pagina, 'l-euDt', '9');
  await pagina.reload();
  await pagina.waitForSelector('body.listo');
  assert.match(await titulo(pagina), /\*$/);
  await pagina.click('[data-orden="nuevo"]');
  await pagina.waitForSelector('dialog[open] .botones');
  assert.match(await pagina.$eval('dialog[open] p', (e) => e.textContent), /guardar los cambios de «Sin Nombre»/);
  await pagina.click('dialog[open] .botones button:nth-child(2)');
  await pagina.waitForFunction(() => !document.title.endsWith('*'));
  // The new project, unchanged, stays unchanged after a reload.
  await pagina.reload();
  await pagina.waitForSelector('body.listo');
  assert.doesNotMatch(await titulo(pagina), /\*$/);
  assert.notEqual(Number(await valor(pagina, 'l-euDt')), 9);
});

test('sin conexión la página vuelve a abrir', async () => {
  const contexto = await navegador.createBrowserContext();
  const pagina = await abrirPagina(contexto);
  await pagina.evaluate(() => navigator.serviceWorker.ready);
  await pagina.reload();
  await pagina.waitForSelector('body.listo');
  await pagina.setOfflineMode(true);
  await pagina.reload();
  await pagina.waitForSelector('body.listo', { timeout: 10000 });
  await pestana(pagina, 'tsErosion');
  assert.equal(await valor(pagina, 'l-euTeEResultado'), '9.35051');
});
