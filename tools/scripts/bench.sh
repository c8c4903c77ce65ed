# Shell helpers the benchmark scripts share.

# The median of whitespace-separated numbers on stdin (the upper one of an even count).
median() { tr ' ' '\n' | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
