# setup.exe where the product is in use or installed already: a removal while the game runs,
# installing again into another folder, and both builds side by side.
source tests/e2e/setup.sh

# The removal asks for the running game before it deletes anything: Cancel keeps everything,
# Retry once the game has ended removes everything.
scenario_setup_remove_while_game_runs() {
  s_reset
  s_through_wizard "$S_DIST"
  s_box "$SPID" Setup >/dev/null
  s_answer "$SPID" Setup "$S_YES"
  s_expect_closing "Installation was successful."
  local game
  game=$(e2e_drv find-window QuenlowFrame '*' 15000)
  e2e_track_pid "$game"

  s_start_removal "$S_UNINSTALL"
  e2e_expect_eq "question" "$S_DEST\\QUENLOW.EXE$S_IN_USE" "$(s_box "$COPY" Setup | head -n 1)"
  e2e_screenshot setup-remove-in-use
  s_answer "$COPY" Setup "$S_CANCEL"
  s_expect_exit "cancelled removal" "$COPY"
  local file
  for file in $S_FILES; do
    [ -f "$(s_host "$S_DEST")/$file" ] || e2e_fail "$file went although the removal was cancelled"
  done
  e2e_expect_eq "game link" "$S_DEST\\QUENLOW.EXE||$S_DEST|Quenlow" "$(s_link "$S_GROUP\\Quenlow.lnk")"
  [ -f "$(s_host "$S_DESKTOP")/Quenlow.lnk" ] || e2e_fail "the desktop link went"
  s_expect_uninstall_entry

  s_start_removal "$S_UNINSTALL"
  s_box "$COPY" Setup >/dev/null
  e2e_drv post-message "$game" QuenlowFrame 16 0 0 >/dev/null
  s_expect_exit game "$game"
  s_answer "$COPY" Setup "$S_RETRY"
  e2e_expect_eq "removal message" "Uninstall/Remove was successful." \
    "$(s_box "$COPY" 'Setup Complete')"
  s_answer "$COPY" 'Setup Complete' "$S_OK"
  s_expect_exit "removal" "$COPY"
  s_expect_nothing_installed
  e2e_expect_eq "game state" absent "$(e2e_drv reg-key HKCU 'Software\Halvane\Quenlow')"
}
e2e_scenario setup-remove-while-game-runs scenario_setup_remove_while_game_runs

# Another folder chosen for an installed product: the new installation replaces the old one,
# and the next run of setup suggests where it now is.
scenario_setup_reinstall_elsewhere() {
  s_reset
  local games='C:\Games' dest='C:\Games\Quenlow'
  rm -rf "$(s_host "$games")"
  mkdir -p "$(s_host "$games")"
  s_through_wizard "$S_DIST"
  s_box "$SPID" Setup >/dev/null
  s_answer "$SPID" Setup "$S_YES"
  s_expect_closing "Installation was successful."
  s_close_started_game

  s_start "$S_DIST"
  s_to_destination
  e2e_expect_eq "suggested folder" "$S_DEST" "$(e2e_drv wizard-text "$SPID" 1007)"
  s_wizard "$S_CHOOSE_FOLDER"
  e2e_drv wait-window "$SPID" '#32770' "$S_BROWSER" >/dev/null
  e2e_drv browse-select "$SPID" "$games"
  s_answer "$SPID" "$S_BROWSER" "$S_OK"
  e2e_drv wait-no-window "$SPID" '#32770' "$S_BROWSER" >/dev/null
  e2e_expect_eq "destination" "$dest" "$(e2e_drv wizard-text "$SPID" 1007)"
  s_wizard "$S_NEXT"
  s_page 2 >/dev/null
  s_wizard "$S_FINISH"
  s_box "$SPID" Setup >/dev/null
  s_answer "$SPID" Setup "$S_NO"
  s_expect_closing "Installation was successful."
  s_close_started_game

  [ ! -e "$(s_host "$S_DEST")" ] || e2e_fail "the first folder stays: $(ls "$(s_host "$S_DEST")")"
  [ ! -e "$(s_host "$S_PROGRAM_FILES\\Halvane")" ] || e2e_fail "the maker's folder stays"
  [ ! -e "$(s_host "$S_DESKTOP")/Quenlow.lnk" ] || e2e_fail "the first installation's desktop link stays"
  e2e_expect_eq "game link" "$dest\\QUENLOW.EXE||$dest|Quenlow" "$(s_link "$S_GROUP\\Quenlow.lnk")"
  e2e_expect_eq "DestinationPath" "$dest" "$(e2e_drv reg-get HKLM "$S_KEY" DestinationPath)"
  e2e_expect_eq "UninstallString" "\"$dest\\setup.exe\" /u" \
    "$(e2e_drv reg-get HKLM "$S_UNINSTALL" UninstallString)"

  s_start "$S_DIST"
  s_to_destination
  e2e_expect_eq "suggested folder" "$dest" "$(e2e_drv wizard-text "$SPID" 1007)"
  s_wizard "$S_CANCEL"
  s_expect_exit setup "$SPID"

  s_remove "Uninstall/Remove was successful."
  [ ! -e "$(s_host "$dest")" ] || e2e_fail "the second folder stays"
  [ -d "$(s_host "$games")" ] || e2e_fail "the folder the user picked went"
  e2e_expect_eq "uninstall entry" absent "$(e2e_drv reg-key HKLM "$S_UNINSTALL")"
  rm -rf "$(s_host "$games")"
}
e2e_scenario setup-reinstall-elsewhere scenario_setup_reinstall_elsewhere

# Both builds on one 64-bit system, the 32-bit one first: each has its own folder, entry and
# Start-menu folder, and removing the 32-bit build leaves the 64-bit one whole with the saved
# game both share. Once both are removed, the drive and the registry are as before.
S32_DEST="$(e2e_folder program-files-x86)\\Halvane\\Quenlow"
S32_GROUP="$(e2e_folder common-programs)\\Quenlow"
S32_UNINSTALL='Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quenlow'

s_install_32() {
  s_start "$E2E_ROOT/build/win32/dist"
  s_to_destination
  e2e_expect_eq "32-bit folder" "$S32_DEST" "$(e2e_drv wizard-text "$SPID" 1007)"
  s_wizard "$S_NEXT"
  s_page 2 >/dev/null
  s_wizard "$S_FINISH"
  s_box "$SPID" Setup >/dev/null
  s_answer "$SPID" Setup "$S_YES"
  s_expect_closing "Installation was successful."
  s_close_started_game
}

scenario_setup_both_builds_side_by_side() {
  s_reset
  rm -rf "$(s_host "$S32_DEST")" "$(s_host "$S32_GROUP")"
  e2e_drv reg-delete HKLM 'Software\Wow6432Node\Halvane\Quenlow' >/dev/null
  e2e_drv reg-delete HKLM "$S32_UNINSTALL" >/dev/null
  local before after saved
  before=$(s_listing)

  s_install_32
  s_through_wizard "$S_DIST"
  s_box "$SPID" Setup >/dev/null
  s_answer "$SPID" Setup "$S_YES"
  s_expect_closing "Installation was successful."
  s_close_started_game
  saved=$(e2e_drv reg-get HKCU 'Software\Halvane\Quenlow\1.0' game)
  [ "$saved" != absent ] || e2e_fail "the 64-bit game kept no state"
  e2e_expect_eq "32-bit name" "Quenlow (Remove only)" \
    "$(e2e_drv reg-get HKLM "$S32_UNINSTALL" DisplayName)"
  e2e_expect_eq "64-bit name" "Quenlow (64-bit) (Remove only)" \
    "$(e2e_drv reg-get HKLM "$S_UNINSTALL" DisplayName)"
  e2e_expect_eq "32-bit game link" "$S32_DEST\\QUENLOW.EXE||$S32_DEST|Quenlow" \
    "$(s_link "$S32_GROUP\\Quenlow.lnk")"
  e2e_expect_eq "32-bit removal link" "$S32_DEST\\setup.exe|/u|$S32_DEST|Uninstall Quenlow" \
    "$(s_link "$S32_GROUP\\Uninstall Quenlow.lnk")"

  s_remove "Uninstall/Remove was successful." "$S32_UNINSTALL"
  [ ! -e "$(s_host "$S32_DEST")" ] || e2e_fail "the 32-bit folder stays"
  [ ! -e "$(s_host "$S32_GROUP")" ] || e2e_fail "the 32-bit Start-menu folder stays"
  e2e_expect_eq "32-bit entry" absent "$(e2e_drv reg-key HKLM "$S32_UNINSTALL")"
  e2e_expect_eq "64-bit game link" "$S_DEST\\QUENLOW.EXE||$S_DEST|Quenlow" \
    "$(s_link "$S_GROUP\\Quenlow.lnk")"
  e2e_expect_eq "64-bit removal link" "$S_DEST\\setup.exe|/u|$S_DEST|Uninstall Quenlow" \
    "$(s_link "$S_GROUP\\Uninstall Quenlow.lnk")"
  e2e_expect_eq "64-bit desktop link" "$S_DEST\\QUENLOW.EXE||$S_DEST|Quenlow" \
    "$(s_link "$S_DESKTOP\\Quenlow.lnk")"
  s_expect_uninstall_entry
  e2e_expect_eq "saved game" "$saved" "$(e2e_drv reg-get HKCU 'Software\Halvane\Quenlow\1.0' game)"

  s_remove "Uninstall/Remove was successful."
  s_expect_nothing_installed
  after=$(s_listing)
  diff <(echo "$before") <(echo "$after") >"$E2E_OUT/both-builds-listing.diff" ||
    e2e_fail "the drive or the registry differs: $(head -c 2000 "$E2E_OUT/both-builds-listing.diff")"
}
if [ "$E2E_ARCH" = win64 ] && wine_runs win32 && [ -f "$E2E_ROOT/build/win32/dist/setup.exe" ]; then
  e2e_scenario setup-both-builds-side-by-side scenario_setup_both_builds_side_by_side
fi
