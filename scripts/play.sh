#!/usr/bin/env bash
# Installs what is missing, builds the game and its demo data, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAME_TESTS=OFF -DGAME_BENCHMARKS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target game game_early
cd build/data
exec ../game "$@"
