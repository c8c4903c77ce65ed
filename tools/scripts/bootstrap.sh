#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

# Both Wines: the 32-bit packages install even where 32-bit programs cannot run, and
# tools/scripts/wine.sh then uses the 64-bit one.
packages=(cmake make g++ clang libclang-rt-14-dev clang-format libgtest-dev libgmock-dev libbenchmark-dev
          ccache g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
          binutils-mingw-w64-x86-64 wine wine32:i386 wine64
          xvfb xdotool x11-utils imagemagick libxml2-utils python3 zlib1g-dev)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
echo "bootstrap: installing ${missing[*]}" >&2
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
