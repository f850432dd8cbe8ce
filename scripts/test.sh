#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice: a
# normal build and one under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

# Each test program must also pass run whole, as one process: no test may
# lean on state another left behind. The programs run side by side (each
# test works in a folder of its own), and every one is waited for.
whole() {
  local pids=() noms=() t i echec=0
  for t in "$1"/tests/test_*; do
    [ -f "$t" ] && [ -x "$t" ] || continue
    "$t" --gtest_brief=1 >"$t.stdout" 2>"$t.stderr" &
    pids+=("$!")
    noms+=("$t")
  done
  [ ${#pids[@]} -gt 0 ] || { echo "whole: no test program in $1/tests"; return 1; }
  for i in "${!pids[@]}"; do
    t=${noms[$i]}
    if wait "${pids[$i]}"; then
      echo "whole: $t: $(tail -n 1 "$t.stdout")"
    else
      echo "whole: $t FAILED"
      tail -n 40 "$t.stdout" "$t.stderr"
      echec=1
    fi
  done
  return "$echec"
}

# The tests and benchmarks are named on: a cache left by another configure
# (a hand-made one, an older play.sh) must not quietly leave them out, and
# ctest refuses a run that found no test.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAME_TESTS=ON -DGAME_BENCHMARKS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build -j"$jobs" --output-on-failure --timeout 120 --no-tests=error
whole build
bash scripts/x11.sh build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DGAME_SANITIZE=ON -DGAME_TESTS=ON -DGAME_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-asan -j"$jobs" --output-on-failure --timeout 300 --no-tests=error
# Start-up's window, font and frame sets live until the process ends; tests
# that start the game again strand the earlier ones, so leaks are checked per
# test above and the whole runs look for memory errors only.
ASAN_OPTIONS=detect_leaks=0 whole build-asan

bash scripts/fuzz.sh
