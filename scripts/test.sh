#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice: a
# normal build and one under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build -j"$jobs" --output-on-failure --timeout 120
bash scripts/x11.sh build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DGAME_SANITIZE=ON -DGAME_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j"$jobs" --output-on-failure --timeout 300

bash scripts/fuzz.sh
