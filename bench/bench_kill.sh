#!/usr/bin/env bash
# Kills pny 1,000 times at random moments (500 imports, 500 generates) and checks that every
# folder ends as before or as after the command, whole, with `pny check` sound; then the full disk
# cases. Then kills 1,000 imports (500 at random, 500 the moment the journal is there) and retries
# each at once: the retry must never double the seasons. The test run does the same 30 and 20
# times each.
# Usage: bench/bench_kill.sh PATH/TO/pny
set -euo pipefail
pny=${1:?usage: bench_kill.sh PATH/TO/pny}
export PNY_KILL_RUNS=${PNY_KILL_RUNS:-500}
bash "$(dirname "$0")/../tests/cli/commit.sh" "$pny"
exec bash "$(dirname "$0")/../tests/cli/importretry.sh" "$pny"
