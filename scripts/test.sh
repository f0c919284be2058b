#!/usr/bin/env bash
# Sets up, builds and runs every test: once optimised, once under
# AddressSanitizer and UndefinedBehaviorSanitizer (the fuzz preset, which also
# runs every fuzz target over its kept inputs). clang-tidy checks the program's
# sources beside the optimised tests, and each fuzz target fuzzes for a bounded
# time (STAKEWELL_FUZZ_SECONDS, 30 unless given) beside the sanitizer tests,
# so that no step waits for a processor another leaves idle; fuzzing lasts
# its set time whatever share of the processor it gets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT

build() {
    echo "=== $1 build"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

# A step run in the background, its output held back until it is collected.
start_beside() {
    beside_log=$(mktemp)
    "$@" >"$beside_log" 2>&1 &
    beside=$!
}
collect_beside() {
    echo "=== $1"
    local status=0
    wait "$beside" || status=$?
    cat "$beside_log"
    rm -f "$beside_log"
    if ((status != 0)); then
        echo "$1 failed" >&2
        exit 1
    fi
}

build dev
start_beside bash scripts/tidy.sh build/dev
echo "=== dev tests"
ctest --preset dev -j2
collect_beside clang-tidy

build fuzz
# All targets at once and at a lower priority: the tests finish sooner, the
# fuzzers take what processor the tests leave, and fuzzing ends within its
# time however many targets there are.
start_beside env STAKEWELL_FUZZ_JOBS=99 nice -n 10 bash scripts/fuzz.sh "${STAKEWELL_FUZZ_SECONDS:-30}"
echo "=== sanitizer tests, and the fuzz targets over their kept inputs"
ctest --preset fuzz -j2
collect_beside fuzzing
