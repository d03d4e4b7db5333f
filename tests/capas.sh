#!/usr/bin/env bash
# Each folder of src/ includes only what lies below it: the core and the forms
# know nothing of Qt, the windows nothing of the program that starts them, and
# the command line nothing of windows. Prints every include that breaks this.
#   tests/capas.sh CARPETA_SRC
set -uo pipefail
src=${1:?falta la carpeta src}

# folder                       what its files may not include (an extended regex)
reglas=(
  "fields model tables|\"(docs|forms|ui|app|cli)/|<Q"
  "docs|\"(forms|ui|app|cli)/"
  "forms|\"(ui|app|cli)/|<Q"
  "cli|\"(ui|app)/"
  "ui|\"app/"
)

fallos=0
for regla in "${reglas[@]}"; do
  carpetas=${regla%%|*}
  prohibido=${regla#*|}
  for carpeta in $carpetas; do
    if encontrado=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*($prohibido)" "$src/$carpeta"); then
      echo "$encontrado" | sed "s#^$src/##; s#\$#   <- src/$carpeta no puede incluir eso#"
      fallos=$((fallos + 1))
    fi
  done
done
[[ $fallos -eq 0 ]]
