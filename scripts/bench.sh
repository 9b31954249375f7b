#!/usr/bin/env bash
# Builds the Release benchmark (build-bench/, the "bench" preset) and measures each heavy
# operation against the plainest tool doing the same disk work, on generated trees:
#   scripts/bench.sh [--runs N] [--tiny] [--build DIR]
# Prints a table of ratios and writes them to bench/results.json. Run it on a quiet machine:
# other work running at the same time skews the numbers.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=9
tiny=()
build=build-bench
json=bench/results.json
while [ $# -gt 0 ]; do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --tiny) tiny=(--tiny); shift ;;
    --build) build=$2; shift 2 ;;
    --json) json=$2; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--tiny] [--build DIR] [--json FILE]" >&2; exit 2 ;;
    esac
done

scripts/install-deps.sh
if [ "$build" = build-bench ]; then
    cmake --preset bench >/dev/null
else
    cmake -S . -B "$build" -G Ninja -DWINGSTASH_BENCH=ON >/dev/null
fi
cmake --build "$build" --target wingstash wingstash_bench wingstash_bare_window

# The trees go to memory when it can, as the tests' do; the ratios compare like with like.
parent=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && parent=/dev/shm
work=$(mktemp -d "$parent/wingstash-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
"$build/bench/wingstash_bench" --work "$work" --runs "$runs" "${tiny[@]}" --json "$json" \
    --program "$build/wingstash" --bare "$build/bench/wingstash_bare_window"
