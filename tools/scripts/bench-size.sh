#!/usr/bin/env bash
# The shipped programs' sizes against their goals, for both arches, and the archives' sizes
# where `make dist` has written them.
#
#   tools/scripts/bench-size.sh [--check]    (needs both Windows builds; --check fails when a
#                                            program is over its goal, as `make test` runs it)
#
# The programs are measured in build/ARCH/dist, as the archives hold them (stripped).
set -uo pipefail
cd "$(dirname "$0")/../.."

check=0
[ "${1:-}" = --check ] && check=1
goals=("QUENLOW.EXE 524288" "setup.exe 196608")

over=0
printf '%-6s %-12s %10s %10s %6s\n' arch file bytes goal ratio
for pair in win32:x86 win64:x64; do
  arch=${pair%%:*}
  for goal in "${goals[@]}"; do
    read -r name limit <<<"$goal"
    file=build/$arch/dist/$name
    if [ ! -f "$file" ]; then
      echo "bench-size: $file is missing (build the $arch preset)" >&2
      exit 1
    fi
    bytes=$(stat -c %s "$file")
    verdict=
    if [ "$bytes" -gt "$limit" ]; then
      verdict="  OVER"
      over=1
    fi
    printf '%-6s %-12s %10d %10d %6.2f%s\n' "$arch" "$name" "$bytes" "$limit" \
      "$(awk -v b="$bytes" -v l="$limit" 'BEGIN { print b / l }')" "$verdict"
  done
  for zip in out/quenlow-*-${pair#*:}.zip; do
    [ -f "$zip" ] && printf '%-6s %-25s %10d\n' "$arch" "${zip#out/}" "$(stat -c %s "$zip")"
  done
done
if [ "$check" -eq 1 ] && [ "$over" -eq 1 ]; then
  echo "bench-size: a shipped program is over its size goal" >&2
  exit 1
fi
exit 0
