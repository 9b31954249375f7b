#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang's libFuzzer in build-fuzz/ and runs each for
# SECONDS (default 300), two at a time, from its seed corpus (only read) and a scratch corpus in
# build-fuzz/. Fails when any target found a crash, a leak or a timeout; the input that did is
# kept in build-fuzz/artifacts/<target>/ and the run's output in build-fuzz/logs/.
set -euo pipefail

seconds=${1:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz

"$root/scripts/install-deps.sh" clang-14 libclang-rt-14-dev

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWINGSTASH_FUZZ=ON -DWINGSTASH_TESTS=OFF "${launcher[@]}" >/dev/null
ninja -C "$build" -j2 fuzz_targets

# Temporary trees go to memory when it can, in a folder of this run's own: a target that
# aborts leaves its tree behind.
temp_parent=/tmp
[ -d /dev/shm ] && temp_parent=/dev/shm
TMPDIR=$(mktemp -d "$temp_parent/wingstash-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
export UBSAN_OPTIONS=print_stacktrace=1

run_target() {
    local name=$1
    local scratch=$build/corpus/$name artifacts=$build/artifacts/$name
    mkdir -p "$scratch" "$artifacts" "$build/logs"
    # Whole archives take more bytes to mean something; the text readers need few.
    local max_len=4096
    [ "$name" = archive_unpack ] && max_len=8192
    # Real add-on files, when the optional outside corpus is there, seed the readers too.
    local real=() outside=$root/../shared/fixtures/real-cfg
    case $name in aircraft_cfg | config_readers) [ -d "$outside" ] && real=("$outside") ;; esac
    local status=0
    "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$scratch" \
        "$root/tests/fuzz/corpus/$name" "${real[@]}" >"$build/logs/$name.log" 2>&1 || status=$?
    echo "$status" >"$build/logs/$name.status"
}

names=()
for source in "$root"/tests/fuzz/*Fuzz.cpp; do
    stem=$(basename "$source" Fuzz.cpp)
    names+=("$(sed -E 's/([a-z0-9])([A-Z])/\1_\2/g' <<<"$stem" | tr '[:upper:]' '[:lower:]')")
done

for name in "${names[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
    echo "Fuzzing $name for $seconds s"
    run_target "$name" &
done
wait

failed=0
for name in "${names[@]}"; do
    log=$build/logs/$name.log
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if [ "$(cat "$build/logs/$name.status")" = 0 ]; then
        printf '%-16s %12s executions, clean\n' "$name" "${runs:-?}"
    else
        failed=1
        finding=$(grep -m1 -E 'ERROR: |runtime error|invariant broken' "$log" || echo 'see the log')
        printf '%-16s %12s executions, FOUND: %s\n' "$name" "${runs:-?}" "$finding"
        printf '%18s log %s, input in %s\n' '' "$log" "$build/artifacts/$name/"
    fi
done
exit "$failed"
