#!/usr/bin/env bash
# Installs what is missing, builds Brovel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
cmake -S . -B build -G Ninja --log-level=WARNING
cmake --build build
exec build/bin/brovel "$@"
