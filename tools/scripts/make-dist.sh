#!/usr/bin/env bash
# Writes one archive per distribution, as a user downloads it: out/quenlow-VERSION-x86.zip from
# build/win32/dist and out/quenlow-VERSION-x64.zip from build/win64/dist, each holding one folder
# of the archive's name. VERSION is the major and minor product version of the game's version
# record. The distribution folders must have been built.
set -euo pipefail
cd "$(dirname "$0")/../.."

version=$(sed -n 's/^PRODUCTVERSION *\([0-9]*\), *\([0-9]*\),.*/\1.\2/p' game/resources/quenlow.rc)
if [ -z "$version" ]; then
  echo "make-dist: no PRODUCTVERSION in game/resources/quenlow.rc" >&2
  exit 1
fi
mkdir -p out
for pair in win32:x86 win64:x64; do
  arch=${pair%%:*}
  name=quenlow-$version-${pair#*:}
  if [ ! -f "build/$arch/dist/setup.exe" ]; then
    echo "make-dist: build/$arch/dist is not built" >&2
    exit 1
  fi
  stage=build/$arch/archive
  rm -rf "$stage" "out/$name.zip"
  mkdir -p "$stage"
  cp -r "build/$arch/dist" "$stage/$name"
  (cd "$stage" && cmake -E tar cf "../../../out/$name.zip" --format=zip "$name")
  echo "out/$name.zip"
done
