#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks: the program against the bare
# system-call loops, in one process, in turns, medians. Prints a table; --json for JSON,
# --quick for a quick look, --only fill,sort,... for some of them (a wrong option lists them).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target miravel-bench
exec build/bench/miravel-bench "$@"
