#!/usr/bin/env bash
# Writes one archive per distribution, as a user downloads it: out/quenlow-VERSION-x86.zip from
# build/win32/dist and out/quenlow-VERSION-x64.zip from build/win64/dist, each holding one folder
# of the archive's name, and out/SHA256SUMS for the two. VERSION is the major and minor product
# version of the game's version record. The distribution folders must have been built.
#
# The same sources give the same archive bytes: the entries are in a fixed order and carry the
# time of the last commit (or SOURCE_DATE_EPOCH where it is set).
set -euo pipefail
cd "$(dirname "$0")/../.."

version=$(sed -n 's/^PRODUCTVERSION *\([0-9]*\), *\([0-9]*\),.*/\1.\2/p' game/resources/quenlow.rc)
if [ -z "$version" ]; then
  echo "make-dist: no PRODUCTVERSION in game/resources/quenlow.rc" >&2
  exit 1
fi
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || {
    echo "make-dist: no commit to date the archives by; set SOURCE_DATE_EPOCH" >&2
    exit 1
  }
fi
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C

mkdir -p out
archives=()
for pair in win32:x86 win64:x64; do
  arch=${pair%%:*}
  name=quenlow-$version-${pair#*:}
  if [ ! -f "build/$arch/dist/setup.exe" ]; then
    echo "make-dist: build/$arch/dist is not built" >&2
    exit 1
  fi
  rm -f "out/$name.zip"
  python3 tools/scripts/zip-folder.py "out/$name.zip" "build/$arch/dist" "$name"
  archives+=("$name.zip")
  echo "out/$name.zip"
done
(cd out && sha256sum "${archives[@]}" >SHA256SUMS)
echo "out/SHA256SUMS"
