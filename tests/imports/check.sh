#!/usr/bin/env bash
# Fails when a shipped program imports a library outside the system's known libraries, or when
# setup.exe lacks a well-formed manifest that asks for administrator rights. Windows looks for
# any other imported library in the program's own folder first, and setup.exe is started,
# elevated, from folders anyone can write (a download folder): a library put there would run
# inside it. Libraries outside this list are loaded by full path in the system folder instead.
#
#   tests/imports/check.sh [ARCH...]     (win32 and win64 by default; each must be built)
set -euo pipefail
cd "$(dirname "$0")/../.."

# Known libraries of every Windows this build runs on, as the loader names them.
allowed='kernel32 user32 gdi32 advapi32 shell32 shlwapi ole32 oleaut32 comdlg32 msvcrt'

fail=0
complain() {
  echo "imports: $*" >&2
  fail=1
}

check_imports() {
  local objdump=$1 exe=$2 dll name
  local dlls
  dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')
  [ -n "$dlls" ] || complain "$exe: no import table read"
  for dll in $dlls; do
    name=$(echo "${dll%.*}" | tr '[:upper:]' '[:lower:]')
    [[ " $allowed " == *" $name "* ]] || complain "$exe imports $dll, which is no known library"
  done
}

# The manifest as stored in the program's resources.
check_manifest() {
  local exe=$1 manifest level count
  manifest=$(LC_ALL=C sed -n '/<?xml version/,/<\/assembly>/p' "$exe" |
    LC_ALL=C sed -e '1s/^.*<?xml/<?xml/' -e '$s/<\/assembly>.*$/<\/assembly>/')
  if [ -z "$manifest" ]; then
    complain "$exe carries no manifest"
    return
  fi
  if ! echo "$manifest" | xmllint --noout - 2>/dev/null; then
    complain "$exe: its manifest is not well-formed XML"
    return
  fi
  level=$(echo "$manifest" |
    xmllint --xpath "string(//*[local-name()='requestedExecutionLevel']/@level)" -)
  [ "$level" = requireAdministrator ] ||
    complain "$exe: the manifest asks for '$level', not requireAdministrator"
  count=$(echo "$manifest" | xmllint --xpath "count(//*[local-name()='supportedOS'])" -)
  [ "$count" -ge 1 ] || complain "$exe: the manifest names no supported system"
}

archs=("$@")
[ ${#archs[@]} -gt 0 ] || archs=(win32 win64)
for arch in "${archs[@]}"; do
  case $arch in
  win32) objdump=i686-w64-mingw32-objdump ;;
  win64) objdump=x86_64-w64-mingw32-objdump ;;
  *) complain "unknown arch $arch"; continue ;;
  esac
  dist=build/$arch/dist
  exes=("$dist"/*.exe "$dist"/*.EXE)
  shipped=0
  for exe in "${exes[@]}"; do
    [ -f "$exe" ] || continue
    shipped=$((shipped + 1))
    check_imports "$objdump" "$exe"
  done
  [ "$shipped" -ge 2 ] || complain "$dist: expected setup.exe and the game, found $shipped programs"
  check_manifest "$dist/setup.exe"
  echo "imports: $arch: $shipped programs checked"
done
exit $fail
