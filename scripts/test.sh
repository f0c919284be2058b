#!/usr/bin/env bash
# Sets up, builds and runs every test: once optimised, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; clang-tidy over the
# program's sources alongside the optimised tests, whose dialogs leave the
# processor idle much of the time; then every fuzz target over its kept inputs
# and for a bounded time (STAKEWELL_FUZZ_SECONDS, 30 unless given).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

build() {
    echo "=== $1 build"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

build dev
tidy_log=$(mktemp)
trap 'rm -f "$tidy_log"' EXIT
bash scripts/tidy.sh build/dev >"$tidy_log" 2>&1 &
tidy=$!
echo "=== dev tests"
ctest --preset dev -j2
echo "=== clang-tidy"
tidy_status=0
wait "$tidy" || tidy_status=$?
cat "$tidy_log"
if ((tidy_status != 0)); then
    echo "clang-tidy reported findings" >&2
    exit 1
fi

build asan
echo "=== asan tests"
ctest --preset asan -j2

build fuzz
echo "=== fuzz targets over their kept inputs"
ctest --preset fuzz -j2
echo "=== fuzzing"
bash scripts/fuzz.sh "${STAKEWELL_FUZZ_SECONDS:-30}"
