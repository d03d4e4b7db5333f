#!/usr/bin/env bash
# Measures brovel-calc's batch commands on this machine: projects per second of
# `lote` against as many separate `ladera` runs, points per second of `barrido`,
# and the peak memory of `lote` for a small and a large batch.
#   ./scripts/medir-lote.sh CARPETA_DE_PROYECTOS [PROYECTO_PARA_EL_BARRIDO]
# (scripts/comparar-calc.py --carpeta DIR leaves some 1500 generated projects in DIR/proyectos.)
set -euo pipefail
cd "$(dirname "$0")/.."
brovel=build/bin/brovel-calc
carpeta=${1:?falta la carpeta de proyectos}
proyecto=${2:-}
mapfile -t proyectos < <(ls "$carpeta"/*.bvx)
n=${#proyectos[@]}
echo "núcleos: $(nproc); proyectos: $n"

segundos() { local t0 t1; t0=$(date +%s.%N); "$@" > /dev/null 2>&1 || true; t1=$(date +%s.%N); calc "$t1 - $t0"; }
calc() { awk "BEGIN { print $1 }"; }

t_lote=$(segundos "$brovel" lote "$carpeta")
t_sueltos=$(segundos bash -c 'for p in "$@"; do "'"$brovel"'" ladera "$p"; done' _ "${proyectos[@]}")
printf 'lote: %.0f proyectos/s; %d «ladera» sueltos: %.0f proyectos/s; razón %.1f\n' \
  "$(calc "$n / $t_lote")" "$n" "$(calc "$n / $t_sueltos")" "$(calc "$t_sueltos / $t_lote")"

if [[ -z "$proyecto" ]]; then proyecto=$(mktemp --suffix=.bvx); "$brovel" ladera --guardar "$proyecto" > /dev/null; fi
t_barrido=$(segundos "$brovel" barrido "$proyecto" --variar Geometria.Longitud=1:100:1 --variar Geometria.Declive=0.5:50:0.5)
printf 'barrido de 10000 puntos: %.0f puntos/s\n' "$(calc "10000 / $t_barrido")"

pico() { /usr/bin/time -f '%M' "$@" 2>&1 > /dev/null | tail -n 1; }
mapfile -t grande < <(for _ in $(seq 13); do echo "$carpeta"; done)
printf 'memoria máxima: %s KB con 200 proyectos, %s KB con %d\n' \
  "$(pico "$brovel" lote "${proyectos[@]:0:200}")" "$(pico "$brovel" lote "${grande[@]}")" "$((13 * n))"
