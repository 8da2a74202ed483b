#!/usr/bin/env bash
# Renders the main window (over a CQ WW DX log of a few hundred contacts), each dialog, the grid styles
# and the start-up picture to docs/screenshots/*.png on the offscreen platform. Run it again whenever
# the look of the window changes.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${TALLYHAWK_BUILD:-$ROOT/build/test}"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target window_screenshots >/dev/null
QT_QPA_PLATFORM=offscreen TALLYHAWK_SERVER="$BUILD/screenshots.server" \
  "$BUILD/app/qt/window_screenshots" "$ROOT/docs/screenshots"
ls "$ROOT/docs/screenshots"
