#!/usr/bin/env bash
# Draws Wingstash's own window pictures into resources/ with ImageMagick (convert):
#   welcome.jpg       the welcome state (700 x 475)
#   StowbayGrey.jpg   Staging mode backdrop
#   stowbayblue.jpg   Stowbay mode backdrop
#   StowbayEE.jpg     shown when a package has no picture
# Everything is drawn from the shapes below; nothing is fetched. Run from anywhere.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../resources}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

title_font="DejaVu-Sans-ExtraLight"
text_font="DejaVu-Sans"
# Baseline, not progressive: a baseline JPEG decodes in a third of the time, and the welcome
# picture is decoded while the program starts.
jpeg=(-strip -sampling-factor 4:2:0 -quality 86 -interlace none)

# A light aircraft seen from the side, nose to the right, low wing toward the viewer.
# About 230 units long, centred on 0,0.
aircraft_side() {
    cat <<'MVG'
path 'M 112,0 C 110,-8 104,-12 94,-13 L 48,-14 C 36,-28 10,-30 -8,-27 L -28,-18 L -92,-9
      L -103,-39 C -106,-43 -114,-43 -116,-39 L -116,-4 L -112,4 L -90,5 L 20,13
      C 70,14 100,10 112,0 Z'
path 'M 58,9 L 40,33 C 37,37 17,37 13,34 L 0,11 Z'
path 'M -82,2 L -95,12 C -98,15 -107,15 -109,12 L -106,3 Z'
MVG
}

# The same aircraft seen from above, nose up, about 400 units across the wings.
aircraft_top() {
    cat <<'MVG'
path 'M 0,-150 C 10,-150 15,-122 15,-90 L 12,100 L 6,152 L -6,152 L -12,100 L -15,-90
      C -15,-122 -10,-150 0,-150 Z'
path 'M 14,-42 L 192,-26 C 199,-24 199,-7 192,-5 L 14,12 Z'
path 'M -14,-42 L -192,-26 C -199,-24 -199,-7 -192,-5 L -14,12 Z'
path 'M 9,110 L 72,118 C 76,119 76,133 72,134 L 8,140 Z'
path 'M -9,110 L -72,118 C -76,119 -76,133 -72,134 L -8,140 Z'
path 'M 3,96 L 5,72 L 2,66 L -2,66 L -5,72 L -3,96 Z'
MVG
}

# A vertical gradient through several colours: gradient W H colour...
gradient() {
    local width=$1 height=$2
    shift 2
    local stops=()
    for colour in "$@"; do stops+=("xc:$colour"); done
    convert "${stops[@]}" -append -filter Triangle -resize "1x${height}!" -scale "${width}x${height}!" "$work/gradient.png"
}

# ---------------------------------------------------------------- welcome.jpg
W=700 H=475 HORIZON=322 VX=462

gradient $W $HORIZON '#070d22' '#141c44' '#2c2d62' '#62406f' '#b45a63' '#f08a50' '#ffc070'
cp "$work/gradient.png" "$work/sky.png"

# Stars fade out toward the glow.
awk -v w=$W 'BEGIN { srand(2000); for (i = 0; i < 90; i++) { x = rand() * w; y = rand() * rand() * 170;
    a = (0.25 + rand() * 0.6) * (1 - y / 190); r = rand() < 0.12 ? 1.1 : 0.6;
    printf "fill rgba(255,250,235,%.2f) circle %.1f,%.1f %.1f,%.1f\n", a, x, y, x + r, y } }' >"$work/stars.mvg"
convert "$work/sky.png" -draw "$(cat "$work/stars.mvg")" "$work/sky.png"

# The sun has just set behind the hills: a warm glow low on the horizon.
# A square gradient reaches black at its edges, so the wider ellipse leaves no seam.
convert -size 600x600 radial-gradient:'#d9a070-black' -resize 1100x560! "$work/glow.png"
convert "$work/sky.png" "$work/glow.png" -geometry -80+42 -compose Screen -composite "$work/sky.png"

# Ground below the horizon.
gradient $W $((H - HORIZON)) '#2a2646' '#171831' '#0a0c18'
convert "$work/sky.png" "$work/gradient.png" -append "$work/scene.png"

# Far and near hills.
convert "$work/scene.png" \
    -fill '#3b2f55' -draw "path 'M 0,$((HORIZON + 1)) L 0,300 C 60,290 110,296 170,302 C 230,306 260,292 330,296
        C 400,300 430,312 480,314 C 540,316 600,298 650,294 C 680,292 700,296 700,298 L 700,$((HORIZON + 1)) Z'" \
    -fill '#221f3d' -draw "path 'M 0,$((HORIZON + 1)) L 0,312 C 80,304 140,316 220,314 C 300,312 340,318 400,320
        L 560,321 C 610,316 660,308 700,310 L 700,$((HORIZON + 1)) Z'" \
    "$work/scene.png"

# The last light on the plain, and a few far-off lights along the horizon.
convert -size 600x600 radial-gradient:'#2c2234-black' -resize 1000x160! "$work/groundglow.png"
convert "$work/scene.png" "$work/groundglow.png" -geometry -40+$((HORIZON - 20)) -compose Screen -composite \
    "$work/scene.png"
awk -v hz=$HORIZON 'BEGIN { srand(1999); for (i = 0; i < 46; i++) { x = rand() * 700; if (x > 380 && x < 560) continue;
    y = hz + 1 + rand() * rand() * 9; a = 0.35 + rand() * 0.5;
    printf "fill rgba(255,214,150,%.2f) circle %.1f,%.1f %.1f,%.1f\n", a, x, y, x + 0.7, y } }' >"$work/town.mvg"
convert "$work/scene.png" -draw "$(cat "$work/town.mvg")" "$work/scene.png"

# The runway in perspective: rows at distance d sit at HORIZON + K / d.
awk -v hz=$HORIZON -v vx=$VX -v h=$H 'BEGIN {
    K = 1900; half = 2.6;                 # half width of the runway, in the same units as d
    near = K / (h - hz) * 0.78; far = 60;
    # Asphalt.
    printf "fill #1b1d2c path %c", 39
    printf "M %.1f,%.1f L %.1f,%.1f ", vx - half * (K / far) / 4.2, hz + K / far, vx + half * (K / far) / 4.2, hz + K / far
    printf "L %.1f,%.1f L %.1f,%.1f Z%c\n", vx + half * (K / near) / 4.2, hz + K / near, vx - half * (K / near) / 4.2, hz + K / near, 39
    # Centre line dashes.
    for (d = far; d > near; d -= 5.5) {
        d2 = d - 2.6; if (d2 < near) d2 = near;
        y1 = hz + K / d; y2 = hz + K / d2; w1 = 0.09 * (K / d) / 4.2; w2 = 0.09 * (K / d2) / 4.2;
        printf "fill rgba(235,232,220,0.85) polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f\n",
            vx - w1, y1, vx + w1, y1, vx + w2, y2, vx - w2, y2
    }
    # Threshold bars close to the viewer.
    for (b = -4; b <= 4; b++) { if (b == 0) continue;
        x = b * 0.5; d = near * 1.35; d2 = near * 1.12;
        y1 = hz + K / d; y2 = hz + K / d2; s1 = (K / d) / 4.2; s2 = (K / d2) / 4.2;
        printf "fill rgba(235,232,220,0.55) polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f\n",
            vx + (x - 0.16) * s1, y1, vx + (x + 0.16) * s1, y1, vx + (x + 0.16) * s2, y2, vx + (x - 0.16) * s2, y2
    }
}' >"$work/runway.mvg"
convert "$work/scene.png" -draw "$(cat "$work/runway.mvg")" "$work/scene.png"

# Edge lights, drawn on their own layer and blurred into a glow.
awk -v hz=$HORIZON -v vx=$VX -v h=$H 'BEGIN {
    K = 1900; half = 2.75; near = K / (h - hz) * 0.78;
    for (d = 60; d > near * 0.9; d -= 3.2) { y = hz + K / d; s = (K / d) / 4.2; r = 0.35 + 9 / d;
        printf "fill #ffd58a circle %.1f,%.1f %.1f,%.1f\n", vx - half * s, y, vx - half * s + r, y
        printf "fill #ffd58a circle %.1f,%.1f %.1f,%.1f\n", vx + half * s, y, vx + half * s + r, y }
    for (i = -6; i <= 6; i++) { x = i * 0.45; d = near * 1.5; y = hz + K / d; s = (K / d) / 4.2;
        printf "fill #7dffa8 circle %.1f,%.1f %.1f,%.1f\n", vx + x * s, y, vx + x * s + 1.4, y }
}' >"$work/lights.mvg"
convert -size ${W}x${H} xc:black -draw "$(cat "$work/lights.mvg")" "$work/lights.png"
convert "$work/lights.png" \( +clone -blur 0x4 -evaluate multiply 1.8 \) -compose Screen -composite "$work/lights.png"
convert "$work/scene.png" "$work/lights.png" -compose Screen -composite "$work/scene.png"

# The aircraft climbing out into the dusk, with a soft rim of light from the west.
{
    echo "push graphic-context"
    echo "translate 548,168 rotate -11 scale 1.05,1.05"
    echo "fill #0d1226"
    aircraft_side
    echo "fill rgba(255,170,110,0.55) path 'M 45,-15 C 35,-25 12,-26 -4,-24 L -18,-17 Z'"
    echo "fill rgba(200,210,255,0.28) ellipse 114,0 2.5,27 0,360"
    echo "pop graphic-context"
} >"$work/aircraft.mvg"
convert "$work/scene.png" -draw "$(cat "$work/aircraft.mvg")" "$work/scene.png"

# A faint trail behind it.
convert -size ${W}x${H} xc:none -stroke 'rgba(255,225,200,0.35)' -strokewidth 1.4 -fill none \
    -draw "path 'M 425,198 C 330,225 220,245 80,262'" -blur 0x1.2 "$work/trail.png"
convert "$work/scene.png" "$work/trail.png" -compose Over -composite "$work/scene.png"

# The name, in light type at the bottom left, over the dark ground: the window's own welcome
# heading sits at the top left.
convert "$work/scene.png" \
    \( -size ${W}x${H} xc:none -font "$title_font" -pointsize 46 -kerning 3 -fill 'rgba(0,0,0,0.55)' \
        -annotate +28+432 'Wingstash' -blur 0x3 \) -compose Over -composite \
    -font "$title_font" -pointsize 46 -kerning 3 -fill '#f4f1ea' -annotate +26+430 'Wingstash' \
    -font "$text_font" -pointsize 9.5 -kerning 1.6 -fill '#c8c6e0' \
    -annotate +29+452 'ADD-ON HANGAR FOR FLIGHT SIMULATOR 2000' \
    "${jpeg[@]}" "$out/welcome.jpg"

# ------------------------------------------------------------- mode backdrops
# A brushed, softly lit backdrop with a large aircraft seen from above, barely there.
backdrop() {
    local name=$1 light=$2 dark=$3 motif=$4
    local BW=1000 BH=750
    convert -size ${BW}x${BH} radial-gradient:"$light-$dark" -distort SRT '0,0 1.6,1.2 0 0,0' \
        "$work/base.png"
    convert -size ${BW}x${BH} xc:gray50 -seed 1969 +noise Gaussian -colorspace Gray \
        -motion-blur 0x18+8 -level 35%,65% "$work/grain.png"
    convert "$work/base.png" \( "$work/grain.png" -evaluate multiply 0.14 -evaluate add 43% \) \
        -compose Overlay -composite "$work/base.png"
    {
        echo "push graphic-context"
        echo "translate 720,470 rotate 32 scale 1.55,1.55"
        echo "fill $motif"
        aircraft_top
        echo "pop graphic-context"
    } >"$work/motif.mvg"
    convert "$work/base.png" -draw "$(cat "$work/motif.mvg")" \
        \( -size ${BW}x${BH} radial-gradient:'rgba(0,0,0,0)-rgba(0,0,0,0.45)' \) -compose Over -composite \
        "${jpeg[@]}" -quality 80 "$out/$name"
}
backdrop StowbayGrey.jpg '#5a5d63' '#1f2024' 'rgba(255,255,255,0.04)'
backdrop stowbayblue.jpg '#2f5fa8' '#0b1f45' 'rgba(200,225,255,0.05)'

# -------------------------------------------------------------- StowbayEE.jpg
CW=400 CH=300
{
    echo "push graphic-context"
    echo "translate 200,126 scale 0.66,0.66"
    echo "fill white"
    aircraft_side
    echo "pop graphic-context"
} >"$work/outline.mvg"
# One outline around the whole shape: the silhouette grown by a pen width, less itself.
convert -size ${CW}x${CH} xc:black -draw "$(cat "$work/outline.mvg")" "$work/mask.png"
convert "$work/mask.png" \( +clone -morphology Dilate Disk:2 \) -compose Difference -composite \
    "$work/ring.png"
convert -size ${CW}x${CH} xc:'#8c95a9' "$work/ring.png" -alpha off -compose CopyOpacity -composite \
    "$work/outline.png"
convert -size ${CW}x${CH} xc:'#eceff5' "$work/mask.png" -alpha off -compose CopyOpacity -composite \
    "$work/fill.png"
gradient $CW $CH '#eef0f4' '#dfe3ea'
convert "$work/gradient.png" \
    \( -size ${CW}x${CH} xc:none -fill 'rgba(40,50,80,0.18)' -draw 'roundrectangle 26,22 374,282 14,14' -blur 0x6 \) \
    -compose Over -composite \
    -fill '#f9fafc' -stroke '#c9ced9' -strokewidth 1 -draw 'roundrectangle 24,18 376,278 14,14' \
    -stroke none "$work/fill.png" -compose Over -composite "$work/outline.png" -compose Over -composite \
    -fill '#d5dae4' -draw 'rectangle 120,188 280,189' \
    -font "$text_font" -pointsize 20 -kerning 1 -fill '#6f7789' -gravity North -annotate +0+206 'No picture' \
    -font "$text_font" -pointsize 10.5 -fill '#9aa1b0' -annotate +0+238 'This package has no image files' \
    "${jpeg[@]}" -quality 90 "$out/StowbayEE.jpg"

ls -l "$out"/welcome.jpg "$out"/StowbayGrey.jpg "$out"/stowbayblue.jpg "$out"/StowbayEE.jpg
