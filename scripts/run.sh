#!/usr/bin/env bash
# Builds Pennantry, installs it into its own folder (default ~/Pennantry, the data files live
# beside the program) and starts it. Usage: scripts/run.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

target="${1:-$HOME/Pennantry}"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DPNY_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
cmake --install build/release --prefix "$target" >/dev/null
echo "Pennantry is installed in $target; your data files are kept there."
cd "$target"
exec ./pennantry
