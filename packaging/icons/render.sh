#!/usr/bin/env bash
# Draws the icon's PNG sizes for the hicolor theme: the 32 x 32 one from the window's own icon,
# the others from carrowby.svg. Run after changing either; needs librsvg2-bin and imagemagick.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 48 64 128 256; do
    rsvg-convert -w $size -h $size carrowby.svg -o carrowby-$size.png
done
convert ../../toolkit/carrowby.xpm -strip carrowby-32.png
