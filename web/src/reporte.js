// The report as the desktop builds it (its RTF template filled in by the form),
// turned into HTML by the module; the page only puts it in place.
export function mostrarReporte(lugar, html) {
  const hoja = document.createElement('article');
  hoja.className = 'reporte';
  hoja.innerHTML = html;
  lugar.replaceChildren(hoja);
}
