// Serves build-web/pagina/ as any static host would, for trying the page and for
// the browser tests: files only, with the types a browser needs for modules and
// WebAssembly. Usage: node servir.mjs [CARPETA] [PUERTO]
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import path from 'node:path';

const TIPOS = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json', '.json': 'application/json', '.pdf': 'application/pdf',
};

export function servir(carpeta, puerto = 8080, anfitrion = '127.0.0.1') {
  const raiz = path.resolve(carpeta);
  const servidor = createServer(async (pedido, respuesta) => {
    const url = new URL(pedido.url, 'http://x');
    let ruta = path.join(raiz, decodeURIComponent(url.pathname));
    if (!ruta.startsWith(raiz)) { respuesta.writeHead(403).end(); return; }
    try {
      if ((await stat(ruta)).isDirectory()) ruta = path.join(ruta, 'index.html');
      const datos = await readFile(ruta);
      respuesta.writeHead(200, { 'Content-Type': TIPOS[path.extname(ruta)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache' });
      respuesta.end(datos);
    } catch {
      respuesta.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' }).end('No existe');
    }
  });
  return new Promise((resolver) => servidor.listen(puerto, anfitrion, () => resolver(servidor)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const carpeta = process.argv[2] ?? path.resolve(path.dirname(process.argv[1]), '..', 'build-web', 'pagina');
  const puerto = Number(process.argv[3] ?? 8080);
  await servir(carpeta, puerto);
  console.log(`Brovel en http://127.0.0.1:${puerto}/ (Ctrl+C para terminar)`);
}
