#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds (default 10) on its corpus.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-10}
status=0
for exe in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$exe" ] || continue
  name=$(basename "$exe" | sed 's/^fuzz_//')
  corpus=tests/fuzz/corpus/$name
  work=build/fuzz/corpus/$name
  mkdir -p "$work" "$corpus"
  log=build/fuzz/$name.log
  # setup.ini may be a megabyte of anything; the other inputs are small records.
  maxlen=4096
  [ "$name" = setup_ini ] && maxlen=1048600
  if "$exe" -max_total_time="$seconds" -max_len=$maxlen -print_final_stats=1 \
       -artifact_prefix=build/fuzz/$name- "$work" "$corpus" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz $name: $runs runs in ${seconds}s, no finding"
  else
    echo "fuzz $name: FINDING (see $log)"; tail -30 "$log"; status=1
  fi
done
exit $status
