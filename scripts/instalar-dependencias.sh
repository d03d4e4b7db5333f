#!/usr/bin/env bash
# Installs, from Debian's packages, everything Brovel needs to build, run and be tested.
# Quiet and quick when everything is already there.
set -euo pipefail

paquetes=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libqt6svg6
  libgl-dev libvulkan-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth fonts-dejavu-core locales python3
  dpkg-dev desktop-file-utils shared-mime-info libxml2-utils xdotool x11-utils lintian
  cups printer-driver-cups-pdf poppler-utils
)

faltan=()
for p in "${paquetes[@]}"; do
  estado=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$estado" == "install ok installed" ]] || faltan+=("$p")
done
# The tests check that numbers ignore a regional setting with a decimal comma.
hay_regional() { locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; }
[[ ${#faltan[@]} -eq 0 ]] && hay_regional && exit 0

sudo_=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Se necesita ser root (o sudo) para instalar: ${faltan[*]:-la configuración regional es_ES.UTF-8}" >&2; exit 1; }
  sudo_="sudo"
fi
if [[ ${#faltan[@]} -gt 0 ]]; then
  echo "Instalando paquetes: ${faltan[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_ apt-get update -qq
  $sudo_ apt-get install -y -qq --no-install-recommends "${faltan[@]}" >/dev/null
fi
if ! hay_regional; then
  $sudo_ localedef -i es_ES -f UTF-8 es_ES.UTF-8
fi
