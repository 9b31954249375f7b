#!/bin/sh
# Times the package scan against `find` on the same generated tree, in one run.
# Usage: bench/compare.sh [build-folder]   (configured with -DWINGSTASH_BENCH=ON)
set -eu
build=${1:-build-bench}
bench="$build/bench/wingstash_bench"
[ -x "$bench" ] || { echo "build $bench first (cmake -DWINGSTASH_BENCH=ON)" >&2; exit 1; }

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

WINGSTASH_BENCH_TREE="$tree" "$bench" --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true

runs=20
start=$(date +%s%N)
i=0
while [ $i -lt $runs ]; do
    find "$tree" -type f >/dev/null
    i=$((i + 1))
done
end=$(date +%s%N)
files=$(find "$tree" -type f | wc -l)
echo "find -type f over $files files: $(( (end - start) / runs / 1000 )) us per walk"
