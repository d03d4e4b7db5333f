#!/usr/bin/env bash
# The texts of numbers written by this build and by the WebAssembly one under Node
# must be the same, byte for byte. Exit 77 (skipped) while there is no web build.
#   textos_web.sh NATIVO NODE WEB.js
set -euo pipefail
nativo=$1 node=$2 web=$3
[[ -f "$web" ]] || { echo "sin construcción web: $web"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$nativo" > "$dir/nativo.txt"
"$node" "$web" > "$dir/web.txt"
if ! cmp -s "$dir/nativo.txt" "$dir/web.txt"; then
  echo "Textos distintos (- nativo, + web):"
  diff "$dir/nativo.txt" "$dir/web.txt" | head -40 | cut -c1-400
  exit 1
fi
echo "$(wc -l < "$dir/nativo.txt") líneas iguales"
