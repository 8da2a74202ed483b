#!/usr/bin/env bash
# Runs every benchmark of a build folder and prints one table: benchmark, real time, CPU time.
# Extra arguments go to every benchmark (e.g. --benchmark_filter=Save).
set -euo pipefail
BUILD=$1
shift
printf '%-60s %14s %14s  %s\n' "benchmark" "real time" "CPU time" "counters"
for bench in "$BUILD"/bench/bench_*; do
  [ -x "$bench" ] || continue
  "$bench" --benchmark_format=csv "$@" 2>/dev/null |
    awk -F, -v program="$(basename "$bench")" '
      /^name,/ { header = 1; for (i = 1; i <= NF; ++i) { column[i] = $i; gsub(/"/, "", column[i]) }; next }
      header && NF >= 5 {
        name = $1; gsub(/"/, "", name)
        if (name ~ /_(mean|stddev|cv)$/) next   # the median stands for repeated runs
        counters = ""
        for (i = 11; i <= NF; ++i) if ($i != "") counters = counters " " column[i] "=" $i
        printf "%-60s %11.3f %-2s %11.3f %-2s %s\n", program ": " name, $3, $5, $4, $5, counters
      }'
done
