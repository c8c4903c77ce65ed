#!/usr/bin/env bash
# Decides every seed of a range with no time limit, two deals at a time (not a test; the
# hardest deals take hours):
#
#   tools/scripts/solver-exhaust.sh FROM TO [--kings]
#
# Each deal gets a first search as a user's would run, started again in other orders, for
# FIRST_SECONDS of processor time (default 60); a deal still undecided then gets one
# depth-first search run to its end (--one-try) with all of MEMORY for its tables. Each answer
# is appended to docs/solver/exhaust-plain.csv (or exhaust-kings.csv) as soon as it is known,
# so the run can be stopped at any time (Ctrl-C) and started again: seeds already decided
# there are skipped, and seeds recorded as undecided (the memory limit stopped them) are tried
# again. Settings from the environment: MEMORY (MB a deal for the search to the end, default
# 3000: some 100 million tables), CPU_SECONDS (processor time for it, default none), JOBS
# (deals at a time, default 2), OUT (the file), SOLVE (the program; default the native build).
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
export SOLVE OUT KINGS MEMORY=${MEMORY:-3000} CPU_SECONDS=${CPU_SECONDS:-}
export FIRST_SECONDS=${FIRST_SECONDS:-60}
if [ ! -x "$SOLVE" ]; then
    echo "solver-exhaust: build it first: cmake --build --preset native --target quenlow-solve" >&2
    exit 2
fi
[ -f "$OUT" ] || echo "seed,result,states,seconds,limit" > "$OUT"

# One search of the deal; prints "result,states,seconds,limit", or nothing when interrupted.
search() {
    local json
    json=$("$SOLVE" --seed "$1" $KINGS --json "${@:2}" || true)
    local result states seconds limit
    result=$(sed -n 's/^{"result":"\([a-z ]*\)".*/\1/p' <<< "$json")
    states=$(sed -n 's/.*"states":\([0-9]*\).*/\1/p' <<< "$json")
    seconds=$(sed -n 's/.*"seconds":\([0-9.]*\).*/\1/p' <<< "$json")
    limit=$(sed -n 's/.*"limit":"\([a-z ]*\)".*/\1/p' <<< "$json")
    [ -n "$result" ] && echo "$result,$states,$seconds,$limit"
    return 0
}
export -f search

# One deal: its line is appended whole, under a lock, when it is decided or stopped.
solve_one() {
    local seed=$1 line limits=()
    line=$(search "$seed" --max-seconds "$FIRST_SECONDS" --cpu-time)
    [ -n "$line" ] || return 0
    if [[ $line == undecided* ]]; then
        [ -n "$CPU_SECONDS" ] && limits=(--max-seconds "$CPU_SECONDS" --cpu-time)
        line=$(search "$seed" --one-try --max-memory "$MEMORY" "${limits[@]}")
        [ -n "$line" ] || return 0
    fi
    flock "$OUT" -c "echo '$seed,$line' >> '$OUT'"
    echo "seed $seed: $line"
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
