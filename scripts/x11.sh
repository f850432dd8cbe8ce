#!/usr/bin/env bash
# Plays the scripted whole-game tests in a real X window: Xvfb and SDL's x11
# driver instead of the dummy one. Both programs take part: `game` through
# every test whose name holds "PartieComplete", `game_early` (test_early,
# built from tests/early) through those and its own fixture PartieAncienne.
# Either program without a run fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
motif='*PartieComplete*:PartieAncienne.*'
joues_game=0
joues_early=0
for t in "$build"/tests/test_*; do
  [ -x "$t" ] || continue
  n=$("$t" --gtest_list_tests --gtest_filter="$motif" | grep -c '^  ' || true)
  [ "$n" -gt 0 ] || continue
  echo "$(basename "$t"): $n whole-game test(s) in an X window"
  # SDL opens the display twice in a row: without -noreset the server resets
  # when the first connection closes and refuses the second now and then.
  # The display number starts away from :99, where other xvfb-runs start.
  SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
    xvfb-run -a -n $((200 + RANDOM % 700)) -s "-screen 0 1024x768x24 -noreset" \
    "$t" --gtest_filter="$motif" --gtest_brief=1
  case "$(basename "$t")" in
    test_early*) joues_early=$((joues_early + n)) ;;
    *) joues_game=$((joues_game + n)) ;;
  esac
done
# A renamed test must not leave either program's run quietly empty.
manque=0
[ "$joues_game" -gt 0 ] || { echo "no whole-game test of game found in $build/tests ($motif)"; manque=1; }
[ "$joues_early" -gt 0 ] || { echo "no whole-game test of game_early found in $build/tests ($motif)"; manque=1; }
exit "$manque"
