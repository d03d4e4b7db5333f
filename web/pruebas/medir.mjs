// The page's speed in headless chromium on this machine (a benchmark, not a
// test): cold load to the first tab drawn, a keystroke until the fields show
// the form's answer, a recalculation shown on the Erosión tab, and the size of
// every file transferred, gzip. node pruebas/medir.mjs [VECES]
import puppeteer from 'puppeteer-core';
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import path from 'node:path';
import { servir } from '../servir.mjs';

const aqui = path.dirname(new URL(import.meta.url).pathname);
const carpeta = path.resolve(aqui, '..', '..', 'build-web', 'pagina');
const veces = Number(process.argv[2] ?? 10);
const mediana = (x) => [...x].sort((a, b) => a - b)[Math.floor(x.length / 2)];

const servidor = await servir(carpeta, 0);
const url = `http://127.0.0.1:${servidor.address().port}/`;
const navegador = await puppeteer.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu'] });

const cargas = [];
for (let i = 0; i < veces; ++i) {
  const contexto = await navegador.createBrowserContext();
  const pagina = await contexto.newPage();
  await pagina.setCacheEnabled(false);
  await pagina.goto(url);
  await pagina.waitForSelector('body.listo');
  cargas.push(await pagina.evaluate(() => performance.getEntriesByName('brovel-listo')[0].startTime));
  await contexto.close();
}

const pagina = await navegador.newPage();
await pagina.goto(url);
await pagina.waitForSelector('body.listo');
// One keystroke into the slope, with the Erosión tab shown: the form recomputes
// and the page shows every field again; then the tab's own recalculation.
const teclas = await pagina.evaluate((n) => {
  const entrada = document.querySelector('#l-euDt');
  const tiempos = [];
  const pestana = [];
  for (let i = 0; i < n; ++i) {
    entrada.value = String(5 + (i % 7));
    const t0 = performance.now();
    entrada.dispatchEvent(new Event('input'));
    const t1 = performance.now();
    document.querySelector('#l-pestana-tsErosion').click();
    const t2 = performance.now();
    document.querySelector('#l-pestana-Geometria').click();
    tiempos.push(t1 - t0);
    pestana.push(t2 - t1);
  }
  return { tiempos, pestana };
}, 50);
await navegador.close();
servidor.close();

// The help document is fetched only when it is opened, not by a visit.
const AYUDA = path.join('Ayuda', 'Ayuda Brovel y Zumbrel.pdf');
let total = 0;
let ayuda = 0;
const archivos = [];
(function listar(c) {
  for (const e of readdirSync(c)) {
    const ruta = path.join(c, e);
    if (statSync(ruta).isDirectory()) listar(ruta);
    else {
      const gz = gzipSync(readFileSync(ruta), { level: 9 }).length;
      if (path.relative(carpeta, ruta) === AYUDA) ayuda = gz; else total += gz;
      archivos.push(`${path.relative(carpeta, ruta)} ${(gz / 1024).toFixed(1)} KiB`);
    }
  }
})(carpeta);

console.log(`Carga en frío hasta la primera pestaña: mediana ${mediana(cargas).toFixed(0)} ms (${veces} veces, sin caché)`);
console.log(`Tecla en la pendiente hasta los campos al día: mediana ${mediana(teclas.tiempos).toFixed(2)} ms, máx ${Math.max(...teclas.tiempos).toFixed(2)} ms`);
console.log(`Pestaña Erosión recalculada y mostrada (A al día): mediana ${mediana(teclas.pestana).toFixed(2)} ms`);
console.log(`Archivos transferidos, gzip: ${(total / 1024).toFixed(0)} KiB en total`
  + (ayuda ? `, y ${(ayuda / 1024).toFixed(0)} KiB la ayuda, al abrirla` : ''));
for (const a of archivos) console.log(`  ${a}`);
