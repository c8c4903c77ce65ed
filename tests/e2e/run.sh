#!/usr/bin/env bash
# End-to-end tests of the Windows programs under Wine, once for each Windows arch that runs on
# this machine (QUENLOW_ARCH=win32|win64|both chooses; tools/scripts/wine.sh). Each arch gets
# one Xvfb, one fresh private prefix and home; every file in tests/e2e/scenarios/ adds its
# scenarios (see lib.sh), and a round of the game soak comes last (SOAK_SECONDS, 60 unless
# told). Artefacts (logs, screenshots) are kept under out/e2e/ARCH/. E2E_ONLY=PATTERN runs the
# scenarios whose names match; E2E_KEEP=1 keeps the prefixes under build/e2e/.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tools/scripts/wine.sh

# One arch's whole run, in a subshell of its own: its prefix, display and server end with it.
run_arch() {
  wine_use "$1" || return 1
  source tests/e2e/lib.sh
  # A run that cannot even start counts as one failure.
  setup_failed() {
    echo "e2e $E2E_ARCH: $1" >&2
    echo "e2e $E2E_ARCH: 0 passed, 1 failed"
    exit 1
  }
  [ -f "$E2E_DRIVER" ] || setup_failed "$E2E_DRIVER is missing (build the $E2E_ARCH preset)"
  rm -rf "$E2E_OUT"
  mkdir -p "$E2E_OUT"
  e2e_setup || setup_failed "no Wine prefix or display"
  echo "e2e $E2E_ARCH: prefix ready on display $DISPLAY in $(e2e_seconds_since "$E2E_RUN_START")s"
  for file in tests/e2e/scenarios/*.sh; do
    source "$file"
  done
  # Last, on the same prefix: a short round of the game soak (tests/soak).
  source tests/soak/soak.sh
  e2e_scenario game-soak soak_round
  if [ -n "${E2E_ONLY:-}" ]; then
    local i kept_names=() kept_funcs=()
    for i in "${!E2E_NAMES[@]}"; do
      if [[ ${E2E_NAMES[$i]} == *$E2E_ONLY* ]]; then
        kept_names+=("${E2E_NAMES[$i]}")
        kept_funcs+=("${E2E_FUNCS[$i]}")
      fi
    done
    E2E_NAMES=("${kept_names[@]}")
    E2E_FUNCS=("${kept_funcs[@]}")
  fi
  e2e_run_all
}

arches=$(wine_arches) || {
  echo "e2e: 0 passed, 1 failed"
  exit 1
}
status=0
for arch in $arches; do
  # Not tested by "||" or "if": errexit would be off in every scenario inside.
  (run_arch "$arch")
  [ $? -eq 0 ] || status=1
done
exit "$status"
