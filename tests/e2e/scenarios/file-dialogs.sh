# The file dialogs as a user meets them, with the real keyboard and pointer (xdotool).
source tests/e2e/game.sh

F_SAVE_AS="Save As"

# Types into whatever has the keyboard, as fast as the dialogs take it.
f_type() { xdotool type --delay 5 "$1"; }

f_click_item() {
  local rect
  rect=($(e2e_drv item-rect "$QPID" "$1" "$2"))
  xdotool mousemove $((rect[0] + rect[2] / 2)) $((rect[1] + rect[3] / 2)) click 1
}

# Save As, in a folder with a blank in its name, refuses a name too long for the folder and the
# extension: the dialog stays open, Cancel closes it and the game goes on.
scenario_save_as_refuses_an_overlong_name() {
  local docs name
  docs=$E2E_WORK/docs-typed
  rm -rf "$docs"
  mkdir -p "$docs/sub folder"
  q_reset
  q_start
  q_idle
  q_key ctrl+s
  q_dialog "$F_SAVE_AS"
  f_type "$(e2e_winpath "$docs")\\rotest"
  xdotool key Return
  q_dialog_gone "$F_SAVE_AS"
  q_idle
  e2e_expect_eq "the file saved" 0 "$(stat -c %s "$docs/rotest.qnl")"
  chmod a-w "$docs/rotest.qnl"

  # A read-only document file is saved under another name.
  q_key ctrl+s
  q_dialog "$F_SAVE_AS"
  f_type "sub folder"
  xdotool key Return
  name=$(printf 'n%.0s' $(seq 240))
  f_type "$name"
  xdotool key Return
  e2e_expect_eq "message" "$name is not a valid file name." "$(e2e_drv message-text "$QPID" Quenlow)"
  e2e_screenshot save-as-refused
  xdotool key Escape
  q_dialog_gone Quenlow
  f_click_item "$F_SAVE_AS" 2
  q_dialog_gone "$F_SAVE_AS"
  q_idle
  e2e_expect_eq "nothing saved in the folder" "" "$(ls "$docs/sub folder")"
  q_close
}
e2e_scenario save-as-refuses-an-overlong-name scenario_save_as_refuses_an_overlong_name
