#!/usr/bin/env bash
# Decides every seed of a range with no time limit, two deals at a time (not a test; the
# hardest deals take hours):
#
#   tools/scripts/solver-exhaust.sh FROM TO [--kings]
#
# Each answer is appended to docs/solver/exhaust-plain.csv (or exhaust-kings.csv) as soon as
# it is known, so the run can be stopped at any time (Ctrl-C) and started again: seeds already
# decided there are skipped, and seeds recorded as undecided (the memory limit stopped them)
# are tried again. Settings from the environment: MEMORY (MB a deal, default 4000),
# CPU_SECONDS (processor time a deal, default none: a first pass with CPU_SECONDS=10 leaves
# only the hard deals for the second), JOBS (deals at a time, default 2), OUT (the file),
# SOLVE (the program; default the native build).
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ $# -lt 2 ]; then
    echo "usage: $0 FROM TO [--kings]" >&2
    exit 2
fi
FROM=$1
TO=$2
KINGS=${3:-}
VARIANT=plain
[ "$KINGS" = "--kings" ] && VARIANT=kings
SOLVE=${SOLVE:-build/native/tools/quenlow-solve/quenlow-solve}
OUT=${OUT:-docs/solver/exhaust-$VARIANT.csv}
export SOLVE OUT KINGS MEMORY=${MEMORY:-4000} CPU_SECONDS=${CPU_SECONDS:-}
if [ ! -x "$SOLVE" ]; then
    echo "solver-exhaust: build it first: cmake --build --preset native --target quenlow-solve" >&2
    exit 2
fi
[ -f "$OUT" ] || echo "seed,result,states,seconds,limit" > "$OUT"

# One deal: its line is appended whole, under a lock, when it is decided or stopped.
solve_one() {
    local seed=$1 json limits=()
    [ -n "$CPU_SECONDS" ] && limits=(--max-seconds "$CPU_SECONDS" --cpu-time)
    json=$("$SOLVE" --seed "$seed" $KINGS --json --max-memory "$MEMORY" "${limits[@]}" || true)
    local result states seconds limit
    result=$(sed -n 's/^{"result":"\([a-z ]*\)".*/\1/p' <<< "$json")
    states=$(sed -n 's/.*"states":\([0-9]*\).*/\1/p' <<< "$json")
    seconds=$(sed -n 's/.*"seconds":\([0-9.]*\).*/\1/p' <<< "$json")
    limit=$(sed -n 's/.*"limit":"\([a-z ]*\)".*/\1/p' <<< "$json")
    [ -n "$result" ] || return 0 # interrupted: nothing to record
    flock "$OUT" -c "echo '$seed,$result,$states,$seconds,$limit' >> '$OUT'"
    echo "seed $seed: $result ($states states, $seconds s${limit:+, $limit})"
}
export -f solve_one

# Seeds whose latest line is an answer are done; the others go in order.
done_seeds=$(awk -F, 'NR > 1 { last[$1] = $2 } END {
    for (s in last) if (last[s] != "undecided") print s }' "$OUT" | sort)
seq "$FROM" "$TO" | sort | comm -23 - <(echo "$done_seeds") | sort -n |
    nice -n 19 xargs -P "${JOBS:-2}" -I{} bash -c 'solve_one {}'
awk -F, -v from="$FROM" -v to="$TO" 'NR > 1 && $1 >= from && $1 <= to { last[$1] = $2 } END {
    for (s in last) n[last[s]]++
    printf "seeds %d to %d: %d winnable, %d not winnable, %d undecided, %d not yet tried\n",
        from, to, n["winnable"], n["not winnable"], n["undecided"],
        to - from + 1 - n["winnable"] - n["not winnable"] - n["undecided"] }' "$OUT"
