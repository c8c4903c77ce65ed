# Starting and closing the game: the first deal, the main window, the saved table.
source tests/e2e/game.sh

scenario_first_start_deals() {
  q_reset
  q_start
  q_idle
  e2e_expect_eq "Undo after the deal's idle step" 1 "$(q_button $ID_EDIT_UNDO)"
  e2e_expect_eq "message pane" "For Help, press F1" "$(q_status $Q_PANE_MESSAGE)"
  q_snap_table first-start
  q_close
  local game
  game=$(q_get game)
  q_compare_table first-start "$game"
  e2e_expect_eq "saved and in progress" "1 1" "$(echo "$game" | cut -d' ' -f1-2)"
  e2e_expect_eq "fans" "3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 2 2" "$(q_fan_counts "$game")"
  e2e_expect_eq "foundations" "-1 -1 -1 -1 -1 -1 -1 -1" "$(q_foundations "$game")"
  e2e_expect_eq "scores" "0 0" "$(q_get scores)"
  e2e_expect_eq "option" "0" "$(q_get expert)"
  e2e_expect_eq "deal recorded" 1 "$(q_get initial | cut -d' ' -f1)"
}
e2e_scenario first-start-deals scenario_first_start_deals

scenario_window_size_and_caption() {
  q_reset
  q_start
  e2e_expect_eq "caption" "Quenlow" "$(e2e_drv window-text "$QPID" "$Q_FRAME")"
  e2e_expect_eq "outer size" "602 484" "$(e2e_drv window-rect "$QPID" "$Q_FRAME" | cut -d' ' -f3-4)"
  q_close
}
e2e_scenario window-size-and-caption scenario_window_size_and_caption

scenario_restart_restores_the_table() {
  q_reset
  q_put scores 4 7
  q_start
  q_idle
  q_close
  local game initial
  game=$(q_get game)
  initial=$(q_get initial)
  q_start
  q_idle
  q_close
  e2e_expect_eq "table after a restart" "$game" "$(q_get game)"
  e2e_expect_eq "deal after a restart" "$initial" "$(q_get initial)"
  e2e_expect_eq "scores" "4 7" "$(q_get scores)"

  # A table written into the store comes back exactly.
  q_put game $(q_game_one_left)
  q_start
  q_close
  e2e_expect_eq "written table" "$(q_game_one_left)" "$(q_get game)"
}
e2e_scenario restart-restores-the-table scenario_restart_restores_the_table

scenario_kings_option_survives_restart() {
  q_reset
  q_start
  q_cmd $ID_KINGS
  q_close
  e2e_expect_eq "option switched on" 1 "$(q_get expert)"
  q_start
  q_close
  e2e_expect_eq "option after a restart" 1 "$(q_get expert)"
  q_start
  q_cmd $ID_KINGS
  q_close
  e2e_expect_eq "option switched off" 0 "$(q_get expert)"
}
e2e_scenario kings-option-survives-restart scenario_kings_option_survives_restart

# Both builds on one 64-bit system share the user's settings: a game saved by one is restored
# by the other, scores, option and deal included.
q_start_build() {
  local exe=$Q_EXE
  Q_EXE=$(e2e_winpath "$E2E_ROOT/build/$1/game/app/QUENLOW.EXE")
  q_start
  Q_EXE=$exe
}

scenario_saved_game_crosses_builds() {
  local from to game initial
  for from in win64 win32; do
    to=$([ "$from" = win64 ] && echo win32 || echo win64)
    q_reset
    q_put scores 3 5
    q_start_build "$from"
    q_idle
    q_cmd $ID_KINGS
    q_close
    game=$(q_get game)
    initial=$(q_get initial)
    q_start_build "$to"
    q_idle
    q_close
    e2e_expect_eq "table saved by $from, restored by $to" "$game" "$(q_get game)"
    e2e_expect_eq "deal saved by $from, restored by $to" "$initial" "$(q_get initial)"
    e2e_expect_eq "scores" "3 5" "$(q_get scores)"
    e2e_expect_eq "option" 1 "$(q_get expert)"
  done
}
if [ "$E2E_ARCH" = win64 ] && wine_runs win32 && [ -f "$E2E_ROOT/build/win32/dist/QUENLOW.EXE" ]; then
  e2e_scenario saved-game-crosses-builds scenario_saved_game_crosses_builds
fi
