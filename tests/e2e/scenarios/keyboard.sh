# Play with real keys (xdotool), and the table as a screen reader reads it from another
# process through the driver. The tables come from game-play.sh (p_sparse and its helpers).
source tests/e2e/game.sh

# The names the table should give its 22 piles for a saved "game" value, one a line.
k_pile_names() {
  local v=($1) f s i suit rank cards
  local ranks=(Blank Ace Two Three Four Five Six Seven Eight Nine Ten Jack Queen King)
  local suits=(Clubs Hearts Spades Diamonds) saved=(Clubs Diamonds Spades Hearts)
  for f in $(seq 0 17); do
    cards=""
    for s in 2 1 0; do
      suit=${v[2 + 3 * f + s]} rank=${v[56 + 3 * f + s]}
      [ "$rank" -gt 0 ] && cards+="${cards:+, }${ranks[rank]} of ${suits[suit]}"
    done
    echo "Fan $((f + 1)): ${cards:-empty}"
  done
  # Pile order Hearts, Clubs, Diamonds, Spades; the saved pairs are Clubs, Diamonds, Spades,
  # Hearts.
  for i in 3 0 1 2; do
    suit=${v[110 + 2 * i]} rank=${v[111 + 2 * i]}
    if [ "$rank" -gt 0 ]; then cards="${ranks[rank]} of ${suits[suit]}"; else cards=empty; fi
    echo "${saved[i]} foundation: $cards"
  done
}

# The names the program's accessible table gives, one a line.
k_read_names() {
  e2e_drv acc-tree "$QPID" "$Q_FRAME" "$Q_VIEW" | tail -n +2 | cut -d'|' -f2-
}

k_expect_names_of_stored_table() {
  e2e_expect_eq "$1: the piles as a reader hears them" "$(k_pile_names "$(q_get game)")" \
    "$(k_read_names)"
}

# The keys, with the idle step after each move: a key that comes before it does nothing.
k_keys() {
  xdotool key --delay 60 "$@"
  q_idle
}

scenario_keys_play_as_the_mouse() {
  # The Ace of Clubs home with a click, the Nine of Clubs dragged onto the Ten on fan 14.
  p_start_sparse
  p_pointer 50 69 click 1
  q_idle
  p_pointer 292 50 mousedown 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 1 3000
  p_pointer 250 200
  p_pointer 200 300 mouseup 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 0 3000
  q_idle
  q_close
  local by_mouse scores
  by_mouse=$(q_get game) scores=$(q_get scores)
  e2e_expect_eq "two moves by the mouse" \
    "$(p_game "AC QD QS TH" "7C" "" "8C" "" "" "2C 3C 4C" "" "QH" "" "5C 6C" "" "JH KH" \
      "KD KS" "" "TC 9C" "" "JC QC KC" "")" "$by_mouse"

  # The same by keys: Enter on fan 0; Space on fan 3, down, down, left to fan 14, Space.
  p_start_sparse
  k_keys Home Return
  k_keys Tab Tab Tab space Down Down Left
  local state
  state=$(e2e_drv acc-tree "$QPID" "$Q_FRAME" "$Q_VIEW" | awk '$1 == 4 { print $2 }')
  (((0x$state & 2) != 0)) || e2e_fail "fan 4 is not selected while its card is held ($state)"
  k_keys space
  e2e_expect_eq "the table by keys" "$by_mouse" "$(q_get game)"
  e2e_expect_eq "the scores" "$scores" "$(q_get scores)"

  # Ctrl+Z, the Edit menu's Undo and Ctrl+N work as before.
  q_key ctrl+z
  q_idle
  e2e_expect_eq "after Ctrl+Z" "$(p_sparse_after 0 -1)" "$(q_get game)"
  k_keys alt+e u
  e2e_expect_eq "after Edit, Undo" "$(p_sparse)" "$(q_get game)"
  q_key ctrl+n
  q_dialog "Start a New Game"
  q_press "Start a New Game" 2
  q_dialog_gone "Start a New Game"
  q_close
  e2e_expect_eq "nothing counted" "$scores" "$(q_get scores)"
}
e2e_scenario keys-play-as-the-mouse scenario_keys_play_as_the_mouse

scenario_keys_space_enter_escape() {
  p_start_sparse
  e2e_screenshot keys-before
  # The first key shows the focus frame around fan 0 and nothing else.
  k_keys Home
  p_shot_until keys-focus k_frame_shown
  e2e_expect_eq "nothing but the frame" 0 \
    "$(p_count_differences keys-before keys-focus "8 12 84 114")"

  # Space lifts the Ace, which follows the focus to empty fan 1; Escape puts it back with
  # nothing stored or counted.
  k_keys space Right
  p_shot_until keys-carried k_ace_carried
  k_keys Escape
  e2e_expect_eq "nothing moved by Escape" "$(p_sparse)" "$(q_get game)"
  e2e_expect_eq "nothing counted" "2 5" "$(q_get scores)"

  # Let go on an empty fan that refuses it, the Ace goes where the search finds room: home.
  k_keys Home space Right Return
  e2e_expect_eq "the Ace home" "$(p_sparse_after 0 -1)" "$(q_get game)"
  # Enter on an empty fan does nothing.
  k_keys Return
  e2e_expect_eq "Enter on an empty fan" "$(p_sparse_after 0 -1)" "$(q_get game)"

  # A press of the mouse hides the frame: the table is the headless painting again.
  p_pointer 500 380 click 1
  q_idle
  q_snap_table keys-after-press
  q_compare_table keys-after-press "$(p_sparse_after 0 -1)"
  q_close
}
e2e_scenario keys-space-enter-escape scenario_keys_space_enter_escape

# Whether the focus frame differs from the picture before it along fan 0's area.
k_frame_shown() {
  [ "$(p_count_differences keys-before "$1")" -gt 100 ]
}

# Whether the Ace lifted from fan 0 lies over empty fan 1's first place, its own place bare
# beside the Seven beneath it.
k_ace_carried() {
  [ "$(p_count_any_cloth "$1" 97 17 54 76)" -eq 0 ] && p_bare "$1" 70 28 10 82
}

scenario_reader_reads_and_plays_the_table() {
  # After a deal.
  q_reset
  q_start
  q_idle
  e2e_expect_eq "the table object" "10 22 Table" \
    "$(e2e_drv acc-tree "$QPID" "$Q_FRAME" "$Q_VIEW" | head -n 1)"
  k_expect_names_of_stored_table "after the deal"
  q_close

  p_start_sparse
  k_expect_names_of_stored_table "a restored game"
  e2e_expect_eq "fan 6 right to the Hearts" 19 \
    "$(e2e_drv acc-navigate "$QPID" "$Q_FRAME" "$Q_VIEW" 6 right)"
  e2e_expect_eq "fan 1 on the screen" "$((P_OX + 10)) $((P_OY + 14)) 80 110" \
    "$(e2e_drv acc-location "$QPID" "$Q_FRAME" "$Q_VIEW" 1)"

  # One focus event a Tab, as a reader listening from outside hears them.
  local events=$E2E_WORK/acc-events.out
  timeout 60 "$WINELOADER" "$E2E_DRIVER" acc-events "$QPID" 4000 >"$events" 2>&1 &
  local listener=$!
  local i
  for i in $(seq 100); do
    grep -q ready "$events" && break
    sleep 0.1
  done
  grep -q ready "$events" || e2e_fail "the listener does not start: $(cat "$events")"
  xdotool key --delay 100 Tab Tab Tab
  wait "$listener"
  e2e_expect_eq "focus events" "focus QuenlowView 1
focus QuenlowView 2
focus QuenlowView 3" "$(tr -d '\r' <"$events" | grep '^focus')"

  # The default action of fan 1 sends its Ace home, as Enter does.
  e2e_drv acc-do "$QPID" "$Q_FRAME" "$Q_VIEW" 1 >/dev/null
  q_idle
  e2e_expect_eq "after the default action" "$(p_sparse_after 0 -1)" "$(q_get game)"
  k_expect_names_of_stored_table "after a move"
  q_close
}
e2e_scenario reader-reads-and-plays-the-table scenario_reader_reads_and_plays_the_table
