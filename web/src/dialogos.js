// The page's dialogs: the error box, the question before discarding changes, a
// file name, and the picker of a reference table (sortable, scrolls sideways).
export class Dialogos {
  constructor(raiz) { this.raiz = raiz; }

  abrir(construir) {
    return new Promise((resolver) => {
      const dialogo = document.createElement('dialog');
      const cerrar = (valor) => { dialogo.close(); dialogo.remove(); resolver(valor); };
      construir(dialogo, cerrar);
      dialogo.addEventListener('cancel', (e) => { e.preventDefault(); cerrar(null); });
      this.raiz.append(dialogo);
      dialogo.showModal();
    });
  }

  botones(dialogo, cerrar, lista) {
    const fila = document.createElement('div');
    fila.className = 'botones';
    for (const [texto, valor] of lista) {
      const b = Object.assign(document.createElement('button'), { type: 'button', textContent: texto });
      b.addEventListener('click', () => cerrar(valor));
      fila.append(b);
    }
    dialogo.append(fila);
    return fila;
  }

  error(texto) {
    return this.abrir((d, cerrar) => {
      d.className = 'caja-error';
      d.setAttribute('role', 'alertdialog');
      d.append(Object.assign(document.createElement('p'), { textContent: texto }));
      this.botones(d, cerrar, [['Aceptar', true]]).firstChild.autofocus = true;
    });
  }

  pregunta(texto) {
    return this.abrir((d, cerrar) => {
      d.append(Object.assign(document.createElement('p'), { textContent: texto }));
      this.botones(d, (v) => cerrar(v ?? 2), [['Sí', 0], ['No', 1], ['Cancelar', 2]]);
    }).then((v) => v ?? 2);
  }

  nombre(titulo, inicial) {
    return this.abrir((d, cerrar) => {
      const forma = document.createElement('form');
      forma.method = 'dialog';
      const etiqueta = Object.assign(document.createElement('label'), { textContent: `${titulo}: ` });
      const entrada = Object.assign(document.createElement('input'), { value: inicial, required: true });
      etiqueta.append(entrada);
      forma.append(etiqueta);
      forma.addEventListener('submit', (e) => { e.preventDefault(); cerrar(entrada.value.trim() || null); });
      d.append(forma);
      this.botones(d, (v) => cerrar(v ? entrada.value.trim() || null : null), [['Aceptar', true], ['Cancelar', false]]);
    });
  }

  // Resolves with {fila, columna} of the cell chosen, or null.
  tabla(t) {
    return this.abrir((d, cerrar) => {
      d.className = 'selector-tabla';
      d.append(Object.assign(document.createElement('h2'), { textContent: t.titulo }));
      const marco = document.createElement('div');
      marco.className = 'desliza';
      const tabla = document.createElement('table');
      const cabeza = document.createElement('tr');
      let elegida = null;
      let orden = { columna: -1, sube: true };
      const cuerpo = document.createElement('tbody');
      const filas = t.filas.map((f, i) => ({ f, i }));
      const dibujar = () => {
        const lista = [...filas];
        if (orden.columna >= 0) {
          const c = orden.columna;
          const numero = t.numericas[c];
          lista.sort((a, b) => {
            const x = a.f.celdas[c], y = b.f.celdas[c];
            const r = numero ? (parseFloat(x) || 0) - (parseFloat(y) || 0) : x.localeCompare(y, 'es');
            return orden.sube ? r : -r;
          });
        }
        cuerpo.replaceChildren(...lista.map(({ f, i }) => {
          const tr = document.createElement('tr');
          tr.className = f.blanco ? 'blanco' : 'verde';
          f.celdas.forEach((texto, c) => {
            const td = document.createElement('td');
            td.textContent = f.mostrar || !t.numericas[c] ? texto : '';
            if (f.elegibles[c] || t.eligeFila) {
              td.tabIndex = 0;
              td.className = 'elegible';
              const elegir = () => {
                tabla.querySelector('.elegida')?.classList.remove('elegida');
                td.classList.add('elegida');
                elegida = { fila: i, columna: c };
              };
              td.addEventListener('click', elegir);
              td.addEventListener('dblclick', () => { elegir(); cerrar(elegida); });
              td.addEventListener('keydown', (e) => { if (e.key === 'Enter') { elegir(); cerrar(elegida); } });
            }
            tr.append(td);
          });
          return tr;
        }));
      };
      t.columnas.forEach((c, i) => {
        const th = document.createElement('th');
        const b = Object.assign(document.createElement('button'), { type: 'button', textContent: c });
        b.addEventListener('click', () => {
          orden = { columna: i, sube: orden.columna === i ? !orden.sube : true };
          dibujar();
        });
        th.append(b);
        cabeza.append(th);
      });
      tabla.append(Object.assign(document.createElement('thead'), {}), cuerpo);
      tabla.tHead.append(cabeza);
      dibujar();
      marco.append(tabla);
      d.append(marco);
      this.botones(d, (v) => cerrar(v ? elegida : null), [['Aceptar', true], ['Cancelar', false]]);
    });
  }
}
