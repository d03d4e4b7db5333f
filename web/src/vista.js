// Draws a window from its description (tabs, groups, rows, each by the form's
// name) and keeps the drawn controls in step with what the form shows. Nothing
// here decides anything: captions, units, help, visibility, marks and the status
// come from the form through the module.

// A window's controls by the form's name, and how to show the form's state.
export class Ventana {
  constructor({ raiz, descripcion, definiciones, acciones, prefijo }) {
    this.raiz = raiz;
    this.acciones = acciones;
    this.prefijo = prefijo;
    this.definiciones = new Map(definiciones.campos.map((d) => [d.nombre, d]));
    this.grupoDeOpcion = new Map();
    definiciones.opciones.forEach((botones, g) =>
      botones.forEach((b, i) => this.grupoDeOpcion.set(b.nombre, { grupo: g, indice: i, titulo: b.titulo })));
    this.indiceDeLista = new Map(definiciones.listas.map((n, i) => [n, i]));
    this.casillas = definiciones.casillas ?? [];
    this.controles = new Map();  // name → element whose visibility the form decides
    this.campos = new Map();     // field → {input, selector}
    this.listas = new Map();     // list → select
    this.opciones = new Map();   // button → radio
    this.casillasDibujadas = new Map();
    this.mensajes = [];
    this.graficos = new Map();   // tab index → element for its plot
    this.grillas = new Map();    // grid name → table element
    this.pestanas = [];
    this.dibujar(descripcion);
  }

  dibujar(descripcion) {
    const barra = document.createElement('nav');
    barra.className = 'pestanas';
    barra.setAttribute('role', 'tablist');
    const paginas = document.createElement('div');
    paginas.className = 'paginas';
    descripcion.forEach((pestana, i) => {
      const boton = document.createElement('button');
      boton.type = 'button';
      boton.textContent = pestana.titulo;
      boton.setAttribute('role', 'tab');
      boton.id = `${this.prefijo}-pestana-${pestana.nombre}`;
      boton.addEventListener('click', () => this.acciones.pestana(i));
      barra.append(boton);
      const pagina = document.createElement('section');
      pagina.className = 'pagina';
      pagina.setAttribute('role', 'tabpanel');
      pagina.dataset.nombre = pestana.nombre;
      const columna = document.createElement('div');
      columna.className = 'columna';
      for (const fila of pestana.filas) {
        if (fila.tipo === 'Grafico') {
          const grafico = document.createElement('div');
          grafico.className = 'grafico';
          grafico.dataset.nombre = fila.nombre;
          this.graficos.set(i, grafico);
          pagina.append(grafico);
        } else {
          const elemento = this.fila(fila);
          if (elemento) columna.append(elemento);
        }
      }
      pagina.prepend(columna);
      paginas.append(pagina);
      this.pestanas.push({ boton, pagina, nombre: pestana.nombre, vacia: pestana.filas.length === 0 });
    });
    this.raiz.append(barra, paginas);
  }

  fila(fila) {
    switch (fila.tipo) {
      case 'Grupo': {
        const grupo = document.createElement('fieldset');
        const titulo = document.createElement('legend');
        titulo.textContent = fila.titulo;
        grupo.append(titulo);
        for (const f of fila.filas) { const e = this.fila(f); if (e) grupo.append(e); }
        if (fila.nombre) this.controles.set(fila.nombre, grupo);
        return grupo;
      }
      case 'Panel': {
        const panel = document.createElement('div');
        panel.className = 'panel';
        for (const f of fila.filas) { const e = this.fila(f); if (e) panel.append(e); }
        if (fila.nombre) this.controles.set(fila.nombre, panel);
        return panel;
      }
      case 'Campo': return this.campo(fila);
      case 'Lista':
      case 'ListaDeNumeros': return this.lista(fila.nombre, fila.titulo);
      case 'Opciones': {
        const linea = document.createElement('div');
        linea.className = 'opciones';
        linea.setAttribute('role', 'radiogroup');
        for (const nombre of fila.nombres) {
          const { grupo, indice, titulo } = this.grupoDeOpcion.get(nombre);
          const etiqueta = document.createElement('label');
          const radio = document.createElement('input');
          radio.type = 'radio';
          radio.name = `${this.prefijo}-grupo-${grupo}`;
          radio.id = `${this.prefijo}-${nombre}`;
          radio.addEventListener('change', () => radio.checked && this.acciones.opcion(grupo, indice));
          etiqueta.append(radio, ' ', titulo);
          this.opciones.set(nombre, radio);
          this.controles.set(nombre, etiqueta);
          linea.append(etiqueta);
        }
        return linea;
      }
      case 'Casilla': {
        const etiqueta = document.createElement('label');
        etiqueta.className = 'casilla';
        const caja = document.createElement('input');
        caja.type = 'checkbox';
        caja.id = `${this.prefijo}-${fila.nombre}`;
        const indice = this.casillas.indexOf(fila.nombre);
        caja.addEventListener('change', () => this.acciones.casilla(indice, caja.checked, fila.nombre));
        etiqueta.append(caja, ' ', fila.titulo);
        this.casillasDibujadas.set(fila.nombre, caja);
        this.controles.set(fila.nombre, etiqueta);
        return etiqueta;
      }
      case 'Boton': {
        const boton = document.createElement('button');
        boton.type = 'button';
        boton.className = 'boton';
        boton.id = `${this.prefijo}-${fila.nombre}`;
        boton.textContent = fila.titulo;
        boton.addEventListener('click', () => this.acciones.pulsar(fila.nombre));
        this.controles.set(fila.nombre, boton);
        return boton;
      }
      case 'BotonDeTabla': {
        const linea = document.createElement('div');
        linea.className = 'fila tabla';
        const rotulo = document.createElement('span');
        rotulo.textContent = fila.titulo;
        linea.append(rotulo, this.botonDeTabla(fila.nombre));
        this.controles.set(fila.nombre, linea);
        if (fila.campo) this.seguidores.push([fila.campo, linea]);
        return linea;
      }
      case 'Mensajes': {
        const caja = document.createElement('pre');
        caja.className = 'mensajes';
        caja.id = `${this.prefijo}-${fila.nombre}`;
        this.mensajes.push(caja);
        return caja;
      }
      case 'Nota': {
        const nota = document.createElement('p');
        nota.className = 'nota';
        nota.textContent = fila.titulo;
        this.controles.set(fila.nombre, nota);
        return nota;
      }
      case 'Grilla': {
        const marco = document.createElement('div');
        marco.className = 'grilla';
        const titulo = document.createElement('h3');
        titulo.textContent = fila.titulo;
        marco.append(titulo);
        if (fila.lista) marco.append(this.lista(fila.lista, ''));
        const tabla = document.createElement('table');
        marco.append(tabla);
        this.grillas.set(fila.nombre, tabla);
        this.controles.set(fila.nombre, marco);
        return marco;
      }
      case 'Dibujo': {
        const imagen = document.createElement('img');
        imagen.className = 'dibujo';
        imagen.alt = '';
        imagen.src = `${fila.nombre}.svg`;
        return imagen;
      }
      default: return null;
    }
  }

  get seguidores() { return (this._seguidores ??= []); }

  botonDeTabla(nombre) {
    const boton = document.createElement('button');
    boton.type = 'button';
    boton.className = 'tres-puntos';
    boton.id = `${this.prefijo}-${nombre}`;
    boton.textContent = '...';
    boton.title = 'Seleccionar desde una Tabla';
    boton.addEventListener('click', () => this.acciones.tabla(nombre));
    return boton;
  }

  campo(fila) {
    const d = this.definiciones.get(fila.nombre);
    const linea = document.createElement('div');
    linea.className = 'fila campo';
    const etiqueta = document.createElement('label');
    const id = `${this.prefijo}-${fila.nombre}`;
    etiqueta.htmlFor = id;
    etiqueta.textContent = d.titulo;
    etiqueta.title = d.ayuda;
    const entrada = document.createElement('input');
    entrada.id = id;
    entrada.inputMode = 'decimal';
    entrada.autocomplete = 'off';
    entrada.readOnly = d.resultado;
    entrada.title = d.ayuda;
    if (d.resultado) entrada.tabIndex = -1;
    const selector = document.createElement('select');
    selector.setAttribute('aria-label', `Unidad de ${d.titulo}`);
    for (const u of d.unidades) selector.append(new Option(u));
    if (d.unidades.length < 2) selector.disabled = true;
    const ayuda = document.createElement('button');
    ayuda.type = 'button';
    ayuda.className = 'ayuda';
    ayuda.textContent = '?';
    ayuda.setAttribute('aria-label', `Ayuda de ${d.titulo}`);
    const texto = document.createElement('p');
    texto.className = 'texto-ayuda';
    texto.hidden = true;
    ayuda.addEventListener('click', () => { texto.hidden = !texto.hidden; });
    entrada.addEventListener('input', () => this.acciones.escribir(fila.nombre, entrada.value));
    entrada.addEventListener('change', () => this.acciones.salir(fila.nombre));
    entrada.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') { e.preventDefault(); this.siguiente(entrada); }
    });
    selector.addEventListener('change', () => this.acciones.unidad(fila.nombre, selector.selectedIndex));
    linea.append(etiqueta, entrada, selector, ayuda);
    if (fila.boton) linea.append(this.botonDeTabla(fila.boton));
    linea.append(texto);
    this.campos.set(fila.nombre, { entrada, selector, texto, ayuda: d.ayuda, motivo: null });
    this.controles.set(fila.nombre, linea);
    return linea;
  }

  lista(nombre, titulo) {
    const linea = document.createElement('div');
    linea.className = 'fila lista';
    const select = document.createElement('select');
    select.id = `${this.prefijo}-${nombre}`;
    if (titulo) {
      const etiqueta = document.createElement('label');
      etiqueta.htmlFor = select.id;
      etiqueta.textContent = titulo;
      linea.append(etiqueta);
    }
    const indice = this.indiceDeLista.get(nombre);
    select.addEventListener('change', () => this.acciones.lista(indice, select.selectedIndex));
    linea.append(select);
    this.listas.set(nombre, { select, items: null });
    this.controles.set(nombre, linea);
    return linea;
  }

  // Enter moves on as Tab does, to the next control that takes the keyboard.
  siguiente(desde) {
    const todos = [...this.raiz.querySelectorAll('input:not([readonly]), select:not([disabled]), button')]
      .filter((e) => e.offsetParent !== null);
    const i = todos.indexOf(desde);
    if (i >= 0 && i + 1 < todos.length) todos[i + 1].focus();
  }

  mostrarPestana(indice) {
    this.pestanas.forEach((p, i) => {
      p.pagina.hidden = i !== indice;
      p.boton.setAttribute('aria-selected', String(i === indice));
    });
    this.pestanas[indice].boton.scrollIntoView?.({ block: 'nearest', inline: 'nearest' });
  }

  // What the form shows now, drawn over what was drawn before.
  reflejar(estado, definiciones) {
    for (const [nombre, c] of this.campos) {
      const e = estado.campos[nombre];
      if (document.activeElement !== c.entrada && c.entrada.value !== e.texto) c.entrada.value = e.texto;
      if (c.selector.selectedIndex !== e.unidad) c.selector.selectedIndex = e.unidad;
      if (c.motivo !== e.motivo) {
        c.motivo = e.motivo;
        c.entrada.classList.toggle('viejo', e.motivo !== '');
        const ayuda = e.motivo ? `${e.motivo}\n\n${c.ayuda}` : c.ayuda;
        c.entrada.title = ayuda;
        c.texto.textContent = ayuda;
      }
    }
    definiciones.opciones.forEach((botones, g) => {
      const radio = this.opciones.get(botones[estado.opciones[g]]?.nombre);
      if (radio && !radio.checked) radio.checked = true;
    });
    this.casillas.forEach((nombre, i) => {
      const caja = this.casillasDibujadas.get(nombre);
      if (caja) caja.checked = estado.casillas[i];
    });
    for (const [nombre, l] of this.listas) {
      const e = estado.listas[this.indiceDeLista.get(nombre)];
      const items = e.items.join('\n');
      if (l.items !== items) {
        l.items = items;
        l.select.replaceChildren(...e.items.map((t) => new Option(t)));
      }
      if (l.select.selectedIndex !== e.indice) l.select.selectedIndex = e.indice;
    }
    for (const [nombre, elemento] of this.controles) {
      const visible = estado.visibles[nombre];
      if (visible !== undefined) elemento.hidden = !visible;
    }
    for (const [campo, elemento] of this.seguidores) {
      const visible = estado.visibles[campo];
      if (visible !== undefined) elemento.hidden = !visible;
    }
    for (const caja of this.mensajes) caja.textContent = (estado.mensajesSuelo ?? []).join('\n');
  }
}
