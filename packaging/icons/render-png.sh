#!/bin/sh
# Renders the window icon's bitmaps from the SVG; run after changing the SVG, then commit them.
# PNG rather than SVG in the window, so the program needs no SVG image plugin at run time.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" org.orvelle.Kalvio.svg -o "png/org.orvelle.Kalvio-$size.png"
done
