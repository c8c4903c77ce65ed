# Helpers for setup.exe's scenarios: the distribution folder, the places an installation
# writes to, the wizard's buttons and the message boxes.

S_DIST=$E2E_BUILD/dist
# The system's folders as setup.exe of this arch sees them.
S_PROGRAM_FILES=$(e2e_folder program-files)
S_DEST="$S_PROGRAM_FILES\\Halvane\\Quenlow"
# The 64-bit build names itself apart from the 32-bit one, which may be installed beside it.
S_TITLE=Quenlow
[ "$E2E_ARCH" = win64 ] && S_TITLE="Quenlow (64-bit)"
S_GROUP="$(e2e_folder common-programs)\\$S_TITLE"
S_DESKTOP=$(e2e_folder common-desktop)
S_STARTUP=$(e2e_folder common-startup)
S_KEY='Software\Halvane\Quenlow\UserInfo'
S_UNINSTALL='Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenlow'
S_FILES='QUENLOW.EXE QUENLOW.HLP setup.exe setup.ini license.txt'
S_IN_USE=" is in use by a program that is running."
S_RETRY=4

S_BACK=0x3023
S_NEXT=0x3024
S_FINISH=0x3025
S_CANCEL=2
S_OK=1
S_YES=6
S_NO=7
S_LICENCE='Software License Agreement'
S_LICENCE_YES=1005
S_LICENCE_NO=1004
S_CHOOSE_FOLDER=1008
S_BROWSER='Browse for Folder'
S_BOX_TEXT=0xffff

# The host path of a path on the prefix's drive C.
s_host() {
  local path=${1#C:\\}
  echo "$WINEPREFIX/drive_c/${path//\\//}"
}

# Nothing of an earlier run: no files, links or keys of the product.
s_reset() {
  rm -rf "$(s_host "$S_DEST")" "$(s_host "$S_GROUP")"
  rmdir "$(s_host "$S_PROGRAM_FILES\\Halvane")" 2>/dev/null || true # kept when not empty
  rm -f "$(s_host "$S_DESKTOP")/Quenlow.lnk" "$(s_host "$S_STARTUP")/Quenlow.lnk"
  e2e_drv reg-delete HKLM 'Software\Halvane\Quenlow' >/dev/null
  e2e_drv reg-delete HKLM "$S_UNINSTALL" >/dev/null
  e2e_drv reg-delete HKCU 'Software\Halvane\Quenlow' >/dev/null
}

# Starts setup.exe from a distribution folder on the host; SPID is its process id.
s_start() {
  SPID=$(e2e_drv launch "$(e2e_winpath "$1")\\setup.exe" "${@:2}")
  e2e_track_pid "$SPID"
}

s_page() { e2e_drv wait-page "$SPID" "$1"; }
s_wizard() { e2e_drv wizard-press "$SPID" "$1" >/dev/null; }

# The text of the message box a process shows with the caption, once it is there.
s_box() {
  e2e_drv wait-window "$1" '#32770' "$2" >/dev/null
  e2e_drv dialog-text "$1" "$2" "$S_BOX_TEXT"
}
# The text of the next message box with the caption, once the one showing OLD has gone.
s_next_box() {
  local text
  for _ in $(seq 50); do
    text=$(s_box "$1" "$2")
    [ "$text" = "$3" ] || break
    sleep 0.1
  done
  echo "$text"
}
s_answer() { e2e_drv post-press "$1" "$2" "$3" >/dev/null; }

s_expect_exit() { e2e_expect_eq "$1 exit code" 0 "$(e2e_drv wait-exit "$2" 15000)"; }

# Through the licence to the destination page.
s_to_destination() {
  s_page 0 >/dev/null
  s_wizard "$S_NEXT"
  e2e_drv wait-window "$SPID" '#32770' "$S_LICENCE" >/dev/null
  s_answer "$SPID" "$S_LICENCE" "$S_LICENCE_YES"
  s_page 1 >/dev/null
}

# Through the whole wizard from a distribution folder, up to the question or message that
# follows Finish.
s_through_wizard() {
  s_start "$1"
  s_to_destination
  s_wizard "$S_NEXT"
  s_page 2 >/dev/null
  s_wizard "$S_FINISH"
}

# The closing message of setup.exe, answered; then its end.
s_expect_closing() {
  e2e_expect_eq "closing message" "$1" "$(s_box "$SPID" 'Setup Complete')"
  s_answer "$SPID" 'Setup Complete' "$S_OK"
  s_expect_exit setup "$SPID"
}

# The game that an installation started, ended as its close box ends it.
s_close_started_game() {
  local game
  game=$(e2e_drv find-window QuenlowFrame '*' 15000)
  e2e_track_pid "$game"
  e2e_drv post-message "$game" QuenlowFrame 16 0 0 >/dev/null
  s_expect_exit game "$game"
}

# The removal command recorded in the entry (this arch's unless given), confirmed; the removal
# runs from its temporary copy.
s_remove() {
  s_start_removal "${2:-$S_UNINSTALL}"
  e2e_expect_eq "removal message" "$1" "$(s_box "$COPY" 'Setup Complete')"
  s_answer "$COPY" 'Setup Complete' "$S_OK"
  s_expect_exit "removal" "$COPY"
}

# The recorded removal command of the entry, up to the confirmation, answered OK; COPY is the
# process of the removal's temporary copy.
s_start_removal() {
  local first
  first=$(e2e_drv run "$(e2e_drv reg-get HKLM "$1" UninstallString)")
  e2e_track_pid "$first"
  s_expect_exit "first remover" "$first"
  COPY=$(e2e_drv find-window '#32770' Uninstall)
  e2e_track_pid "$COPY"
  s_answer "$COPY" Uninstall "$S_OK"
}

s_expect_nothing_installed() {
  [ ! -e "$(s_host "$S_DEST")" ] || e2e_fail "the destination folder exists"
  [ ! -e "$(s_host "$S_PROGRAM_FILES\\Halvane")" ] || e2e_fail "the maker's folder exists"
  [ ! -e "$(s_host "$S_GROUP")" ] || e2e_fail "the Start-menu group exists"
  [ ! -e "$(s_host "$S_DESKTOP")/Quenlow.lnk" ] || e2e_fail "the desktop link exists"
  e2e_expect_eq "DestinationPath" absent "$(e2e_drv reg-get HKLM "$S_KEY" DestinationPath)"
  e2e_expect_eq "uninstall entry" absent "$(e2e_drv reg-key HKLM "$S_UNINSTALL")"
}

# The entry in the list of removable programs: every value, its type, and the size within 1 KB
# of the installed files' total.
s_expect_uninstall_entry() {
  local name bytes=0 file kb
  e2e_expect_eq "DisplayIcon" "$S_DEST\\QUENLOW.EXE,0" "$(e2e_drv reg-get HKLM "$S_UNINSTALL" DisplayIcon)"
  e2e_expect_eq "DisplayVersion" 1.0.0.1 "$(e2e_drv reg-get HKLM "$S_UNINSTALL" DisplayVersion)"
  e2e_expect_eq "Publisher" Halvane "$(e2e_drv reg-get HKLM "$S_UNINSTALL" Publisher)"
  e2e_expect_eq "InstallLocation" "$S_DEST" "$(e2e_drv reg-get HKLM "$S_UNINSTALL" InstallLocation)"
  for name in EstimatedSize NoModify NoRepair; do
    e2e_expect_eq "$name type" number "$(e2e_drv reg-type HKLM "$S_UNINSTALL" "$name")"
  done
  e2e_expect_eq "NoModify" 1 "$(e2e_drv reg-get HKLM "$S_UNINSTALL" NoModify)"
  e2e_expect_eq "NoRepair" 1 "$(e2e_drv reg-get HKLM "$S_UNINSTALL" NoRepair)"
  for file in $S_FILES; do
    bytes=$((bytes + $(stat -c %s "$(s_host "$S_DEST")/$file")))
  done
  kb=$(e2e_drv reg-get HKLM "$S_UNINSTALL" EstimatedSize)
  [ $((kb * 1024 - bytes)) -gt -1024 ] && [ $((kb * 1024 - bytes)) -lt 1024 ] ||
    e2e_fail "EstimatedSize $kb KB for $bytes bytes"
}

# A link as the shell reads it back: target|arguments|working folder|description.
s_link() { e2e_drv link-read "$1" | paste -sd'|'; }

# What the drive and the registry hold, for comparing before an installation with after its
# removal: files with their sizes, folders, keys and values with their data. The temporary
# folder, where each removal's copy waits for the next start, is left out, and so are the
# records Wine itself makes the first time a program asks (its network cards, the mouse's
# settings).
s_listing() {
  (cd "$WINEPREFIX/drive_c" && find -L . -path './users/*/Temp' -prune -o -type d -printf 'folder %p\n' \
    -o -type f -printf 'file %p %s\n' 2>/dev/null | sort)
  { e2e_drv reg-list HKLM Software; e2e_drv reg-list HKCU Software; } |
    grep -v -e '\\NetworkCards\\' -e '^HKCU\\Software\\Wine\\Temporary System Parameters' | sort
}
