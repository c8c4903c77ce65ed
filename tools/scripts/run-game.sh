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
driver=$root/build/$arch/tools/driver/quenlow-driver.exe
work=$root/build/run/$arch
for f in "$game" "$driver"; do
  [ -f "$f" ] || { echo "run: $f is missing (make $arch)" >&2; exit 1; }
done
mkdir -p "$root/out"

cleanup() {
  wine_session_stop
  wine_session_end_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

wine_session_env "$work"
if [ -z "${DISPLAY:-}" ]; then
  wine_session_xvfb "$work/xvfb.log" || { echo "run: no free display for Xvfb" >&2; exit 1; }
  headless=1
else
  headless=
fi

[ -f "$WINEPREFIX/system.reg" ] || echo "run: making the Wine prefix (once)"
wine_session_start || exit 1
# On a desktop the window manager frames the window; under the bare Xvfb nothing manages it
# (managed windows there cost seconds to hide).
timeout 60 "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$([ -n "$headless" ] && echo N || echo Y)" \
  /f >>"$work/wine.log" 2>&1

started=$(date +%s%N)
pid=$(wine_driver launch "$(wine_session_winpath "$game")")
wine_driver wait-window "$pid" QuenlowFrame '*' >/dev/null
echo "run: $arch: the window showed after $((($(date +%s%N) - started) / 1000000)) ms"
# The deal is animated in the first idle step; the screenshot follows it.
wine_driver idle "$pid" QuenlowFrame 30000 >/dev/null
xid=$(xdotool search --name '^Quenlow$' 2>/dev/null | head -n 1 || true)
if [ -n "$xid" ]; then
  import -window "$xid" "$root/out/quenlow.png"
else
  import -window root "$root/out/quenlow.png"
fi
echo "run: screenshot in out/quenlow.png"

if [ -n "$headless" ]; then
  wine_driver post-message "$pid" QuenlowFrame 16 0 0 >/dev/null
  wine_driver wait-exit "$pid" >/dev/null
else
  echo "run: playing on $DISPLAY; close the game to end"
  WINE_CALL_TIMEOUT=86400 wine_driver wait-exit "$pid" 86400000 >/dev/null
fi
