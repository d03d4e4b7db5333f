#!/usr/bin/env bash
# Times a cold start of Brovel up to the main window's first paint, on a virtual
# display: prints the median, fastest and slowest of N runs (20 unless given), in ms.
set -euo pipefail
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
cd "$(dirname "$0")/.."
veces=${1:-20}
cmake -S . -B build -G Ninja --log-level=WARNING >/dev/null
cmake --build build --target medir_arranque >/dev/null
tiempos=()
for ((i = 0; i < veces; i++)); do
  inicio=$(date +%s%N)
  build/benchmarks/medir_arranque 2>/dev/null
  fin=$(date +%s%N)
  tiempos+=($(((fin - inicio) / 1000000)))
done
printf '%s\n' "${tiempos[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "arranque en frío hasta la ventana principal: mediana %d ms (mín %d, máx %d, %d veces)\n", t[int((NR + 1) / 2)], t[1], t[NR], NR }'
