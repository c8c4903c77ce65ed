# Commands from the menu ids, the accelerators and the toolbar's state; the status bar.
source tests/e2e/game.sh

scenario_undo_and_start_over() {
  q_reset
  q_put initial $(q_initial)
  q_put game $(q_game_one_left)
  q_start
  # The restore and its idle step hold two positions: Undo is on until it is used once.
  q_idle
  e2e_expect_eq "Undo after the restore" 1 "$(q_button $ID_EDIT_UNDO)"
  e2e_expect_eq "Start Over after the restore" 1 "$(q_button $ID_START_OVER)"
  q_key ctrl+z
  q_idle
  e2e_expect_eq "Undo after Ctrl+Z" 0 "$(q_button $ID_EDIT_UNDO)"

  # Start Over lays out the recorded deal and starts a fresh history.
  q_cmd $ID_START_OVER
  q_idle
  e2e_expect_eq "Undo after Start Over" 1 "$(q_button $ID_EDIT_UNDO)"
  q_key alt+back
  q_idle
  e2e_expect_eq "Undo after Alt+Backspace" 0 "$(q_button $ID_EDIT_UNDO)"
  q_cmd $ID_START_OVER
  q_idle
  q_cmd $ID_EDIT_UNDO
  q_idle
  e2e_expect_eq "Undo after its menu id" 0 "$(q_button $ID_EDIT_UNDO)"
  q_close
  e2e_expect_eq "table is the deal" "$(q_game_deal)" "$(q_get game)"
  e2e_expect_eq "deal kept" "$(q_initial)" "$(q_get initial)"
}
e2e_scenario undo-and-start-over scenario_undo_and_start_over

scenario_cut_copy_paste_keys_do_nothing() {
  q_reset
  q_put initial $(q_initial)
  q_put game $(q_game_deal)
  q_start
  q_idle
  q_key ctrl+x ctrl+c ctrl+v shift+delete ctrl+insert shift+insert f6 shift+f6
  q_idle
  e2e_expect_eq "windows of the game" "QuenlowFrame" \
    "$(e2e_drv windows "$QPID" | grep visible | cut -d' ' -f2 | tr '\n' ' ' | sed 's/ $//')"
  e2e_expect_eq "Undo untouched" 1 "$(q_button $ID_EDIT_UNDO)"
  q_close
  e2e_expect_eq "table unchanged" "$(q_game_deal)" "$(q_get game)"
}
e2e_scenario cut-copy-paste-keys-do-nothing scenario_cut_copy_paste_keys_do_nothing

scenario_status_bar_toggle() {
  q_reset
  q_start
  q_idle
  e2e_expect_eq "status bar shown" 1 "$(e2e_drv visible "$QPID" "$Q_FRAME" msctls_statusbar32)"
  q_cmd $ID_VIEW_STATUS_BAR
  e2e_expect_eq "status bar hidden" 0 "$(e2e_drv visible "$QPID" "$Q_FRAME" msctls_statusbar32)"
  local view_hidden
  view_hidden=$(e2e_drv client-rect "$QPID" "$Q_FRAME" "$Q_VIEW" | cut -d' ' -f4)
  q_cmd $ID_VIEW_STATUS_BAR
  e2e_expect_eq "status bar shown again" 1 \
    "$(e2e_drv visible "$QPID" "$Q_FRAME" msctls_statusbar32)"
  local view_shown
  view_shown=$(e2e_drv client-rect "$QPID" "$Q_FRAME" "$Q_VIEW" | cut -d' ' -f4)
  [ "$view_hidden" -gt "$view_shown" ] || e2e_fail "the view did not take the bar's room"
  q_close
}
e2e_scenario status-bar-toggle scenario_status_bar_toggle

scenario_menu_prompts() {
  q_reset
  q_start
  q_idle
  # Opening the Edit menu from the keyboard selects its first item, Undo.
  q_key alt+e
  e2e_drv wait-status "$QPID" "$Q_FRAME" $Q_PANE_MESSAGE "Undo the last move" >/dev/null
  q_key escape escape
  e2e_drv wait-status "$QPID" "$Q_FRAME" $Q_PANE_MESSAGE "For Help, press F1" >/dev/null

  # The system menu opens on its first item, Restore; Down moves through the others in order.
  xdotool key alt+space
  local prompt
  for prompt in "Return the window to its normal size" "Move the window" \
    "Change the window's size" "Shrink the window to an icon" \
    "Enlarge the window to fill the screen" "Close the window and quit Quenlow"; do
    e2e_drv wait-status "$QPID" "$Q_FRAME" $Q_PANE_MESSAGE "$prompt" >/dev/null
    xdotool key Down
  done
  xdotool key Escape Escape
  e2e_drv wait-status "$QPID" "$Q_FRAME" $Q_PANE_MESSAGE "For Help, press F1" >/dev/null

  # Fly-by: the pointer resting on the toolbar's first button (New) shows its prompt.
  local bar=($(e2e_drv client-rect "$QPID" "$Q_FRAME" ToolbarWindow32))
  xdotool mousemove $((bar[0] + 12)) $((bar[1] + 11))
  e2e_drv wait-status "$QPID" "$Q_FRAME" $Q_PANE_MESSAGE "Start a new game" >/dev/null
  xdotool mousemove $((bar[0] + 300)) $((bar[1] + 200))
  e2e_drv wait-status "$QPID" "$Q_FRAME" $Q_PANE_MESSAGE "For Help, press F1" >/dev/null
  q_close
}
e2e_scenario menu-prompts scenario_menu_prompts
