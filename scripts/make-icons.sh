#!/usr/bin/env bash
# Renders the icon's PNG sizes from its SVG (ImageMagick). The PNGs are kept in the repository,
# so building needs no SVG renderer; run this again after changing the SVG. PNG32 is 8 bits a
# channel: 16 bits cost Qt twice the decoding at start-up, and no screen shows them.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 24 32 48 64 128 256; do
    convert -background none -density 300 org.wingstash.Wingstash.svg -resize "${size}x${size}" \
        -strip "png32:${size}.png"
done
