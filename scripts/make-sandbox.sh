#!/usr/bin/env bash
# Makes a ready-to-try sandbox: an empty Staging folder holding one sample add-on, an empty
# store, and a pretend simulator folder with Aircraft, Gauges and Sound.
#   scripts/make-sandbox.sh [folder]      (default: ./sandbox; an existing sandbox is kept)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(realpath -m "${1:-sandbox}")
if [ -e "$root" ]; then
    echo "$root already exists; remove it first to start afresh." >&2
    exit 1
fi

mkdir -p "$root/Staging" "$root/Stowbay" "$root/FS2000/Aircraft" "$root/FS2000/Gauges" \
    "$root/FS2000/Sound" "$root/Samples"

crlf() { sed 's/$/\r/'; }
# A tiny but valid 1x1 bitmap and a silent wave file, so viewers open them.
bitmap() { printf 'BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x04\0\0\0\x13\x0b\0\0\x13\x0b\0\0\0\0\0\0\0\0\0\0\x80\x80\x80\0' >"$1"; }
wave() { printf 'RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x11\x2b\0\0\x11\x2b\0\0\x01\0\x08\0data\0\0\0\0' >"$1"; }
gauge() { printf 'MZ gauge module %s\n' "$2" >"$1"; }

make_kestrel() {
    local dir=$1
    mkdir -p "$dir/model" "$dir/panel" "$dir/sound" "$dir/texture"
    crlf >"$dir/aircraft.cfg" <<'CFG'
[fltsim.0]
title=Kestrel K-9 Trainer
sim=kestrel_k9
model=
panel=
sound=
texture=
kb_checklists=kestrel_check
ui_manufacturer=Kestrel Aero
ui_type=K-9 Trainer
ui_variation=Club colours

[General]
atc_type=Kestrel
performance=Cruise speed 105 kts
CFG
    crlf >"$dir/model/model.cfg" <<'CFG'
[models]
normal=kestrel_k9
CFG
    printf 'MDL sample model\n' >"$dir/model/kestrel_k9.mdl"
    printf 'AIR sample flight model\n' >"$dir/kestrel_k9.air"
    crlf >"$dir/kestrel_check.txt" <<'TXT'
Kestrel K-9 checklist
Before start: fuel on, mixture rich, master on.
TXT
    crlf >"$dir/panel/panel.cfg" <<'CFG'
[Window Titles]
Window00=Main Panel

[Window00]
file=kestrel_panel.bmp
size_mm=640,480
position=7
visible=1
ident=MAIN_PANEL
gauge00=kestrel!Airspeed, 40,60,90,90
gauge01=kestrel!Altimeter, 140,60,90,90
gauge02=kestrel_radio!Nav Comm, 240,60,200,60
CFG
    bitmap "$dir/panel/kestrel_panel.bmp"
    gauge "$dir/panel/kestrel.gau" kestrel
    gauge "$dir/panel/kestrel_radio.gau" kestrel_radio
    gauge "$dir/panel/unused_clock.gau" unused_clock
    crlf >"$dir/sound/sound.cfg" <<'CFG'
[ENGINE_GENERIC]
filename=kestrel_engine
[STALL_WARNING]
filename=kestrel_stall
CFG
    wave "$dir/sound/kestrel_engine.wav"
    wave "$dir/sound/kestrel_stall.wav"
    wave "$dir/sound/kestrel_click.wav"
    bitmap "$dir/texture/kestrel_k9_t.bmp"
    bitmap "$dir/texture/kestrel_k9_wing.bmp"
    printf 'AF sample texture\n' >"$dir/texture/kestrel_k9.oaf"
    crlf >"$dir/Readme.txt" <<'TXT'
Kestrel K-9 Trainer - a sample add-on made for trying Wingstash.
Freeware.  No real aircraft is modelled.
TXT
    [ -f resources/welcome.jpg ] && cp resources/welcome.jpg "$dir/kestrel_preview.jpg"
    return 0
}

make_kestrel "$root/Staging/Kestrel K-9"

# Two more add-ons to copy into Staging by hand: one with two liveries (a configuration to
# choose), one whose panel bitmap comes twice (a file to keep).
make_kestrel "$root/Samples/Kestrel two liveries"
mkdir -p "$root/Samples/Kestrel two liveries/texture.red"
bitmap "$root/Samples/Kestrel two liveries/texture.red/kestrel_k9_t.bmp"
crlf >>"$root/Samples/Kestrel two liveries/aircraft.cfg" <<'CFG'

[fltsim.1]
title=Kestrel K-9 Trainer Red
sim=kestrel_k9
model=
panel=
sound=
texture=red
CFG
make_kestrel "$root/Samples/Kestrel duplicate bitmap"
mkdir -p "$root/Samples/Kestrel duplicate bitmap/extras"
bitmap "$root/Samples/Kestrel duplicate bitmap/extras/kestrel_panel.bmp"
printf 'an older copy\n' >>"$root/Samples/Kestrel duplicate bitmap/extras/kestrel_panel.bmp"

cat <<TXT
Sandbox ready in $root
In Wingstash's Locations dialog (first start, or File > Locations) enter:
  Staging Directory        $root/Staging/
  Stowbay Directory        $root/Stowbay/
  MS Flight Sim Directory  $root/FS2000/
More sample add-ons to copy into Staging are in $root/Samples/.
TXT
