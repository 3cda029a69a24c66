#!/bin/sh
# Render the window and menu icons from the scalable one (needs ImageMagick
# with an SVG reader). The PNGs are committed; run this after changing the SVG.
set -eu
cd "$(dirname "$0")/../data/icons"
for size in 32 48 256; do
    convert -background none -density $((size * 3)) plane-figures.svg -resize ${size}x${size} \
        -strip "plane-figures-${size}.png"
done
