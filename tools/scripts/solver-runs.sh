#!/usr/bin/env bash
# The solver's measurement runs (not a test; about an hour on an idle machine):
#
#   tools/scripts/solver-runs.sh [OUTDIR] [RUN...]   (default docs/solver and every run; needs
#                                                    the native build, or SOLVE=path of another
#                                                    quenlow-solve)
#
# Each deal's limit counts the processor time spent on it (--cpu-time), so that the figures do
# not depend on what else the machine is doing, and two deals run at a time, one a core.
# Seeds 0 to 999 and 1,000 seeds far from them (2,000,000,000 on) with at most 10 seconds a
# deal; then seeds 0 to 9,999 with at most 1 second. Each run leaves its summary (.txt) and one
# line a seed (.csv) in OUTDIR, and the commit measured in OUTDIR/commit.txt.
set -euo pipefail
cd "$(dirname "$0")/../.."
SOLVE=${SOLVE:-build/native/tools/quenlow-solve/quenlow-solve}
OUT=${1:-docs/solver}
shift || true
RUNS=${*:-kings-1000 plain-1000 kings-fresh plain-fresh kings-10000 plain-10000}
FRESH=2000000000
if [ ! -x "$SOLVE" ]; then
    echo "solver-runs: build it first: cmake --build --preset native --target quenlow-solve" >&2
    exit 2
fi
mkdir -p "$OUT"
COMMIT=$(git log -1 --format='%h %s' 2>/dev/null || echo unknown)
run() {
    local name=$1
    shift
    echo "solver-runs: $name"
    "$SOLVE" --csv "$OUT/$name.csv" "$@" --cpu-time --threads 2 > "$OUT/$name.txt"
    cat "$OUT/$name.txt"
    # One line a run: which commit measured it, on how loaded a machine.
    local note="$name: $COMMIT (load average $(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null))"
    { grep -v "^$name:" "$OUT/commit.txt" 2>/dev/null || true; echo "$note"; } > "$OUT/commit.new"
    mv "$OUT/commit.new" "$OUT/commit.txt"
}
for name in $RUNS; do
    case $name in
    kings-1000) run "$name" --batch 0 999 --kings --max-seconds 10 ;;
    plain-1000) run "$name" --batch 0 999 --max-seconds 10 ;;
    kings-fresh) run "$name" --batch $FRESH $((FRESH + 999)) --kings --max-seconds 10 ;;
    plain-fresh) run "$name" --batch $FRESH $((FRESH + 999)) --max-seconds 10 ;;
    kings-10000) run "$name" --batch 0 9999 --kings --max-seconds 1 ;;
    plain-10000) run "$name" --batch 0 9999 --max-seconds 1 ;;
    *) echo "solver-runs: unknown run $name" >&2; exit 2 ;;
    esac
done
