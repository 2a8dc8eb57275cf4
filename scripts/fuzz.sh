#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target, default 30] [target ...]
# The corpus each run grows is kept in build-fuzz/corpus/<target>, so later runs start from
# it; an input that breaks a property is saved as build-fuzz/artifacts/<target>-crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
shift || true
scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

mkdir -p build-fuzz/artifacts
total=0
failed=()
for target in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="build-fuzz/artifacts/$target-")
    [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
    log="build-fuzz/$target.log"
    echo "== $target (${seconds} s)"
    if ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        "build-fuzz/fuzz/$target" "${options[@]}" "$corpus" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
        echo "   ${runs:-0} runs, corpus $(find "$corpus" -type f | wc -l) inputs"
        total=$((total + ${runs:-0}))
    else
        failed+=("$target")
        tail -40 "$log"
    fi
done
echo "fuzz executions in all: $total"
if [ ${#failed[@]} -gt 0 ]; then
    echo "properties broken in: ${failed[*]}" >&2
    exit 1
fi
