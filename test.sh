#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
#   ./test.sh            the normal build (build/)
#   ./test.sh asan       the same suite under AddressSanitizer and UndefinedBehaviorSanitizer
#                        (build-asan/; any report fails the test that made it)
# Both are CMake presets (CMakePresets.json), so `cmake --preset asan` and friends work too.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
preset="${1:-default}"
case "$preset" in
    default | asan) ;;
    *) echo "unknown preset: $preset (default or asan)" >&2; exit 2 ;;
esac
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
