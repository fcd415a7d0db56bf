#!/usr/bin/env bash
# A journal of a save is completed by whichever command comes next, readers included; a journal
# written by hand is not trusted further than a save's own: it may only rename ordinary temporary
# files over data files of the folder itself. Any other is set aside, touching nothing it names and
# blocking no writer, and pny check names it. Leftovers of any type (links, folders) with a
# temporary file's name are cleaned or named.
set -u
pny=${1:?usage: journal.sh PATH/TO/pny}
here=$(cd "$(dirname "$0")" && pwd)
sample="$here/../../examples/Riverbend.PZS"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
one="--year 1 --league 1"

base="$dir/base"
mkdir "$base"
"$pny" import "$sample" --folder "$base" >/dev/null || fail "import"
for d in 01 02 03 04 05 06 07 08; do printf '199608%s18301\r\n' "$d"; done >"$base/Y1L1.Times"

sha() { sha1sum <"$1" | cut -c1-40; }
# journal FOLDER TARGET TEMP SOURCE...: a journal as a save writes it, each TARGET to be replaced
# by TEMP, which holds the bytes of SOURCE.
journal() {
    local folder=$1 text
    shift
    text="J|$(($# / 3))|"$'\r\n'
    while [ $# -gt 0 ]; do
        text+="$1|$2|$(stat -L -c %s "$3")|$(sha "$3")|"$'\r\n'
        shift 3
    done
    printf '%s' "$text" >"$dir/journal.part"
    printf '%sE|%s|\r\n' "$text" "$(sha "$dir/journal.part")" >"$folder/Pennantry.Journal"
}

fresh() {
    rm -rf "$work"
    cp -a "$base" "$work"
}
work="$dir/work"

# A save interrupted half way through its renames: the leagues file waits in its temporary file.
# pny list completes it before reading, so it shows the new name, as every other command would.
fresh
sed 's/Riverbend Twilight League/Renamed League/' "$work/Y1.Leagues" >"$work/Y1.Leagues.~pny00000001"
journal "$work" Y1.Leagues Y1.Leagues.~pny00000001 "$work/Y1.Leagues.~pny00000001"
out=$(timeout 5 "$pny" list --year 1 --folder "$work" 2>"$dir/err") || fail "list: $(cat "$dir/err")"
echo "$out" | grep -q "Renamed League" || fail "list read the folder half saved: $out"
grep -q "has been completed" "$dir/err" || fail "list does not say it completed a save: $(cat "$dir/err")"
[ -e "$work/Pennantry.Journal" ] && fail "list left the journal"
grep -q "Renamed League" "$work/Y1.Leagues" || fail "the save was not completed"

# Journals that no save writes. Each case: set up; what the journal-set-aside message must name.
printf 'outside bytes\r\n' >"$dir/outside"
craft() {
    case $1 in
        link)  # a temporary file that is a link out of the folder, its checksum matching
            ln -s "$dir/outside" "$work/Baseball.Years.~pny00000001"
            journal "$work" Baseball.Years Baseball.Years.~pny00000001 "$dir/outside"
            echo 'its temporary file "Baseball.Years.~pny00000001" is a symbolic link' ;;
        program)  # a program beside the data
            printf '#!/bin/sh\necho original\n' >"$work/pny"
            printf '#!/bin/sh\necho replaced\n' >"$work/pny.~pny00000001"
            journal "$work" pny pny.~pny00000001 "$work/pny.~pny00000001"
            echo 'it names "pny", which is not a data file of the folder' ;;
        lock)  # the lock the recovering writer holds
            printf 'forged\n' >"$work/Pennantry.Lock.~pny00000001"
            journal "$work" Pennantry.Lock Pennantry.Lock.~pny00000001 "$work/Pennantry.Lock.~pny00000001"
            echo 'it names "Pennantry.Lock", which is not a data file of the folder' ;;
        journal)  # the journal itself
            printf 'x\r\n' >"$work/Pennantry.Journal.~pny00000001"
            journal "$work" Pennantry.Journal Pennantry.Journal.~pny00000001 "$work/Pennantry.Journal.~pny00000001"
            echo 'it names "Pennantry.Journal", which is not a data file of the folder' ;;
        parent | dot | sub | path)
            local target
            case $1 in
                parent) target=.. ;;
                dot) target=. ;;
                sub) mkdir "$work/sub"; target=sub ;;
                path) target=sub/Y1.Leagues ;;
            esac
            cp "$work/Y1.Leagues" "$work/$(basename "$target").~pny00000001"
            journal "$work" "$target" "$target.~pny00000001" "$work/Y1.Leagues"
            echo "it names \"$target\", which is not a data file of the folder" ;;
        datafolder)  # a data file's name held by a folder
            mkdir "$work/Y9.Leagues"
            cp "$base/Y1.Leagues" "$work/Y9.Leagues.~pny00000001"
            journal "$work" Y9.Leagues Y9.Leagues.~pny00000001 "$base/Y1.Leagues"
            echo '"Y9.Leagues" is a folder' ;;
        fifojournal)
            mkfifo "$work/Pennantry.Journal"
            echo 'it is a FIFO, not an ordinary file' ;;
        folderjournal)
            mkdir "$work/Pennantry.Journal"
            echo 'it is a folder, not an ordinary file' ;;
    esac
}
for case in link program lock journal parent dot sub path datafolder fifojournal folderjournal; do
    for cmd in "list" "generate --yes $one"; do
        fresh
        want=$(craft $case)
        years=$(sha "$work/Baseball.Years")
        timeout 5 "$pny" check --folder "$work" >"$dir/out" 2>&1
        status=$?
        [ $status -eq 1 ] || fail "check on a $case journal exited $status"
        grep -q "^Pennantry.Journal: " "$dir/out" || fail "check on a $case journal: $(cat "$dir/out")"
        # shellcheck disable=SC2086
        timeout 5 "$pny" $cmd --folder "$work" >/dev/null 2>"$dir/err"
        status=$?
        [ $status -eq 0 ] || fail "$cmd blocked by a $case journal ($status): $(cat "$dir/err")"
        grep -qF "set aside as \"Pennantry.Journal.Untrusted\"" "$dir/err" ||
            fail "$cmd does not say the $case journal was set aside: $(cat "$dir/err")"
        grep -qF "$want" "$dir/err" || fail "$cmd does not say why ($want): $(cat "$dir/err")"
        [ -e "$work/Pennantry.Journal.Untrusted" ] || fail "$cmd did not keep the $case journal"
        [ -e "$work/Pennantry.Journal" ] && fail "$cmd left the $case journal in place"
        [ -L "$work/Baseball.Years" ] && fail "$cmd made the years file a link ($case)"
        [ "$cmd" = list ] && [ "$(sha "$work/Baseball.Years")" != "$years" ] &&
            fail "list changed the years file ($case)"
        [ -f "$work/pny" ] && ! grep -q original "$work/pny" && fail "$cmd replaced the program"
        grep -qs forged "$work/Pennantry.Lock" && fail "$cmd replaced the lock"
        [ -d "$work/sub" ] && [ -n "$(ls -A "$work/sub")" ] && fail "$cmd wrote into a subfolder"
        [ "$(cat "$dir/outside")" = $'outside bytes\r' ] || fail "$cmd changed the link's file"
        ls "$work" | grep -q '\.~pny' && fail "$cmd left temporary files: $(ls "$work" | grep '\.~pny')"
        timeout 5 "$pny" check --folder "$work" >"$dir/out" 2>&1
        grep -qF "Pennantry.Journal.Untrusted: a save journal that could not be trusted" "$dir/out" ||
            fail "check after the $case journal: $(cat "$dir/out")"
    done
done

# Leftovers with a temporary file's name that are no files: a link to a folder and an empty folder
# are removed by the next command; a folder with something in it is left and named by check.
fresh
mkdir "$dir/elsewhere" "$work/Y1L1.Games.~pny00000002" "$work/Y1L1.Games.~pny00000003"
printf 'keep\n' >"$dir/elsewhere/kept"
ln -s "$dir/elsewhere" "$work/Y1L1.Teams.~pny00000001"
printf 'keep\n' >"$work/Y1L1.Games.~pny00000003/kept"
timeout 5 "$pny" check --folder "$work" >"$dir/out" 2>&1
[ $? -eq 1 ] || fail "check calls a folder with such leftovers sound"
for name in Y1L1.Teams.~pny00000001 Y1L1.Games.~pny00000002 Y1L1.Games.~pny00000003; do
    grep -qF "$name: " "$dir/out" || fail "check does not name $name: $(cat "$dir/out")"
done
timeout 5 "$pny" generate --yes $one --folder "$work" >/dev/null 2>"$dir/err" ||
    fail "generate with leftovers: $(cat "$dir/err")"
[ -e "$work/Y1L1.Teams.~pny00000001" ] && fail "a link with a temporary name was left"
[ -e "$work/Y1L1.Games.~pny00000002" ] && fail "an empty folder with a temporary name was left"
[ -f "$dir/elsewhere/kept" ] || fail "cleaning followed the link"
[ -f "$work/Y1L1.Games.~pny00000003/kept" ] || fail "a folder with something in it was removed"
timeout 5 "$pny" check --folder "$work" >"$dir/out" 2>&1
grep -qF "Y1L1.Games.~pny00000003: a folder with the name of a temporary file" "$dir/out" ||
    fail "check after cleaning: $(cat "$dir/out")"

if [ $failures -gt 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "all passed"
