# Moves made with the pointer, then Undo, and the end of a won game.
source tests/e2e/game.sh

# The centre of slot S of fan F in the view's client area.
q_slot_centre() {
  local f=$1 s=$2
  echo $((84 * (f % 6) + 10 + 10 * s + 30)) $((14 + 124 * (f / 6) + 14 * s + 41))
}

q_click() { e2e_drv click "$QPID" "$Q_FRAME" "$Q_VIEW" "$@" >/dev/null; }

scenario_won_by_one_move() {
  q_reset
  q_put scores 0 3
  q_put initial $(q_initial)
  q_put game $(q_game_one_left)
  q_start
  q_idle
  # A click on the last card sends it to its foundation; the idle step then sees the win.
  q_click $(q_slot_centre 0 0)
  q_dialog "Game Over"
  e2e_expect_eq "status while the dialog is open" "Game Over!" "$(q_status $Q_PANE_MESSAGE)"
  q_press "Game Over" 1
  q_dialog_gone "Game Over"
  q_idle
  e2e_expect_eq "Undo after the win" 0 "$(q_button $ID_EDIT_UNDO)"
  e2e_expect_eq "Start Over after the win" 0 "$(q_button $ID_START_OVER)"

  # Carried out, Undo would bring the King back and Start Over the deal: both are dropped.
  q_key ctrl+z
  q_idle
  q_key alt+back
  q_idle
  q_cmd $ID_EDIT_UNDO
  q_cmd $ID_START_OVER
  q_close
  e2e_expect_eq "one win" "1 3" "$(q_get scores)"
  e2e_expect_eq "the won table" "$(q_game_all_played | sed 's/^1 1/1 0/')" "$(q_get game)"
}
e2e_scenario won-by-one-move scenario_won_by_one_move

scenario_undo_takes_a_move_back() {
  q_reset
  q_put initial $(q_initial)
  q_put game $(q_game_deal)
  q_start
  q_idle
  # The Ace of Diamonds on top of fan 3 goes to its foundation.
  q_click $(q_slot_centre 3 2)
  q_idle
  q_close
  local moved
  moved=$(q_get game)
  e2e_expect_eq "fan 3 after the move" 2 "$(q_fan_counts "$moved" | cut -d' ' -f4)"
  e2e_expect_eq "Diamonds foundation" "3 1" "$(q_foundations "$moved" | cut -d' ' -f3-4)"

  q_put game $(q_game_deal)
  q_start
  q_idle
  q_click $(q_slot_centre 3 2)
  q_idle
  q_key ctrl+z
  q_idle
  e2e_expect_eq "Undo still possible once more" 1 "$(q_button $ID_EDIT_UNDO)"
  q_close
  e2e_expect_eq "table after Ctrl+Z" "$(q_game_deal)" "$(q_get game)"
}
e2e_scenario undo-takes-a-move-back scenario_undo_takes_a_move_back

scenario_double_click_acts_once() {
  q_reset
  q_put initial $(q_initial)
  # The deal with the Ace of Hearts under the Ace of Diamonds on fan 3 (and the Eight of Clubs
  # in its place on fan 6): each click on fan 3 would play one Ace.
  local game=($(q_game_deal))
  local swap=${game[2 + 10]}
  game[2 + 10]=${game[2 + 19]}
  game[2 + 19]=$swap
  swap=${game[56 + 10]}
  game[56 + 10]=${game[56 + 19]}
  game[56 + 19]=$swap
  q_put game "${game[@]}"
  q_start
  q_idle
  local view=($(e2e_drv client-rect "$QPID" "$Q_FRAME" "$Q_VIEW")) card=($(q_slot_centre 3 2))
  xdotool mousemove $((view[0] + card[0])) $((view[1] + card[1])) click --repeat 2 --delay 80 1
  q_idle
  q_close
  local after
  after=$(q_get game)
  e2e_expect_eq "fan 3 after a double click" 2 "$(q_fan_counts "$after" | cut -d' ' -f4)"
  e2e_expect_eq "foundations" "-1 -1 3 1 -1 -1 -1 -1" "$(q_foundations "$after")"
}
e2e_scenario double-click-acts-once scenario_double_click_acts_once
