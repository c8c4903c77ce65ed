# Helpers for the game's scenarios: starting and closing QUENLOW.EXE, its settings values,
# its commands and dialogs, and tables written as saved records.

Q_EXE_HOST=$E2E_BUILD/game/app/QUENLOW.EXE
Q_EXE=$(e2e_winpath "$Q_EXE_HOST")
Q_FRAME=QuenlowFrame
Q_VIEW=QuenlowView
Q_KEY='Software\Halvane\Quenlow\1.0'
Q_PANE_MESSAGE=0

ID_START_OVER=32771
ID_SCORES=32772
ID_KINGS=32776
ID_FILE_NEW=57600
ID_EDIT_UNDO=57643
ID_APP_ABOUT=57664
ID_APP_EXIT=57665
ID_VIEW_STATUS_BAR=59393
WM_CLOSE=16

q_reset() { e2e_drv reg-delete HKCU 'Software\Halvane\Quenlow' >/dev/null; }
q_get() { e2e_drv reg-get HKCU "$Q_KEY" "$1"; }
q_put() {
  local name=$1
  shift
  e2e_drv reg-set HKCU "$Q_KEY" "$name" "$@" >/dev/null
}

# Starts the game and waits for its main window; QPID is its process id.
q_start() {
  local t0
  t0=$(e2e_now_ms)
  QPID=$(e2e_drv launch "$Q_EXE" "$@")
  e2e_track_pid "$QPID"
  e2e_drv wait-window "$QPID" "$Q_FRAME" '*' >/dev/null
  e2e_log "game $QPID shows its window after $(e2e_seconds_since "$t0")s"
}

# The profile the game keeps in the user's application-data folder (recent files, the help
# viewer's place).
q_profile() {
  local folder
  folder=$(e2e_folder appdata)
  e2e_host_path "$folder\\QUENLOW.INI"
}

# Waits until the game has taken all input so far and run its idle step.
q_idle() { e2e_drv idle "$QPID" "$Q_FRAME" >/dev/null; }

# Closes the main window as its close box does and waits for a clean end.
# One driver run for both: a second run may start only after the program has ended and can
# no longer be asked for its exit code.
q_close() {
  e2e_expect_eq "exit code" 0 \
    "$(e2e_drv post-message "$QPID" "$Q_FRAME" "$WM_CLOSE" 0 0 + wait-exit "$QPID")"
}

# A command as the menu sends it, carried out with the idle step after it. (A command sent
# with SendMessage would run inside the program's wait for messages, and no idle step would
# follow it until the next message.)
q_cmd() {
  e2e_drv post-command "$QPID" "$Q_FRAME" "$1" + idle "$QPID" "$Q_FRAME" >/dev/null
}
# A command that opens a dialog: the caller waits for the dialog.
q_post() { e2e_drv post-command "$QPID" "$Q_FRAME" "$1" >/dev/null; }
q_key() { e2e_drv key "$QPID" "$Q_FRAME" "$@" >/dev/null; }
q_dialog() { e2e_drv wait-window "$QPID" '#32770' "$1" >/dev/null; }
q_dialog_gone() { e2e_drv wait-no-window "$QPID" '#32770' "$1" >/dev/null; }
q_press() { e2e_drv press "$QPID" "$1" "$2" >/dev/null; }
q_dialog_text() { e2e_drv dialog-text "$QPID" "$1" "$2"; }
q_status() { e2e_drv status "$QPID" "$Q_FRAME" "$1"; }
q_button() { e2e_drv toolbar-enabled "$QPID" "$Q_FRAME" "$1"; }
q_wait_button() { e2e_drv wait-toolbar "$QPID" "$Q_FRAME" "$1" "$2" >/dev/null; }

# Tables as saved records. The deal used here is the deck in order (Clubs, Hearts, Spades,
# Diamonds, Ace to King) laid out in the game's dealing order, as quenlow-deal prints its records:
# "initial" holds it, and q_game_deal is that deal in progress.
Q_DEAL=$E2E_ROOT/build/native/tools/quenlow-deal/quenlow-deal
q_deal_record() {
  [ -x "$Q_DEAL" ] || e2e_fail "$Q_DEAL is missing (build the native preset)"
  "$Q_DEAL" --unshuffled --records | sed -n "s/^$1 //p"
}
q_initial() { q_deal_record initial; }

# "game" records: the deal above in progress; one card left to play (the King of Spades on
# fan 0, the Queen on top of the Spades foundation); every card played but the game still in
# progress (as a game closed right after its last move would be saved).
q_game_deal() { q_deal_record game; }

q_empty_fans() {
  local i
  Q_SUIT=()
  Q_RANK=()
  for i in $(seq 0 53); do
    Q_SUIT[i]=-1
    Q_RANK[i]=-1
  done
}

q_game_one_left() {
  q_empty_fans
  Q_SUIT[0]=2 Q_RANK[0]=13
  echo 1 1 "${Q_SUIT[@]}" "${Q_RANK[@]}" 0 13 3 13 2 12 1 13
}

q_game_all_played() {
  q_empty_fans
  echo 1 1 "${Q_SUIT[@]}" "${Q_RANK[@]}" 0 13 3 13 2 13 1 13
}

# The number of cards in each fan of a saved "game" value, e.g. "3 3 ... 2 2".
q_fan_counts() {
  local values=($1) f s n counts=()
  for f in $(seq 0 17); do
    n=0
    for s in 0 1 2; do
      [ "${values[2 + 54 + 3 * f + s]}" != -1 ] && n=$((n + 1))
    done
    counts+=("$n")
  done
  echo "${counts[@]}"
}

# The four foundation pairs of a saved "game" value.
q_foundations() {
  local values=($1)
  echo "${values[@]:110:8}"
}

Q_RENDER=$E2E_ROOT/build/native/tests/e2e/render/quenlow-render

# Saves a picture of the running game's table (out/e2e/NAME-view.png) and remembers where it
# was; q_compare_table then compares it with the headless painting of a saved "game" value.
q_snap_table() {
  Q_SNAP_RECT=$(e2e_drv client-rect "$QPID" "$Q_FRAME" "$Q_VIEW")
  e2e_screenshot "$1-screen"
  local r=($Q_SNAP_RECT)
  convert "$E2E_OUT/$1-screen.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage \
    "$E2E_OUT/$1-view.png"
}

q_compare_table() {
  local name=$1 game=$2 r=($Q_SNAP_RECT) differ
  [ -x "$Q_RENDER" ] || e2e_fail "$Q_RENDER is missing (build the native preset)"
  "$Q_RENDER" "$Q_EXE_HOST" "${r[2]}" "${r[3]}" \
    "$E2E_OUT/$name-headless.ppm" $game
  differ=$(compare -metric AE "$E2E_OUT/$name-view.png" "$E2E_OUT/$name-headless.ppm" \
    "$E2E_OUT/$name-diff.png" 2>&1 || true)
  e2e_expect_eq "pixels that differ from the headless painting" 0 "$differ"
}
