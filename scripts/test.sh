#!/usr/bin/env bash
# Sets up, builds and runs every test: once optimised, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

for preset in dev asan; do
    echo "=== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "=== $preset tests"
    ctest --preset "$preset" -j2
done
