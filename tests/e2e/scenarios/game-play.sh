# Play with the real pointer and keys (xdotool): a drag onto a fan or called off, a click
# sending an Ace home, a card named under the right button, what the table shows before and
# after, and a game killed after a move. Positions are written as "game" values; screen checks
# read screenshots of the table only.
source tests/e2e/game.sh

# "QH" -> "1 12": suit (Clubs, Hearts, Spades, Diamonds) and rank of a card code.
p_card() {
  local ranks=A23456789TJQK suits=CHSD rank_code=${1:0:1} suit_code=${1:1:1}
  local before_r=${ranks%%"$rank_code"*} before_s=${suits%%"$suit_code"*}
  echo "${#before_s} $((${#before_r} + 1))"
}

# p_game "TOPS" "FAN0" ... "FAN17": a "game" value in progress. TOPS gives the top card of the
# Clubs, Diamonds, Spades and Hearts foundations ("-" for an empty one); each fan lists its
# cards from the bottom up ("7C AC"), "" for an empty fan.
p_game() {
  local tops=($1) suits=() ranks=() f=0 card s fan pair top
  shift
  for fan in "$@"; do
    s=0
    for card in $fan; do
      pair=($(p_card "$card"))
      suits[3 * f + s]=${pair[0]} ranks[3 * f + s]=${pair[1]}
      s=$((s + 1))
    done
    for (( ; s < 3; s++)); do
      suits[3 * f + s]=-1 ranks[3 * f + s]=-1
    done
    f=$((f + 1))
  done
  local foundations=()
  for top in "${tops[@]}"; do
    if [ "$top" = - ]; then foundations+=(-1 -1); else foundations+=($(p_card "$top")); fi
  done
  echo 1 1 "${suits[@]}" "${ranks[@]}" "${foundations[@]}"
}

# A late game with room on the cloth. Every Club is still to play, the Ace on top of fan 0;
# the Nine of Clubs alone on fan 3 fits on fan 2 (the first fan a search would find) and on
# fan 14; the Queen of Hearts lies alone on fan 7.
P_SPARSE_TOPS="- QD QS TH"
P_SPARSE_FANS=("7C AC" "" "8C" "9C" "" "2C 3C 4C" "" "QH" "" "5C 6C" "" "JH KH" "KD KS" ""
  "TC" "" "JC QC KC" "")
p_sparse() { p_game "$P_SPARSE_TOPS" "${P_SPARSE_FANS[@]}"; }

# The same table with fan FROM's top card moved onto fan TO (a fan number) or home (-1).
p_sparse_after() {
  local from=$1 to=$2 fans=("${P_SPARSE_FANS[@]}") tops=($P_SPARSE_TOPS) moved
  moved=${fans[$from]##* }
  if [[ ${fans[$from]} == *" "* ]]; then fans[$from]=${fans[$from]% *}; else fans[$from]=""; fi
  if [ "$to" = -1 ]; then
    local order=CDSH
    local before=${order%%"${moved:1:1}"*}
    tops[${#before}]=$moved
  else
    fans[$to]="${fans[$to]:+${fans[$to]} }$moved"
  fi
  p_game "${tops[*]}" "${fans[@]}"
}

# P_OX, P_OY: where the table's client area lies on the screen; P_CX, P_CY: its size.
p_view_origin() {
  local rect
  rect=($(e2e_drv client-rect "$QPID" "$Q_FRAME" "$Q_VIEW"))
  P_OX=${rect[0]} P_OY=${rect[1]} P_CX=${rect[2]} P_CY=${rect[3]}
}

# p_pixels SHOT X Y W H: "x y r g b" for each pixel of a rectangle of the table (client
# coordinates).
p_pixels() {
  convert "$E2E_OUT/$1.png" -crop "$4x$5+$((P_OX + $2))+$((P_OY + $3))" +repage -depth 8 txt:- |
    awk -v x0="$2" -v y0="$3" -F'[,:() ]+' 'NR > 1 { print $1 + x0, $2 + y0, $3, $4, $5 }'
}

# p_count_cloth SHOT X Y W H: how many pixels of the rectangle show the cloth exactly as the
# pattern lays it (cyan where x + y is even, green where it is odd).
p_count_cloth() {
  p_pixels "$@" | awk '{ even = ($1 + $2) % 2 == 0 }
    (even && $3 == 0 && $4 == 255 && $5 == 255) || (!even && $3 == 0 && $4 == 128 && $5 == 0) { n++ }
    END { print n + 0 }'
}

# p_count_any_cloth SHOT X Y W H: pixels in either cloth colour, wherever they lie.
p_count_any_cloth() {
  p_pixels "$@" | awk '($3 == 0 && $4 == 255 && $5 == 255) || ($3 == 0 && $4 == 128 && $5 == 0) { n++ }
    END { print n + 0 }'
}

# p_count_differences SHOT_A SHOT_B: pixels of the table that differ between two screenshots.
# Further arguments "X Y W H" blank those rectangles in both first.
p_count_differences() {
  local a=$1 b=$2 draw=() rect
  shift 2
  for rect in "$@"; do
    set -- $rect
    draw+=(-draw "rectangle $1,$2 $(($1 + $3 - 1)),$(($2 + $4 - 1))")
  done
  p_table_image "$a" "$E2E_WORK/a.png" -fill black "${draw[@]}"
  p_table_image "$b" "$E2E_WORK/b.png" -fill black "${draw[@]}"
  compare -metric AE "$E2E_WORK/a.png" "$E2E_WORK/b.png" null: 2>&1 | cut -d' ' -f1 || true
}

# p_table_image SHOT OUT [OPERATIONS...]: the table's client area of a screenshot, with
# ImageMagick operations applied in client coordinates.
p_table_image() {
  local shot=$1 out=$2
  shift 2
  convert "$E2E_OUT/$shot.png" -crop "${P_CX}x$P_CY+$P_OX+$P_OY" +repage "$@" "$out"
}

# p_same_face SHOT_A X Y SHOT_B X Y: whether the cards at two places show the same face
# (the rounded corners, where the cloth shows through, are left out).
p_same_face() {
  p_table_image "$1" "$E2E_WORK/a.png" -crop "54x76+$(($2 + 3))+$(($3 + 3))" +repage
  p_table_image "$4" "$E2E_WORK/b.png" -crop "54x76+$(($5 + 3))+$(($6 + 3))" +repage
  compare -metric AE "$E2E_WORK/a.png" "$E2E_WORK/b.png" null: >/dev/null 2>&1
}

# p_covered SHOT X Y: a card-sized picture lies at X, Y on open cloth: no cloth inside (but
# for the rounded corners) and nothing but the cloth in a band of 3 pixels around it.
p_covered() {
  local inside ring
  inside=$(p_count_any_cloth "$1" $(($2 + 3)) $(($3 + 3)) 54 76)
  ring=$(($(p_count_cloth "$1" $(($2 - 3)) $(($3 - 3)) 66 3) +
    $(p_count_cloth "$1" $(($2 - 3)) $(($3 + 82)) 66 3) +
    $(p_count_cloth "$1" $(($2 - 3)) "$3" 3 82) + $(p_count_cloth "$1" $(($2 + 60)) "$3" 3 82)))
  e2e_log "$1: $inside cloth pixels inside the card at $2,$3, $ring of 888 around it"
  [ "$inside" -eq 0 ] && [ "$ring" -eq 888 ]
}

# p_bare SHOT X Y W H: the rectangle shows nothing but the cloth.
p_bare() {
  [ "$(p_count_cloth "$@")" -eq $(($4 * $5)) ]
}

# p_shot_until NAME CHECK ARGS...: screenshots until "CHECK NAME ARGS..." holds (3 s at most);
# the pointer's events reach the program through the X server, so their effect is polled.
p_shot_until() {
  local name=$1 i
  shift
  for i in $(seq 20); do
    e2e_screenshot "$name"
    "$1" "$name" "${@:2}" && return 0
    sleep 0.15
  done
  e2e_fail "$name: $* does not hold"
}

# p_pointer X Y [XDOTOOL COMMANDS...]: the real pointer moved to client coordinates of the
# table, then the commands ("mousedown 1", "click 1"...).
p_pointer() {
  local x=$1 y=$2
  shift 2
  xdotool mousemove $((P_OX + x)) $((P_OY + y))
  if [ $# -gt 0 ]; then
    # The program sees the pointer arrive before the button acts: on a loaded machine a press
    # sent along with the move can reach it first, at the old place.
    q_idle
    xdotool "$@"
  fi
}

# The idle step after a deal plays the animation first: a loaded machine may take seconds.
p_idle_after_deal() { e2e_drv idle "$QPID" "$Q_FRAME" 20000 >/dev/null; }

# TerminateProcess, as a crash or the task list would end the game: nothing is stored then.
p_kill() {
  e2e_drv kill "$QPID" + wait-no-window "$QPID" "$Q_FRAME" '*' 5000 >/dev/null
}

p_no_message_box() { e2e_drv wait-no-window "$QPID" '#32770' '*' 200 >/dev/null; }

p_start_sparse() {
  # No button is left down by an earlier scenario that failed half-way.
  xdotool mouseup 1 mouseup 3
  q_reset
  q_put scores 2 5
  q_put game $(p_sparse)
  q_start
  q_idle
  p_view_origin
}

# The Nine of Clubs (fan 3, at 262,14) taken at 30,36 within the card, carried over the empty
# fan 4 and dropped on fan 14, although fan 2 would take it too.
p_drag_nine_to_fan_14() {
  local shot=$1
  p_pointer 292 50 mousedown 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 1 3000
  p_shot_until "$shot-pressed" p_covered 262 14
  p_pointer 340 55
  p_pointer 386 60
  p_shot_until "$shot-carried" p_covered 356 24
  p_bare "$shot-carried" 262 14 60 82 || e2e_fail "the lifted card's place is not bare cloth"
  p_pointer 300 200
  p_pointer 200 300 mouseup 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 0 3000
  e2e_drv wait-value HKCU "$Q_KEY" game 5000 $(p_sparse_after 3 14)
  q_idle
}

scenario_drag_onto_a_fan() {
  p_start_sparse
  e2e_screenshot drag-before
  p_bare drag-before 238 276 10 82 || e2e_fail "fan 14 is not bare beside its card"

  # Dropped outside the window, the card goes back to its fan. It is taken away from where
  # the drag below takes it: two presses within a few pixels and half a second are a double
  # click, which lifts nothing.
  p_pointer 280 80 mousedown 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 1 3000
  p_pointer 500 420
  p_pointer 700 450 mouseup 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 0 3000
  q_idle
  p_shot_until drag-outside p_same_table drag-before
  e2e_expect_eq "nothing moved" "$(p_sparse)" "$(q_get game)"

  # Escape sends it back the same way, even over a fan that takes it; the release after it
  # moves nothing.
  p_pointer 310 85 mousedown 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 1 3000
  p_pointer 250 200
  p_pointer 200 300
  xdotool key Escape
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 0 3000
  p_pointer 205 305 mouseup 1
  q_idle
  p_shot_until drag-escape p_same_table drag-before
  e2e_expect_eq "nothing moved by Escape" "$(p_sparse)" "$(q_get game)"
  e2e_expect_eq "nothing counted" "2 5" "$(q_get scores)"

  p_drag_nine_to_fan_14 drag
  p_no_message_box
  e2e_screenshot drag-after
  p_bare drag-after 262 14 60 82 || e2e_fail "fan 3 is not bare after the move"
  p_same_face drag-before 262 14 drag-after 188 276 || e2e_fail "the Nine is not on fan 14"
  e2e_expect_eq "nothing else changed" 0 \
    "$(p_count_differences drag-before drag-after "262 14 60 82" "188 276 60 82")"
  q_snap_table drag-after
  q_compare_table drag-after "$(p_sparse_after 3 14)"
  q_close
  e2e_expect_eq "table at exit" "$(p_sparse_after 3 14)" "$(q_get game)"
}
e2e_scenario drag-onto-a-fan scenario_drag_onto_a_fan

# After the menu bar was entered with the keyboard, Wine loses a release made outside the
# window: the table keeps the capture, and the card hangs on until the next press. That press,
# in the drop area of fan 14 where the Nine may go, brings the Nine back to its own fan. (Were
# the release not lost, the card would be back already and the press on the cloth would do
# nothing.) The next drag works.
scenario_release_lost_outside_the_window() {
  p_start_sparse
  e2e_screenshot lost-release-before
  xdotool key alt
  p_pointer 280 80 mousedown 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 1 3000
  p_pointer 500 420
  p_pointer 700 450 mouseup 1
  p_pointer 250 370 click 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 0 3000
  q_idle
  p_shot_until lost-release-after p_same_table lost-release-before
  e2e_expect_eq "nothing moved" "$(p_sparse)" "$(q_get game)"
  p_drag_nine_to_fan_14 lost-release
  q_close
}
e2e_scenario release-lost-outside-the-window scenario_release_lost_outside_the_window

scenario_click_sends_an_ace_home() {
  p_start_sparse
  e2e_screenshot ace-before
  p_pointer 50 70 click 1
  e2e_drv wait-value HKCU "$Q_KEY" game 5000 $(p_sparse_after 0 -1)
  q_idle
  p_no_message_box
  e2e_screenshot ace-after
  p_same_face ace-before 20 28 ace-after 522 111 || e2e_fail "the Ace is not on its foundation"
  p_bare ace-after 70 28 10 82 || e2e_fail "fan 0 is not bare where the Ace lay"
  p_bare ace-after 20 96 50 14 || e2e_fail "fan 0 is not bare where the Ace lay"
  e2e_expect_eq "nothing else changed" 0 \
    "$(p_count_differences ace-before ace-after "20 28 60 82" "522 111 60 82")"
  q_snap_table ace-after
  q_compare_table ace-after "$(p_sparse_after 0 -1)"
  q_close
}
e2e_scenario click-sends-an-ace-home scenario_click_sends_an_ace_home

# What naming the Queen of Hearts inverts: every Jack and King on the fans, whole when on top,
# else the strips left showing; the foundations hold no neighbour of hers in Hearts.
P_QUEEN_PARTNERS=("430 138 60 14" "430 152 10 68" "440 152 60 82" "10 262 60 14" "10 276 10 68"
  "20 276 60 82" "346 262 60 14" "346 276 10 68" "366 290 60 82")

scenario_right_press_names_a_card() {
  p_start_sparse
  e2e_screenshot naming-before
  p_pointer 124 180 mousedown 3
  e2e_drv wait-status "$QPID" "$Q_FRAME" "$Q_PANE_MESSAGE" "Queen of Hearts" 3000 >/dev/null
  e2e_screenshot naming-held
  p_expect_inverted naming-before naming-held "${P_QUEEN_PARTNERS[@]}"

  # The left button waits while a card is named.
  p_pointer 292 50 click 1
  p_pointer 124 180 mouseup 3
  e2e_drv wait-status "$QPID" "$Q_FRAME" "$Q_PANE_MESSAGE" "" 3000 >/dev/null
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 0 3000
  q_idle
  p_shot_until naming-after p_same_table naming-before
  e2e_expect_eq "nothing moved" "$(p_sparse)" "$(q_get game)"

  # On a foundation, only partners of the card's own suit: the King of Diamonds' strips.
  p_pointer 552 245 mousedown 3
  e2e_drv wait-status "$QPID" "$Q_FRAME" "$Q_PANE_MESSAGE" "Queen of Diamonds" 3000 >/dev/null
  e2e_screenshot naming-foundation-held
  p_expect_inverted naming-before naming-foundation-held "10 262 60 14" "10 276 10 68"
  p_pointer 552 245 mouseup 3
  e2e_drv wait-status "$QPID" "$Q_FRAME" "$Q_PANE_MESSAGE" "" 3000 >/dev/null
  q_idle
  p_shot_until naming-foundation-after p_same_table naming-before
  q_close
}
e2e_scenario right-press-names-a-card scenario_right_press_names_a_card

# p_expect_inverted BEFORE HELD "X Y W H"...: the table of HELD is that of BEFORE with exactly
# these rectangles inverted.
p_expect_inverted() {
  local before=$1 held=$2 rect negate=()
  shift 2
  for rect in "$@"; do
    set -- $rect
    negate+=(-region "$3x$4+$1+$2" -negate)
  done
  p_table_image "$before" "$E2E_OUT/$held-expected.png" "${negate[@]}"
  p_table_image "$held" "$E2E_WORK/held.png"
  e2e_expect_eq "$held: partners inverted, nothing else" 0 \
    "$(compare -metric AE "$E2E_OUT/$held-expected.png" "$E2E_WORK/held.png" null: 2>&1 || true)"
}

p_same_table() {
  local n
  n=$(p_count_differences "$2" "$1")
  e2e_log "$1: $n pixels of the table differ from $2"
  [ "$n" -eq 0 ]
}

# Killed after a move, the game comes back at that move with the scores it had; so it does
# after its first deal.
scenario_killed_after_a_move() {
  p_start_sparse
  p_drag_nine_to_fan_14 kill
  e2e_screenshot kill-before
  p_kill
  q_start
  q_idle
  p_shot_until kill-restarted p_same_table kill-before
  e2e_expect_eq "scores" "2 5" "$(q_get scores)"
  q_close
  e2e_expect_eq "table at exit" "$(p_sparse_after 3 14)" "$(q_get game)"
  e2e_expect_eq "scores at exit" "2 5" "$(q_get scores)"
}
e2e_scenario killed-after-a-move scenario_killed_after_a_move

scenario_killed_after_the_deal() {
  xdotool mouseup 1 mouseup 3
  q_reset
  q_put scores 1 1
  q_start
  p_idle_after_deal
  p_view_origin
  local initial
  initial=$(q_get initial)
  e2e_screenshot deal-before-kill
  p_kill
  q_start
  q_idle
  p_shot_until deal-restarted p_same_table deal-before-kill
  q_close
  e2e_expect_eq "deal" "$initial" "$(q_get initial)"
  e2e_expect_eq "scores" "1 1" "$(q_get scores)"
}
e2e_scenario killed-after-the-deal scenario_killed_after_the_deal

# New Game confirmed counts the loss of the game given up once, and only with the new deal
# stored: however soon after the confirmation the game is killed, the restart shows either
# the old game with the old scores or a new deal with one more loss.
scenario_killed_after_new_game() {
  local title="Start a New Game" game
  p_start_sparse
  q_post $ID_FILE_NEW
  q_dialog "$title"
  q_press "$title" 1
  p_kill
  game=$(q_get game)
  e2e_log "scores after a kill right after the confirmation: $(q_get scores)"
  case "$(q_get scores)" in
  "2 5") e2e_expect_eq "the game given up, as it was" "$(p_sparse)" "$game" ;;
  "2 6") [ "$game" != "$(p_sparse)" ] || e2e_fail "a counted loss brings back its game" ;;
  *) e2e_fail "scores after the kill: $(q_get scores)" ;;
  esac

  # Killed once the new deal is on the table: it comes back, and the loss stays counted once.
  p_start_sparse
  q_post $ID_FILE_NEW
  q_dialog "$title"
  q_press "$title" 1
  q_dialog_gone "$title"
  p_idle_after_deal
  e2e_screenshot new-game-before-kill
  p_kill
  q_start
  q_idle
  p_shot_until new-game-restarted p_same_table new-game-before-kill
  q_close
  e2e_expect_eq "scores" "2 6" "$(q_get scores)"
  e2e_expect_eq "fans of the new deal" "3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 2 2" \
    "$(q_fan_counts "$(q_get game)")"
}
e2e_scenario killed-after-new-game scenario_killed_after_new_game

# A command arriving in the middle of a drag (posted, as the toolbar or another program would
# send it) ends the drag first: the card is back on its fan before the command's dialog
# shows, the release then moves nothing, and the next drag works. An accelerator key is held
# back by the system while the pointer is captured: the drag goes on and lands.
scenario_command_during_a_drag() {
  local title="Start a New Game"
  p_start_sparse
  e2e_screenshot command-before
  p_pointer 292 50 mousedown 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 1 3000
  p_pointer 340 55
  p_pointer 386 60
  p_shot_until command-carried p_covered 356 24
  q_post $ID_FILE_NEW
  q_dialog "$title"
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 0 3000
  q_press "$title" 2
  q_dialog_gone "$title"
  p_pointer 200 300 mouseup 1
  q_idle
  p_shot_until command-after p_same_table command-before
  e2e_expect_eq "nothing moved" "$(p_sparse)" "$(q_get game)"

  # Away from the first press: two presses close in place and time are a double click.
  p_pointer 280 80 mousedown 1
  e2e_drv wait-capture "$QPID" "$Q_FRAME" "$Q_VIEW" 1 3000
  q_key ctrl+n
  p_pointer 200 300 mouseup 1
  e2e_drv wait-value HKCU "$Q_KEY" game 5000 $(p_sparse_after 3 14)
  q_idle
  e2e_drv wait-no-window "$QPID" '#32770' "$title" 500 >/dev/null
  q_close
  e2e_expect_eq "scores" "2 5" "$(q_get scores)"
}
e2e_scenario command-during-a-drag scenario_command_during_a_drag
