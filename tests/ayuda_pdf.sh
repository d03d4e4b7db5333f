#!/usr/bin/env bash
# The help document as built: it names every factor as the program and its report
# do, it quotes the default project's erosion rate and sediment production as the
# program shows them, and each entry of its contents is on the page it says.
#   ayuda_pdf.sh DOCUMENTO.pdf BROVEL-CALC
set -euo pipefail
pdf=$1
calc=$2
fallas=0
falla() { echo "FALLA: $*" >&2; fallas=$((fallas + 1)); }

# The text of a page (or of all), on one line, with single blanks.
texto() { pdftotext -enc UTF-8 "$@" "$pdf" - | sed 's/\xc2\xa0/ /g' | tr '\n\f\t' '   ' | tr -s ' '; }
todo=$(texto)

factores=(
  "Factor de Erosibilidad del Suelo (K)" "Factor Topográfico (LS)"
  "Factor de Erosividad de Lluvia-Escorrentía (R)" "Factor de Energía (EI)" "Factor de Producción (X)"
  "Factor de Cobertura-Manejo (C)" "Subfactor de Uso Previo del Suelo (PLU)"
  "Subfactor de Cobertura de Follaje (CC)" "Subfactor de Cobertura Superficial (SC)"
  "Subfactor de Rugosidad Superficial (SR)" "Subfactor de Humedad del Suelo (SM)"
  "Factor de Práctica de Soporte (P)" "Factor de Práctica de Soporte Básico (Pb)"
  "Factor de Práctica de Soporte con Efecto de Tormentas (Pt)"
  "Factor de Práctica de Soporte con Efecto de Desnivel (Pg)"
  "Tasa de Erosión (A)" "Producción de Sedimentos (T)"
)
for nombre in "${factores[@]}"; do
  [[ "$todo" == *"$nombre"* ]] || falla "no nombra «$nombre»"
done

# A number as its field shows it: fixed, its decimals, trailing zeroes dropped.
mostrado() { LC_ALL=C printf "%.${2}f" "$1" | sed -E 's/(\.[0-9]*[1-9])0+$/\1/; s/\.0*$//'; }
json=$("$calc" ladera)
valor() { sed -n "s/^ *\"$1\": \([-0-9.eE+]*\),\?$/\1/p" <<<"$json"; }
tasa="$(mostrado "$(valor TeE)" 5) ton/ha/año"
sedimentos="$(mostrado "$(valor PsE)" 3) ton"
[[ "$todo" == *"$tasa"* ]] || falla "no muestra la tasa de erosión por defecto «$tasa»"
[[ "$todo" == *"$sedimentos"* ]] || falla "no muestra la producción de sedimentos por defecto «$sedimentos»"

# The contents: pages from the second on whose running header says "Índice". A
# chapter's title is on its first page twice (heading and header), a section's once.
paginas=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
entradas=0
for ((p = 2; p <= paginas; p++)); do
  pagina=$(pdftotext -layout -enc UTF-8 -f "$p" -l "$p" "$pdf" - | sed 's/\xc2\xa0/ /g')
  [[ "$(grep -m1 . <<<"$pagina")" == *Índice ]] || break
  while read -r numero resto; do
    [[ "$numero" =~ ^[0-9]+(\.[0-9]+)?$ && "$resto" =~ ^(.*[^ ])\ +([0-9]+)$ ]] || continue
    titulo=$(tr -s ' ' <<<"${BASH_REMATCH[1]}")
    destino=${BASH_REMATCH[2]}
    if ((destino < 3 || destino > paginas)); then
      falla "el índice pone «$numero $titulo» en la página $destino, fuera del documento"
      continue
    fi
    veces=$({ grep -o -F -- "$numero $titulo" <<<"$(texto -layout -f "$destino" -l "$destino")" || true; } | wc -l)
    minimo=1
    [[ "$numero" == *.* ]] || minimo=2
    ((veces >= minimo)) || falla "el índice pone «$numero $titulo» en la página $destino"
    # A chapter starts a page: the page before it never shows its title, not even
    # as a line drawn under the footer.
    if [[ "$numero" != *.* ]] && ((destino > 3)); then
      antes=$({ grep -o -F -- "$numero $titulo" <<<"$(texto -layout -f $((destino - 1)) -l $((destino - 1)))" || true; } | wc -l)
      ((antes == 0)) || falla "«$numero $titulo» asoma en la página $((destino - 1))"
    fi
    entradas=$((entradas + 1))
  done <<<"$pagina"
done
((entradas >= 20)) || falla "el índice tiene solo $entradas entradas"

((fallas == 0)) || exit 1
echo "documento de ayuda: ${#factores[@]} factores, A = $tasa, T = $sedimentos, $entradas entradas del índice"
