#!/usr/bin/env bash
# Times the commit after one box score on the disk and in memory (tmpfs).
# Usage: bench/bench_commit.sh BUILD_FOLDER   (a build configured from this repository)
set -euo pipefail
build=${1:?usage: bench_commit.sh BUILD_FOLDER}
cmake --build "$build" --target bench_commit >/dev/null
"$build/bench/bench_commit" "${TMPDIR:-/var/tmp}" 50
"$build/bench/bench_commit" /dev/shm 50
