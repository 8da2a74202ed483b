#!/usr/bin/env bash
# Runs every fuzz target of a build folder over its seed corpus.
#   scripts/fuzz.sh BUILD runs N       each target for N inputs (the test suite's quick pass)
#   scripts/fuzz.sh BUILD seconds S    each target for S seconds (a long run)
# New inputs go to a scratch folder, so the committed corpus stays as it is; crashes are kept in
# build/fuzz-artifacts/ for a regression test.
set -euo pipefail
BUILD=$1 KIND=$2 AMOUNT=$3
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ARTIFACTS="$ROOT/build/fuzz-artifacts"
mkdir -p "$ARTIFACTS"
case "$KIND" in
  runs) LIMIT="-runs=$AMOUNT" ;;
  seconds) LIMIT="-max_total_time=$AMOUNT" ;;
  *) echo "usage: $0 BUILD runs|seconds N" >&2; exit 2 ;;
esac
failed=0
for target in "$BUILD"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  scratch=$(mktemp -d)
  if "$target" "$LIMIT" -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
       -artifact_prefix="$ARTIFACTS/$name-" "$scratch" "$ROOT/fuzz/corpus/$name" >"$scratch.log" 2>&1; then
    echo "fuzz $name: ok ($KIND $AMOUNT)"
  else
    echo "fuzz $name: FAILED"; tail -40 "$scratch.log"; failed=1
  fi
  rm -rf "$scratch" "$scratch.log"
done
exit $failed
