#!/usr/bin/env bash
# Renders the PNG icons in data/icons/ from the SVG drawing, at the sizes desktops look for.
# Run it after changing the drawing and commit the PNGs: the build itself needs no renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null; then
    echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
    exit 1
fi
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" data/com.zentrabe.miravel.svg -o "data/icons/$size.png"
done
