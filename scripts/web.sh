#!/usr/bin/env bash
# The WebAssembly build of Brovel's Qt-free layers and of brovel-calc.
#   scripts/web.sh --construir   installs what is missing and builds into build-web/
#   scripts/web.sh               builds; serving the page comes with the page itself
set -euo pipefail
cd "$(dirname "$0")/.."

# emscripten runs its JavaScript optimizer with acorn, from Debian's node modules.
paquetes=(emscripten node-acorn nodejs)
faltan=()
for p in "${paquetes[@]}"; do
  estado=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$estado" == "install ok installed" ]] || faltan+=("$p")
done
# nodejs may come from elsewhere than Debian; a working node is enough.
if command -v node >/dev/null; then
  faltan=("${faltan[@]/nodejs}")
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
}

case "${1:-}" in
  --construir) construir ;;
  "") construir; echo "La página llega más adelante; por ahora: node build-web/brovel-calc.js ARGS" ;;
  *) echo "Uso: scripts/web.sh [--construir]" >&2; exit 2 ;;
esac
