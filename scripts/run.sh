#!/usr/bin/env bash
# Installs what is missing, builds Wingstash and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
exec build/wingstash "$@"
