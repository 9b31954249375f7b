#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program: every file lands
# where a Linux desktop looks for it, --help and --version answer without a display, and the
# program starts offscreen from the prefix and ends cleanly.
# Usage: installed-program.sh BUILD-FOLDER VERSION PROGRAM
# Exits 77 (skipped) when the build has not made the program, as a build of the tests alone.
set -euo pipefail
build=$1
version=$2
[ -x "$3" ] && [ -f "$build/packaging/wingstash.1.gz" ] || exit 77
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.wingstash.Wingstash
for file in bin/wingstash share/wingstash/readme.txt share/wingstash/StowbayGrey.jpg \
    share/wingstash/stowbayblue.jpg share/wingstash/StowbayEE.jpg \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
    share/man/man1/wingstash.1.gz share/doc/wingstash/copyright; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done

program="$prefix/bin/wingstash"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --version)
[ "$answer" = "Wingstash $version" ] || { echo "--version said: $answer"; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help | grep -q -- '--version' ||
    { echo "--help does not list --version"; exit 1; }

# Installed, the program keeps ws.ini in the user's configuration folder, although its own
# folder is writable here; the build's marker is not installed.
[ ! -e "$prefix/bin/wingstash-build-tree" ] || { echo "the build marker was installed"; exit 1; }
mkdir -p "$prefix/run/Staging" "$prefix/run/Stowbay" "$prefix/run/FS2000/Aircraft" \
    "$prefix/run/.config/Wingstash"
printf 'STAGINGDIR=%s/\nSTOWBAYDIR=%s/\nMSFSDIR=%s/\n' "$prefix/run/Staging" \
    "$prefix/run/Stowbay" "$prefix/run/FS2000" >"$prefix/run/.config/Wingstash/ws.ini"
env -u XDG_CONFIG_HOME HOME="$prefix/run" QT_QPA_PLATFORM=offscreen WINGSTASH_QUIT_WHEN_SHOWN=1 \
    timeout 60 "$program"
[ ! -e "$prefix/bin/ws.ini" ] || { echo "the installed program wrote ws.ini into bin/"; exit 1; }
[ -d "$prefix/run/Stowbay/Aircraft - Heavy Jets" ] || { echo "the installed program did not start up"; exit 1; }
