#!/bin/bash
# pny roster export and import on the sample season: the exported file comes back with every
# number skipped, a spreadsheet's file adds its players in one commit and reports the rest by
# line, and the selection stored in the years file stays.
set -u
pny="$1"
examples="$(cd "$(dirname "$0")/../../examples" && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

mkdir "$tmp/data"
"$pny" import "$examples/Riverbend.PZS" --folder "$tmp/data" >/dev/null 2>"$tmp/err" \
    || { echo "FAIL: import: $(cat "$tmp/err")"; exit 1; }
snap() { (cd "$tmp/data" && md5sum * | LC_ALL=C sort); }

# Export: a byte-order mark, the header, one line per player.
"$pny" roster export --folder "$tmp/data" --year 1 --league 1 --team 1 --output "$tmp/herons.csv" \
    2>"$tmp/err" || fail "export: $(cat "$tmp/err")"
[ "$(head -c 3 "$tmp/herons.csv" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "no byte-order mark"
[ "$(sed -n 1p "$tmp/herons.csv" | tail -c +4)" = $'No,Name\r' ] || fail "header: $(head -1 "$tmp/herons.csv")"
[ "$(wc -l <"$tmp/herons.csv")" -eq 13 ] || fail "not 12 players: $(cat "$tmp/herons.csv")"
"$pny" roster export --folder "$tmp/data" --year 1 --league 1 --team 1 | cmp -s - "$tmp/herons.csv" \
    || fail "standard output and --output differ"

# The same file back: every number is already there, nothing is written.
before=$(snap)
out=$("$pny" roster import "$tmp/herons.csv" --folder "$tmp/data" --year 1 --league 1 --team 1 2>"$tmp/err") \
    || fail "re-import exited $?: $(cat "$tmp/err")"
[ "$(echo "$out" | grep -c 'is already on the team')" -eq 12 ] || fail "re-import report: $out"
echo "$out" | tail -1 | grep -q '^Added 0 players to Harbor Herons; skipped 12\.$' || fail "summary: $out"
[ "$(snap)" = "$before" ] || fail "a re-import changed the data folder"

# A spreadsheet's roster in Windows-1252 with First and Last columns.
printf 'Last;First;#\r\nNu\xf1ez;Jos\xe9;77\r\nSmith;;8\r\n;;\r\nOkafor;Ada;123456\r\nBrown;Kit;\r\n' >"$tmp/new.csv"
years=$(md5sum <"$tmp/data/Baseball.Years")
out=$("$pny" roster import "$tmp/new.csv" --folder "$tmp/data" --team 1 2>"$tmp/err") \
    || fail "import exited $?: $(cat "$tmp/err")"
echo "$out" | grep -q '^line 3: skipped, number 8 is already on the team$' || fail "line 3: $out"
echo "$out" | grep -q '^line 5: skipped, the number "123456" is longer than 5 characters$' || fail "line 5: $out"
echo "$out" | tail -1 | grep -q '^Added 2 players to Harbor Herons; skipped 2\.$' || fail "summary: $out"
grep -q $'^|77|Nu\xf1ez Jos\xe9|\r$' "$tmp/data/Y1L1T1.Players" \
    && fail "First and Last are joined first name first"
grep -q $'^|77|Jos\xe9 Nu\xf1ez|\r$' "$tmp/data/Y1L1T1.Players" || fail "the player in the code page"
grep -q $'^||Kit Brown|\r$' "$tmp/data/Y1L1T1.Players" || fail "a player without a number"
[ "$(md5sum <"$tmp/data/Baseball.Years")" = "$years" ] || fail "the years file changed"
"$pny" check --folder "$tmp/data" >/dev/null 2>&1 || fail "pny check after the import"

# The plan first: --dry-run names the team and every row, added or skipped with the reason, and
# writes nothing; 08 is the team's 8. The real run does what the plan said.
printf 'No,Name\r\n08,Eight Again\r\n,No Number\r\n61,New Kid\r\n061,Dup Kid\r\n' >"$tmp/plan.csv"
rows='line 2: skipped, number 08 is already on the team (as 8)
line 3: add No Number (no number)
line 4: add 61 New Kid
line 5: skipped, number 061 is taken by line 4 of the file (as 61)'
before=$(snap)
out=$("$pny" roster import "$tmp/plan.csv" --dry-run --folder "$tmp/data" --team 1 2>"$tmp/err") \
    || fail "dry run exited $?: $(cat "$tmp/err")"
echo "$out" | head -1 | grep -q '^Team 1: Harbor Herons (.* .*)$' || fail "dry run team: $out"
[ "$(echo "$out" | sed -n '2,5p')" = "$rows" ] || fail "dry run rows: $out"
[ "$(echo "$out" | tail -1)" = "Would add 2 players to Harbor Herons; skip 2. Nothing was written (--dry-run)." ] \
    || fail "dry run summary: $out"
[ "$(echo "$out" | wc -l)" -eq 6 ] || fail "dry run lines: $out"
[ "$(snap)" = "$before" ] || fail "a dry run changed the data folder"
out=$("$pny" roster import "$tmp/plan.csv" --folder "$tmp/data" --team 1 2>"$tmp/err") \
    || fail "import of the plan exited $?: $(cat "$tmp/err")"
[ "$(echo "$out" | sed -n '2,5p')" = "$rows" ] || fail "import rows: $out"
[ "$(echo "$out" | tail -1)" = "Added 2 players to Harbor Herons; skipped 2." ] || fail "import summary: $out"
grep -q $'^|61|New Kid|\r$' "$tmp/data/Y1L1T1.Players" || fail "61 not added"
grep -q $'^||No Number|\r$' "$tmp/data/Y1L1T1.Players" || fail "the row without a number not added"
grep -q 'Eight Again\|Dup Kid' "$tmp/data/Y1L1T1.Players" && fail "a skipped row was added"

# Errors: no team, no such team, no name column, no file.
"$pny" roster import "$tmp/new.csv" --folder "$tmp/data" >/dev/null 2>&1
[ $? -eq 2 ] || fail "--team is required"
"$pny" roster import "$tmp/new.csv" --folder "$tmp/data" --team 40 >/dev/null 2>"$tmp/err"
[ $? -eq 1 ] && grep -q 'no team 40' "$tmp/err" || fail "no team 40: $(cat "$tmp/err")"
printf 'No,Team\r\n1,X\r\n' >"$tmp/bad.csv"
"$pny" roster import "$tmp/bad.csv" --folder "$tmp/data" --team 1 >/dev/null 2>"$tmp/err"
[ $? -eq 1 ] && grep -q 'no column named "Name"' "$tmp/err" || fail "no name column: $(cat "$tmp/err")"
"$pny" roster import "$tmp/none.csv" --folder "$tmp/data" --team 1 >/dev/null 2>&1
[ $? -eq 1 ] || fail "a missing file"
# A FIFO or a folder for the CSV file is refused at once, for a dry run too.
mkfifo "$tmp/fifo.csv"
mkdir "$tmp/folder.csv"
for f in fifo folder; do
    for dry in "" --dry-run; do
        timeout 10 "$pny" roster import "$tmp/$f.csv" $dry --folder "$tmp/data" --team 1 >/dev/null 2>"$tmp/err"
        [ $? -eq 1 ] && grep -qi "is a $f, not a CSV file" "$tmp/err" || fail "$f $dry: $(cat "$tmp/err")"
    done
done

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "roster: all checks passed"
