#!/usr/bin/env bash
# Shows that the archives are reproducible: `make dist` in two fresh clones of the last commit,
# in folders of different names and one after the other (so at different times), with no
# compiler cache, must give the same archive bytes. Not part of `make test`: each clone is a
# whole build from nothing.
#
#   tools/scripts/check-reproducible.sh [WORK_DIR]    (default: a new temporary folder,
#                                                      removed at the end when the bytes match)
#
# Only committed work is built. Prints each build's minutes and both SHA256SUMS; exits 1 and
# names the entries that differ when the archives do.
set -uo pipefail
cd "$(dirname "$0")/../.."

work=${1:-$(mktemp -d)}
mkdir -p "$work"
commit=$(git rev-parse HEAD)
clones=("$work/first" "$work/a-second-clone-elsewhere")

for clone in "${clones[@]}"; do
  rm -rf "$clone"
  git clone --quiet --no-local . "$clone" && git -C "$clone" checkout --quiet "$commit" || exit 1
  start=$(date +%s)
  if ! (cd "$clone" && CCACHE_DISABLE=1 make dist >"$clone.log" 2>&1); then
    echo "check-reproducible: make dist failed in $clone (see $clone.log)" >&2
    exit 1
  fi
  elapsed=$(($(date +%s) - start))
  echo "$(basename "$clone"): make dist took $((elapsed / 60)) min $((elapsed % 60)) s"
  cat "$clone/out/SHA256SUMS"
done

if cmp -s "${clones[0]}/out/SHA256SUMS" "${clones[1]}/out/SHA256SUMS"; then
  echo "check-reproducible: the archives of $commit are the same bytes"
  [ $# -eq 0 ] && rm -rf "$work"
  exit 0
fi
echo "check-reproducible: the archives differ; entries that differ:" >&2
for zip in "${clones[0]}"/out/*.zip; do
  python3 - "$zip" "${clones[1]}/out/$(basename "$zip")" <<'PY' >&2
import sys, zipfile
a, b = (zipfile.ZipFile(p) for p in sys.argv[1:])
names = sorted(set(a.namelist()) | set(b.namelist()))
for n in names:
    if n not in a.namelist() or n not in b.namelist() or a.read(n) != b.read(n):
        print("  " + n)
    elif a.getinfo(n).date_time != b.getinfo(n).date_time:
        print("  " + n + " (time)")
PY
done
echo "check-reproducible: both trees are kept in $work" >&2
exit 1
