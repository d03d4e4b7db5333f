#!/usr/bin/env bash
# Measures the WebAssembly brovel-calc under Node against the native one, in one run
# on this machine: one `ladera FILE` (start-up included), `lote` over the generated
# projects, and the size of the module (.wasm as built and gzipped).
#   ./scripts/medir-web.sh [CARPETA_DE_PROYECTOS] [VECES]
# Without a folder it generates the projects of scripts/comparar-calc.py (1500).
set -euo pipefail
cd "$(dirname "$0")/.."
nativo=build/bin/brovel-calc
web=build-web/brovel-calc.js
for f in "$nativo" "$web"; do [[ -f $f ]] || { echo "falta $f (compile antes)" >&2; exit 1; }; done
carpeta=${1:-}
veces=${2:-20}
if [[ -z "$carpeta" ]]; then
  carpeta=$(mktemp -d)
  trap 'rm -rf "$carpeta"' EXIT
  python3 - "$carpeta" <<'EOF'
import importlib.util, sys
spec = importlib.util.spec_from_file_location("comparar", "scripts/comparar-calc.py")
comparar = importlib.util.module_from_spec(spec)
spec.loader.exec_module(comparar)
comparar.generar(sys.argv[1], 1500, 1234)
EOF
fi
mapfile -t proyectos < <(ls "$carpeta"/*.bvx)
n=${#proyectos[@]}
ladera=${proyectos[$((n / 2))]}
echo "núcleos: $(nproc); proyectos: $n; node $(node --version)"

calc() { awk "BEGIN { print $1 }"; }
segundos() { local t0 t1; t0=$(date +%s.%N); "$@" > /dev/null 2>&1 || true; t1=$(date +%s.%N); calc "$t1 - $t0"; }
veces_de() { local total=0; for _ in $(seq "$veces"); do total=$(calc "$total + $(segundos "$@")"); done; calc "$total / $veces"; }

t_nativo=$(veces_de "$nativo" ladera "$ladera")
t_web=$(veces_de node "$web" ladera "$ladera")
printf 'ladera ARCHIVO (media de %d): nativo %.1f ms, node %.1f ms, razón %.1f\n' "$veces" \
  "$(calc "$t_nativo * 1000")" "$(calc "$t_web * 1000")" "$(calc "$t_web / $t_nativo")"
t_nativo=$(segundos "$nativo" lote "$carpeta")
t_web=$(segundos node "$web" lote "$carpeta")
printf 'lote de %d: nativo %.2f s (%.0f proyectos/s), node %.2f s (%.0f proyectos/s), razón %.1f\n' "$n" \
  "$t_nativo" "$(calc "$n / $t_nativo")" "$t_web" "$(calc "$n / $t_web")" "$(calc "$t_web / $t_nativo")"
wasm=build-web/brovel-calc.wasm
printf 'módulo: %s %d bytes (gzip -9: %d bytes); %s %d bytes (gzip -9: %d bytes)\n' \
  "$wasm" "$(stat -c %s "$wasm")" "$(gzip -9c "$wasm" | wc -c)" \
  "$web" "$(stat -c %s "$web")" "$(gzip -9c "$web" | wc -c)"
