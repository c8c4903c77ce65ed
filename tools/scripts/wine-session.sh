# The display and the private prefix a Windows program runs in here, and the calls of the
# programs that drive it; shared by `make run`, the benchmark scripts and the end-to-end tests
# (tests/e2e/lib.sh). Sourced after tools/scripts/wine.sh, with an arch chosen by wine_use.
#
#   wine_session_xvfb LOG      start an Xvfb on a free display, export DISPLAY; its process id
#                              is WINE_SESSION_XVFB_PID
#   wine_session_end_xvfb      end that Xvfb, by its id
#   wine_session_env WORK      the prefix WORK/prefix and home WORK/home, quiet and private;
#                              the calls below keep their files in WORK
#   wine_session_start         start the prefix's server (ended by wine_session_stop) and make
#                              the prefix, unattended, when it does not exist yet
#   wine_session_stop          end that server, every process of the prefix, and its folder
#   wine_session_settings REG  write the settings that keep a fresh prefix unattended
#   wine_session_winpath PATH  the Windows name (Z:\...) of a host path
#   wine_session_call EXE ARGS...  run a console program of the arch (WINE_CALL_TIMEOUT
#                              seconds, 60 unless set), print its output; on failure say why
#   wine_driver VERB ARGS... [+ VERB ARGS...]  tools/driver's quenlow-driver.exe: launch,
#                              launch-idle, kill, wait-exit, wait-window, post-message, idle,
#                              reg-get, reg-delete
#   wine_session_now_ms        milliseconds since some fixed moment, for durations

WINE_SESSION_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

wine_session_xvfb() {
  local log=$1 n tries
  WINE_SESSION_XVFB_PID=
  for tries in 1 2 3 4 5; do
    n=
    for candidate in $(seq 101 199); do
      if [ ! -e "/tmp/.X$candidate-lock" ] && [ ! -e "/tmp/.X11-unix/X$candidate" ]; then
        n=$candidate
        break
      fi
    done
    [ -n "$n" ] || return 1
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >>"$log" 2>&1 &
    WINE_SESSION_XVFB_PID=$!
    # Another run may have taken the same number in the meantime: then try the next one.
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null && break
      kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n"
      return 0
    fi
    WINE_SESSION_XVFB_PID=
  done
  return 1
}

wine_session_end_xvfb() {
  if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    WINE_SESSION_XVFB_PID=
  fi
}

# Without the winemenubuilder override Wine writes .desktop files into the host's folders.
wine_session_env() {
  WINE_SESSION_WORK=$1
  mkdir -p "$1/prefix" "$1/home"
  export WINEPREFIX=$1/prefix WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export HOME=$1/home XDG_DATA_HOME=$1/home/.local/share
  export XDG_CONFIG_HOME=$1/home/.config XDG_CACHE_HOME=$1/home/.cache
}

# Unmanaged windows (a managed one costs seconds to hide without a window manager), no sound
# driver, and a crash that exits instead of waiting on a dialog.
wine_session_settings() {
  cat >"$1" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
}

wine_session_start() {
  local id tmp=${TMPDIR:-/tmp} log=$WINE_SESSION_WORK/wine.log
  wine_server_start >>"$log" 2>&1
  # Wine programs started before the server listens would start a server of their own. The
  # server's folder is named after the prefix's device and inode.
  id=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  WINE_SESSION_SOCKET=
  for _ in $(seq 100); do
    WINE_SESSION_SOCKET=$(ls -d "$tmp"/wine-*/"$id"/socket "/tmp/.wine-$(id -u)/$id/socket" \
      2>/dev/null | head -n 1)
    [ -n "$WINE_SESSION_SOCKET" ] && break
    kill -0 "$WINE_SERVER_PID" 2>/dev/null || break
    sleep 0.05
  done
  [ -n "$WINE_SESSION_SOCKET" ] || { echo "the wine server did not start" >&2; return 1; }
  [ ! -f "$WINEPREFIX/system.reg" ] || return 0
  timeout 120 "$WINELOADER" wineboot -i >>"$log" 2>&1 || { echo "wineboot failed" >&2; return 1; }
  wine_session_settings "$WINE_SESSION_WORK/unattended.reg"
  timeout 60 "$WINELOADER" reg import "$(wine_session_winpath "$WINE_SESSION_WORK/unattended.reg")" \
    >>"$log" 2>&1 || { echo "cannot import the settings" >&2; return 1; }
}

wine_session_stop() {
  [ -n "${WINE_SERVER_PID:-}" ] || return 0
  wine_server_stop
  # The server's own folder under the temporary folder goes with it.
  if [ -n "${WINE_SESSION_SOCKET:-}" ]; then
    rm -rf "$(dirname "$WINE_SESSION_SOCKET")"
    rmdir "$(dirname "$(dirname "$WINE_SESSION_SOCKET")")" 2>/dev/null || true
    WINE_SESSION_SOCKET=
  fi
}

wine_session_winpath() {
  local path
  path=$(readlink -f "$1")
  echo "Z:${path//\//\\}"
}

wine_session_now_ms() {
  local t=${EPOCHREALTIME/./}
  echo $((t / 1000))
}

# The output goes to a file first: a program the called one launches must never hold the
# caller's pipe open. Windows line ends are dropped. The programs explain each failure of their
# own on stderr; but about once in a few thousand calls Wine's loader ends with code 1 and not
# a word a few milliseconds after the start, before the program's first instruction (the
# process has not yet taken the program's name). Such a call is made again, once, and stderr
# says so.
wine_session_call() {
  local rc try start out=$WINE_SESSION_WORK/call.out err=$WINE_SESSION_WORK/call.err
  for try in 1 2; do
    rc=0
    start=$(wine_session_now_ms)
    timeout "${WINE_CALL_TIMEOUT:-60}" "$WINELOADER" "$@" >"$out" 2>"$err" || rc=$?
    [ "$try" -eq 1 ] && [ "$rc" -eq 1 ] && [ ! -s "$err" ] && [ ! -s "$out" ] || break
    echo "${1##*/} ended silently after $(($(wine_session_now_ms) - start)) ms: ${*:2}; once more" >&2
  done
  tr -d '\r' <"$out"
  [ "$rc" -eq 0 ] || tr -d '\r' <"$err" >&2
  return "$rc"
}

wine_driver() {
  wine_session_call "$WINE_SESSION_ROOT/build/$WINEARCH/tools/driver/quenlow-driver.exe" "$@"
}
