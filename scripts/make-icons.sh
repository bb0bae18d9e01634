#!/usr/bin/env bash
# Renders the program's icon, dist/icons/glimmora.svg, into the PNG sizes of
# the hicolor icon theme (dist/icons/hicolor/NxN/glimmora.png). Run it after
# changing the SVG and commit the PNG files with it; the build installs them
# as they are. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../dist/icons"
if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "make-icons.sh: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2
  exit 1
fi
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}"
  rsvg-convert --width "$size" --height "$size" glimmora.svg -o "hicolor/${size}x${size}/glimmora.png"
done
echo "Rendered $(ls hicolor | wc -l) sizes into dist/icons/hicolor"
