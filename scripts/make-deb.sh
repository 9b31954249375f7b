#!/usr/bin/env bash
# Builds the Debian package build-deb/wingstash_VERSION_ARCH.deb and checks it the way Debian
# does: desktop-file-validate, appstreamcli validate and lintian (no errors allowed).
# Install it with:  sudo apt install ./build-deb/wingstash_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev file lintian desktop-file-utils appstream
scripts/build.sh build-deb -DCMAKE_BUILD_TYPE=Release -DWINGSTASH_TESTS=OFF
(cd build-deb && rm -f ./*.deb && cpack -G DEB >/dev/null)
package=$(ls build-deb/wingstash_*.deb)

desktop-file-validate resources/org.wingstash.Wingstash.desktop
appstreamcli validate --no-net --pedantic build-deb/packaging/org.wingstash.Wingstash.metainfo.xml
lintian --fail-on error "$package"
# Files and folders are opened through xdg-open, and libarchive is loaded with the first archive:
# shlibdeps sees neither.
for needed in xdg-utils libarchive13; do
  dpkg-deb --field "$package" Depends | grep -qw "$needed" ||
    { echo "$package does not depend on $needed" >&2; exit 1; }
done
echo "Built $package"
