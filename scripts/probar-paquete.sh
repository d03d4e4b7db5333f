#!/usr/bin/env bash
# Builds the Debian package in build/ and tries it without installing it: the
# package is unpacked into a scratch folder and its programs run from there, with
# Qt from the system and their data found from their own folder. Checks what the
# package declares and holds, that its brovel-calc answers as the build's, that its
# brovel opens a project named on the command line (on a virtual display), and the
# menu entry and the file type with the desktop's own tools.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh

cmake -S . -B build -G Ninja --log-level=WARNING
cmake --build build
rm -f build/brovel_*.deb
(cd build && cpack -G DEB >/dev/null)
shopt -s nullglob
paquetes=(build/brovel_*.deb)
shopt -u nullglob
[[ ${#paquetes[@]} -eq 1 ]] || { echo "cpack no dejó un paquete build/brovel_*.deb" >&2; exit 1; }
paquete=${paquetes[0]}

raiz=$(mktemp -d)
pid_xvfb=""
pid_brovel=""
terminar() {
  if [[ -n "$pid_brovel" ]]; then kill "$pid_brovel" 2>/dev/null || true; fi
  if [[ -n "$pid_xvfb" ]]; then kill "$pid_xvfb" 2>/dev/null || true; fi
  rm -rf "$raiz"
}
trap terminar EXIT

fallas=0
falla() {
  echo "FALLA: $*" >&2
  fallas=$((fallas + 1))
}

echo "== $paquete"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
[[ "$(dpkg-deb -f "$paquete" Package)" == brovel ]] || falla "el paquete no se llama brovel"
[[ "$(dpkg-deb -f "$paquete" Version)" == "$version" ]] || falla "la versión no es la del proyecto ($version)"
[[ "$(dpkg-deb -f "$paquete" Section)" == science ]] || falla "la sección no es science"
responsable=$(sed -n 's/^BROVEL_RESPONSABLE:STRING=//p' build/CMakeCache.txt)
[[ "$(dpkg-deb -f "$paquete" Maintainer)" == "$responsable" ]] ||
  falla "el responsable del paquete no es el de la compilación ($responsable)"
dependencias=$(dpkg-deb -f "$paquete" Depends)
for necesaria in libqt6widgets6 libqt6svg6 qt6-qpa-plugins libc6; do
  grep -q "\b$necesaria\b" <<<"$dependencias" || falla "falta $necesaria en Depends: $dependencias"
done

dpkg-deb -x "$paquete" "$raiz/paquete"
usr=$raiz/paquete/usr
contenido=(
  bin/brovel bin/brovel-calc
  share/applications/brovel.desktop share/mime/packages/brovel.xml
  share/icons/hicolor/scalable/apps/brovel.svg
  share/icons/hicolor/scalable/mimetypes/application-x-brovel-proyecto.svg
)
for lado in 16 32 48 64 128 256; do
  contenido+=("share/icons/hicolor/${lado}x${lado}/apps/brovel.png"
              "share/icons/hicolor/${lado}x${lado}/mimetypes/application-x-brovel-proyecto.png")
done
for archivo in "${contenido[@]}"; do
  [[ -f "$usr/$archivo" ]] || falla "el paquete no trae /usr/$archivo"
done
programas=$(find "$usr/bin" -mindepth 1 -printf '%f\n' | sort | tr '\n' ' ')
[[ "$programas" == "brovel brovel-calc " ]] || falla "/usr/bin del paquete trae $programas"
# The package's documents: the copyright in Debian's machine-readable format and the
# changelog of this version, signed by the same person as the package.
doc=$usr/share/doc/brovel
head -n1 "$doc/copyright" 2>/dev/null | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  falla "/usr/share/doc/brovel/copyright no está en el formato legible por máquina"
if [[ -f "$doc/changelog.gz" ]]; then
  cambios=$(zcat "$doc/changelog.gz")
  [[ "$(head -n1 <<<"$cambios")" == "brovel ($version) unstable; urgency=medium" ]] ||
    falla "el registro de cambios no empieza por la versión $version: $(head -n1 <<<"$cambios")"
  grep -qF -- " -- $responsable  " <<<"$cambios" || falla "el registro de cambios no lo firma $responsable"
else
  falla "el paquete no trae /usr/share/doc/brovel/changelog.gz"
fi

echo "== lintian"
# Debian's package checker: no errors; its warnings and notes are shown.
lintian --fail-on error --tag-display-limit 0 "$paquete" >"$raiz/lintian.txt" 2>&1 ||
  falla "lintian encontró errores: $(grep '^E:' "$raiz/lintian.txt" | tr '\n' '|')"
cat "$raiz/lintian.txt"

# A PNG says its width and height in bytes 16 to 23.
for lado in 16 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${lado}x${lado}/apps/brovel.png
  [[ -f "$png" ]] || continue
  medidas=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
  [[ "$medidas" == "${lado}x${lado}" ]] || falla "el icono de ${lado}x${lado} mide $medidas"
done
# The data folders go where the programs look for them, as the build made them.
for carpeta in Reportes Ayuda; do
  if [[ -d "build/bin/$carpeta" ]]; then
    diff -r "build/bin/$carpeta" "$usr/share/brovel/$carpeta" >/dev/null ||
      falla "/usr/share/brovel/$carpeta no es build/bin/$carpeta"
  fi
done

echo "== brovel-calc del paquete frente al de build/bin"
for orden in "ladera" "escorrentia" "tabla TC2"; do
  # shellcheck disable=SC2086
  "$usr/bin/brovel-calc" $orden >"$raiz/del-paquete.json" || falla "«brovel-calc $orden» del paquete falló"
  # shellcheck disable=SC2086
  build/bin/brovel-calc $orden >"$raiz/de-build.json" || falla "«brovel-calc $orden» de build/bin falló"
  cmp -s "$raiz/del-paquete.json" "$raiz/de-build.json" ||
    falla "«brovel-calc $orden» del paquete no imprime lo mismo que el de build/bin"
done
# The reports take the templates the package installs in its data folder.
for orden in reporte reporte-escorrentia; do
  "$usr/bin/brovel-calc" $orden -o "$raiz/del-paquete.rtf" || falla "«brovel-calc $orden» del paquete falló"
  build/bin/brovel-calc $orden -o "$raiz/de-build.rtf" || falla "«brovel-calc $orden» de build/bin falló"
  cmp -s "$raiz/del-paquete.rtf" "$raiz/de-build.rtf" ||
    falla "«brovel-calc $orden» del paquete no escribe el mismo reporte que el de build/bin"
done

echo "== menú y tipo de archivo"
validacion=$(desktop-file-validate "$usr/share/applications/brovel.desktop" 2>&1) || falla "brovel.desktop: $validacion"
grep -E "(error|warning):" <<<"$validacion" && falla "brovel.desktop no es válido"
if command -v xmllint >/dev/null; then
  xmllint --noout "$usr/share/mime/packages/brovel.xml" || falla "brovel.xml no es XML válido"
fi
# The file type as the desktop's database reads it, in a database of its own.
mkdir -p "$raiz/mime/packages"
cp "$usr/share/mime/packages/brovel.xml" "$raiz/mime/packages/"
update-mime-database "$raiz/mime" >"$raiz/mime.log" 2>&1 ||
  falla "update-mime-database no acepta brovel.xml: $(cat "$raiz/mime.log")"
grep -q "^50:application/x-brovel-proyecto:\*\.bvx$" "$raiz/mime/globs2" 2>/dev/null ||
  falla "los *.bvx no quedan como application/x-brovel-proyecto"

echo "== brovel del paquete abre un proyecto nombrado al arrancar"
proyecto="$raiz/ladera de prueba.bvx"
printf '[Geometria]\r\nDeclive=9\r\n' >"$proyecto"
# A display of its own: Xvfb writes the number it took.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$raiz/pantalla" 2>"$raiz/xvfb.log" &
pid_xvfb=$!
for _ in $(seq 100); do [[ -s "$raiz/pantalla" ]] && break; sleep 0.1; done
[[ -s "$raiz/pantalla" ]] || { cat "$raiz/xvfb.log" >&2; echo "Xvfb no arrancó" >&2; exit 1; }
DISPLAY=":$(head -n1 "$raiz/pantalla")"
export DISPLAY
export XDG_RUNTIME_DIR="$raiz/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Waits up to 20 s for a window whose caption matches, and prints its id.
esperar_ventana() {
  for _ in $(seq 200); do
    xdotool search --name "$1" 2>/dev/null | head -n1 && return 0
    sleep 0.1
  done
  return 1
}

# The desktop's opener, in its place: it writes down what it is asked to open.
mkdir "$raiz/abridor"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$raiz/abiertos" >"$raiz/abridor/xdg-open"
chmod +x "$raiz/abridor/xdg-open"
# Named as from a terminal in its folder.
(cd "$raiz" && PATH="$raiz/abridor:$PATH" exec env -u QT_QPA_PLATFORM \
  "$usr/bin/brovel" "ladera de prueba.bvx" >"$raiz/brovel.log" 2>&1) &
pid_brovel=$!
# The about box comes first and waits for its button.
if acerca=$(esperar_ventana "^Acerca de Brovel$"); then
  xdotool windowfocus --sync "$acerca" key Return
  if ventana=$(esperar_ventana "^Brovel - ladera de prueba$"); then
    titulo=$(xprop -id "$ventana" _NET_WM_NAME)
    [[ "$titulo" == *'"Brovel - ladera de prueba"' ]] || falla "el título de la ventana es $titulo"
    # Ayuda → Notas finds the help document in the package's data folder.
    ayuda="$usr/share/brovel/Ayuda/Ayuda Brovel y Zumbrel.pdf"
    if [[ -f "$ayuda" ]]; then
      xdotool windowfocus --sync "$ventana" key alt+y sleep 0.5 key n
      for _ in $(seq 100); do [[ -s "$raiz/abiertos" ]] && break; sleep 0.1; done
      [[ "$(cat "$raiz/abiertos" 2>/dev/null)" == "file://${ayuda// /%20}" ]] ||
        falla "Ayuda → Notas no abrió $ayuda: $(cat "$raiz/abiertos" 2>/dev/null)"
    fi
  else
    falla "la ventana no muestra el proyecto: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
  fi
else
  falla "brovel no mostró su ventana"
fi
kill "$pid_brovel" 2>/dev/null || true
wait "$pid_brovel" 2>/dev/null || true
pid_brovel=""
if [[ -s "$raiz/brovel.log" ]]; then
  echo "-- lo que brovel escribió:"
  cat "$raiz/brovel.log"
fi

if [[ $fallas -gt 0 ]]; then
  echo "$fallas fallas en el paquete" >&2
  exit 1
fi
echo "El paquete $paquete funciona sin instalarlo."
