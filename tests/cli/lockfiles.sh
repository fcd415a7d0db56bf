#!/usr/bin/env bash
# A lock file, or its helper, that is no ordinary file: a FIFO, a folder, a link that leads
# nowhere or out of the folder, or one the user may not read. No command hangs on it or takes it
# for another program's lock; every one refuses at once saying what the lock is, leaves the folder
# as it was, and pny check names the same problem.
set -u
pny=${1:?usage: lockfiles.sh PATH/TO/pny}
here=$(cd "$(dirname "$0")" && pwd)
sample="$here/../../examples/Riverbend.PZS"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Every name in the folder with its type and, for files, checksum.
snap() {
    (cd "$1" && find . -mindepth 1 -printf '%P %y\n' | LC_ALL=C sort | while read -r f t; do
        if [ "$t" = f ]; then echo "$f f $(sha1sum <"$f" | cut -c1-40)"; else echo "$f $t"; fi
    done)
}

base="$dir/base"
mkdir "$base"
"$pny" import "$sample" --folder "$base" >/dev/null || fail "import"
for d in 01 02 03 04 05 06 07 08; do printf '199608%s18301\r\n' "$d"; done >"$base/Y1L1.Times"
printf 'Team,6,Score,5\nNo,PA,1B,RS,IP\n11,4,2,3,7\nTeam,1,Score,3\nNo,PA,1B,RS,IP\n23,4,1,3,6\n' \
    >"$dir/night.csv"

# make_lock KIND FOLDER: puts the hostile lock in place; echoes what the messages must say.
make_lock() {
    local lock="$2/Pennantry.Lock"
    case $1 in
        fifo) mkfifo "$lock"; echo "Pennantry.Lock\" is a FIFO" ;;
        folder) mkdir "$lock"; echo "Pennantry.Lock\" is a folder" ;;
        dangling) ln -s "$dir/nowhere/lock" "$lock"; echo "Pennantry.Lock\" is a symbolic link" ;;
        outside) : >"$dir/outside"; ln -s "$dir/outside" "$lock"
            echo "Pennantry.Lock\" is a symbolic link" ;;
        rmlock) : >"$lock"; touch -d '1 hour ago' "$lock"; mkfifo "$lock.rmlock"
            echo "Pennantry.Lock.rmlock\" is a FIFO" ;;
    esac
}

one="--year 1 --league 1"
for kind in fifo folder dangling outside rmlock; do
    for cmd in "check" "list" "import $sample" "export --tab Teams $one" "leaders $one" \
        "generate --yes $one" "boxscore $dir/night.csv --game 9 $one" "roster export --team 1 $one"; do
        work="$dir/work"
        rm -rf "$work" "$dir/outside"
        cp -a "$base" "$work"
        want=$(make_lock $kind "$work")
        before=$(snap "$work")
        # shellcheck disable=SC2086
        timeout 5 "$pny" $cmd --folder "$work" >"$dir/out" 2>"$dir/err"
        status=$?
        if [ $status -eq 124 ]; then
            fail "$cmd hangs on a $kind lock"
            continue
        fi
        [ "$(snap "$work")" = "$before" ] || fail "$cmd changed the folder with a $kind lock"
        [ -e "$dir/nowhere" ] && fail "$cmd made a file through a dangling lock link"
        [ -s "$dir/outside" ] && fail "$cmd wrote through a lock link"
        if [ "$cmd" = check ]; then
            [ $status -eq 1 ] || fail "check calls a folder with a $kind lock sound"
            grep -qF "$want" "$dir/out" || fail "check on a $kind lock says: $(cat "$dir/out")"
        else
            [ $status -eq 1 ] || fail "$cmd on a $kind lock exited $status"
            grep -qF "$want" "$dir/err" || fail "$cmd on a $kind lock says: $(cat "$dir/err")"
            grep -q "open in" "$dir/err" && fail "$cmd takes a $kind lock for another program's"
        fi
    done
done

# A lock the user may not read, left by another user: as root every file can be read, so the
# commands run as nobody here.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    work="$dir/work"
    rm -rf "$work"
    cp -a "$base" "$work"
    chmod 755 "$dir"
    chmod 777 "$work"
    chmod 666 "$work"/*
    : >"$work/Pennantry.Lock"
    chmod 000 "$work/Pennantry.Lock"
    before=$(snap "$work")
    as_nobody() { timeout 5 setpriv --reuid=65534 --regid=65534 --clear-groups "$pny" "$@"; }
    for cmd in "import $sample" "generate --yes $one" "export --tab Teams $one"; do
        # shellcheck disable=SC2086
        as_nobody $cmd --folder "$work" >/dev/null 2>"$dir/err"
        status=$?
        [ $status -eq 1 ] || fail "$cmd on an unreadable lock exited $status: $(cat "$dir/err")"
        grep -qF 'Pennantry.Lock" cannot be read' "$dir/err" ||
            fail "$cmd on an unreadable lock says: $(cat "$dir/err")"
    done
    as_nobody check --folder "$work" >"$dir/out" 2>&1
    [ $? -eq 1 ] || fail "check calls a folder with an unreadable lock sound"
    grep -qF 'Pennantry.Lock" cannot be read' "$dir/out" ||
        fail "check on an unreadable lock says: $(cat "$dir/out")"
    [ "$(snap "$work")" = "$before" ] || fail "the unreadable lock's folder changed"
fi

if [ $failures -gt 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "all passed"
