#!/usr/bin/env bash
# Installs what is missing, builds Brovel and runs every test.
# With --sanitizers the build (in build-san/) runs under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh

carpeta=build
opciones=()
if [[ "${1:-}" == "--sanitizers" ]]; then
  carpeta=build-san
  opciones=(-DBROVEL_SANITIZERS=ON -DCMAKE_BUILD_TYPE=Debug)
fi
# The printing tests print on a real print server.
bash scripts/servidor-impresion.sh
cmake -S . -B "$carpeta" -G Ninja --log-level=WARNING "${opciones[@]}"
cmake --build "$carpeta"
ctest --test-dir "$carpeta" --output-on-failure -j "$(nproc)"
