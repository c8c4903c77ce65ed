#!/usr/bin/env bash
# `make soak`: for each Windows arch that runs here, one fresh prefix and display (as the
# end-to-end tests make them), the game soak for SOAK_MINUTES minutes, then the installer soak
# for SOAK_CYCLES cycles. SOAK_SEED replays a run; QUENLOW_ARCH chooses the arches.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tools/scripts/wine.sh

SOAK_MINUTES=${SOAK_MINUTES:-20}
SOAK_CYCLES=${SOAK_CYCLES:-50}

soak_arch() {
  wine_use "$1" || return 1
  source tests/e2e/lib.sh
  source tests/soak/soak.sh
  [ -f "$E2E_DRIVER" ] || { echo "soak $E2E_ARCH: build the $E2E_ARCH preset first" >&2; return 1; }
  rm -rf "$SOAK_OUT"
  e2e_setup || { echo "soak $E2E_ARCH: no Wine prefix or display" >&2; return 1; }
  local status=0
  soak_game $((SOAK_MINUTES * 60)) || status=1
  soak_setup "$SOAK_CYCLES" || status=1
  return "$status"
}

arches=$(wine_arches) || exit 1
status=0
for arch in $arches; do
  echo "soak $arch: $SOAK_MINUTES minutes of the game, $SOAK_CYCLES installer cycles"
  (soak_arch "$arch") || status=1
done
exit "$status"
