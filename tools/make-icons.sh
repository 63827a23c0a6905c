#!/usr/bin/env bash
# Draws the PNG sizes of Kerlanic's icon, and the Windows .ico, from desktop/kerlanic.svg.
# Run by hand after changing the SVG, then commit the pictures: the build never draws them, so it
# needs neither librsvg nor ImageMagick.
#   apt-get install librsvg2-bin imagemagick && tools/make-icons.sh
set -euo pipefail
cd "$(dirname "$0")/../desktop"
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    rsvg-convert --width "$size" --height "$size" kerlanic.svg --output "icons/kerlanic-$size.png"
done
# Explorer and the taskbar take the icon of the .exe from this file.
convert icons/kerlanic-{16,24,32,48,64,256}.png kerlanic.ico
