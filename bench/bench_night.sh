#!/usr/bin/env bash
# Times a game night from the box score sheet, with its commit, on the disk and in memory.
# Usage: bench/bench_night.sh BUILD_FOLDER   (a Release build configured from this repository)
set -euo pipefail
build=${1:?usage: bench_night.sh BUILD_FOLDER}
cmake --build "$build" --target bench_night >/dev/null
"$build/bench/bench_night" "${TMPDIR:-/var/tmp}" 200
"$build/bench/bench_night" /dev/shm 200
