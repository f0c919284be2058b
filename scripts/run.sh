#!/usr/bin/env bash
# Sets up, builds and starts Stakewell.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target stakewell
exec build/dev/app/stakewell "$@"
