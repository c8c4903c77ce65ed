# setup.exe started, elevated, from a folder anyone can write: libraries planted beside it and
# beside its temporary copy never run, and a removal whose recorded folder is not the installed
# one deletes nothing.
source tests/e2e/setup.sh

S_PLANTED=$E2E_BUILD/tests/e2e/planted
S_FOREIGN_MESSAGE="Unable to Remove/Uninstall the program. The installation folder recorded in the \
registry is not valid, or does not hold the program that was started to remove it."

s_plant() {
  cp "$S_PLANTED/version.dll" "$S_PLANTED/comctl32.dll" "$1/"
}

# The marks the planted libraries leave when they are loaded, in the folders given. One is
# not setup.exe's doing: Wine's own gdi32, which every window program loads with user32,
# imports version.dll, and so takes the planted one when the process starts (measured with
# WINEDEBUG=+loaddll, before the program's first instruction). On Windows gdi32 is a known
# library and takes its imports from the system folder only.
s_expect_no_marks() {
  local marks
  marks=$(find "$@" -maxdepth 1 -name '*.ran' ! -name version.dll.start.ran | paste -sd' ')
  [ -z "$marks" ] || e2e_fail "planted libraries ran: $marks"
}

# A download folder holding the distribution and two libraries named as the system's, with
# Windows' own search order (Wine's default takes its built-in libraries first and hides the
# fault): the installation, then the removal through its temporary copy, with the same
# libraries put in the temporary folder and, once the copy runs, beside it.
scenario_setup_planted_libraries() {
  s_reset
  local downloads=$E2E_WORK/Downloads temp first copy copy_path copy_dir
  rm -rf "$downloads"
  cp -r "$S_DIST" "$downloads"
  s_plant "$downloads"
  temp=$(e2e_host_path "$(e2e_folder temp)")
  s_plant "$temp"
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;version,comctl32=n,b"

  s_through_wizard "$downloads"
  e2e_expect_eq "desktop question" "Would you like to create a desktop shortcut to this program?" \
    "$(s_box "$SPID" Setup)"
  s_answer "$SPID" Setup "$S_NO"
  s_expect_closing "Installation was successful."
  s_close_started_game
  e2e_expect_eq "version from the record" 1.0.0.1 \
    "$(e2e_drv reg-get HKLM "$S_UNINSTALL" DisplayVersion)"
  s_expect_no_marks "$downloads" "$temp"

  first=$(e2e_drv run "$(e2e_drv reg-get HKLM "$S_UNINSTALL" UninstallString)")
  e2e_track_pid "$first"
  s_expect_exit "first remover" "$first"
  copy=$(e2e_drv find-window '#32770' Uninstall)
  e2e_track_pid "$copy"
  copy_path=$(e2e_drv process-path "$copy")
  copy_dir=$(dirname "$(e2e_host_path "$copy_path")")
  [[ $copy_dir == "${temp%/}"/setup-* ]] || e2e_fail "the copy runs from $copy_path"
  s_plant "$copy_dir"
  s_answer "$copy" Uninstall "$S_OK"
  e2e_expect_eq "removal message" "Uninstall/Remove was successful." \
    "$(s_box "$copy" 'Setup Complete')"
  s_answer "$copy" 'Setup Complete' "$S_OK"
  s_expect_exit "removal" "$copy"
  s_expect_nothing_installed

  s_expect_no_marks "$downloads" "$temp" "$copy_dir"
  rm -rf "$copy_dir" "$temp/version.dll" "$temp/comctl32.dll"
  e2e_drv reg-delete HKLM 'Software\Halvane' >/dev/null
}
e2e_scenario setup-planted-libraries scenario_setup_planted_libraries

# "DestinationPath" changed to a folder of the user's own that holds files of the installed
# names: the removal deletes nothing there nor anywhere else, keeps the keys and links, and
# ends as one that did not remove everything. Put back, the value lets it remove the product.
scenario_setup_removal_of_another_folder() {
  s_reset
  local mine=$WINEPREFIX/drive_c/users/Public/Documents/Mine file
  s_through_wizard "$S_DIST"
  s_box "$SPID" Setup >/dev/null
  s_answer "$SPID" Setup "$S_YES"
  s_expect_closing "Installation was successful."
  s_close_started_game
  rm -rf "$mine"
  mkdir -p "$mine"
  for file in license.txt setup.ini QUENLOW.HLP; do echo "my own $file" >"$mine/$file"; done
  e2e_drv reg-set-text HKLM "$S_KEY" DestinationPath 'C:\users\Public\Documents\Mine' >/dev/null

  local first copy
  first=$(e2e_drv run "$(e2e_drv reg-get HKLM "$S_UNINSTALL" UninstallString)")
  e2e_track_pid "$first"
  s_expect_exit "first remover" "$first"
  copy=$(e2e_drv find-window '#32770' Uninstall)
  e2e_track_pid "$copy"
  s_answer "$copy" Uninstall "$S_OK"
  e2e_expect_eq "refusal" "$S_FOREIGN_MESSAGE" "$(s_box "$copy" 'Setup - ERROR' | paste -sd' ')"
  s_answer "$copy" 'Setup - ERROR' "$S_OK"
  e2e_expect_eq "closing message" "Uninstall/Remove is finished." \
    "$(s_box "$copy" 'Setup Complete')"
  s_answer "$copy" 'Setup Complete' "$S_OK"
  s_expect_exit "removal" "$copy"

  for file in license.txt setup.ini QUENLOW.HLP; do
    e2e_expect_eq "the user's $file" "my own $file" "$(cat "$mine/$file")"
  done
  for file in $S_FILES; do
    cmp "$S_DIST/$file" "$(s_host "$S_DEST")/$file" || e2e_fail "installed $file differs"
  done
  [ -f "$(s_host "$S_GROUP")/Quenlow.lnk" ] || e2e_fail "the Start-menu link is gone"
  [ -f "$(s_host "$S_DESKTOP")/Quenlow.lnk" ] || e2e_fail "the desktop link is gone"
  e2e_expect_eq "uninstall entry" present "$(e2e_drv reg-key HKLM "$S_UNINSTALL")"

  e2e_drv reg-set-text HKLM "$S_KEY" DestinationPath "$S_DEST" >/dev/null
  s_remove "Uninstall/Remove was successful."
  s_expect_nothing_installed
  rm -rf "$mine"
  e2e_drv reg-delete HKLM 'Software\Halvane' >/dev/null
}
e2e_scenario setup-removal-of-another-folder scenario_setup_removal_of_another_folder
