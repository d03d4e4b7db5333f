// Builds the page into build-web/pagina/: the bundle, its styles, the module
// the C++ build left in build-web/modulo/, the icons and the service worker
// with the list of every file it keeps.
import * as esbuild from 'esbuild';
import { cpSync, existsSync, mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createHash } from 'node:crypto';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const aqui = path.dirname(fileURLToPath(import.meta.url));
const raiz = path.resolve(aqui, '..');
const construido = path.resolve(process.argv[2] ?? path.join(raiz, 'build-web'));
const salida = path.join(construido, 'pagina');
mkdirSync(path.join(salida, 'modulo'), { recursive: true });

for (const f of ['brovel.mjs', 'brovel.wasm']) cpSync(path.join(construido, 'modulo', f), path.join(salida, 'modulo', f));
cpSync(path.join(aqui, 'index.html'), path.join(salida, 'index.html'));
cpSync(path.join(aqui, 'publico', 'manifest.webmanifest'), path.join(salida, 'manifest.webmanifest'));
for (const f of ['brovel.svg', 'zumbrel.svg', 'ladera.svg', 'cuenca.svg'])
  cpSync(path.join(raiz, 'resources', f), path.join(salida, f));
cpSync(path.join(raiz, 'resources', 'ladera.svg'), path.join(salida, 'DibujoLadera.svg'));
cpSync(path.join(raiz, 'resources', 'cuenca.svg'), path.join(salida, 'DibujoCuenca.svg'));

// The help document, built with the desktop program (tools/ayuda) where the
// machine can build it (scripts/web.sh says so when it cannot).
const AYUDA = path.join('Ayuda', 'Ayuda Brovel y Zumbrel.pdf');
const ayuda = process.env.BROVEL_AYUDA ?? path.join(raiz, 'build', 'bin', AYUDA);
rmSync(path.join(salida, 'Ayuda'), { recursive: true, force: true });
if (existsSync(ayuda)) {
  mkdirSync(path.join(salida, 'Ayuda'), { recursive: true });
  cpSync(ayuda, path.join(salida, AYUDA));
}

await esbuild.build({
  entryPoints: [path.join(aqui, 'src', 'principal.js')],
  bundle: true, format: 'esm', minify: true, target: 'es2022', outdir: salida,
  external: ['./modulo/brovel.mjs'], logLevel: 'warning',
});

const archivos = [];
(function listar(carpeta) {
  for (const e of readdirSync(carpeta, { withFileTypes: true })) {
    const ruta = path.join(carpeta, e.name);
    if (e.isDirectory()) listar(ruta);
    // The help is kept once it is opened, not on the first visit: it weighs
    // more than the rest of the page.
    else if (e.name !== 'sw.js' && path.relative(salida, ruta) !== AYUDA) archivos.push(path.relative(salida, ruta));
  }
})(salida);
archivos.sort();
const huella = createHash('sha256');
for (const a of archivos) huella.update(a).update(readFileSync(path.join(salida, a)));
writeFileSync(path.join(salida, 'sw.js'), readFileSync(path.join(aqui, 'src', 'sw.js'), 'utf8')
  .replace('__VERSION__', huella.digest('hex').slice(0, 12))
  .replace('__ARCHIVOS__', JSON.stringify(['./', ...archivos.map((a) => `./${a}`)])));
console.log(`Página construida en ${salida}`);
