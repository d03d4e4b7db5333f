// Screenshots of every tab of the page at a phone's size and a desktop's, for a
// person to look at: node pruebas/captura.mjs [CARPETA_DE_SALIDA]
import puppeteer from 'puppeteer-core';
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import { servir } from '../servir.mjs';

const aqui = path.dirname(new URL(import.meta.url).pathname);
const salida = process.argv[2] ?? '/tmp/capturas-brovel';
mkdirSync(salida, { recursive: true });
const servidor = await servir(path.join(aqui, '..', '..', 'build-web', 'pagina'), 0);
const url = `http://127.0.0.1:${servidor.address().port}/`;
const navegador = await puppeteer.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu'] });
for (const [ancho, alto] of [[1366, 768], [360, 640]]) {
  const pagina = await navegador.newPage();
  await pagina.setViewport({ width: ancho, height: alto, isMobile: ancho < 500, hasTouch: ancho < 500 });
  await pagina.goto(url);
  await pagina.waitForSelector('body.listo');
  const pestanas = await pagina.$$('#ladera .pestanas button');
  for (let i = 0; i < pestanas.length; ++i) {
    await pestanas[i].click();
    await new Promise((r) => setTimeout(r, 150));
    await pagina.screenshot({ path: path.join(salida, `ladera-${ancho}-${i}.png`), fullPage: ancho < 500 ? false : true });
  }
  await pagina.click('#l-pestana-tsForzantes');
  await pagina.evaluate(() => document.querySelector('#l-btUsarZumbrel').click());
  await new Promise((r) => setTimeout(r, 200));
  const pz = await pagina.$$('#zumbrel .pestanas button');
  for (let i = 0; i < pz.length; ++i) {
    await pz[i].click();
    await new Promise((r) => setTimeout(r, 150));
    await pagina.screenshot({ path: path.join(salida, `zumbrel-${ancho}-${i}.png`), fullPage: ancho >= 500 });
  }
  await pagina.close();
}
await navegador.close();
servidor.close();
console.log(`Capturas en ${salida}`);
