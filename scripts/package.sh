#!/usr/bin/env bash
# Builds the Debian package of Pennantry with CPack: a release build installed into /usr, its
# library dependencies worked out by dpkg-shlibdeps. Prints the package's path on the last line.
# Usage: scripts/package.sh   (BUILD_DIR=... uses another build tree, default build/package;
# install the result with: sudo apt install ./build/package/pennantry_*.deb)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh >&2

build="${BUILD_DIR:-build/package}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPNY_TESTS=OFF -DPNY_SYSTEM_INSTALL=ON \
    -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" >&2
rm -f "$build"/pennantry_*.deb
(cd "$build" && cpack -G DEB >&2)
deb=$(ls "$build"/pennantry_*.deb)
echo "$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")"
