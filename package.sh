#!/usr/bin/env bash
# Installs what is missing, builds a release, makes the Debian package in out/ and checks it with
# lintian: any error or warning fails.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DMIRAVEL_BUILD_TESTS=OFF -DMIRAVEL_BUILD_BENCH=OFF >/dev/null
cmake --build build-package
rm -f build-package/miravel_*.deb
(cd build-package && cpack -G DEB)
mkdir -p out
cp -v build-package/miravel_*.deb out/
lintian --pedantic --fail-on error,warning build-package/miravel_*.deb
