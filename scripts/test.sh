#!/usr/bin/env bash
# Installs what is missing, builds Wingstash and runs every test. Under CI the tests run a
# second time in a build with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
ctest --test-dir build --output-on-failure
if [ "${CI:-}" = "true" ] || [ "${WINGSTASH_SANITIZE:-}" = "1" ]; then
    scripts/build.sh build-sanitize -DWINGSTASH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ctest --test-dir build-sanitize --output-on-failure
fi
