#!/usr/bin/env bash
# Installs what is missing, builds a release and makes the Debian package in out/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DMIRAVEL_BUILD_TESTS=OFF -DMIRAVEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-package
(cd build-package && cpack -G DEB)
mkdir -p out
cp -v build-package/miravel_*.deb out/
