#!/usr/bin/env bash
# Builds every fuzz target with clang and runs each for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
secondes=${FUZZ_SECONDS:-20}
shopt -s nullglob
cibles=(fuzz/*.cpp)
[ ${#cibles[@]} -gt 0 ] || { echo "no fuzz targets"; exit 0; }
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAME_FUZZ=ON \
  -DGAME_TESTS=OFF -DGAME_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)"
for c in "${cibles[@]}"; do
  nom=$(basename "$c" .cpp)
  corpus=$(mktemp -d)
  echo "fuzzing $nom for ${secondes}s"
  (cd "$corpus" && "$OLDPWD/build-fuzz/fuzz/fuzz_$nom" -max_total_time="$secondes" -print_final_stats=0 \
     "$corpus" >"$corpus.log" 2>&1) || { tail -40 "$corpus.log"; exit 1; }
  rm -rf "$corpus" "$corpus.log"
done
