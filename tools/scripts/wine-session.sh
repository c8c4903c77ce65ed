# The display and the private prefix a Windows program runs in here, shared by `make run`, the
# benchmark scripts and the end-to-end tests. Sourced after tools/scripts/wine.sh.
#
#   wine_session_xvfb LOG      start an Xvfb on a free display, export DISPLAY; its process id
#                              is WINE_SESSION_XVFB_PID
#   wine_session_end_xvfb      end that Xvfb, by its id
#   wine_session_env WORK      the prefix WORK/prefix and home WORK/home, quiet and private
#   wine_session_settings REG  write the settings that keep a fresh prefix unattended

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
