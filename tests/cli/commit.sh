#!/usr/bin/env bash
# Saves that cannot lose data, tried for real: pny killed at random moments during an import, a
# game night from a CSV file, a generate and the pitch rules, a second writer on the folder, and
# (when run as root) a full disk on a small tmpfs.
# After any of them the data folder holds either everything from before the command or everything
# from after it, and a failure is never reported as success.
# PNY_KILL_RUNS sets how many kills of each command (default 30; bench/bench_kill.sh runs more).
set -u
pny=${1:?usage: commit.sh PATH/TO/pny}
here=$(cd "$(dirname "$0")" && pwd)
sample="$here/../../examples/Riverbend.PZS"
dir=$(mktemp -d)
mnt=""
cleanup() {
    [ -n "$mnt" ] && umount "$mnt" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The state of a folder: every file's name and checksum (the lock is no data).
snap() {
    (cd "$1" && find . -maxdepth 1 -type f ! -name Pennantry.Lock -printf '%f\n' | LC_ALL=C sort |
        while read -r f; do echo "$f $(sha1sum <"$f" | cut -c1-40)"; done)
}

# A season to start from: the sample imported once, and time slots for a generated schedule.
base="$dir/base"
mkdir "$base"
"$pny" import "$sample" --folder "$base" >/dev/null || fail "first import"
for d in 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15; do printf '199608%s18301\r\n' "$d"; done \
    >"$base/Y1L1.Times"
before=$(snap "$base")

# The clean results, to compare with.
cp -a "$base" "$dir/imported"
# The sample once more: imported a second time on purpose.
"$pny" import "$sample" --again --folder "$dir/imported" >/dev/null || fail "clean import"
after_import=$(snap "$dir/imported")
cp -a "$base" "$dir/generated"
"$pny" generate --folder "$dir/generated" --yes >/dev/null || fail "clean generate"
after_generate=$(snap "$dir/generated")
# A game night from a CSV file: game 16, the Foxglove Fireflies (team 6) at home to the Herons.
printf 'Team,6,Score,5\nNo,PA,1B,RS,IP\n11,4,2,3,7\n42,4,1,2,\nTeam,1,Score,3\nNo,PA,1B,RS,IP\n23,4,1,3,6\n' \
    >"$dir/night.csv"
cp -a "$base" "$dir/night"
"$pny" boxscore "$dir/night.csv" --game 16 --folder "$dir/night" >/dev/null 2>&1 || fail "clean night"
after_night=$(snap "$dir/night")
# The league's pitch rules, saved beside its leader settings.
cp -a "$base" "$dir/rules"
"$pny" pitchers --set-max 85 --set-rest 21:1,36:2,51:3,66:4 --folder "$dir/rules" >/dev/null \
    || fail "clean pitch rules"
after_rules=$(snap "$dir/rules")
[ "$after_rules" != "$before" ] || fail "the pitch rules changed nothing"
[ "$after_import" != "$before" ] && [ "$after_generate" != "$before" ] && [ "$after_night" != "$before" ] \
    || fail "nothing changed"

# How long a command takes here, so that the kills land all over it.
span_ms() {
    cp -a "$base" "$dir/timing"
    local start end
    start=$(date +%s%N)
    "$@" --folder "$dir/timing" >/dev/null 2>&1
    end=$(date +%s%N)
    rm -rf "$dir/timing"
    echo $(((end - start) / 1000000 + 1))
}

kill_runs=${PNY_KILL_RUNS:-30}
kill_during() {  # name, expected after-state, command...
    local name=$1 expected=$2
    shift 2
    local span ended_before=0 ended_after=0
    span=$(span_ms "$@")
    for ((i = 0; i < kill_runs; i++)); do
        rm -rf "$dir/work"
        cp -a "$base" "$dir/work"
        "$@" --folder "$dir/work" >/dev/null 2>&1 &
        local pid=$!
        sleep "$(printf '0.%03d' $((RANDOM % span % 1000)))"
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        # The next command that opens the folder completes or undoes the interrupted save.
        "$pny" export --folder "$dir/work" --tab Teams >/dev/null 2>&1
        local now
        now=$(snap "$dir/work")
        if [ "$now" = "$before" ]; then
            ended_before=$((ended_before + 1))
            # A retry gives exactly the result of a clean run.
            "$@" --folder "$dir/work" >/dev/null 2>&1 || fail "$name: retry after kill $i failed"
            [ "$(snap "$dir/work")" = "$expected" ] || fail "$name: retry after kill $i differs"
        elif [ "$now" = "$expected" ]; then
            ended_after=$((ended_after + 1))
        else
            fail "$name: kill $i left a folder that is neither before nor after"
            diff <(echo "$before") <(echo "$now") | head -10
            continue
        fi
        "$pny" check --folder "$dir/work" >/dev/null || fail "$name: pny check after kill $i"
    done
    echo "$name: $kill_runs kills in a ${span} ms command, $ended_before ended before, $ended_after after"
}
kill_during import "$after_import" "$pny" import "$sample" --again
kill_during boxscore "$after_night" "$pny" boxscore "$dir/night.csv" --game 16
kill_during generate "$after_generate" "$pny" generate --yes
kill_during pitchers "$after_rules" "$pny" pitchers --set-max 85 --set-rest 21:1,36:2,51:3,66:4

# A second writer is refused while the folder is locked, and changes nothing. The holder is a pny
# generate waiting for its question to be answered.
cp -a "$base" "$dir/locked"
mkfifo "$dir/answer"
"$pny" generate --folder "$dir/locked" <"$dir/answer" >/dev/null 2>&1 &
holder=$!
exec 3>"$dir/answer"
for _ in $(seq 100); do [ -s "$dir/locked/Pennantry.Lock" ] && break; sleep 0.1; done
"$pny" import "$sample" --folder "$dir/locked" >/dev/null 2>"$dir/err"
status=$?
[ $status -eq 3 ] || fail "import on a locked folder exited $status"
grep -q "is open in pny elsewhere (process $holder on " "$dir/err" || fail "lock message: $(cat "$dir/err")"
"$pny" generate --yes --folder "$dir/locked" >/dev/null 2>&1
[ $? -eq 3 ] || fail "generate on a locked folder"
"$pny" boxscore "$dir/night.csv" --game 16 --folder "$dir/locked" >/dev/null 2>&1
[ $? -eq 3 ] || fail "boxscore on a locked folder"
"$pny" export --folder "$dir/locked" --tab Teams >/dev/null || fail "export reads a locked folder"
[ "$(snap "$dir/locked")" = "$before" ] || fail "the locked folder changed"
# The holder dies without a word: its lock is stale and taken over.
kill -9 "$holder"
wait "$holder" 2>/dev/null
exec 3>&-
[ -e "$dir/locked/Pennantry.Lock" ] || fail "the killed holder left no lock to take over"
"$pny" import "$sample" --again --folder "$dir/locked" >/dev/null 2>&1 || fail "a stale lock was not taken over"
[ "$(snap "$dir/locked")" = "$after_import" ] || fail "import after a stale lock"

# A full disk, for real: a small tmpfs filled to a few KiB.
if [ "$(id -u)" -eq 0 ] && mkdir "$dir/mnt" && mount -t tmpfs -o size=4m tmpfs "$dir/mnt" 2>/dev/null; then
    mnt="$dir/mnt"
    full_disk() {  # free KiB, name, expected after-state ("" for none), command...
        local free=$1 name=$2 expected=$3
        shift 3
        rm -rf "${mnt:?}"/*
        cp -a "$base" "$mnt/data"
        mkdir "$mnt/backup"
        cp -a "$base"/Y1* "$mnt/backup/"
        local avail
        avail=$(df --output=avail -B1 "$mnt" | tail -n 1)
        head -c $((avail - free * 1024)) /dev/zero >"$mnt/filler" 2>/dev/null
        local backup_before
        backup_before=$(snap "$mnt/backup")
        "$@" >"$mnt/../out" 2>"$mnt/../err"
        local status=$?
        local now
        now=$(snap "$mnt/data")
        if [ $status -ne 0 ]; then
            grep -q "No space left on device" "$mnt/../err" ||
                fail "$name with $free KiB free: exit $status without the reason: $(cat "$mnt/../err")"
            [ "$now" = "$before" ] || fail "$name with $free KiB free failed and changed the data"
            [ "$name" = backup ] || [ "$(snap "$mnt/backup")" = "$backup_before" ] ||
                fail "$name with $free KiB free changed the old backup"
        else
            [ -z "$expected" ] || [ "$now" = "$expected" ] ||
                fail "$name with $free KiB free succeeded with other data"
        fi
        # Whatever happened, every backup file is one whole version.
        for f in "$mnt"/backup/*; do
            [ -f "$f" ] || continue
            local n
            n=$(basename "$f")
            cmp -s "$f" "$base/$n" || cmp -s "$f" "$mnt/data/$n" || fail "$name: backup file $n is cut"
        done
        if [ "$name" = export ] && [ $status -eq 0 ]; then
            grep -q '</html>' "$mnt/out.html" || fail "export with $free KiB free reported success for a cut file"
        fi
    }
    for free in 0 1 4 16 64; do
        full_disk "$free" import "$after_import" "$pny" import "$sample" --again --folder "$mnt/data"
        full_disk "$free" generate "$after_generate" "$pny" generate --yes --folder "$mnt/data"
        full_disk "$free" boxscore "$after_night" "$pny" boxscore "$dir/night.csv" --game 16 \
            --folder "$mnt/data"
        full_disk "$free" pitchers "$after_rules" "$pny" pitchers --set-max 85 \
            --set-rest 21:1,36:2,51:3,66:4 --folder "$mnt/data"
        full_disk "$free" backup "" "$pny" backup "$mnt/backup" --folder "$mnt/data"
        full_disk "$free" export "" "$pny" export --folder "$mnt/data" --tab Hitting --format html \
            --output "$mnt/out.html"
    done
    # Standard output on a full device fails as loudly.
    if "$pny" export --folder "$base" --tab Teams >/dev/full 2>"$dir/err"; then
        fail "export to /dev/full succeeded"
    fi
else
    echo "not root or no tmpfs: the full-disk cases run in the unit tests through a hook only"
fi

if [ $failures -gt 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "all passed"
