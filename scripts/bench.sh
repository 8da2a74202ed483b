#!/usr/bin/env bash
# Runs every benchmark of a build folder and prints one table.
set -euo pipefail
BUILD=$1
shift
for bench in "$BUILD"/bench/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" --benchmark_format=console "$@" 2>&1 | grep -v -E '^\*\*\*|^-+$|^Run on|^CPU Caches|^  L[0-9]|^Load Average|^[0-9]{4}-'
done
