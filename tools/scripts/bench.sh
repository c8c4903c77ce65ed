# What the benchmark scripts share, sourced from the top of the tree: the Wine of the first
# arch that runs here (QUENLOW_ARCH chooses), a fresh private prefix on a display of its own,
# and the game as quenlow-driver.exe starts and closes it.
source tools/scripts/wine.sh
source tools/scripts/wine-session.sh
BENCH_ARCH=$(wine_first_arch) && wine_use "$BENCH_ARCH" || return 1
BENCH_BUILD=$WINE_SESSION_ROOT/build/$BENCH_ARCH
BENCH_DRIVER=$BENCH_BUILD/tools/driver/quenlow-driver.exe
BENCH_GAME_HOST=$BENCH_BUILD/game/app/QUENLOW.EXE
BENCH_GAME=$(wine_session_winpath "$BENCH_GAME_HOST")
BENCH_FRAME=QuenlowFrame
BENCH_GAME_KEY='Software\Halvane\Quenlow'
WM_CLOSE=16

# Fails unless every program file given exists.
bench_need() {
  local f
  for f in "$@"; do
    if [ ! -f "$f" ]; then
      echo "bench: $f is missing (build the $BENCH_ARCH preset)" >&2
      return 1
    fi
  done
}

# One fresh prefix and home for the run, on a display of its own; both end with the script.
bench_setup() {
  BENCH_WORK=$WINE_SESSION_ROOT/build/bench/$BENCH_ARCH-$BASHPID
  rm -rf "$BENCH_WORK"
  trap bench_teardown EXIT
  trap 'exit 130' INT TERM
  wine_session_env "$BENCH_WORK"
  wine_session_xvfb "$BENCH_WORK/xvfb.log" || { echo "bench: no free display for Xvfb" >&2; return 1; }
  wine_session_start || return 1
  echo "bench: $BENCH_ARCH prefix ready on display $DISPLAY"
}

bench_teardown() {
  wine_session_stop
  wine_session_end_xvfb
  rm -rf "$BENCH_WORK"
}

# The game's settings gone, so that its next start is a first one; one of its stored values.
bench_game_reset() { wine_driver reg-delete HKCU "$BENCH_GAME_KEY" >/dev/null; }
bench_game_value() { wine_driver reg-get HKCU "$BENCH_GAME_KEY\\1.0" "$1"; }

# Closes the main window of class CLASS of process PID as its close box does, and waits for
# the end.
bench_close() {
  wine_driver post-message "$1" "$2" "$WM_CLOSE" 0 0 + wait-exit "$1" >/dev/null
}

# The median of whitespace-separated numbers on stdin (the upper one of an even count).
median() { tr ' ' '\n' | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
