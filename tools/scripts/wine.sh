# Sourced by every script that runs the Windows programs (the end-to-end runner, `make run`,
# the benchmarks): the one place that decides how Wine is called on this machine.
#
# Some machines cannot execute 32-bit Linux programs at all, and Debian's `wine` and
# `wineserver` wrappers pick the 32-bit loader whenever it is installed; so the loader and the
# server are always called by their own paths. The arch names are Wine's WINEARCH values and
# the names of the build trees: win32 runs build/win32 in a 32-bit prefix, win64 runs
# build/win64 in a 64-bit prefix (which also runs 32-bit programs where 32-bit Wine runs).
#
#   wine_runs ARCH       true when ARCH's loader runs here
#   wine_arches          the arches to use, one a line: QUENLOW_ARCH (win32, win64 or both),
#                        or else every arch that runs here; fails with a message when none can
#   wine_first_arch      the first of those: the 32-bit one where it runs, the product's own
#   wine_use ARCH        exports WINEARCH, WINELOADER and WINESERVER for ARCH
#   wine_run ARGS...     the chosen loader: a program, or a helper such as wineboot, reg, winepath
#   wine_server_start    starts the prefix's server in the foreground; WINE_SERVER_PID is its id
#   wine_server_stop     ends that server and every process of its prefix

WINE_LIB_DIR=${WINE_LIB_DIR:-/usr/lib/wine}

wine_loader_of() {
  case $1 in
  win32) echo "$WINE_LIB_DIR/wine" ;;
  win64) echo "$WINE_LIB_DIR/wine64" ;;
  *) return 1 ;;
  esac
}

wine_runs() {
  local loader
  loader=$(wine_loader_of "$1") || return 1
  [ -x "$loader" ] && "$loader" --version >/dev/null 2>&1
}

wine_arches() {
  local want=${QUENLOW_ARCH:-} arch found=
  case $want in
  '') ;;
  both) want='win32 win64' ;;
  win32 | win64) ;;
  *)
    echo "QUENLOW_ARCH must be win32, win64 or both, not '$want'" >&2
    return 2
    ;;
  esac
  for arch in ${want:-win32 win64}; do
    if wine_runs "$arch"; then
      echo "$arch"
      found=1
    elif [ -n "$want" ]; then
      echo "QUENLOW_ARCH asks for $arch, but $(wine_loader_of "$arch") does not run on" \
        "this machine" >&2
      return 1
    fi
  done
  [ -n "$found" ] || {
    echo "neither the 32-bit nor the 64-bit Wine runs here (run tools/scripts/bootstrap.sh)" >&2
    return 1
  }
}

wine_first_arch() {
  local arches
  arches=$(wine_arches) || return
  echo "${arches%%$'\n'*}"
}

wine_use() {
  WINELOADER=$(wine_loader_of "$1") || {
    echo "unknown Windows arch '$1'" >&2
    return 2
  }
  export WINEARCH=$1 WINELOADER
  # The 64-bit server serves 32-bit prefixes too, and runs where 32-bit programs cannot.
  if [ -x "$WINE_LIB_DIR/wineserver64" ]; then
    export WINESERVER=$WINE_LIB_DIR/wineserver64
  else
    export WINESERVER=$WINE_LIB_DIR/wineserver32
  fi
}

wine_run() { "$WINELOADER" "$@"; }

wine_server_start() {
  "$WINESERVER" --foreground --persistent &
  WINE_SERVER_PID=$!
}

wine_server_stop() {
  [ -n "${WINE_SERVER_PID:-}" ] || return 0
  timeout 10 "$WINESERVER" -k >/dev/null 2>&1 || true
  kill "$WINE_SERVER_PID" 2>/dev/null || true
  wait "$WINE_SERVER_PID" 2>/dev/null || true
  WINE_SERVER_PID=
}

# Run as a command, it prints the arches to use (what `make` needs to build and test).
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  case ${1:-} in
  arches) wine_arches ;;
  first) wine_first_arch ;;
  *)
    echo "usage: $0 arches|first" >&2
    exit 2
    ;;
  esac
fi
