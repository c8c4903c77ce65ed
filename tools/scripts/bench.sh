# What the benchmark scripts share, sourced from the top of the tree: the Wine of the first
# arch that runs here (QUENLOW_ARCH chooses), the end-to-end helpers and their output folder.
source tools/scripts/wine.sh
bench_arch=$(wine_first_arch) && wine_use "$bench_arch" || return 1
source tests/e2e/lib.sh
source tests/e2e/game.sh
E2E_OUT=$E2E_ROOT/out/bench

# Fails unless every program file given exists.
bench_need() {
  local f
  for f in "$@"; do
    if [ ! -f "$f" ]; then
      echo "bench: $f is missing (build the $E2E_ARCH preset)" >&2
      return 1
    fi
  done
}

# The median of whitespace-separated numbers on stdin (the upper one of an even count).
median() { tr ' ' '\n' | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
