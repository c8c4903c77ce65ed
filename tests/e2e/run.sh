#!/usr/bin/env bash
# End-to-end tests of the Windows programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ ! -x tests/e2e/scenarios.sh ]; then
  echo "e2e: no scenarios yet"
  exit 0
fi
exec tests/e2e/scenarios.sh "$@"
