// The forms' module under Node: each case drives the slope or runoff form as the
// page does and reads back what a person would see. Run by CTest in build-web/
// (node --test), with the module and brovel-calc.js built beside it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { createRequire } from 'node:module';
import path from 'node:path';

const construido = process.env.BROVEL_WEB ?? path.resolve('build-web');
// The module, made for the browser too, finds its .wasm and Node's modules the
// way a CommonJS script does.
globalThis.__dirname = path.join(construido, 'modulo');
globalThis.require = createRequire(import.meta.url);
const { default: CrearModulo } = await import(path.join(construido, 'modulo', 'brovel.mjs'));
const modulo = await CrearModulo({ wasmBinary: readFileSync(path.join(construido, 'modulo', 'brovel.wasm')) });

const nueva = () => new modulo.Ladera();
const texto = (ladera, campo) => ladera.estado().campos[campo].texto;
const A = 'euTeEResultado';
const T = 'euPsEResultado';
const EROSION = 5;

// brovel-calc under Node, for what the desktop program writes.
function calc(...argumentos) {
  return execFileSync('node', [path.join(construido, 'brovel-calc.js'), ...argumentos], { encoding: 'utf8' });
}

test('el proyecto nuevo muestra A y T con sus unidades', () => {
  const ladera = nueva();
  ladera.pestana(EROSION);
  const definiciones = ladera.definiciones();
  const unidad = (campo) => {
    const d = definiciones.campos.find((c) => c.nombre === campo);
    return d.unidades[ladera.estado().campos[campo].unidad];
  };
  assert.equal(texto(ladera, A), '9.35051');
  assert.equal(unidad(A), 'ton/ha/año');
  assert.equal(texto(ladera, T), '125.418');
  assert.equal(unidad(T), 'ton');
  assert.equal(ladera.estado().textoEstado, 'OK');
});

test('una pendiente escrita cambia A como en la ventana', () => {
  // The same project saved and computed by brovel-calc, the desktop's form.
  const casos = [
    { nombre: 'pendiente 12', texto: '12' },
    { nombre: 'pendiente con coma', texto: '3,5' },
  ];
  for (const caso of casos) {
    const ladera = nueva();
    ladera.escribir('euDt', caso.texto);
    ladera.salir('euDt');
    ladera.pestana(EROSION);
    const carpeta = mkdtempSync(path.join(tmpdir(), 'brovel-'));
    const archivo = path.join(carpeta, 'p.bvx');
    writeFileSync(archivo, ladera.guardarComo('p.bvx', null));
    const esperado = JSON.parse(calc('ladera', archivo)).TeE;
    assert.notEqual(texto(ladera, A), '9.35051', caso.nombre);
    assert.equal(texto(ladera, A), esperado.toFixed(5), caso.nombre);
  }
});

test('cambiar la unidad muestra el mismo número en la otra', () => {
  const ladera = nueva();
  ladera.pestana(EROSION);
  const antes = Number(texto(ladera, T));
  ladera.unidad(T, 1);
  const despues = ladera.estado().campos[T];
  assert.equal(despues.unidad, 1);
  assert.notEqual(Number(despues.texto), antes);
  assert.equal(ladera.estado().campos[A].texto, '9.35051');
});

test('un número fuera de rango se avisa en la caja de error y en la barra', () => {
  const ladera = nueva();
  ladera.escribir('euLt', '500');
  ladera.salir('euLt');
  const estado = ladera.estado();
  assert.equal(estado.errores.length, 1);
  assert.match(estado.errores[0], /fuera del rango permitido \(0\.9 - /);
  assert.equal(estado.enError, true);
  assert.match(estado.textoEstado, /^ERROR: /);
  // The boxes are shown once.
  assert.deepEqual(ladera.estado().errores, []);
});

test('un resultado sin actualizar lleva su motivo', () => {
  const ladera = nueva();
  ladera.pestana(EROSION);
  assert.equal(ladera.estado().campos[A].motivo, '');
  ladera.escribir('euLt', '500');
  ladera.pestana(EROSION);
  assert.notEqual(ladera.estado().campos[A].motivo, '');
  assert.equal(texto(ladera, A), '9.35051');
});

test('un botón de tabla da su tabla y lo elegido va al campo', () => {
  const ladera = nueva();
  const tabla = ladera.tablaDeBoton('bbSTD3');
  assert.equal(tabla.codigo, 'TD3');
  assert.ok(tabla.filas.length > 0);
  let fila = -1, columna = -1;
  for (let f = 0; f < tabla.filas.length && fila < 0; ++f) {
    const c = tabla.filas[f].elegibles.indexOf(true);
    if (c >= 0) [fila, columna] = [f, c];
  }
  assert.ok(fila >= 0);
  ladera.elegirDeTabla('bbSTD3', fila, columna);
  assert.equal(Number(texto(ladera, 'euCmst')), Number(tabla.filas[fila].celdas[columna]));
  assert.equal(ladera.modificado(), true);
});

test('abrir, editar y guardar da los bytes de brovel-calc --guardar', () => {
  const carpeta = mkdtempSync(path.join(tmpdir(), 'brovel-'));
  const original = '; notas a mano\r\n[Geometria]\r\nDeclive=8\r\nLongitud=40\r\n[Otra]\r\nx=1\r\n';
  const ladera = nueva();
  assert.equal(ladera.abrir(new TextEncoder().encode(original), 'parcela.bvx', 1), true);
  assert.equal(ladera.estado().titulo, 'Brovel - parcela');
  ladera.escribir('euLt', '55');
  ladera.salir('euLt');
  assert.equal(ladera.modificado(), true);
  const guardado = ladera.guardar(null);
  assert.ok(guardado instanceof Uint8Array);
  assert.equal(ladera.modificado(), false);

  const archivo = path.join(carpeta, 'parcela.bvx');
  writeFileSync(archivo, original.replace('Longitud=40', 'Longitud=55'));
  calc('ladera', '--guardar', archivo, archivo);
  assert.deepEqual(Buffer.from(guardado), readFileSync(archivo));
});

test('guardar como y abrir de nuevo dan el mismo proyecto', () => {
  const ladera = nueva();
  assert.equal(ladera.guardar(null), null);
  ladera.escribir('euDt', '9');
  const bytes = ladera.guardarComo('nuevo.bvx', null);
  assert.ok(bytes instanceof Uint8Array);
  const otra = nueva();
  assert.equal(otra.abrir(bytes, 'nuevo.bvx', 1), true);
  assert.equal(Number(texto(otra, 'euDt')), 9);
});

test('guardar como en un archivo con lo suyo escribe en él; en uno que no es un proyecto no guarda', () => {
  const carpeta = mkdtempSync(path.join(tmpdir(), 'brovel-'));
  const ajeno = '; notas\r\n[Geometria]\r\nColor=verde\r\n[Mia]\r\nclave=valor\r\n';
  const original = '[Geometria]\r\nDeclive=8\r\nLongitud=40\r\n';
  const ladera = nueva();
  assert.equal(ladera.abrir(new TextEncoder().encode(original), 'parcela.bvx', 1), true);
  ladera.escribir('euLt', '55');
  ladera.salir('euLt');
  const bytes = ladera.guardarComo('otro.bvx', new TextEncoder().encode(ajeno));
  assert.ok(bytes instanceof Uint8Array);
  assert.equal(ladera.modificado(), false);
  const abierto = path.join(carpeta, 'abierto.bvx');
  const otro = path.join(carpeta, 'otro.bvx');
  writeFileSync(abierto, original.replace('Longitud=40', 'Longitud=55'));
  writeFileSync(otro, ajeno);
  calc('ladera', '--guardar', otro, abierto);
  assert.deepEqual(Buffer.from(bytes), readFileSync(otro));

  ladera.escribir('euLt', '65');
  ladera.salir('euLt');
  assert.equal(ladera.guardarComo('imagen.bvx', new Uint8Array([0x89, 0x50, 0x4e, 0x47, 0, 1, 2])), null);
  assert.match(ladera.estado().errores.join('\n'), /no es un proyecto de Brovel/);
  assert.equal(ladera.modificado(), true);
});

test('nuevo y abrir respetan la respuesta sobre los cambios', () => {
  const ladera = nueva();
  ladera.escribir('euDt', '9');
  ladera.nuevo(2);  // Cancelar
  assert.equal(texto(ladera, 'euDt'), '9');
  ladera.nuevo(1);  // No
  assert.equal(texto(ladera, 'euDt'), texto(nueva(), 'euDt'));
  assert.equal(ladera.modificado(), false);
});

test('un archivo que no es un proyecto se rechaza y no cambia nada', () => {
  const ladera = nueva();
  ladera.escribir('euDt', '9');
  assert.equal(ladera.abrir(new Uint8Array([0x89, 0x50, 0x4e, 0x47, 0, 1, 2]), 'foto.png', 1), false);
  const estado = ladera.estado();
  assert.equal(estado.errores.length, 1);
  assert.equal(estado.campos.euDt.texto, '9');
});

test('la instantánea vuelve con el proyecto y su archivo', () => {
  const ladera = nueva();
  ladera.abrir(new TextEncoder().encode('[Geometria]\r\nDeclive=8\r\n'), 'uno.bvx', 1);
  ladera.escribir('euLt', '33');
  const instantanea = ladera.instantanea();
  const otra = nueva();
  assert.equal(otra.restaurar(instantanea), true);
  assert.equal(Number(texto(otra, 'euLt')), 33);
  assert.equal(otra.estado().nombreProyecto, 'uno.bvx');
  assert.deepEqual(otra.instantanea().archivo, instantanea.archivo);
});

test('calcular usando Zumbrel entrega la tormenta y toma la escorrentía al volver', () => {
  // The extreme storm as a hyetograph, whose runoff comes from Zumbrel.
  const LLUVIA_EXTREMA = 2;
  const ladera = nueva();
  ladera.opcion(LLUVIA_EXTREMA, 0);
  ladera.pulsar('btUsarZumbrel');
  const z = ladera.estadoZ();
  assert.equal(z.textoEstado, 'OK');
  assert.ok(ladera.grilla('sgHeResultado').filas.length > 0);
  ladera.escribirZ('euNc', '40');
  ladera.salirZ('euNc');
  ladera.volverDeZumbrel('btUsarZumbrel');
  const conNc40 = texto(ladera, 'euCEResultado');
  const otra = nueva();
  otra.opcion(LLUVIA_EXTREMA, 0);
  otra.pulsar('btUsarZumbrel');
  otra.volverDeZumbrel('btUsarZumbrel');
  assert.notEqual(conNc40, texto(otra, 'euCEResultado'));
});

test('los datos de Zumbrel se graban y se cargan', () => {
  const ladera = nueva();
  ladera.escribirZ('euNc', '81');
  const bytes = ladera.grabarZ('cuenca.zbr');
  assert.ok(bytes instanceof Uint8Array);
  const otra = nueva();
  assert.equal(otra.cargarZ(bytes, 'cuenca.zbr'), true);
  assert.equal(Number(otra.estadoZ().campos.euNc.texto), 81);
  assert.equal(otra.cargarZ(new TextEncoder().encode('nada'), 'x.zbr'), false);
  assert.equal(otra.estadoZ().errores.length, 1);
});

test('las descripciones nombran cada campo de cada ventana', () => {
  const ladera = nueva();
  const nombres = (descripcion) => {
    const vistos = [];
    const recorrer = (filas) => filas.forEach((f) => { if (f.tipo === 'Campo') vistos.push(f.nombre); recorrer(f.filas); });
    descripcion.forEach((p) => recorrer(p.filas));
    return vistos.sort();
  };
  const definiciones = ladera.definiciones();
  assert.deepEqual(modulo.descripcionLadera().map((p) => p.titulo),
    ['Geometría', 'Suelo', 'Forzantes', 'Condicionantes', 'Disipación', 'Erosión', 'Reporte']);
  assert.deepEqual(nombres(modulo.descripcionLadera()), definiciones.campos.map((c) => c.nombre).sort());
  assert.deepEqual(nombres(modulo.descripcionZumbrel()), definiciones.zumbrel.campos.map((c) => c.nombre).sort());
  assert.deepEqual(definiciones.zumbrel.casillas, ['cbAai']);
});

test('las series de los gráficos y el reporte salen del formulario', () => {
  const ladera = nueva();
  ladera.pestana(EROSION);
  const factores = ladera.factores();
  assert.ok(factores.factores.some((f) => f.rotulo.startsWith('LS = ')));
  assert.ok(ladera.curva().puntos.x.length > 0);
  const rtf = new TextDecoder('windows-1252').decode(ladera.reporteRtf());
  assert.match(rtf, /^\{\\rtf/);
  assert.match(rtf, /9\.35051/);
  const html = ladera.reporteHtml();
  assert.match(html, /Tasa de Erosión \(A\)/);
  assert.match(html, /9\.35051/);
  assert.ok(ladera.hidrograma().linea.x.length > 0);
  assert.match(ladera.reporteHtmlZ(), /Zumbrel/);
  assert.match(new TextDecoder('windows-1252').decode(ladera.reporteRtfZ()), /^\{\\rtf/);
});
