#!/usr/bin/env bash
# Writes again the reviewed copies of both windows' default reports that the tests
# compare with, after a deliberate change of a template or a piece. Review the
# difference (git diff tests/datos/) before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target brovel-calc
# The reports' date, as the tests fix it: 01/01/2026.
export SOURCE_DATE_EPOCH=1767225600
./build/bin/brovel-calc reporte -o tests/datos/ReporteLaderaPorDefecto.rtf
./build/bin/brovel-calc reporte-escorrentia -o tests/datos/ReporteEscorrentiaPorDefecto.rtf
git --no-pager diff --stat -- tests/datos/
