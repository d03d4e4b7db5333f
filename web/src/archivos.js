// Files on the person's disk: through the browser's file system access where it
// has one (a chosen file is written again by the next Guardar, also after a
// reload), a download and a file input where it does not.
import { get, set, del } from 'idb-keyval';

// Whether the browser lets the page pick a file and write into it. Asked each
// time, never kept: a browser may offer it in one context and not in another.
export const puedeEscribir = () => typeof window.showSaveFilePicker === 'function';
export const puedeElegir = () => typeof window.showOpenFilePicker === 'function';

const tipos = (extension, tipo) => [{ accept: { [tipo]: [extension] } }];

// A cancelled picker is an answer, not a fault.
const cancelado = (e) => e?.name === 'AbortError';

// Asks where to save a file named `sugerido`; the handle, or null when cancelled.
export async function elegirDondeGuardar(sugerido, extension, tipo) {
  try {
    return await window.showSaveFilePicker({ suggestedName: sugerido, types: tipos(extension, tipo) });
  } catch (e) {
    if (cancelado(e)) return null;
    throw e;
  }
}

// Asks for a file to open; { archivo, manejador }, or null when cancelled.
export async function elegirParaAbrir(extension, tipo) {
  try {
    const [manejador] = await window.showOpenFilePicker({ types: tipos(extension, tipo) });
    return { archivo: await manejador.getFile(), manejador };
  } catch (e) {
    if (cancelado(e)) return null;
    throw e;
  }
}

// The file's bytes as they are now, or null when the browser does not let the
// page read them.
export async function leer(manejador) {
  try {
    return new Uint8Array(await (await manejador.getFile()).arrayBuffer());
  } catch {
    return null;
  }
}

// Whether the page may write into the file: a browser asks the person again for
// a file remembered from an earlier visit, which it may only do from a click.
export async function permitido(manejador) {
  if (typeof manejador.queryPermission !== 'function') return true;
  const modo = { mode: 'readwrite' };
  try {
    if ((await manejador.queryPermission(modo)) === 'granted') return true;
    return (await manejador.requestPermission(modo)) === 'granted';
  } catch {
    return false;
  }
}

// Whether two handles stand for the same file on the disk.
export async function mismoArchivo(a, b) {
  try {
    return Boolean(a && b && (await a.isSameEntry(b)));
  } catch {
    return false;
  }
}

// The chosen file kept in the browser's database, so that a reload still writes
// into it; a handle the browser cannot keep is simply not remembered.
const CLAVE_ARCHIVO = 'brovel.archivo';
export async function recordar(manejador) {
  try {
    if (manejador) await set(CLAVE_ARCHIVO, manejador); else await del(CLAVE_ARCHIVO);
  } catch {
    await del(CLAVE_ARCHIVO).catch(() => {});
  }
}
export async function recordado() {
  try {
    const manejador = await get(CLAVE_ARCHIVO);
    return manejador?.kind === 'file' ? manejador : null;
  } catch {
    return null;
  }
}

// Writes the bytes into the chosen file, whole.
export async function escribir(manejador, bytes) {
  const escritor = await manejador.createWritable();
  try {
    await escritor.write(bytes);
    await escritor.close();
  } catch (e) {
    await escritor.abort?.().catch(() => {});
    throw e;
  }
}

// Hands the bytes to the browser as a download named `nombre`.
export function descargar(bytes, nombre, tipo) {
  const url = URL.createObjectURL(new Blob([bytes], { type: tipo }));
  const a = Object.assign(document.createElement('a'), { href: url, download: nombre });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}
