#!/usr/bin/env bash
# Builds every fuzz target with clang and runs each for a while, all at once.
#   bash scripts/fuzz.sh [target...]   # targets by name (fuzz/<name>.cpp); all by default
# FUZZ_SECONDS sets the time per target (60 by default). FUZZ_CORPUS names a
# folder that keeps each target's corpus in <folder>/<name> from run to run;
# without it the corpus is thrown away.
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$(pwd)
secondes=${FUZZ_SECONDS:-60}
shopt -s nullglob
if [ $# -gt 0 ]; then
  noms=("$@")
else
  noms=()
  for c in fuzz/*.cpp; do noms+=("$(basename "$c" .cpp)"); done
fi
[ ${#noms[@]} -gt 0 ] || { echo "no fuzz targets"; exit 0; }
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAME_FUZZ=ON \
  -DGAME_TESTS=OFF -DGAME_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${noms[@]/#/fuzz_}"

# Each target runs in a folder of its own, since the readers write files
# there, on a memory file system when there is one: on disk, creating and
# removing those files costs more than the readers. The folder stays behind,
# with the crashing input, when a target fails.
memoire=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && memoire=/dev/shm
fuzzer() {
  local nom=$1 travail corpus
  travail=$(mktemp -d "$memoire/fuzz-$nom-XXXXXX")
  corpus=$travail/corpus
  [ -z "${FUZZ_CORPUS:-}" ] || corpus=$FUZZ_CORPUS/$nom
  mkdir -p "$corpus"
  corpus=$(cd "$corpus" && pwd)
  if (cd "$travail" && TMPDIR=$travail "$racine/build-fuzz/fuzz/fuzz_$nom" -max_total_time="$secondes" -print_final_stats=0 \
        -artifact_prefix="$travail/" \
        "$corpus" >journal 2>&1); then
    rm -rf "$travail"
  else
    tail -40 "$travail/journal"
    echo "fuzz_$nom failed: its input and log are in $travail"
    return 1
  fi
}

echo "fuzzing ${noms[*]} for ${secondes}s each"
pids=()
for nom in "${noms[@]}"; do
  fuzzer "$nom" &
  pids+=($!)
done
echec=0
for p in "${pids[@]}"; do wait "$p" || echec=1; done
exit $echec
