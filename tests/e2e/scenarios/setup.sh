# setup.exe under Wine: an installation through the wizard with the start of the game, the
# removal through the recorded command, a setup.ini without files, and every way out of the
# wizard.
source tests/e2e/setup.sh

scenario_setup_install_and_remove() {
  s_reset
  s_start "$S_DIST"
  e2e_expect_eq "first page" "Welcome" "$(s_page 0)"
  e2e_expect_eq "wizard position" "48 10" "$(e2e_drv wizard-rect "$SPID" | cut -d' ' -f1-2)"
  e2e_screenshot setup-welcome
  s_wizard "$S_NEXT"
  e2e_drv wait-window "$SPID" '#32770' "$S_LICENCE" >/dev/null
  e2e_expect_eq "licence text" "QUENLOW SOFTWARE LICENSE AGREEMENT" \
    "$(e2e_drv dialog-text "$SPID" "$S_LICENCE" 1006 | head -n 1)"
  # Esc and the close box leave it open; Enter accepts.
  e2e_drv dialog-key "$SPID" "$S_LICENCE" escape
  e2e_drv close-dialog "$SPID" "$S_LICENCE"
  e2e_drv sleep 300
  e2e_drv wait-window "$SPID" '#32770' "$S_LICENCE" 100 >/dev/null
  e2e_drv dialog-key "$SPID" "$S_LICENCE" return
  e2e_expect_eq "second page" "Select Destination Folder" "$(s_page 1)"
  e2e_expect_eq "default folder" "$S_DEST" "$(e2e_drv wizard-text "$SPID" 1007)"
  # Back and Next again: the licence is not shown a second time.
  s_wizard "$S_BACK"
  s_page 0 >/dev/null
  s_wizard "$S_NEXT"
  s_page 1 >/dev/null
  s_wizard "$S_NEXT"
  e2e_expect_eq "third page" "Finish Installation" "$(s_page 2)"
  s_wizard "$S_FINISH"

  e2e_expect_eq "desktop question" "Would you like to create a desktop shortcut to this program?" \
    "$(s_box "$SPID" Setup)"
  e2e_screenshot setup-installing
  s_answer "$SPID" Setup "$S_YES"
  e2e_expect_eq "closing message" "Installation was successful." "$(s_box "$SPID" 'Setup Complete')"
  s_answer "$SPID" 'Setup Complete' "$S_OK"
  s_expect_exit setup "$SPID"

  # The installed game was started: end it as its close box does, so it saves its state.
  local game
  game=$(e2e_drv find-window QuenlowFrame '*' 15000)
  e2e_track_pid "$game"
  e2e_expect_eq "started program" "$S_DEST\\QUENLOW.EXE" "$(e2e_drv process-path "$game")"
  e2e_drv post-message "$game" QuenlowFrame 16 0 0 >/dev/null
  s_expect_exit game "$game"
  [ "$(e2e_drv reg-get HKCU 'Software\Halvane\Quenlow\1.0' scores)" != absent ] ||
    e2e_fail "the game kept no state"

  local file
  for file in $S_FILES; do
    cmp "$S_DIST/$file" "$(s_host "$S_DEST")/$file" || e2e_fail "$file differs"
  done
  e2e_expect_eq "game link" "$S_DEST\\QUENLOW.EXE||$S_DEST|Quenlow" "$(s_link "$S_GROUP\\Quenlow.lnk")"
  e2e_expect_eq "uninstall link" "$S_DEST\\setup.exe|/u|$S_DEST|Uninstall Quenlow" \
    "$(s_link "$S_GROUP\\Uninstall Quenlow.lnk")"
  e2e_expect_eq "desktop link" "$S_DEST\\QUENLOW.EXE||$S_DEST|Quenlow" \
    "$(s_link "$S_DESKTOP\\Quenlow.lnk")"
  [ ! -e "$(s_host "$S_STARTUP")/Quenlow.lnk" ] || e2e_fail "a start-up link was made"
  e2e_expect_eq "DestinationPath" "$S_DEST" "$(e2e_drv reg-get HKLM "$S_KEY" DestinationPath)"
  e2e_expect_eq "DisplayName" "$S_TITLE (Remove only)" \
    "$(e2e_drv reg-get HKLM "$S_UNINSTALL" DisplayName)"
  local command
  command=$(e2e_drv reg-get HKLM "$S_UNINSTALL" UninstallString)
  e2e_expect_eq "UninstallString" "\"$S_DEST\\setup.exe\" /u" "$command"
  s_expect_uninstall_entry

  [ "$(e2e_drv reg-key HKLM 'Software\Classes\Quenlow.Document')" != absent ] ||
    e2e_fail "the game registered no document type"

  # Another product of the maker keeps the maker's machine key; the user's key holds only
  # the game's state.
  e2e_drv reg-set-text HKLM 'Software\Halvane\Other' Version 1 >/dev/null

  # The recorded command: the installed copy restarts from the temporary folder and ends.
  local first copy copy_path
  first=$(e2e_drv run "$command")
  e2e_track_pid "$first"
  s_expect_exit "first remover" "$first"
  copy=$(e2e_drv find-window '#32770' Uninstall)
  e2e_track_pid "$copy"
  [ "$copy" != "$first" ] || e2e_fail "the removal did not restart"
  copy_path=$(e2e_drv process-path "$copy")
  [[ $copy_path == *\\Temp\\setup-*\\setup.exe ]] || e2e_fail "the removal runs from $copy_path"
  e2e_expect_eq "confirmation" \
    "This action will completely remove/uninstall the program from your system." \
    "$(s_box "$copy" Uninstall)"
  s_answer "$copy" Uninstall "$S_OK"
  e2e_expect_eq "removal message" "Uninstall/Remove was successful." \
    "$(s_box "$copy" 'Setup Complete')"
  s_answer "$copy" 'Setup Complete' "$S_OK"
  s_expect_exit "removal" "$copy"

  s_expect_nothing_installed
  e2e_expect_eq "product key" absent "$(e2e_drv reg-key HKLM 'Software\Halvane\Quenlow')"
  e2e_expect_eq "game state" absent "$(e2e_drv reg-key HKCU 'Software\Halvane')"
  e2e_expect_eq "the other product" 1 "$(e2e_drv reg-get HKLM 'Software\Halvane\Other' Version)"
  e2e_drv reg-delete HKLM 'Software\Halvane' >/dev/null
  # The game registered its document type for its own program when it ran: that goes too.
  e2e_expect_eq "document type" absent "$(e2e_drv reg-key HKLM 'Software\Classes\Quenlow.Document')"
  e2e_expect_eq "extension" absent "$(e2e_drv reg-key HKLM 'Software\Classes\.QNL')"

  # The copy and its own folder go when the system next starts, and nothing beside them.
  local copy_host copy_dir
  copy_host=$(e2e_host_path "$copy_path")
  copy_dir=$(dirname "$copy_host")
  [ -f "$copy_host" ] || e2e_fail "no copy at $copy_host"
  e2e_expect_eq "the copy's folder" setup.exe "$(ls "$copy_dir")"
  echo kept >"$(dirname "$copy_dir")/beside.txt"
  e2e_wine wineboot -r
  [ ! -e "$copy_dir" ] || e2e_fail "the copy's folder stays after a restart: $(ls "$copy_dir")"
  e2e_expect_eq "a file beside it" kept "$(cat "$(dirname "$copy_dir")/beside.txt")"
  rm -f "$(dirname "$copy_dir")/beside.txt"
}
e2e_scenario setup-install-and-remove scenario_setup_install_and_remove

# Enter alone, pressed as a user does, on every page and question up to the end.
scenario_setup_keyboard_only() {
  s_reset
  s_start "$S_DIST"
  s_page 0 >/dev/null
  xdotool key Return
  e2e_drv wait-window "$SPID" '#32770' "$S_LICENCE" >/dev/null
  xdotool key Return
  s_page 1 >/dev/null
  xdotool key Return
  s_page 2 >/dev/null
  xdotool key Return
  e2e_expect_eq "desktop question" "Would you like to create a desktop shortcut to this program?" \
    "$(s_box "$SPID" Setup)"
  xdotool key Return
  e2e_expect_eq "closing message" "Installation was successful." "$(s_box "$SPID" 'Setup Complete')"
  xdotool key Return
  s_expect_exit setup "$SPID"
  [ -e "$(s_host "$S_DESKTOP")/Quenlow.lnk" ] || e2e_fail "Enter on the question made no link"
  e2e_track_pid "$(e2e_drv find-window QuenlowFrame '*' 15000)"
}
e2e_scenario setup-keyboard-only scenario_setup_keyboard_only

scenario_setup_without_files_section() {
  s_reset
  local dist=$E2E_WORK/dist-no-files
  rm -rf "$dist"
  cp -r "$S_DIST" "$dist"
  printf '[Names]\r\nproduct=Quenlow\r\nlaunch=Yes\r\n' >"$dist/setup.ini"
  s_start "$dist"
  e2e_expect_eq "message" \
    "Unable to install the program. The file \"setup.ini\" is not formatted properly." \
    "$(s_box "$SPID" 'Setup - ERROR')"
  if e2e_drv wizard-page "$SPID" >/dev/null 2>&1; then e2e_fail "the wizard was shown"; fi
  s_answer "$SPID" 'Setup - ERROR' "$S_OK"
  s_expect_exit setup "$SPID"
  s_expect_nothing_installed
}
e2e_scenario setup-without-files-section scenario_setup_without_files_section

scenario_setup_cancel_anywhere() {
  local page
  for page in 0 1 2; do
    s_reset
    s_start "$S_DIST"
    s_page 0 >/dev/null
    if [ "$page" -ge 1 ]; then s_to_destination; fi
    if [ "$page" -ge 2 ]; then
      s_wizard "$S_NEXT"
      s_page 2 >/dev/null
    fi
    s_wizard "$S_CANCEL"
    s_expect_exit "cancel on page $page" "$SPID"
    s_expect_nothing_installed
  done
  # NO in the licence ends the run as well.
  s_reset
  s_start "$S_DIST"
  s_page 0 >/dev/null
  s_wizard "$S_NEXT"
  e2e_drv wait-window "$SPID" '#32770' "$S_LICENCE" >/dev/null
  s_answer "$SPID" "$S_LICENCE" "$S_LICENCE_NO"
  s_expect_exit "licence declined" "$SPID"
  s_expect_nothing_installed
}
e2e_scenario setup-cancel-anywhere scenario_setup_cancel_anywhere

# A destination on a disk that fills up during the copy: the file that does not fit is
# reported and not left cut short, and the installation claims no success and starts nothing.
# The removal afterwards (the distribution's, as the installed one could not be written) finds
# no installed setup.exe to show that the folder is the installation, and deletes nothing.
scenario_setup_disk_full() {
  s_reset
  local disk=$WINEPREFIX/drive_c/Small dest='C:\Small\Quenlow' size file
  # Room for the game and its help and half of setup.exe more: setup.exe does not fit.
  size=$(($(stat -c %s "$S_DIST/QUENLOW.EXE") + $(stat -c %s "$S_DIST/QUENLOW.HLP") +
    $(stat -c %s "$S_DIST/setup.exe") / 2))
  mkdir -p "$disk"
  mount -t tmpfs -o size=$((size / 4096 * 4096)) tmpfs "$disk" ||
    e2e_fail "cannot mount a small disk (this needs root)"
  trap "umount -l '$disk'" EXIT
  s_start "$S_DIST"
  s_to_destination
  s_wizard "$S_CHOOSE_FOLDER"
  e2e_drv wait-window "$SPID" '#32770' "$S_BROWSER" >/dev/null
  e2e_drv browse-select "$SPID" 'C:\Small'
  s_answer "$SPID" "$S_BROWSER" "$S_OK"
  e2e_drv wait-no-window "$SPID" '#32770' "$S_BROWSER" >/dev/null
  e2e_expect_eq "destination" "$dest" "$(e2e_drv wizard-text "$SPID" 1007)"
  s_wizard "$S_NEXT"
  s_page 2 >/dev/null
  s_wizard "$S_FINISH"
  s_box "$SPID" Setup >/dev/null
  s_answer "$SPID" Setup "$S_NO"
  e2e_expect_eq "failed copy" "Unable to copy file: setup.exe" "$(s_box "$SPID" Setup-ERROR)"
  s_answer "$SPID" Setup-ERROR "$S_OK"
  e2e_expect_eq "summary" "Unable to install ALL component files." \
    "$(s_next_box "$SPID" Setup-ERROR "Unable to copy file: setup.exe")"
  s_answer "$SPID" Setup-ERROR "$S_OK"
  e2e_expect_eq "closing message" "Installation finished." "$(s_box "$SPID" 'Setup Complete')"
  s_answer "$SPID" 'Setup Complete' "$S_OK"
  s_expect_exit setup "$SPID"
  if e2e_drv find-window QuenlowFrame '*' 1000 >/dev/null 2>&1; then e2e_fail "the game started"; fi
  for file in $S_FILES; do
    [ ! -e "$disk/Quenlow/$file" ] || cmp "$S_DIST/$file" "$disk/Quenlow/$file" ||
      e2e_fail "$file is not whole"
  done

  s_start "$S_DIST" /u
  local copy
  copy=$(e2e_drv find-window '#32770' Uninstall)
  e2e_track_pid "$copy"
  s_answer "$copy" Uninstall "$S_OK"
  s_box "$copy" 'Setup - ERROR' >/dev/null
  s_answer "$copy" 'Setup - ERROR' "$S_OK"
  e2e_expect_eq "closing message" "Uninstall/Remove is finished." "$(s_box "$copy" 'Setup Complete')"
  s_answer "$copy" 'Setup Complete' "$S_OK"
  s_expect_exit "removal" "$copy"
  cmp "$S_DIST/QUENLOW.EXE" "$disk/Quenlow/QUENLOW.EXE" || e2e_fail "the installed game was touched"
  e2e_expect_eq "DestinationPath" "$dest" "$(e2e_drv reg-get HKLM "$S_KEY" DestinationPath)"
  rm -rf "$disk/Quenlow"
}
e2e_scenario setup-disk-full scenario_setup_disk_full
