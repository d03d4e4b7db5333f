#!/usr/bin/env bash
# Times a cold start of Brovel up to the main window's first paint, on a virtual
# display: prints the median, fastest and slowest of N runs (20 unless given), in ms,
# of the time to the paint and of the processor time the start took.
# With a second argument, the path of another build's medir_arranque, both are run
# in turn, one run of each after the other, so that whatever else the machine is
# doing weighs on both alike, and both are reported.
#   scripts/medir-arranque.sh [VECES] [OTRO_MEDIR_ARRANQUE]
set -euo pipefail
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
cd "$(dirname "$0")/.."
veces=${1:-20}
otro=${2:-}
if [[ -n "$otro" && ! -x "$otro" ]]; then
  echo "medir-arranque: «$otro» no es un programa" >&2
  exit 2
fi
cmake -S . -B build -G Ninja --log-level=WARNING >/dev/null
cmake --build build --target medir_arranque >/dev/null

# One start: its time in ms from launching the program to its end, and the
# processor time it took (user and system), which weighs less what else the
# machine is doing.
TIMEFORMAT='%R %U %S'
medir() {
  local tiempos
  tiempos=$( { time "$1" 2>/dev/null; } 2>&1 )
  awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' <<<"$tiempos"
}

resumir() {
  sort -n | awk -v titulo="$1" '{ t[NR] = $1 } END {
    printf "%s: mediana %d ms (mín %d, máx %d, %d veces)\n", titulo, t[int((NR + 1) / 2)], t[1], t[NR], NR }'
}

informar() {
  local titulo=$1
  shift
  printf '%s\n' "$@" | cut -d' ' -f1 | resumir "$titulo"
  printf '%s\n' "$@" | cut -d' ' -f2 | resumir "  tiempo de procesador"
}

# One start of each first, unmeasured, so that both find their libraries in memory.
build/benchmarks/medir_arranque 2>/dev/null
[[ -n "$otro" ]] && "$otro" 2>/dev/null
tiempos=()
otros=()
for ((i = 0; i < veces; i++)); do
  tiempos+=("$(medir build/benchmarks/medir_arranque)")
  [[ -n "$otro" ]] && otros+=("$(medir "$otro")")
done
informar "arranque en frío hasta la ventana principal" "${tiempos[@]}"
if [[ -n "$otro" ]]; then
  informar "el mismo arranque con $otro" "${otros[@]}"
fi
echo "($(nproc) núcleos)"
