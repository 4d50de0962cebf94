#!/usr/bin/env bash
# Renders packaging/icons/cambist.svg into the PNG sizes desktops ask for.
# Run it after changing the drawing; it needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 16 22 24 32 48 64 128 256 512; do
    rsvg-convert -w "$size" -h "$size" cambist.svg -o "cambist-$size.png"
done
