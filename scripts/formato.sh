#!/usr/bin/env bash
# Formats the C++ sources with clang-format and the project's .clang-format, or,
# with --comprobar, only checks them: lists each file that would change and fails.
#   ./scripts/formato.sh [--comprobar] [ARCHIVO...]
# Without files it takes every C++ file of src/, tests/, benchmarks/, fuzz/ and tools/.
set -euo pipefail
cd "$(dirname "$0")/.."

comprobar=false
if [[ ${1:-} == --comprobar ]]; then
  comprobar=true
  shift
fi
command -v clang-format >/dev/null || bash scripts/instalar-dependencias.sh

archivos=("$@")
if [[ ${#archivos[@]} -eq 0 ]]; then
  mapfile -t archivos < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'benchmarks/*.cpp' \
    'benchmarks/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'tools/*.cpp' 'tools/*.h')
fi

if ! $comprobar; then
  clang-format -i --style=file "${archivos[@]}"
  exit 0
fi

mal=0
for archivo in "${archivos[@]}"; do
  if ! clang-format --style=file "$archivo" | cmp -s - "$archivo"; then
    echo "Sin formato: $archivo"
    mal=$((mal + 1))
  fi
done
if [[ $mal -gt 0 ]]; then
  echo "$mal archivos sin formato; ./scripts/formato.sh los formatea." >&2
  exit 1
fi
