#!/usr/bin/env bash
# Renders the program's icon, scanfee.svg, to the PNG sizes the build embeds
# and installs into the hicolor theme. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p icons
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" scanfee.svg -o "icons/scanfee-$size.png"
done
