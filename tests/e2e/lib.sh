# Shell library of the end-to-end runner: the private Wine prefix and display (started as
# tools/scripts/wine-session.sh starts them for every script), the test driver, scenario
# registration and checks. Sourced by run.sh; scenario files use the
# functions below (those starting with e2e_).
#
#   e2e_scenario NAME FUNCTION   register a scenario; scenarios run in registration order
#   e2e_drv VERB ARGS...         run tests/e2e/driver (e2e-driver.exe); prints its output
#   e2e_wine ARGS...             any other Wine call, under a timeout, output to the log
#   e2e_winpath PATH             the Windows name (Z:\...) of a host path
#   e2e_host_path WINPATH        the host path of a Windows name
#   e2e_track_pid PID            a Windows process the runner ends after the scenario
#   e2e_expect_eq WHAT WANT GOT  fail the scenario unless WANT = GOT
#   e2e_fail MESSAGE             fail the scenario
#   e2e_screenshot NAME          save the screen as out/e2e/NAME.png
#   e2e_log MESSAGE              a line in the scenario's log
#
#   e2e_folder NAME              a folder of the system as the programs see it (driver's folder)
#
# Every scenario runs in a subshell with errexit: any failing command fails it. Each starts
# with a clean slate of processes but shares the prefix (and its registry) with the others.
# The caller has chosen the Windows arch with wine_use (tools/scripts/wine.sh): the programs,
# the driver and the prefix are that arch's.

source tools/scripts/wine.sh
source tools/scripts/wine-session.sh
E2E_ROOT=$(pwd)
E2E_ARCH=$WINEARCH
E2E_BUILD=$E2E_ROOT/build/$E2E_ARCH
E2E_OUT=${E2E_OUT:-$E2E_ROOT/out/e2e/$E2E_ARCH}
E2E_DRIVER=$E2E_BUILD/tests/e2e/driver/e2e-driver.exe
E2E_NAMES=()
E2E_FUNCS=()

e2e_log() { echo "[$(date +%T.%N | cut -c1-12)] $*" >&2; }

e2e_scenario() {
  E2E_NAMES+=("$1")
  E2E_FUNCS+=("$2")
}

e2e_winpath() { wine_session_winpath "$1"; }

e2e_host_path() {
  timeout 60 "$WINELOADER" winepath -u "$1" 2>>"$E2E_WORK/wine.log" | tr -d '\r'
}

e2e_wine() {
  timeout 60 "$WINELOADER" "$@" >>"$E2E_WORK/wine.log" 2>&1
}

# A failed call leaves its reason in the scenario's log (wine_session_call retries the rare
# silent end of Wine's loader once).
e2e_drv() {
  local rc=0
  wine_session_call "$E2E_DRIVER" "$@" || rc=$?
  [ "$rc" -eq 0 ] || e2e_log "driver failed ($rc): $*"
  return "$rc"
}

e2e_folder() { e2e_drv folder "$1"; }

e2e_track_pid() { echo "$1" >>"$E2E_WORK/pids"; }

e2e_fail() {
  e2e_log "FAIL: $*"
  return 1
}

e2e_expect_eq() {
  if [ "$2" != "$3" ]; then
    e2e_fail "$1: expected '$2', got '$3'"
    return 1
  fi
  e2e_log "ok: $1"
}

e2e_screenshot() {
  mkdir -p "$E2E_OUT"
  import -display "$DISPLAY" -window root "$E2E_OUT/$1.png" 2>>"$E2E_WORK/wine.log"
}

e2e_teardown() {
  wine_session_stop
  wine_session_end_xvfb
  if [ -n "${E2E_WORK:-}" ]; then
    # A small disk that an interrupted scenario left mounted in the prefix.
    findmnt -rn -o TARGET | grep -F "$E2E_WORK/" | xargs -r umount -l 2>/dev/null || true
    [ -n "${E2E_KEEP:-}" ] || rm -rf "$E2E_WORK"
  fi
}

# One fresh prefix and home per run, on a display of its own, quiet and unattended.
e2e_setup() {
  E2E_RUN_START=$(e2e_now_ms)
  E2E_WORK=$E2E_ROOT/build/e2e/$E2E_ARCH-$BASHPID
  rm -rf "$E2E_WORK"
  mkdir -p "$E2E_OUT"
  trap e2e_teardown EXIT
  trap 'exit 130' INT TERM
  wine_session_env "$E2E_WORK"
  wine_session_xvfb "$E2E_WORK/xvfb.log" || { echo "e2e: no free display for Xvfb" >&2; return 1; }
  wine_session_start || { echo "e2e: no Wine prefix" >&2; return 1; }
}

# Ends what a scenario left running, by the ids it recorded.
e2e_end_scenario_processes() {
  local pid
  [ -f "$E2E_WORK/pids" ] || return 0
  for pid in $(cat "$E2E_WORK/pids"); do
    e2e_drv kill "$pid" >/dev/null 2>&1 || true
  done
  rm -f "$E2E_WORK/pids"
}

# Milliseconds since some fixed moment, for durations.
e2e_now_ms() { wine_session_now_ms; }

e2e_seconds_since() {
  local ms=$(($(e2e_now_ms) - $1))
  printf '%d.%01d' $((ms / 1000)) $((ms % 1000 / 100))
}

e2e_run_all() {
  local i passed=0 failed=0 name start
  for i in "${!E2E_NAMES[@]}"; do
    name=${E2E_NAMES[$i]}
    start=$(e2e_now_ms)
    # Not tested by an "if": errexit would be off inside the scenario.
    (set -eo pipefail; "${E2E_FUNCS[$i]}") >"$E2E_OUT/$name.log" 2>&1
    if [ $? -eq 0 ]; then
      passed=$((passed + 1))
      printf 'e2e %s: %-36s ok   %5ss\n' "$E2E_ARCH" "$name" "$(e2e_seconds_since "$start")"
    else
      failed=$((failed + 1))
      printf 'e2e %s: %-36s FAIL %5ss (%s)\n' "$E2E_ARCH" "$name" "$(e2e_seconds_since "$start")" \
        "${E2E_OUT#"$E2E_ROOT"/}/$name.log"
      tail -n 15 "$E2E_OUT/$name.log" | sed 's/^/    /'
    fi
    e2e_end_scenario_processes
  done
  echo "e2e $E2E_ARCH: whole run $(e2e_seconds_since "$E2E_RUN_START")s"
  echo "e2e $E2E_ARCH: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
