#!/usr/bin/env bash
# Times the league's website of 20 teams of 25 players with 200 nights in the game log: built,
# written into an empty folder and written again unchanged. The goal: publishing in 1 s at most.
# Usage: bench/bench_publish.sh BUILD_FOLDER   (a Release build configured from this repository)
set -euo pipefail
build=${1:?usage: bench_publish.sh BUILD_FOLDER}
cmake --build "$build" --target bench_publish >/dev/null
"$build/bench/bench_publish" "${TMPDIR:-/var/tmp}" 200
