#!/bin/sh
# Render the window and menu icons from the scalable one (needs ImageMagick
# with an SVG reader). The PNGs are committed; run this after changing the SVG.
set -eu
cd "$(dirname "$0")/../data/icons"
for size in 32 48 256; do
    convert -background none -density $((size * 3)) plane-figures.svg -resize ${size}x${size} \
        -strip "plane-figures-${size}.png"
done
# the Windows icon (program, shortcut, .pfig files): the same picture at the
# sizes Explorer asks for, from the PNGs above
convert plane-figures-256.png plane-figures-48.png plane-figures-32.png \
    \( plane-figures-32.png -resize 16x16 \) -depth 8 -strip ../windows/plane-figures.ico
