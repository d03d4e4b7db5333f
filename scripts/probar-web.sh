#!/usr/bin/env bash
# The web build's tests: builds build-web/ (scripts/web.sh --construir installs
# what is missing), runs the forms' module under Node (CTest in build-web/) and
# the page in Debian's chromium, headless (web/pruebas/, node --test), after
# ESLint has checked the page's JavaScript (web/eslint.config.js).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/web.sh --construir
ctest --test-dir build-web --output-on-failure
cd web
npx --no-install eslint .
node --test pruebas/
