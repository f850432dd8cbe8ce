#!/usr/bin/env bash
# Installs what is missing, builds the game and its demo data, and starts it
# in play/, a folder of its own. The build writes build/data again whenever
# the sources change; play/ only gets from it the files it lacks, so saves
# and edited maps and missions stay.
#   bash scripts/play.sh [--early]   # --early starts game_early instead
set -euo pipefail
cd "$(dirname "$0")/.."
programme=game
if [ "${1:-}" = --early ]; then
  programme=game_early
  shift
fi
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target game game_early
bash scripts/remplir.sh build/data play
cd play
exec ../build/"$programme" "$@"
