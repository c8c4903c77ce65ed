#!/bin/bash
# clang-tidy over the product code and its tools, game/, setup/ and tools/, with the checks of
# .clang-tidy: the portable sources as the host build compiles them, the Win32 ones as the
# win32 preset does.
# Prints the findings and fails on any. JOBS sets the number of clang-tidy processes.
set -euo pipefail
cd "$(dirname "$0")/../.."
JOBS=${JOBS:-$(nproc)}

test -f build/native/compile_commands.json || cmake --preset native >/dev/null
# The win32 preset writes its compile commands only when asked.
cmake --preset win32 -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null

# The product sources that a build's compile commands name, under the given folders.
sources() {
  python3 - "$@" <<'PY'
import json, os, sys
build, folders = sys.argv[1], tuple(f + "/" for f in sys.argv[2:])
root = os.getcwd() + "/"
names = set()
for entry in json.load(open(os.path.join(build, "compile_commands.json"))):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root) and path[len(root):].startswith(folders) and path.endswith(".cpp"):
        names.add(path[len(root):])
print("\n".join(sorted(names)))
PY
}

# clang finds the MinGW headers by the compiler's name but not its C++ library: ask the compiler.
mingw_cxx_includes() {
  echo | i686-w64-mingw32-g++ -xc++ -E -v - 2>&1 |
    sed -n '/#include <...> search starts here:/,/End of search list./p' |
    sed -n 's|^ *\(.*/include/c++.*\)$|--extra-arg=-isystem\1|p'
}

status=0
sources build/native game setup tools |
  xargs -r -P "$JOBS" -n 4 clang-tidy --quiet -p build/native 2>/dev/null || status=1
sources build/win32 game/shell/win32 game/app setup/win32 tools/driver tools/bare-window |
  xargs -r -P "$JOBS" -n 4 clang-tidy --quiet -p build/win32 $(mingw_cxx_includes) 2>/dev/null ||
  status=1
exit $status
