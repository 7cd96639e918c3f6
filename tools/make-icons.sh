#!/usr/bin/env bash
# Makes the desktop icons res/icons/rawcast-<size>.png from icon 128's two XPM images.
# Larger sizes are the 32 x 32 image scaled by whole pixels (nearest neighbour), so
# they stay sharp. Run it again after changing an icon image, and commit the PNGs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
src="$top/res/ja"
out="$top/res/icons"
mkdir -p "$out"

png() { convert "$1" -sample "$2x$2" -strip "PNG32:$out/rawcast-$2.png"; }

png "$src/icon128-16.xpm" 16
for size in 32 48 64 128; do
    png "$src/icon128-32.xpm" "$size"
done
