#!/usr/bin/env bash
# The WebAssembly build of Brovel's Qt-free layers and of brovel-calc.
#   scripts/web.sh --construir   installs what is missing and builds into build-web/:
#                                brovel-calc.js, the forms' module and the page (build-web/pagina/)
#   scripts/web.sh               the same, then serves the page at http://127.0.0.1:8080 until Ctrl+C
set -euo pipefail
cd "$(dirname "$0")/.."

# emscripten runs its JavaScript optimizer with acorn, from Debian's node modules.
# Chromium runs the page's tests; npm brings the page's packages.
paquetes=(emscripten node-acorn nodejs npm chromium)
faltan=()
for p in "${paquetes[@]}"; do
  estado=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$estado" == "install ok installed" ]] || faltan+=("$p")
done
# nodejs may come from elsewhere than Debian; a working node is enough.
if command -v node >/dev/null; then
  faltan=("${faltan[@]/nodejs}")
fi
if command -v npm >/dev/null; then
  faltan=("${faltan[@]/npm}")
fi
faltan=(${faltan[@]+"${faltan[@]}"})
if [[ ${#faltan[@]} -gt 0 ]]; then
  sudo_=""
  if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Se necesita ser root (o sudo) para instalar: ${faltan[*]}" >&2; exit 1; }
    sudo_="sudo"
  fi
  echo "Instalando paquetes: ${faltan[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_ apt-get update -qq
  $sudo_ apt-get install -y -qq --no-install-recommends "${faltan[@]}" >/dev/null
fi

construir() {
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
  emcmake cmake -S cmake/web -B build-web -G Ninja --log-level=WARNING -DCMAKE_BUILD_TYPE=Release
  cmake --build build-web -j2
  # The page's packages, exactly as the lock file names them, then the page.
  if [[ ! -d web/node_modules ]] || [[ web/package-lock.json -nt web/node_modules/.package-lock.json ]]; then
    (cd web && npm ci --no-audit --no-fund --loglevel=error)
  fi
  ayuda
  node web/construir.mjs build-web
}

# The help document is built as the desktop's is, with Qt (tools/ayuda), in the
# native build, whose packages are installed first when they are missing.
ayuda() {
  bash scripts/instalar-dependencias.sh
  [[ -f build/build.ninja ]] || cmake -S . -B build -G Ninja --log-level=WARNING
  cmake --build build -j2 --target ayuda
}

case "${1:-}" in
  --construir) construir ;;
  "") construir; exec node web/servir.mjs build-web/pagina 8080 ;;
  *) echo "Uso: scripts/web.sh [--construir]" >&2; exit 2 ;;
esac
