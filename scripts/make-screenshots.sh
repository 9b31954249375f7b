#!/usr/bin/env bash
# Makes pictures of the main window on a fresh sandbox: Staging mode, Stowbay mode, resized and
# maximised, in build/window-pictures/. Without an argument the first two also become the README's
# docs/screenshots/staging.png and stowbay.png. With a scale ("2") or a logical DPI ("dpi144")
# the window is shown as on such a high-DPI screen, to check its layout there.
#   scripts/make-screenshots.sh [2|dpi144]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
scripts/make-sandbox.sh "$sandbox/box" >/dev/null

# A 1920 x 1080 screen, at 96 DPI or as asked: a device pixel ratio, or a logical DPI.
dpi=96 ratio=1 prefix=""
case "${1:-}" in
    "") ;;
    dpi*) dpi=${1#dpi} prefix="$1-" ;;
    *) ratio=$1 prefix="scale$1-" ;;
esac
screen="$sandbox/screen.json"
printf '{"screens":[{"name":"shots","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":%s,"logicalBaseDpi":96,"dpr":%s}]}\n' \
    "$dpi" "$ratio" >"$screen"
mkdir -p build/window-pictures
QT_QPA_PLATFORM="offscreen:configfile=$screen" build/wingstash_screenshots "$sandbox/box" \
    build/window-pictures "$prefix"
if [ -z "$prefix" ]; then
    mkdir -p docs/screenshots
    cp build/window-pictures/staging.png build/window-pictures/stowbay.png docs/screenshots/
fi
echo "Pictures in build/window-pictures/"
