#!/usr/bin/env bash
# Kills pny 1,000 times at random moments (500 imports, 500 generates) and checks that every
# folder ends as before or as after the command, whole, with `pny check` sound; then the full disk
# cases. The test run does the same 30 times each.
# Usage: bench/bench_kill.sh PATH/TO/pny
set -euo pipefail
pny=${1:?usage: bench_kill.sh PATH/TO/pny}
PNY_KILL_RUNS=${PNY_KILL_RUNS:-500} exec bash "$(dirname "$0")/../tests/cli/commit.sh" "$pny"
