#!/usr/bin/env bash
# Installs what is missing, builds, and starts Miravel.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target miravel
exec build/src/miravel "$@"
