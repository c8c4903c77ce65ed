#!/usr/bin/env bash
# `make run`: starts QUENLOW.EXE under Wine in a private prefix (build/run/). On the display
# in $DISPLAY the game stays until it is closed; without one, on an Xvfb of its own, it is
# closed again after the screenshot. Either way the table is saved to out/quenlow.png once
# the deal has been animated. Everything this script starts it ends again, by process id.
# The 32-bit build runs where 32-bit Wine does, the 64-bit one elsewhere (QUENLOW_ARCH chooses).
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/scripts/wine.sh
source tools/scripts/wine-session.sh
root=$(pwd)
arch=$(wine_first_arch)
wine_use "$arch"
game=$root/build/$arch/game/app/QUENLOW.EXE
driver=$root/build/$arch/tests/e2e/driver/e2e-driver.exe
work=$root/build/run/$arch
for f in "$game" "$driver"; do
  [ -f "$f" ] || { echo "run: $f is missing (make $arch)" >&2; exit 1; }
done
mkdir -p "$work/prefix" "$work/home" "$root/out"

cleanup() {
  wine_server_stop
  wine_session_end_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
  wine_session_xvfb "$work/xvfb.log" || { echo "run: no free display for Xvfb" >&2; exit 1; }
  headless=1
else
  headless=
fi

wine_session_env "$work"

wine_server_start >"$work/wine.log" 2>&1
sleep 0.2
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "run: making the Wine prefix (once)"
  timeout 120 "$WINELOADER" wineboot -i >>"$work/wine.log" 2>&1
  wine_session_settings "$work/unattended.reg"
  timeout 60 "$WINELOADER" reg import "Z:${work//\//\\}\\unattended.reg" >>"$work/wine.log" 2>&1
fi
# On a desktop the window manager frames the window; under the bare Xvfb nothing manages it
# (managed windows there cost seconds to hide).
timeout 60 "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$([ -n "$headless" ] && echo N || echo Y)" \
  /f >>"$work/wine.log" 2>&1

drv() {
  timeout "${DRV_TIMEOUT:-60}" "$WINELOADER" "$driver" "$@" >"$work/drv.out" 2>"$work/drv.err" || {
    cat "$work/drv.err" >&2
    return 1
  }
  tr -d '\r' <"$work/drv.out"
}

started=$(date +%s%N)
pid=$(drv launch "Z:${game//\//\\}")
drv wait-window "$pid" QuenlowFrame '*' >/dev/null
echo "run: $arch: the window showed after $((($(date +%s%N) - started) / 1000000)) ms"
# The deal is animated in the first idle step; the screenshot follows it.
drv idle "$pid" QuenlowFrame 30000 >/dev/null
xid=$(xdotool search --name '^Quenlow$' 2>/dev/null | head -n 1 || true)
if [ -n "$xid" ]; then
  import -window "$xid" "$root/out/quenlow.png"
else
  import -window root "$root/out/quenlow.png"
fi
echo "run: screenshot in out/quenlow.png"

if [ -n "$headless" ]; then
  drv post-message "$pid" QuenlowFrame 16 0 0 >/dev/null
  drv wait-exit "$pid" >/dev/null
else
  echo "run: playing on $DISPLAY; close the game to end"
  DRV_TIMEOUT=86400 drv wait-exit "$pid" 86400000 >/dev/null
fi
