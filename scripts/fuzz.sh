#!/usr/bin/env bash
# Builds the fuzz targets and fuzzes each for a bounded time (seconds, 30
# unless given), two at a time (STAKEWELL_FUZZ_JOBS changes that). Each target
# starts from its seed corpus, copied so that the repository is left as it
# was; a finding stops the run with a failure and leaves the input in
# build/fuzz/findings/<target>/.
# Assumes scripts/setup.sh has run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp

# Configured only once: the test command fuzzes while its tests read the tree.
if [[ ! -f build/fuzz/build.ninja ]]; then
    cmake --preset fuzz >/dev/null
fi
cmake --build --preset fuzz

work=build/fuzz/fuzzing
rm -rf "$work"
mkdir -p "$work"
targets=(fuzz/corpus/*/)
targets=("${targets[@]%/}")
targets=("${targets[@]##*/}")

fuzz_one() {
    local target=$1
    local corpus=$work/$target/corpus findings=build/fuzz/findings/$target
    mkdir -p "$corpus" "$findings"
    cp fuzz/corpus/"$target"/* "$corpus"/
    local dictionary=()
    if [[ -f fuzz/$target.dict ]]; then
        dictionary=(-dict=fuzz/"$target".dict)
    fi
    if build/fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
        -artifact_prefix="$findings"/ -print_final_stats=1 "${dictionary[@]}" "$corpus" \
        >"$work/$target.log" 2>&1; then
        echo "$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$work/$target.log" | tail -1)"
    else
        echo "$target: FINDING, input kept in $findings" >&2
        tail -40 "$work/$target.log" >&2
        return 1
    fi
}

# Two at a time, one per core, unless STAKEWELL_FUZZ_JOBS says otherwise.
jobs=${STAKEWELL_FUZZ_JOBS:-2}
failed=0
running=0
for target in "${targets[@]}"; do
    if ((running == jobs)); then
        wait -n || failed=1
        running=$((running - 1))
    fi
    fuzz_one "$target" &
    running=$((running + 1))
done
while ((running > 0)); do
    wait -n || failed=1
    running=$((running - 1))
done
exit $failed
