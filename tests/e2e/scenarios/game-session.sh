# The end of the user's session while the game runs.
source tests/e2e/game.sh

scenario_end_session_stores_the_game() {
  q_reset
  q_put scores 3 3
  q_put initial $(q_initial)
  q_put game $(q_game_one_left)
  q_start
  q_idle
  # A changed table and option, and a modal dialog open when the session ends.
  q_cmd $ID_START_OVER
  q_cmd $ID_KINGS
  q_idle
  q_post $ID_SCORES
  q_dialog Scores
  e2e_expect_eq "the session may end" 1 "$(e2e_drv end-session "$QPID" "$Q_FRAME")"
  e2e_expect_eq "table stored" "$(q_game_deal)" "$(q_get game)"
  e2e_expect_eq "option stored" 1 "$(q_get expert)"
  e2e_expect_eq "scores stored" "3 3" "$(q_get scores)"
  e2e_expect_eq "deal stored" "$(q_initial)" "$(q_get initial)"

  # The document is still there: the game goes on and stores again at its close.
  q_press Scores 2
  q_dialog_gone Scores
  q_cmd $ID_KINGS
  q_idle
  q_close
  e2e_expect_eq "option after the close" 0 "$(q_get expert)"
  e2e_expect_eq "table after the close" "$(q_game_deal)" "$(q_get game)"
}
e2e_scenario end-session-stores-the-game scenario_end_session_stores_the_game
