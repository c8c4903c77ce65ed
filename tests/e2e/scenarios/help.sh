# The help viewer and context help with the real keyboard and pointer (xdotool): the viewer's
# keys, where it opens and how it keeps its place, and the toolbar after context help.
source tests/e2e/game.sh

H_VIEWER=QuenlowHelp
H_TITLE="Quenlow Help"

h_wait_topic() { e2e_drv wait-window "$QPID" "$H_VIEWER" "$H_TITLE - $1" >/dev/null; }
h_focus() { e2e_drv focus "$QPID" "$H_VIEWER"; }
# The first line the text shows, once the keys so far are taken.
h_first_line() {
  q_idle
  e2e_drv first-line "$QPID" "$H_VIEWER" Edit
}

# The viewer's remembered place in the profile ("" for none), written while the game is not
# running.
h_remember() {
  local profile
  profile=$(q_profile)
  mkdir -p "$(dirname "$profile")"
  touch "$profile"
  sed -i -e '/^\[Help Viewer\]/d' -e '/^Place=/d' "$profile"
  [ -z "$1" ] || printf '[Help Viewer]\r\nPlace=%s\r\n' "$1" >>"$profile"
}

# x y: the real pointer drags from one screen point by dx dy.
h_drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2))
  xdotool mousemove $(($1 + $3)) $(($2 + $4)) mouseup 1
}

scenario_help_viewer_keys_and_place() {
  local main viewer bottom moved
  q_reset
  h_remember ""
  q_start
  q_idle
  main=($(e2e_drv window-rect "$QPID" "$Q_FRAME"))
  xdotool key F1
  h_wait_topic Contents
  viewer=($(e2e_drv window-rect "$QPID" "$H_VIEWER"))
  e2e_log "main window ${main[*]}, viewer ${viewer[*]}"
  # Beside the game as far as the screen allows, leaving the table's left half free.
  [ "${viewer[0]}" -ge $((main[0] + main[2] / 2)) ] || e2e_fail "the viewer covers the table"
  [ "${viewer[0]}" -ge 0 ] && [ $((viewer[0] + viewer[2])) -le 1024 ] &&
    [ "${viewer[1]}" -ge 0 ] && [ $((viewer[1] + viewer[3])) -le 768 ] ||
    e2e_fail "the viewer is not within the screen"

  e2e_expect_eq "the list has the keyboard" ListBox "$(h_focus)"
  xdotool key Down
  h_wait_topic "How to play"
  xdotool key Tab
  e2e_expect_eq "Tab: the text" Edit "$(h_focus)"
  xdotool key Next
  [ "$(h_first_line)" -gt 0 ] || e2e_fail "Page Down does not scroll the text"
  xdotool key ctrl+End
  bottom=$(h_first_line)
  xdotool key ctrl+Home
  e2e_expect_eq "Ctrl+Home" 0 "$(h_first_line)"
  xdotool key Down
  e2e_expect_eq "Down" 1 "$(h_first_line)"
  xdotool key End
  e2e_expect_eq "End" "$bottom" "$(h_first_line)"
  xdotool key Prior Up Home
  e2e_expect_eq "Page Up, Up, Home" 0 "$(h_first_line)"
  e2e_expect_eq "the topic stays" "$H_TITLE - How to play" \
    "$(e2e_drv window-text "$QPID" "$H_VIEWER")"
  xdotool key shift+Tab
  e2e_expect_eq "Tab: the list" ListBox "$(h_focus)"
  xdotool key End
  h_wait_topic "Using Help"
  xdotool key Escape
  e2e_drv wait-no-window "$QPID" "$H_VIEWER" '*' >/dev/null

  # Moved by its caption and sized by its corner, it opens there again, also after a restart.
  xdotool key F1
  h_wait_topic Contents
  e2e_expect_eq "the same place" "${viewer[*]}" "$(e2e_drv window-rect "$QPID" "$H_VIEWER")"
  h_drag $((viewer[0] + 150)) $((viewer[1] + 10)) -200 60
  h_drag $((viewer[0] - 200 + viewer[2] - 2)) $((viewer[1] + 60 + viewer[3] - 2)) -60 -40
  q_idle
  moved=$(e2e_drv window-rect "$QPID" "$H_VIEWER")
  e2e_expect_eq "moved and sized" "$((viewer[0] - 200)) $((viewer[1] + 60)) $((viewer[2] - 60))" \
    "$(echo "$moved" | cut -d' ' -f1-3)"
  xdotool key Escape
  e2e_drv wait-no-window "$QPID" "$H_VIEWER" '*' >/dev/null
  q_close
  e2e_expect_eq "kept in the profile" "Place=$moved" "$(grep '^Place=' "$(q_profile)" | tr -d '\r')"
  q_start
  q_idle
  xdotool key F1
  h_wait_topic Contents
  e2e_expect_eq "the place after a restart" "$moved" "$(e2e_drv window-rect "$QPID" "$H_VIEWER")"
  q_close
}
e2e_scenario help-viewer-keys-and-place scenario_help_viewer_keys_and_place

# Context help on a toolbar button opens the viewer over the button; the pointer never leaves
# it, yet no button stays lit and the message pane goes back to its idle text.
scenario_context_help_leaves_the_toolbar_idle() {
  local main point
  q_reset
  q_put initial $(q_initial)
  q_put game $(q_game_deal)
  h_remember ""
  q_start
  q_idle
  main=($(e2e_drv window-rect "$QPID" "$Q_FRAME"))
  q_close
  h_remember "${main[0]} ${main[1]} 600 440"
  q_start
  q_idle
  xdotool key shift+F1
  e2e_drv wait-status "$QPID" "$Q_FRAME" $Q_PANE_MESSAGE "Select an object on which to get Help" \
    >/dev/null
  point=($(e2e_drv button-point "$QPID" "$Q_FRAME" $ID_EDIT_UNDO))
  xdotool mousemove "${point[0]}" "${point[1]}" click 1
  h_wait_topic "Undo and Start Over"
  q_idle
  e2e_expect_eq "no button lit" -1 "$(e2e_drv toolbar-hot "$QPID" "$Q_FRAME")"
  e2e_expect_eq "message pane" "For Help, press F1" "$(q_status $Q_PANE_MESSAGE)"
  q_close
  e2e_expect_eq "game untouched" "$(q_game_deal)" "$(q_get game)"
  # Where no later scenario's window starts.
  xdotool mousemove 1020 760
}
e2e_scenario context-help-leaves-the-toolbar-idle scenario_context_help_leaves_the_toolbar_idle
