#!/usr/bin/env bash
# Benchmark (not a test): launch to a visible main window, QUENLOW.EXE against a bare window.
#
#   tools/scripts/bench-start-wine.sh [RUNS]    (default 11; needs the Windows build of the arch
#                                               that runs here, QUENLOW_ARCH chooses)
#
# The bare window (tools/bare-window) is built in the same preset: one class, no menu, no
# controls, the game's size. The two programs start in turn in one prefix, each run timed by
# the driver from CreateProcess until a visible top-level window of the program's class
# exists; the game starts with an empty settings store, as a first start does. Prints each
# run, the medians and their ratio.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tools/scripts/bench.sh || exit 1

RUNS=${1:-11}
BARE_HOST=$BENCH_BUILD/tools/bare-window/bare-window.exe
BARE_CLASS=QuenlowBareWindow
bench_need "$BENCH_DRIVER" "$BARE_HOST" "$BENCH_GAME_HOST" || exit 1
BARE=$(wine_session_winpath "$BARE_HOST")

# Milliseconds from launch to the visible window of PATH's CLASS; the program is closed after.
shown_ms() {
  local answer
  answer=($(wine_driver launch-idle "$1" "$2")) || return 1
  bench_close "${answer[0]}" "$2" || return 1
  echo "${answer[1]}"
}

bench_setup || exit 1
# A first start of each warms the server and the disk cache; it is not counted.
bench_game_reset
shown_ms "$BENCH_GAME" "$BENCH_FRAME" >/dev/null && shown_ms "$BARE" "$BARE_CLASS" >/dev/null

printf '%-4s %10s %10s\n' run game_ms bare_ms
games=() bares=()
for run in $(seq "$RUNS"); do
  bench_game_reset
  game=$(shown_ms "$BENCH_GAME" "$BENCH_FRAME") || exit 1
  bare=$(shown_ms "$BARE" "$BARE_CLASS") || exit 1
  printf '%-4s %10s %10s\n' "$run" "$game" "$bare"
  games+=("$game") bares+=("$bare")
done
game=$(echo "${games[*]}" | median)
bare=$(echo "${bares[*]}" | median)
echo "median ($BENCH_ARCH): game $game ms, bare window $bare ms," \
  "ratio $(awk -v a="$game" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')"
