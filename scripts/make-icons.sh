#!/usr/bin/env bash
# Renders the icon's PNG sizes from its SVG (ImageMagick). The PNGs are kept in the repository,
# so building needs no SVG renderer; run this again after changing the SVG. PNG32 is 8 bits a
# channel: no screen shows 16, and they cost twice the decoding wherever the icon is read.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 24 32 48 64 128 256; do
    convert -background none -density 300 org.wingstash.Wingstash.svg -resize "${size}x${size}" \
        -strip "png32:${size}.png"
done
