# The soaks, sourced after tests/e2e/lib.sh has prepared a prefix and a display
# (e2e_setup): the programs of that arch under long random use.
#
#   soak_game SECONDS [SEED]     the game under random input, ends and restarts
#   soak_setup CYCLES [SEED]     setup.exe installing, reinstalling and removing, with kills
#   soak_round                   the end-to-end run's round: the game for SOAK_SECONDS (60)
#
# Each prints its seed, its figures and, for a finding, the last actions; logs and screenshots
# land in out/e2e/ARCH/soak/. SOAK_SEED replays a run.

SOAK_OUT=$E2E_OUT/soak

# The Python side, with what it needs of this run.
soak_python() {
  local script=$1
  shift
  python3 "tests/soak/$script" --loader "$WINELOADER" --driver "$E2E_DRIVER" \
    --log "$E2E_WORK/soak-wine.log" --work "$E2E_WORK" --out "$SOAK_OUT" "$@"
}

soak_game() {
  local seconds=$1 seed=${2:-${SOAK_SEED:-}} folder=$E2E_WORK/soak-game
  mkdir -p "$folder" "$SOAK_OUT"
  # A copy of its own: what the file dialogs save lands beside it, not in the build tree.
  cp "$E2E_BUILD/dist/QUENLOW.EXE" "$E2E_BUILD/dist/QUENLOW.HLP" "$folder/"
  e2e_drv reg-delete HKCU 'Software\Halvane\Quenlow' >/dev/null
  soak_python game_soak.py --seconds "$seconds" ${seed:+--seed "$seed"} \
    --exe "$(e2e_winpath "$folder")\\QUENLOW.EXE" --exe-host "$folder/QUENLOW.EXE" \
    --render "$E2E_ROOT/build/native/tests/e2e/render/quenlow-render" \
    --save-folder "$(e2e_winpath "$folder")"
}

soak_setup() {
  local cycles=$1 seed=${2:-${SOAK_SEED:-}}
  mkdir -p "$SOAK_OUT"
  # The game soak's settings are not the installer's to remove.
  e2e_drv reg-delete HKCU 'Software\Halvane\Quenlow' >/dev/null
  # The 64-bit build names its Start-menu folder apart; on a 64-bit system whose Wine runs
  # 32-bit programs too, the 32-bit build is installed beside it in some cycles.
  local title=Quenlow other=
  if [ "$E2E_ARCH" = win64 ]; then
    title="Quenlow (64-bit)"
    if wine_runs win32 && [ -f "$E2E_ROOT/build/win32/dist/setup.exe" ]; then
      other=$(e2e_winpath "$E2E_ROOT/build/win32/dist")
    fi
  fi
  soak_python setup_soak.py --cycles "$cycles" ${seed:+--seed "$seed"} \
    --dist "$(e2e_winpath "$E2E_BUILD/dist")" --dist-host "$E2E_BUILD/dist" --prefix "$WINEPREFIX" \
    --title "$title" --other-dist "$other"
}

soak_round() { soak_game "${SOAK_SECONDS:-60}"; }
