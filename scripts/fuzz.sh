#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for SEGUNDOS seconds
# (30 by default), starting from the seeds in fuzz/semillas/. What a run finds
# stays in build-fuzz/hallazgos/; the seeds in the repository are not touched.
#   ./scripts/fuzz.sh [SEGUNDOS] [OBJETIVO...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh

segundos=${1:-30}
shift || true
objetivos=("$@")
[[ ${#objetivos[@]} -gt 0 ]] || objetivos=(fuzz_proyecto fuzz_zumbrel fuzz_ordenes fuzz_numeros fuzz_rtf fuzz_plantilla)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja --log-level=WARNING \
  -DBROVEL_FUZZ=ON -DBROVEL_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz --target "${objetivos[@]}"

fallidos=0
for objetivo in "${objetivos[@]}"; do
  semillas=fuzz/semillas/${objetivo#fuzz_}
  corpus=build-fuzz/corpus/${objetivo#fuzz_}
  hallazgos=build-fuzz/hallazgos/${objetivo#fuzz_}
  mkdir -p "$corpus" "$hallazgos"
  # A project may be as large as the largest file opened, so that saving it in
  # place can meet that limit; the other inputs are small.
  largo=16384
  [[ $objetivo == fuzz_proyecto ]] && largo=4194304
  echo "== $objetivo: $segundos s"
  if ! "build-fuzz/bin/$objetivo" "$corpus" "$semillas" -max_total_time="$segundos" -timeout=10 \
      -rss_limit_mb=2048 -max_len="$largo" -print_final_stats=1 -artifact_prefix="$hallazgos/" 2>"build-fuzz/$objetivo.log"; then
    fallidos=$((fallidos + 1))
    tail -n 40 "build-fuzz/$objetivo.log"
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "build-fuzz/$objetivo.log" || true
done
echo "fuzz: $((${#objetivos[@]} - fallidos)) passed, $fallidos failed"
[[ $fallidos -eq 0 ]]
