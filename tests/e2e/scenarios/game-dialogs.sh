# The game's dialogs: New Game's confirmation, Scores with Reset, About, Game Over.
source tests/e2e/game.sh

scenario_new_game_asks_first() {
  local title="Start a New Game"
  q_reset
  q_put scores 2 5
  q_put initial $(q_initial)
  q_put game $(q_game_deal)
  q_start
  q_idle

  # Cancel and the title bar's close both leave the game alone.
  q_post $ID_FILE_NEW
  q_dialog "$title"
  q_press "$title" 2
  q_dialog_gone "$title"
  q_key ctrl+n
  q_dialog "$title"
  e2e_drv close-dialog "$QPID" "$title" >/dev/null
  q_dialog_gone "$title"
  q_idle
  q_close
  e2e_expect_eq "table after Cancel" "$(q_game_deal)" "$(q_get game)"
  e2e_expect_eq "deal after Cancel" "$(q_initial)" "$(q_get initial)"
  e2e_expect_eq "scores after Cancel" "2 5" "$(q_get scores)"

  # New Game: one more loss and a fresh deal.
  q_start
  q_idle
  q_post $ID_FILE_NEW
  q_dialog "$title"
  q_press "$title" 1
  q_dialog_gone "$title"
  q_idle
  q_close
  e2e_expect_eq "scores after New Game" "2 6" "$(q_get scores)"
  local game
  game=$(q_get game)
  e2e_expect_eq "a new game in progress" "1 1" "$(echo "$game" | cut -d' ' -f1-2)"
  e2e_expect_eq "new deal's fans" "3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 2 2" "$(q_fan_counts "$game")"
  [ "$(q_get initial)" != "$(q_initial)" ] || e2e_fail "the deal did not change"
}
e2e_scenario new-game-asks-first scenario_new_game_asks_first

scenario_scores_reset() {
  local title=Scores
  q_reset
  q_put scores 3 5
  q_start
  q_idle
  q_post $ID_SCORES
  q_dialog $title
  e2e_expect_eq "wins shown" 3 "$(q_dialog_text $title 1000)"
  e2e_expect_eq "losses shown" 5 "$(q_dialog_text $title 1001)"
  q_press $title 1002
  e2e_expect_eq "wins after Reset" 0 "$(q_dialog_text $title 1000)"
  e2e_expect_eq "losses after Reset" 0 "$(q_dialog_text $title 1001)"
  q_press $title 2
  q_dialog_gone $title

  # Reset then Cancel kept the counters; Reset then OK zeroes them.
  q_post $ID_SCORES
  q_dialog $title
  e2e_expect_eq "wins kept by Cancel" 3 "$(q_dialog_text $title 1000)"
  e2e_expect_eq "losses kept by Cancel" 5 "$(q_dialog_text $title 1001)"
  q_press $title 1002
  q_press $title 1002
  q_press $title 1
  q_dialog_gone $title
  q_post $ID_SCORES
  q_dialog $title
  e2e_expect_eq "wins after OK" 0 "$(q_dialog_text $title 1000)"
  e2e_expect_eq "losses after OK" 0 "$(q_dialog_text $title 1001)"
  # The main window refuses to close while the dialog runs; the dialog stays.
  e2e_drv post-message "$QPID" "$Q_FRAME" "$WM_CLOSE" 0 0 >/dev/null
  q_idle
  e2e_drv wait-window "$QPID" '#32770' $title 1000 >/dev/null
  q_press $title 1
  q_dialog_gone $title
  q_close
  e2e_expect_eq "scores stored" "0 0" "$(q_get scores)"

  # OK without Reset changes nothing, also with no wins; a negative count shows its sign.
  q_put scores -2 5
  q_start
  q_idle
  q_post $ID_SCORES
  q_dialog $title
  e2e_expect_eq "negative wins shown" -2 "$(q_dialog_text $title 1000)"
  q_press $title 1
  q_dialog_gone $title
  q_close
  e2e_expect_eq "scores after OK alone" "-2 5" "$(q_get scores)"
}
e2e_scenario scores-reset scenario_scores_reset

scenario_about_box() {
  q_reset
  q_start
  q_idle
  q_post $ID_APP_ABOUT
  q_dialog "About Quenlow"
  q_key escape
  q_dialog_gone "About Quenlow"
  q_close
}
e2e_scenario about-box scenario_about_box

scenario_won_game_is_counted() {
  q_reset
  q_put scores 1 4
  q_put initial $(q_initial)
  # Every card is on its foundation, the game not yet recognised as won: the first idle step
  # after the restore ends it.
  q_put game $(q_game_all_played)
  q_start
  q_dialog "Game Over"
  e2e_expect_eq "status while the dialog is open" "Game Over!" "$(q_status $Q_PANE_MESSAGE)"
  q_press "Game Over" 1
  q_dialog_gone "Game Over"
  q_idle
  e2e_expect_eq "Undo after the win" 0 "$(q_button $ID_EDIT_UNDO)"
  e2e_expect_eq "Start Over after the win" 0 "$(q_button $ID_START_OVER)"

  # Disabled, Start Over would deal the recorded layout again; Undo does nothing either.
  q_cmd $ID_START_OVER
  q_key ctrl+z alt+back
  q_cmd $ID_EDIT_UNDO
  q_idle
  q_close
  e2e_expect_eq "one more win" "2 4" "$(q_get scores)"
  local game
  game=$(q_get game)
  e2e_expect_eq "game over" "1 0" "$(echo "$game" | cut -d' ' -f1-2)"
  e2e_expect_eq "fans stay empty" "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0" "$(q_fan_counts "$game")"
  e2e_expect_eq "foundations stay full" "0 13 3 13 2 13 1 13" "$(q_foundations "$game")"

  # A won game is not restored: the next start deals without counting a loss.
  q_start
  q_idle
  q_close
  e2e_expect_eq "next start deals" "1 1" "$(q_get game | cut -d' ' -f1-2)"
  e2e_expect_eq "no loss for a won game" "2 4" "$(q_get scores)"
}
e2e_scenario won-game-is-counted scenario_won_game_is_counted
