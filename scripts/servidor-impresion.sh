#!/usr/bin/env bash
# Starts the print server the printing tests use: CUPS with its PDF printer as the
# default printer, which leaves each job as a PDF in $HOME/PDF. Needs root (or
# sudo); without it, says so and leaves the printing tests to skip themselves.
set -euo pipefail

sudo_=""
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo_="sudo"
  else
    echo "servidor-impresion: sin root no se puede iniciar CUPS; las pruebas de impresión se omitirán" >&2
    exit 0
  fi
fi

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  $sudo_ cupsd
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
  done
fi
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  echo "servidor-impresion: CUPS no arrancó; las pruebas de impresión se omitirán" >&2
  exit 0
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
  $sudo_ lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo 2>/dev/null
fi
$sudo_ lpadmin -d PDF
lpstat -d
