#!/usr/bin/env bash
# A retried import never doubles the seasons: pny import is killed for real, at random moments and
# right after its journal appears, and the same import is run again at once. The retry's recovery
# completes an import whose journal was complete and says so; the retry then refuses to import the
# same file a second time. Either way the folder ends exactly as after one clean import.
# PNY_KILL_RUNS sets how many kills of each kind (default 20).
set -u
pny=${1:?usage: importretry.sh PATH/TO/pny}
here=$(cd "$(dirname "$0")" && pwd)
sample="$here/../../examples/Riverbend.PZS"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

snap() {
    (cd "$1" && find . -maxdepth 1 -type f ! -name Pennantry.Lock -printf '%f\n' | LC_ALL=C sort |
        while read -r f; do echo "$f $(sha1sum <"$f" | cut -c1-40)"; done)
}

mkdir "$dir/clean"
"$pny" import "$sample" --folder "$dir/clean" >/dev/null || fail "clean import"
expected=$(snap "$dir/clean")
grep -q '^I|Riverbend.PZS|' "$dir/clean/Pennantry.Imports" || fail "no record of the import"

mkdir "$dir/timing"
start=$(date +%s%N)
"$pny" import "$sample" --folder "$dir/timing" >/dev/null 2>&1
span=$((($(date +%s%N) - start) / 1000000 + 1))

runs=${PNY_KILL_RUNS:-20}
completed=0
retried=0
refused=0
retry_after_kill() {  # how: random or journal
    local how=$1 i=$2
    rm -rf "$dir/work"
    mkdir "$dir/work"
    "$pny" import "$sample" --folder "$dir/work" >/dev/null 2>&1 &
    local pid=$!
    if [ "$how" = journal ]; then
        # The moment the journal is there, the import is as good as made.
        while kill -0 "$pid" 2>/dev/null && [ ! -e "$dir/work/Pennantry.Journal" ]; do :; done
    else
        sleep "$(printf '0.%03d' $((RANDOM % span % 1000)))"
    fi
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    "$pny" import "$sample" --folder "$dir/work" >"$dir/out" 2>"$dir/err"
    local status=$?
    local now
    now=$(snap "$dir/work")
    if [ "$now" != "$expected" ]; then
        fail "$how kill $i: the retry left another folder than one import (exit $status)"
        diff <(echo "$expected") <(echo "$now") | head -6
        return
    fi
    if grep -q 'An interrupted import of Riverbend.PZS was completed: season 1$' "$dir/err"; then
        completed=$((completed + 1))
    fi
    if [ $status -eq 0 ]; then
        retried=$((retried + 1))
        grep -q '^Added 1 season, 1 league, 6 teams, ' "$dir/out" || fail "$how kill $i: summary $(cat "$dir/out")"
    else
        refused=$((refused + 1))
        [ $status -eq 1 ] || fail "$how kill $i: the refusal exited $status"
        grep -q "Riverbend.PZS was imported on .* already: it made season 1 (2025 Imported from PZS file)" \
            "$dir/err" || fail "$how kill $i: $(cat "$dir/err")"
    fi
    "$pny" check --folder "$dir/work" >/dev/null || fail "$how kill $i: pny check"
}
for ((i = 0; i < runs; i++)); do retry_after_kill random "$i"; done
for ((i = 0; i < runs; i++)); do retry_after_kill journal "$i"; done
echo "$((2 * runs)) kills in a ${span} ms import: $retried imported by the retry," \
    "$refused refused ($completed completed by the retry's recovery)"
# The kills after the journal appeared must have left complete journals for the retries to finish.
[ $completed -gt 0 ] || fail "no kill left a complete journal; the retry's recovery was never tried"

if [ $failures -gt 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "all passed"
