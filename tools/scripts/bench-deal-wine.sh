#!/usr/bin/env bash
# Benchmark (not a test): the wall time of the deal animation of QUENLOW.EXE under Wine.
#
#   tools/scripts/bench-deal-wine.sh [RUNS]     (default 10; needs the Windows build of the arch
#                                               that runs here, QUENLOW_ARCH chooses)
#
# Each run starts the game with an empty settings store, so it deals and animates, and times
# from the launch until the game first waits for input after its first idle step, the one that
# plays the animation (the driver's launch-idle verb). A start that restores the saved game
# instead, with no animation, is timed after each. The animation's cost is the difference of
# the two starts' times from the window shown to idle: the launch itself, which varies most on
# a busy machine, is left out.
# Beside it stands the nominal minimum, one millisecond a step: 52 flights of 5 steps and 15
# steps for each flight of the King fix-up (two per exchange, three when the exchange is at
# the bottom of a fan with a third card), counted from the deal the game recorded.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tools/scripts/bench.sh || exit 1

RUNS=${1:-10}
bench_need "$BENCH_DRIVER" "$BENCH_GAME_HOST" || exit 1

# Fix-up flights of a deal given as an "initial" value: the exchanges a King makes with a card
# of its own suit beneath it, pass after pass until a pass makes none.
fixup_flights() {
  local v=($1) suit=() rank=() f flights=0 exchanges t
  for f in $(seq 0 53); do
    suit[f]=${v[1 + f]}
    rank[f]=${v[55 + f]}
  done
  swap() {
    t=${suit[$1]} suit[$1]=${suit[$2]} suit[$2]=$t
    t=${rank[$1]} rank[$1]=${rank[$2]} rank[$2]=$t
  }
  while :; do
    exchanges=0
    for f in $(seq 0 17); do
      if [ "${rank[3 * f + 1]}" = 13 ] && [ "${suit[3 * f]}" = "${suit[3 * f + 1]}" ]; then
        swap $((3 * f)) $((3 * f + 1))
        exchanges=$((exchanges + 1))
        flights=$((flights + (f < 16 ? 3 : 2)))
      fi
    done
    for f in $(seq 0 15); do
      if [ "${rank[3 * f + 2]}" = 13 ] && { [ "${suit[3 * f + 2]}" = "${suit[3 * f + 1]}" ] ||
        [ "${suit[3 * f + 2]}" = "${suit[3 * f]}" ]; }; then
        swap $((3 * f + 1)) $((3 * f + 2))
        exchanges=$((exchanges + 1))
        flights=$((flights + 2))
      fi
    done
    [ "$exchanges" -eq 0 ] && break
  done
  echo "$flights"
}

# launch-idle's answer as "pid shown_ms idle_ms"; the game is closed again after it.
timed_start() {
  local answer
  answer=($(wine_driver launch-idle "$BENCH_GAME" "$BENCH_FRAME")) || return 1
  echo "${answer[@]}"
}

bench_setup || exit 1
# A first start warms the server and the disk cache; it is not counted.
bench_game_reset
answer=($(timed_start)) && bench_close "${answer[0]}" "$BENCH_FRAME"

printf '%-4s %9s %9s %9s %10s %9s %8s %10s\n' run shown_ms idle_ms restore_shown restore_idle \
  anim_ms flights nominal_ms
anims=() nominals=() idles=() ratios=()
for run in $(seq "$RUNS"); do
  bench_game_reset
  dealt=($(timed_start)) || exit 1
  initial=$(bench_game_value initial)
  bench_close "${dealt[0]}" "$BENCH_FRAME" || exit 1
  restored=($(timed_start)) || exit 1
  bench_close "${restored[0]}" "$BENCH_FRAME" || exit 1
  fixups=$(fixup_flights "$initial")
  nominal=$((52 * 5 + fixups * 15))
  anim=$((dealt[2] - dealt[1] - (restored[2] - restored[1])))
  printf '%-4s %9s %9s %9s %10s %9s %8s %10s\n' "$run" "${dealt[1]}" "${dealt[2]}" \
    "${restored[1]}" "${restored[2]}" \
    "$anim" "$((52 + fixups))" "$nominal"
  anims+=("$anim") nominals+=("$nominal") idles+=("${dealt[2]}")
  ratios+=("$(awk -v a="$anim" -v b="$nominal" 'BEGIN { printf "%.3f", a / b }')")
done
echo "median ($BENCH_ARCH): launch to idle after the deal $(echo "${idles[*]}" | median) ms," \
  "animation $(echo "${anims[*]}" | median) ms, nominal minimum $(echo "${nominals[*]}" | median) ms," \
  "animation / nominal $(echo "${ratios[*]}" | median) (the median of each run's ratio)"
