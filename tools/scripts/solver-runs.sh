#!/usr/bin/env bash
# The solver's measurement runs (not a test; they take about an hour):
#
#   tools/scripts/solver-runs.sh [OUTDIR]      (default docs/solver; needs the native build,
#                                              or SOLVE=path of another quenlow-solve)
#
# Seeds 0 to 999 of each variant with at most 10 seconds a deal, one deal at a time so that
# each has the machine to itself; then seeds 0 to 9,999 of each with at most 1 second, two
# deals at a time. Each run leaves its summary (.txt) and one line a seed (.csv) in OUTDIR.
set -euo pipefail
cd "$(dirname "$0")/../.."
SOLVE=${SOLVE:-build/native/tools/quenlow-solve/quenlow-solve}
OUT=${1:-docs/solver}
if [ ! -x "$SOLVE" ]; then
    echo "solver-runs: build it first: cmake --build --preset native --target quenlow-solve" >&2
    exit 2
fi
mkdir -p "$OUT"
git log -1 --format='%h %s' > "$OUT/commit.txt" 2>/dev/null || true
run() {
    local name=$1
    shift
    echo "solver-runs: $name"
    "$SOLVE" --csv "$OUT/$name.csv" "$@" > "$OUT/$name.txt"
    cat "$OUT/$name.txt"
}
run kings-1000 --batch 0 999 --kings --max-seconds 10 --threads 1
run plain-1000 --batch 0 999 --max-seconds 10 --threads 1
run kings-10000 --batch 0 9999 --kings --max-seconds 1 --threads 2
run plain-10000 --batch 0 9999 --max-seconds 1 --threads 2
