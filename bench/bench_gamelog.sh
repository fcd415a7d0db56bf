#!/usr/bin/env bash
# Times opening a player's game log of 200 nights: the log read and his table built.
# Usage: bench/bench_gamelog.sh BUILD_FOLDER   (a Release build configured from this repository)
set -euo pipefail
build=${1:?usage: bench_gamelog.sh BUILD_FOLDER}
cmake --build "$build" --target bench_gamelog >/dev/null
"$build/bench/bench_gamelog" "${TMPDIR:-/var/tmp}" 200
