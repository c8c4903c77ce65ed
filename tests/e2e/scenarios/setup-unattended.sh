# setup.exe with "/S": an installation into the folder "/D=" gives, with its log, the removal
# through the recorded quiet command, and the exit codes of failures and of a bad switch; no
# window may show at any time.
source tests/e2e/setup.sh

S_GAMES='C:\Games\Quenlow'

# Runs a command line in a folder, watching it and every process it starts for windows; checks
# the exit codes of setup.exe's processes, in the order they started (Wine's own helpers, such
# as the one refused to it for links, are left out), and that no process showed a window.
s_run_unattended() {
  local out codes
  out=$(e2e_drv run-watch "$1" 60000 "$3")
  e2e_log "processes: $(echo "$out" | head -n 1)"
  codes=$(echo "$out" | head -n 1 | tr ' ' '\n' | sed -n 's/^setup\.exe=//p' | paste -sd' ')
  e2e_expect_eq "exit codes of $3" "$2" "$codes"
  e2e_expect_eq "windows shown" "" "$(echo "$out" | grep '^window' || true)"
}

# The log holds the line.
s_logged() { grep -qxF "$2" <(tr -d '\r' <"$1") || e2e_fail "the log lacks: $2"; }

scenario_setup_unattended_install_and_remove() {
  s_reset
  local log=$E2E_WORK/unattended.log games dist file command
  games=$(s_host "$S_GAMES")
  dist=$(e2e_winpath "$S_DIST")
  rm -rf "$games"
  echo "an earlier line" >"$log"
  s_run_unattended "$dist" 0 "\"$dist\\setup.exe\" /S /LOG=\"$(e2e_winpath "$log")\" /D=$S_GAMES"

  for file in $S_FILES; do
    cmp "$S_DIST/$file" "$games/$file" || e2e_fail "$file differs"
    s_logged "$log" "Copied: $S_GAMES\\$file"
  done
  e2e_expect_eq "game link" "$S_GAMES\\QUENLOW.EXE||$S_GAMES|Quenlow" "$(s_link "$S_GROUP\\Quenlow.lnk")"
  e2e_expect_eq "uninstall link" "$S_GAMES\\setup.exe|/u|$S_GAMES|Uninstall Quenlow" \
    "$(s_link "$S_GROUP\\Uninstall Quenlow.lnk")"
  s_logged "$log" "Link made: $S_GROUP\\Quenlow.lnk"
  # The desktop question counts as answered No, and the game is not started.
  [ ! -e "$(s_host "$S_DESKTOP")/Quenlow.lnk" ] || e2e_fail "a desktop link was made"
  if e2e_drv find-window QuenlowFrame '*' 500 >/dev/null 2>&1; then e2e_fail "the game started"; fi
  e2e_expect_eq "DestinationPath" "$S_GAMES" "$(e2e_drv reg-get HKLM "$S_KEY" DestinationPath)"
  command=$(e2e_drv reg-get HKLM "$S_UNINSTALL" UninstallString)
  e2e_expect_eq "UninstallString" "\"$S_GAMES\\setup.exe\" /u" "$command"
  e2e_expect_eq "QuietUninstallString" "$command /S" \
    "$(e2e_drv reg-get HKLM "$S_UNINSTALL" QuietUninstallString)"
  s_logged "$log" "Value written: HKLM\\$S_UNINSTALL QuietUninstallString"
  e2e_expect_eq "the log's first line" "an earlier line" "$(head -n 1 "$log" | tr -d '\r')"
  e2e_expect_eq "the log's last line" "Exit code: 0" "$(tail -n 1 "$log" | tr -d '\r')"

  # The quiet command: the installed program and its temporary copy, which removes.
  command=$(e2e_drv reg-get HKLM "$S_UNINSTALL" QuietUninstallString)
  s_run_unattended - "0 0" "$command /LOG=\"$(e2e_winpath "$log")\""
  [ ! -e "$games" ] || e2e_fail "the folder stays: $(ls "$games")"
  [ ! -e "$(s_host "$S_GROUP")" ] || e2e_fail "the Start-menu group exists"
  e2e_expect_eq "product key" absent "$(e2e_drv reg-key HKLM 'Software\Halvane\Quenlow')"
  e2e_expect_eq "uninstall entry" absent "$(e2e_drv reg-key HKLM "$S_UNINSTALL")"
  s_logged "$log" "Deleted: $S_GAMES\\QUENLOW.EXE"
  s_logged "$log" "Link deleted: $S_GROUP\\Quenlow.lnk"
  e2e_expect_eq "the log's last line" "Exit code: 0" "$(tail -n 1 "$log" | tr -d '\r')"
  rmdir "$(dirname "$games")"
}
e2e_scenario setup-unattended-install-and-remove scenario_setup_unattended_install_and_remove

# A destination that cannot be written, a setup.ini that cannot be read and a switch that
# cannot be understood: each ends with its exit code, and the log says why.
scenario_setup_unattended_failures() {
  s_reset
  local log=$E2E_WORK/failures.log disk=$WINEPREFIX/drive_c/ReadOnly dist
  rm -f "$log"
  dist=$(e2e_winpath "$S_DIST")
  mkdir -p "$disk"
  mount -t tmpfs -o ro,size=1m tmpfs "$disk" ||
    e2e_fail "cannot mount a read-only disk (this needs root)"
  trap "umount -l '$disk'" EXIT
  s_run_unattended "$dist" 1603 "\"$dist\\setup.exe\" /S /LOG=\"$(e2e_winpath "$log")\" /D=C:\\ReadOnly"
  grep -q '^Not copied: C:\\ReadOnly\\QUENLOW.EXE: .' "$log" || e2e_fail "no reason in the log"
  s_logged "$log" "Setup-ERROR: Unable to install ALL component files."
  e2e_expect_eq "the log's last line" "Exit code: 1603" "$(tail -n 1 "$log" | tr -d '\r')"
  s_reset

  local broken=$E2E_WORK/dist-no-ini
  rm -rf "$broken"
  cp -r "$S_DIST" "$broken"
  rm "$broken/setup.ini"
  s_run_unattended "$(e2e_winpath "$broken")" 1603 \
    "\"$(e2e_winpath "$broken")\\setup.exe\" /S /LOG=\"$(e2e_winpath "$log")\""
  grep -q '^setup.ini cannot be opened: .' "$log" || e2e_fail "no reason in the log"

  s_run_unattended "$dist" 87 "\"$dist\\setup.exe\" /S /LOG=\"$(e2e_winpath "$log")\" /D="
  s_logged "$log" "Setup - ERROR: This switch cannot be understood: /D="
  # Without "/S" the same switch is shown, and the exit code stays 0.
  local out
  out=$(e2e_drv run-watch "$dist" 3000 "\"$dist\\setup.exe\" /D=")
  e2e_expect_eq "the message" "window #32770 'Setup - ERROR'" "$(echo "$out" | grep '^window')"
  s_expect_nothing_installed
}
e2e_scenario setup-unattended-failures scenario_setup_unattended_failures
