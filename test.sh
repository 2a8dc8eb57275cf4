#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
#   ./test.sh            the normal build
#   ./test.sh asan       the same suite under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
preset="${1:-default}"
case "$preset" in
    default) dir=build; extra=() ;;
    asan) dir=build-asan; extra=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined") ;;
    *) echo "unknown preset: $preset" >&2; exit 2 ;;
esac
cmake -S . -B "$dir" -G Ninja "${extra[@]}" >/dev/null
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
