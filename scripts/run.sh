#!/usr/bin/env bash
# Builds Pennantry, installs it into its own folder (default ~/Pennantry, the data files live
# beside the program), adds it to the desktop menu and starts it. Usage: scripts/run.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

target="${1:-$HOME/Pennantry}"
mkdir -p "$target"
target="$(cd "$target" && pwd)"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DPNY_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
cmake --install build/release --prefix "$target" >/dev/null
echo "Pennantry is installed in $target; your data files are kept there."
# The desktop menu entry, with its icon, for this user.
apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$apps"
cp "$target/pennantry.desktop" "$apps/pennantry.desktop"
command -v update-desktop-database >/dev/null && update-desktop-database -q "$apps" || true
echo "Pennantry is in your desktop menu; a sample season to import is in $target/examples."
cd "$target"
exec ./pennantry
