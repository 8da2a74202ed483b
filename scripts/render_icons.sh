#!/usr/bin/env bash
# Renders the PNG sizes of the program's icon from data/icons/tallyhawk.svg (rsvg-convert, librsvg2-bin).
# The PNGs are kept in the repository; run this after changing the SVG.
set -euo pipefail
ICONS=$(cd "$(dirname "$0")/../data/icons" && pwd)
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" "$ICONS/tallyhawk.svg" --output "$ICONS/tallyhawk-$size.png"
done
