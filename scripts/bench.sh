#!/usr/bin/env bash
# Builds the Release benchmark (build-bench/, the "bench" preset) and measures each heavy
# operation against the plainest tool doing the same disk work, on generated trees of the usual
# size and of ten times that size:
#   scripts/bench.sh [--runs N] [--tiny] [--scale 1,10] [--build DIR]
# Prints a table per size and writes them to bench/results.json. Run it on a quiet machine:
# other work running at the same time skews the numbers.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=9
tiny=()
scale=1,10
build=build-bench
json=bench/results.json
while [ $# -gt 0 ]; do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --tiny) tiny=(--tiny); scale=1; shift ;;
    --scale) scale=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --json) json=$2; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--tiny] [--scale 1,10] [--build DIR] [--json FILE]" >&2; exit 2 ;;
    esac
done

scripts/install-deps.sh
if [ "$build" = build-bench ]; then
    cmake --preset bench >/dev/null
else
    cmake -S . -B "$build" -G Ninja -DWINGSTASH_BENCH=ON >/dev/null
fi
cmake --build "$build" --target wingstash wingstash_bench wingstash_bare_window wingstash_child_runner

# The trees go to memory when it can, as the tests' do; the ratios compare like with like.
parent=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && parent=/dev/shm
work=$(mktemp -d "$parent/wingstash-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/wingstash_bench" --work "$work" --runs "$runs" "${tiny[@]}" --scale "$scale" \
    --json "$json" \
    --program "$build/wingstash" --bare "$build/bench/wingstash_bare_window"
echo "load average afterwards $(cut -d' ' -f1-3 /proc/loadavg)"
