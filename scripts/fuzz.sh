#!/usr/bin/env bash
# Builds the libFuzzer harnesses in build-fuzz/ (clang, ASan and UBSan) and fuzzes the level
# and OBJ parsers for VEXMOR_FUZZ_SECONDS each (default 60), starting from the shipped files,
# the hand-made seeds and earlier findings. Fails on any crash, leak, timeout or undefined
# behaviour; the input that shows it is left in build-fuzz/findings/<format>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${VEXMOR_FUZZ_SECONDS:-60}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVEXMOR_FUZZ=ON -DVEXMOR_BUILD_TESTS=OFF
cmake --build "$build" --parallel "$(nproc)" --target vexmor_fuzzers

# Big models would slow every mutation down; their first lines are seed enough.
seed_limit=16384

seed() {
    local source=$1 corpus=$2
    if [ "$(stat -c %s "$source")" -le "$seed_limit" ]; then
        cp "$source" "$corpus/"
    else
        head -c "$seed_limit" "$source" | sed '$d' >"$corpus/$(basename "$source")"
    fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
fuzz() {
    local format=$1 harness=$2
    shift 2
    local corpus="$work/$format"
    local findings="$build/findings/$format"
    mkdir -p "$corpus" "$findings"
    for source in "$@" "$root/tools/fuzz/seeds/$format"/* "$root/tests/fixtures/fuzz/$format"/*; do
        [ -f "$source" ] && seed "$source" "$corpus"
    done
    echo "Fuzzing the $format parser for $seconds s"
    # The level reader prints to standard output; -close_fd_mask=1 keeps the log readable.
    # The largest level takes seconds in this build on a busy machine; a hang takes minutes.
    if ! nice "$build/tools/fuzz/$harness" -max_total_time="$seconds" -timeout=30 \
        -rss_limit_mb=2048 -close_fd_mask=1 -print_final_stats=1 \
        -dict="$root/tools/fuzz/$format.dict" -artifact_prefix="$findings/" "$corpus"; then
        echo "FAILED: the $format fuzzer found a fault; its input is in $findings/" >&2
        status=1
    fi
}

fuzz level vexmor-fuzz-level "$root"/data/levels/*.lvl
fuzz obj vexmor-fuzz-obj "$root"/data/models/*.obj
exit $status
