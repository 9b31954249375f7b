#!/usr/bin/env bash
# Installs the Debian 12 packages Wingstash needs to build, run and test, when any is missing.
# Packages named as arguments are wanted as well (the packaging tools, for instance).
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libarchive-dev libfontconfig-dev libgtest-dev "$@")
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
