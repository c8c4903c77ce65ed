# setup.exe where something is there already: an installed product whose game is running, and
# a large file that keeps the copy busy while the progress dialog must go on answering.
source tests/e2e/setup.sh

# Installing again while the installed game runs: the locked program is asked for once, Retry
# after the game has ended replaces it, and the links and the entry are written again, not added.
scenario_setup_reinstall_over_running_game() {
  s_reset
  s_through_wizard "$S_DIST"
  s_box "$SPID" Setup >/dev/null
  s_answer "$SPID" Setup "$S_YES"
  s_expect_closing "Installation was successful."
  local game
  game=$(e2e_drv find-window QuenlowFrame '*' 15000)
  e2e_track_pid "$game"
  echo stale >"$(s_host "$S_DEST")/license.txt"

  s_through_wizard "$S_DIST"
  e2e_expect_eq "question" "$S_DEST\\QUENLOW.EXE$S_IN_USE" "$(s_box "$SPID" Setup | head -n 1)"
  e2e_screenshot setup-file-in-use
  e2e_drv post-message "$game" QuenlowFrame 16 0 0 >/dev/null
  s_expect_exit game "$game"
  s_box "$SPID" Setup >/dev/null
  s_answer "$SPID" Setup 4 # Retry
  e2e_expect_eq "desktop question" "Would you like to create a desktop shortcut to this program?" \
    "$(s_box "$SPID" Setup)"
  s_answer "$SPID" Setup "$S_YES"
  s_expect_closing "Installation was successful."
  s_close_started_game

  local file
  for file in $S_FILES; do
    cmp "$S_DIST/$file" "$(s_host "$S_DEST")/$file" || e2e_fail "$file differs"
  done
  e2e_expect_eq "links in the group" "Quenlow.lnk|Uninstall Quenlow.lnk" \
    "$(ls "$(s_host "$S_GROUP")" | paste -sd'|')"
  e2e_expect_eq "desktop links" "Quenlow.lnk" "$(ls "$(s_host "$S_DESKTOP")" | grep -i quenlow)"
  e2e_expect_eq "DisplayName" "$S_TITLE (Remove only)" \
    "$(e2e_drv reg-get HKLM "$S_UNINSTALL" DisplayName)"
  s_expect_uninstall_entry

  s_remove "Uninstall/Remove was successful."
  s_expect_nothing_installed
  e2e_drv reg-delete HKLM 'Software\Halvane' >/dev/null
}
e2e_scenario setup-reinstall-over-running-game scenario_setup_reinstall_over_running_game

# A file of 64 MB: the progress dialog stands centred on the screen and answers while it is
# copied.
scenario_setup_answers_while_copying() {
  s_reset
  local dist=$E2E_WORK/dist-large bytes=$((64 * 1024 * 1024))
  rm -rf "$dist"
  cp -r "$S_DIST" "$dist"
  truncate -s "$bytes" "$dist/LARGE.DAT"
  printf '[Names]\r\nproduct=Quenlow\r\n\r\n[Files]\r\n+QUENLOW.EXE;;\r\n+LARGE.DAT;;\r\n' \
    >"$dist/setup.ini"
  s_start "$dist"
  s_to_destination
  s_wizard "$S_NEXT"
  s_page 2 >/dev/null
  local seen screen
  seen=($(e2e_drv finish-while-watched "$SPID" "SETUP-Installing Files..." "$S_DEST\\LARGE.DAT" \
    "$bytes"))
  screen=($(xdotool getdisplaygeometry))
  e2e_log "progress dialog at ${seen[*]:0:4}, answers while the file was copied: ${seen[4]}"
  local dx=$((seen[0] + seen[2] / 2 - screen[0] / 2)) dy=$((seen[1] + seen[3] / 2 - screen[1] / 2))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] ||
    e2e_fail "the progress dialog at ${seen[*]:0:4} is not centred on ${screen[*]}"
  [ "${seen[4]}" -ge 2 ] || e2e_fail "the progress dialog answered ${seen[4]} times during the copy"
  s_expect_closing "Installation was successful."
  rm -rf "$dist" "$(s_host "$S_DEST")/LARGE.DAT"
}
e2e_scenario setup-answers-while-copying scenario_setup_answers_while_copying
