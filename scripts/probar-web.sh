#!/usr/bin/env bash
# The web build's tests: builds build-web/ (scripts/web.sh --construir installs
# what is missing), runs the forms' module under Node (CTest in build-web/) and
# the page in Debian's chromium, headless (web/pruebas/, node --test).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/web.sh --construir
ctest --test-dir build-web --output-on-failure
cd web && node --test pruebas/
