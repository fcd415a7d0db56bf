#!/usr/bin/env bash
# Every command that writes a file the user names refuses a name of ours (each kind of data file,
# in any letter case) and anything that is not an ordinary file (a FIFO, a folder, a link), at
# once and without touching anything.
set -u
pny=${1:?usage: outputs.sh PATH/TO/pny}
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
    (cd "$1" && find . -mindepth 1 -printf '%P %y %l\n' | LC_ALL=C sort | while read -r f t l; do
        if [ "$t" = f ]; then echo "$f f $(sha1sum <"$f" | cut -c1-40)"; else echo "$f $t $l"; fi
    done)
}

data="$dir/data"
mkdir "$data"
"$pny" import "$sample" --folder "$data" >/dev/null || fail "import"
printf 'notes\r\n' >"$data/Y1L1T1.Notes"
printf 'Log|\r\n' >"$data/Y1L1.Log"
printf 'leaders\r\n' >"$data/Y1L1.Leaders"

# The writers, each with OUT standing for the name the user gives.
writers=(
    "roster export --team 1 --output OUT --year 1 --league 1"
    "export --tab Teams --output OUT --year 1 --league 1"
    "export --tab Hitting --format html --output OUT --year 1 --league 1"
    "export --tab Pitching --format csv --output OUT --year 1 --league 1"
)

# Names of ours, in the data folder: existing ones and ones a later save would make.
ours="Baseball.Years Y1.Leagues Y1L1.Teams Y1L1T1.Players Y1L1.Games Y1L1.Fields Y1L1.Umpires
Y1L1.Times Y1L1.Log Y1L1.Leaders Y1L1T1.Notes Pennantry.People Pennantry.Imports Pennantry.Lock
Pennantry.Journal Y1L1.Teams.~pny0a1b2c3d baseball.years Y2L1T9.PLAYERS"
for writer in "${writers[@]}"; do
    for name in $ours; do
        before=$(snap "$data")
        # shellcheck disable=SC2086
        timeout 5 "$pny" ${writer/OUT/$data/$name} --folder "$data" >/dev/null 2>"$dir/err"
        status=$?
        [ $status -eq 1 ] || fail "$writer with $name exited $status"
        grep -qF "\"$data/$name\" is a name Pennantry keeps its data under" "$dir/err" ||
            fail "$writer with $name says: $(cat "$dir/err")"
        [ "$(snap "$data")" = "$before" ] || fail "$writer with $name changed the data folder"
    done
done

# Outside the data folder: what is not an ordinary file.
out="$dir/out"
for writer in "${writers[@]}"; do
    for kind in fifo folder link dangling; do
        rm -rf "$out"
        mkdir "$out"
        case $kind in
            fifo) mkfifo "$out/table"; want="is a FIFO" ;;
            folder) mkdir "$out/table"; want="is a folder" ;;
            link) ln -s "$data/Y1L1.Teams" "$out/table"; want="is a symbolic link" ;;
            dangling) ln -s "$out/nowhere" "$out/table"; want="is a symbolic link" ;;
        esac
        before=$(snap "$data")
        outBefore=$(snap "$out")
        # shellcheck disable=SC2086
        timeout 5 "$pny" ${writer/OUT/$out/table} --folder "$data" >/dev/null 2>"$dir/err"
        status=$?
        [ $status -eq 1 ] || fail "$writer to a $kind exited $status"
        grep -qF "\"$out/table\" $want" "$dir/err" || fail "$writer to a $kind says: $(cat "$dir/err")"
        [ "$(snap "$data")" = "$before" ] || fail "$writer to a $kind changed the data folder"
        [ "$(snap "$out")" = "$outBefore" ] || fail "$writer to a $kind changed it"
    done
    # An ordinary file is written.
    # shellcheck disable=SC2086
    "$pny" ${writer/OUT/$dir/plain} --folder "$data" >/dev/null 2>"$dir/err" ||
        fail "$writer to an ordinary file: $(cat "$dir/err")"
    [ -s "$dir/plain" ] || fail "$writer wrote nothing"
    rm -f "$dir/plain"
done

# The website: a page that stands in the output folder as a FIFO, a folder or a link.
for kind in fifo folder link; do
    rm -rf "$out"
    mkdir "$out"
    case $kind in
        fifo) mkfifo "$out/index.html"; want="is a FIFO" ;;
        folder) mkdir "$out/index.html"; want="is a folder" ;;
        link) ln -s "$data/Y1L1.Teams" "$out/index.html"; want="is a symbolic link" ;;
    esac
    before=$(snap "$data")
    timeout 5 "$pny" publish --year 1 --league 1 --output "$out" --folder "$data" >/dev/null 2>"$dir/err"
    status=$?
    [ $status -eq 1 ] || fail "publish over a $kind exited $status"
    grep -qF "\"$out/index.html\" $want" "$dir/err" || fail "publish over a $kind says: $(cat "$dir/err")"
    [ "$(snap "$data")" = "$before" ] || fail "publish over a $kind changed the data folder"
done

if [ $failures -gt 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "all passed"
