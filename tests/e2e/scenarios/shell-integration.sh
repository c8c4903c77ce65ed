# The shell around the game: a document file on the command line, dropped files, Open and
# Save, the document type in the class registry and its removal, DDE open, the help viewer and
# context help.
source tests/e2e/game.sh

ID_FILE_OPEN=57601
ID_FILE_SAVE=57603
ID_HELP_FINDER=57667
ID_CONTEXT_HELP=57669
Q_HELP=QuenlowHelp
Q_DOC_TYPE='Quenlow.Document'
S_IDLE_MESSAGE="For Help, press F1"
# The file dialogs' list of file types, and the type they start with.
S_FILTER_COMBO=1136
S_FILTER="Quenlow Files (*.QNL)"

# A folder of document files on the host, and the Windows name of one of them.
s_docs() {
  S_DOCS=$E2E_WORK/docs
  mkdir -p "$S_DOCS"
}
s_doc() {
  s_docs
  printf '' >"$S_DOCS/$1"
  e2e_winpath "$S_DOCS/$1"
}

# A saved game in progress (the ordered deal) for the next start to restore.
s_saved_game() {
  q_reset
  q_put initial $(q_initial)
  q_put game $(q_game_deal)
}

# The colours of the table at the left edge of each fan's bottom card, as "#RRGGBB" words.
s_fan_edges() {
  local origin shot f x y
  origin=($(e2e_drv client-rect "$QPID" "$Q_FRAME" "$Q_VIEW"))
  shot=$E2E_WORK/fans.png
  import -display "$DISPLAY" -window root "$shot" 2>>"$E2E_WORK/wine.log"
  for f in $(seq 0 17); do
    x=$((origin[0] + 84 * (f % 6) + 15))
    y=$((origin[1] + 14 + 124 * (f / 6) + 40))
    convert "$shot" -crop "1x1+$x+$y" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1
  done | tr '\n' ' ' | sed 's/ $//'
}

# Whether every fan shows the cloth (dark green or cyan) there.
s_all_cloth() {
  local c
  for c in $(s_fan_edges); do
    [ "$c" = "#008000" ] || [ "$c" = "#00FFFF" ] || { echo 0; return; }
  done
  echo 1
}

s_wait_help_mode() {
  e2e_drv wait-status "$QPID" "$Q_FRAME" $Q_PANE_MESSAGE "Select an object on which to get Help" \
    >/dev/null
}

s_message_box() { e2e_drv message-text "$QPID" Quenlow; }
s_ok_message_box() {
  q_press Quenlow 1
  q_dialog_gone Quenlow
}
# OK on the message box, then the exit code the program ends with: one driver run for both, or
# the program may be gone before it is asked.
s_ok_then_exit_code() { e2e_drv press "$QPID" Quenlow 1 + wait-exit "$QPID"; }

scenario_document_on_the_command_line() {
  local doc
  s_saved_game
  doc=$(s_doc start.qnl)
  q_start "$doc"
  q_idle
  e2e_screenshot file-start
  e2e_expect_eq "empty table" 1 "$(s_all_cloth)"
  e2e_expect_eq "Undo" 0 "$(q_button $ID_EDIT_UNDO)"
  e2e_expect_eq "Start Over" 0 "$(q_button $ID_START_OVER)"
  q_key ctrl+z
  q_cmd $ID_START_OVER
  q_idle
  e2e_expect_eq "still empty after Undo and Start Over" 1 "$(s_all_cloth)"

  # New Game asks nothing (no game is in play) and brings back the game saved at the last exit.
  q_post $ID_FILE_NEW
  q_idle
  e2e_expect_eq "no confirmation" "" "$(e2e_drv windows "$QPID" | grep '#32770' | grep visible || true)"
  e2e_expect_eq "restored table" 0 "$(s_all_cloth)"
  q_close
  e2e_expect_eq "the restored game" "$(q_game_deal)" "$(q_get game)"
  e2e_expect_eq "no loss counted" "0 0" "$(q_get scores)"
}
e2e_scenario document-on-the-command-line scenario_document_on_the_command_line

scenario_file_start_keeps_the_saved_game() {
  s_saved_game
  q_start "$(s_doc keep.qnl)"
  q_idle
  q_close
  e2e_expect_eq "saved game after a file start" "$(q_game_deal)" "$(q_get game)"
  e2e_expect_eq "deal after a file start" "$(q_initial)" "$(q_get initial)"
  # The recent-file list was written at the end.
  e2e_expect_eq "recent file" "File1=$(s_doc keep.qnl)" \
    "$(grep '^File1=' "$(q_profile)" | tr -d '\r')"
}
e2e_scenario file-start-keeps-the-saved-game scenario_file_start_keeps_the_saved_game

scenario_missing_file_on_the_command_line() {
  local missing
  s_saved_game
  s_docs
  missing=$(e2e_winpath "$S_DOCS")\\missing.qnl
  QPID=$(e2e_drv launch "$Q_EXE" "$missing")
  e2e_track_pid "$QPID"
  e2e_expect_eq "message" "$missing was not found." "$(s_message_box)"
  e2e_expect_eq "exit code" 1 "$(s_ok_then_exit_code)"
  e2e_expect_eq "saved game untouched" "$(q_game_deal)" "$(q_get game)"
}
e2e_scenario missing-file-on-the-command-line scenario_missing_file_on_the_command_line

scenario_print_from_the_shell() {
  local doc
  s_saved_game
  s_docs
  doc=$(s_doc print.qnl)
  echo "kept" >"$S_DOCS/print.qnl"
  QPID=$(e2e_drv launch "$Q_EXE" /p "$doc")
  e2e_track_pid "$QPID"
  e2e_expect_eq "ends by itself" 0 "$(e2e_drv wait-exit "$QPID")"
  QPID=$(e2e_drv launch "$Q_EXE" /pt "$doc" Printer Driver LPT1:)
  e2e_track_pid "$QPID"
  e2e_expect_eq "print-to ends by itself" 0 "$(e2e_drv wait-exit "$QPID")"
  e2e_expect_eq "saved game untouched" "$(q_game_deal)" "$(q_get game)"
  e2e_expect_eq "the file is untouched" kept "$(cat "$S_DOCS/print.qnl")"
}
e2e_scenario print-from-the-shell scenario_print_from_the_shell

scenario_dropped_file_leaves_the_game() {
  local doc played
  s_saved_game
  doc=$(s_doc dropped.qnl)
  q_start
  q_idle
  # A move first, so the game has something to lose: the Ace of Diamonds to its foundation.
  e2e_drv click "$QPID" "$Q_FRAME" "$Q_VIEW" 292 95 >/dev/null
  q_idle
  played=$(q_get game)
  e2e_expect_eq "the move was made" "3 1" "$(q_foundations "$played" | cut -d' ' -f3-4)"
  e2e_drv drop-files "$QPID" "$Q_FRAME" "$doc" >/dev/null
  q_idle
  e2e_expect_eq "no message" "" "$(e2e_drv windows "$QPID" | grep '#32770' | grep visible || true)"
  e2e_expect_eq "Undo after the drop" 1 "$(q_button $ID_EDIT_UNDO)"
  e2e_expect_eq "table after the drop" "$played" "$(q_get game)"
  q_close
  e2e_expect_eq "table at the end" "$played" "$(q_get game)"
  e2e_expect_eq "no loss counted" "0 0" "$(q_get scores)"
  e2e_expect_eq "recent file" "File1=$doc" "$(grep '^File1=' "$(q_profile)" | tr -d '\r')"
}
e2e_scenario dropped-file-leaves-the-game scenario_dropped_file_leaves_the_game

scenario_save_and_open_write_empty_files() {
  local saved opened before undo
  s_saved_game
  s_docs
  saved=$S_DOCS/saved.qnl
  rm -f "$saved"
  q_start
  q_idle
  before=$(q_get game)
  undo=$(q_button $ID_EDIT_UNDO)
  q_key ctrl+s
  q_dialog "Save As"
  e2e_expect_eq "Save As filter" "$S_FILTER" "$(q_dialog_text "Save As" $S_FILTER_COMBO)"
  e2e_drv file-dialog "$QPID" "Save As" "$(e2e_winpath "$S_DOCS")\\saved" >/dev/null
  q_dialog_gone "Save As"
  q_idle
  e2e_expect_eq "an empty file with the default extension" 0 "$(stat -c %s "$saved" 2>/dev/null)"
  e2e_expect_eq "table after Save" "$before" "$(q_get game)"
  # The document has its file now: Save writes it again without asking.
  echo "not empty" >"$saved"
  q_key ctrl+s
  q_idle
  e2e_expect_eq "saved again, empty" 0 "$(stat -c %s "$saved")"

  # Open takes another file as the document's; Save then writes that one.
  opened=$(s_doc opened.qnl)
  echo "not empty" >"$S_DOCS/opened.qnl"
  q_key ctrl+o
  q_dialog "Open"
  e2e_expect_eq "Open filter" "$S_FILTER" "$(q_dialog_text "Open" $S_FILTER_COMBO)"
  e2e_drv file-dialog "$QPID" "Open" "$opened" >/dev/null
  q_dialog_gone "Open"
  q_idle
  e2e_expect_eq "nothing read or written by Open" 10 "$(stat -c %s "$S_DOCS/opened.qnl")"
  q_key ctrl+s
  q_idle
  e2e_expect_eq "Save after Open writes the opened file" 0 "$(stat -c %s "$S_DOCS/opened.qnl")"
  e2e_expect_eq "Undo as before" "$undo" "$(q_button $ID_EDIT_UNDO)"
  q_close
  e2e_expect_eq "table at the end" "$before" "$(q_get game)"
  e2e_expect_eq "scores" "0 0" "$(q_get scores)"
  e2e_expect_eq "recent files" "File1=$opened File2=$(e2e_winpath "$saved")" \
    "$(grep '^File[12]=' "$(q_profile)" | tr -d '\r' | tr '\n' ' ' | sed 's/ $//')"
}
e2e_scenario save-and-open-write-empty-files scenario_save_and_open_write_empty_files

scenario_document_type_registered() {
  local program
  q_reset
  q_start
  q_close
  program=$(e2e_drv short-path "$Q_EXE")
  e2e_log "program: $program; under HKLM: $(e2e_drv reg-get HKLM "Software\\Classes\\$Q_DOC_TYPE" '')"
  e2e_expect_eq "type" "QuenlowDocument" "$(e2e_drv reg-get HKCR "$Q_DOC_TYPE" '')"
  e2e_expect_eq "icon" "$program,1" "$(e2e_drv reg-get HKCR "$Q_DOC_TYPE\\DefaultIcon" '')"
  e2e_expect_eq "open" "$program \"%1\"" \
    "$(e2e_drv reg-get HKCR "$Q_DOC_TYPE\\shell\\open\\command" '')"
  e2e_expect_eq "print" "$program /p \"%1\"" \
    "$(e2e_drv reg-get HKCR "$Q_DOC_TYPE\\shell\\print\\command" '')"
  e2e_expect_eq "print to" "$program /pt \"%1\" \"%2\" \"%3\" \"%4\"" \
    "$(e2e_drv reg-get HKCR "$Q_DOC_TYPE\\shell\\printto\\command" '')"
  e2e_expect_eq "extension" "$Q_DOC_TYPE" "$(e2e_drv reg-get HKCR .QNL '')"
  e2e_expect_eq "new file" "" "$(e2e_drv reg-get HKCR '.QNL\ShellNew' NullFile)"
}
e2e_scenario document-type-registered scenario_document_type_registered

scenario_unregister() {
  q_reset
  QPID=$(e2e_drv launch "$Q_EXE" /Unregister)
  e2e_track_pid "$QPID"
  e2e_expect_eq "message" "The program's entries in the system registry have been removed." \
    "$(s_message_box)"
  e2e_expect_eq "exit code" 0 "$(s_ok_then_exit_code)"
  e2e_expect_eq "type" absent "$(e2e_drv reg-get HKCR "$Q_DOC_TYPE" '')"
  e2e_expect_eq "open command" absent \
    "$(e2e_drv reg-get HKCR "$Q_DOC_TYPE\\shell\\open\\command" '')"
  e2e_expect_eq "extension" absent "$(e2e_drv reg-get HKCR .QNL '')"
  e2e_expect_eq "no game saved by it" absent "$(q_get game)"

  # An extension that names another program's type is neither taken nor removed.
  e2e_drv reg-set-text HKCR .QNL '' Other.Document >/dev/null
  q_start
  q_close
  e2e_expect_eq "extension kept at start" Other.Document "$(e2e_drv reg-get HKCR .QNL '')"
  QPID=$(e2e_drv launch "$Q_EXE" -unregserver)
  e2e_track_pid "$QPID"
  s_message_box >/dev/null
  s_ok_message_box
  e2e_drv wait-exit "$QPID" >/dev/null
  e2e_expect_eq "extension kept at removal" Other.Document "$(e2e_drv reg-get HKCR .QNL '')"
  e2e_expect_eq "our type removed" absent "$(e2e_drv reg-get HKCR "$Q_DOC_TYPE" '')"
  e2e_drv reg-delete HKCR .QNL >/dev/null
}
e2e_scenario unregister scenario_unregister

scenario_dde_open() {
  local doc
  s_saved_game
  doc=$(s_doc dde.qnl)
  QPID=$(e2e_drv launch "$Q_EXE" /dde)
  e2e_track_pid "$QPID"
  e2e_expect_eq "a command it does not carry out" nack \
    "$(e2e_drv dde-execute QUENLOW system '[print("x.qnl")]')"
  e2e_expect_eq "no window while waiting" "" "$(e2e_drv windows "$QPID" | grep visible || true)"
  e2e_expect_eq "open" ack "$(e2e_drv dde-execute QUENLOW system "[open(\"$doc\")]")"
  e2e_drv wait-window "$QPID" "$Q_FRAME" '*' >/dev/null
  q_idle
  e2e_expect_eq "empty table" 1 "$(s_all_cloth)"
  e2e_expect_eq "Undo" 0 "$(q_button $ID_EDIT_UNDO)"
  q_close
  e2e_expect_eq "saved game untouched" "$(q_game_deal)" "$(q_get game)"
  e2e_expect_eq "recent file" "File1=$doc" "$(grep '^File1=' "$(q_profile)" | tr -d '\r')"
}
e2e_scenario dde-open scenario_dde_open

scenario_help_viewer() {
  q_reset
  q_start
  q_idle
  q_key f1
  e2e_drv wait-window "$QPID" "$Q_HELP" '*' >/dev/null
  e2e_expect_eq "viewer at the contents" "Quenlow Help - Contents" \
    "$(e2e_drv window-text "$QPID" "$Q_HELP")"
  e2e_drv child-text "$QPID" "$Q_HELP" Edit | grep -q "Quenlow is a patience game" ||
    e2e_fail "the contents' text is not shown"
  e2e_screenshot help-viewer
  q_cmd $ID_HELP_FINDER
  e2e_expect_eq "Help Topics opens the same" "Quenlow Help - Contents" \
    "$(e2e_drv window-text "$QPID" "$Q_HELP")"
  q_close
}
e2e_scenario help-viewer scenario_help_viewer

scenario_help_file_missing() {
  local dir
  q_reset
  dir=$E2E_WORK/nohelp
  mkdir -p "$dir"
  cp "$Q_EXE_HOST" "$dir/"
  QPID=$(e2e_drv launch "$(e2e_winpath "$dir/QUENLOW.EXE")")
  e2e_track_pid "$QPID"
  e2e_drv wait-window "$QPID" "$Q_FRAME" '*' >/dev/null
  q_idle
  q_key f1
  e2e_expect_eq "missing" "Failed to launch help." "$(s_message_box)"
  s_ok_message_box
  # A file that is not ours is as good as none.
  printf 'MZ\x90\0 not a help file' >"$dir/QUENLOW.HLP"
  q_cmd $ID_HELP_FINDER &
  e2e_expect_eq "unreadable" "Failed to launch help." "$(s_message_box)"
  s_ok_message_box
  wait
  e2e_expect_eq "no viewer" "" "$(e2e_drv windows "$QPID" | grep "$Q_HELP" || true)"
  q_close
}
e2e_scenario help-file-missing scenario_help_file_missing

scenario_context_help() {
  s_saved_game
  q_start
  q_idle
  q_key shift+f1
  s_wait_help_mode
  e2e_drv help-click "$QPID" "$Q_FRAME" button:$ID_EDIT_UNDO >/dev/null
  e2e_drv wait-window "$QPID" "$Q_HELP" '*' >/dev/null
  e2e_expect_eq "toolbar button" "Quenlow Help - Undo and Start Over" \
    "$(e2e_drv window-text "$QPID" "$Q_HELP")"
  e2e_expect_eq "message pane after" "$S_IDLE_MESSAGE" "$(q_status $Q_PANE_MESSAGE)"

  # The viewer now has the keyboard: the mode is entered by its command from here on.
  q_post $ID_CONTEXT_HELP
  s_wait_help_mode
  e2e_drv help-click "$QPID" "$Q_FRAME" view >/dev/null
  q_idle
  e2e_expect_eq "the table" "Quenlow Help - How to play" "$(e2e_drv window-text "$QPID" "$Q_HELP")"

  q_post $ID_CONTEXT_HELP
  s_wait_help_mode
  e2e_drv help-click "$QPID" "$Q_FRAME" status >/dev/null
  q_idle
  e2e_expect_eq "the status bar" "Quenlow Help - The status bar" \
    "$(e2e_drv window-text "$QPID" "$Q_HELP")"

  # A command chosen in the mode (from the menu or by its key) is explained, not carried out.
  q_post $ID_CONTEXT_HELP
  s_wait_help_mode
  q_post $ID_FILE_NEW
  q_idle
  e2e_expect_eq "a command" "Quenlow Help - New Game" "$(e2e_drv window-text "$QPID" "$Q_HELP")"
  e2e_expect_eq "no New Game" "" "$(e2e_drv windows "$QPID" | grep '#32770' | grep visible || true)"

  # Escape ends the mode: the next click is the game's again.
  e2e_drv post-message "$QPID" "$Q_HELP" "$WM_CLOSE" 0 0 >/dev/null
  e2e_drv wait-no-window "$QPID" "$Q_HELP" '*' >/dev/null
  q_key shift+f1
  s_wait_help_mode
  q_key escape
  e2e_drv wait-status "$QPID" "$Q_FRAME" $Q_PANE_MESSAGE "$S_IDLE_MESSAGE" >/dev/null
  e2e_drv click "$QPID" "$Q_FRAME" "$Q_VIEW" 292 95 >/dev/null
  q_idle
  e2e_expect_eq "a move after Escape" "3 1" "$(q_foundations "$(q_get game)" | cut -d' ' -f3-4)"
  e2e_expect_eq "no viewer" "" "$(e2e_drv windows "$QPID" | grep "$Q_HELP" | grep visible || true)"
  q_close
  e2e_expect_eq "scores" "0 0" "$(q_get scores)"
}
e2e_scenario context-help scenario_context_help

# With the real pointer: in context-help mode a click on the menu bar opens the menu, and an item
# chosen there, even one that is greyed otherwise, opens its topic instead of being carried out.
scenario_context_help_on_a_menu_item() {
  local rect
  s_saved_game
  q_start
  q_idle
  rect=($(e2e_drv window-rect "$QPID" "$Q_FRAME"))
  q_key shift+f1
  s_wait_help_mode
  xdotool mousemove $((rect[0] + 55)) $((rect[1] + 33)) click 1
  e2e_drv wait-window "$QPID" '#32768' '*' >/dev/null
  # Cut, greyed while no program handles it.
  xdotool mousemove $((rect[0] + 75)) $((rect[1] + 80)) click 1
  e2e_drv wait-window "$QPID" "$Q_HELP" '*' >/dev/null
  e2e_expect_eq "menu item" "Quenlow Help - Commands" "$(e2e_drv window-text "$QPID" "$Q_HELP")"
  e2e_expect_eq "message pane after" "$S_IDLE_MESSAGE" "$(q_status $Q_PANE_MESSAGE)"
  q_close
  e2e_expect_eq "game untouched" "$(q_game_deal)" "$(q_get game)"
}
e2e_scenario context-help-on-a-menu-item scenario_context_help_on_a_menu_item
