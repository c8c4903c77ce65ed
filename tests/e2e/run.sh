#!/usr/bin/env bash
# End-to-end tests of the Windows programs under Wine. One Xvfb, one fresh private prefix and
# home for the whole run; every file in tests/e2e/scenarios/ adds its scenarios (see lib.sh).
# Artefacts (logs, screenshots) are kept under out/e2e/. E2E_ONLY=PATTERN runs the scenarios
# whose names match; E2E_KEEP=1 keeps the prefix under build/e2e/.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/lib.sh

# A run that cannot even start counts as one failure.
setup_failed() {
  echo "e2e: $1" >&2
  echo "e2e: 0 passed, 1 failed"
  exit 1
}
[ -f "$E2E_DRIVER" ] || setup_failed "$E2E_DRIVER is missing (build the win32 preset)"
rm -rf "$E2E_OUT"
mkdir -p "$E2E_OUT"
e2e_setup || setup_failed "no Wine prefix or display"
echo "e2e: prefix ready on display $DISPLAY in $(e2e_seconds_since "$E2E_RUN_START")s"
for file in tests/e2e/scenarios/*.sh; do
  [ -e "$file" ] && source "$file"
done
if [ -n "${E2E_ONLY:-}" ]; then
  kept_names=()
  kept_funcs=()
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
