#!/bin/bash
# pny backup: copies the data and notes files, lists them, and names the file a failure stops at.
set -u
pny="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$tmp/data" "$tmp/dest" "$tmp/bad"
printf 'Y|1|' > "$tmp/data/Baseball.Years"
printf 'L|\r\n|Majors|\r\n' > "$tmp/data/1999.LEAGUES"
printf 'note\n' > "$tmp/data/1999.Notes"
printf 'other' > "$tmp/data/readme.txt"

out=$("$pny" backup "$tmp/dest" --folder "$tmp/data") || fail "backup exited $?"
[ "$out" = $'1999.LEAGUES\n1999.Notes\nBaseball.Years' ] || fail "listing: $out"
[ "$(ls "$tmp/dest" | wc -l)" = 3 ] || fail "files in dest: $(ls "$tmp/dest")"
cmp -s "$tmp/dest/Baseball.Years" <(printf 'Y|1|\r\n') || fail "Years copy"
cmp -s "$tmp/dest/1999.Notes" <(printf 'note\r\n') || fail "Notes copy"

# The copy of 1999.Notes cannot be written where a folder of that name stands.
mkdir "$tmp/bad/1999.Notes"
err=$("$pny" backup "$tmp/bad" --folder "$tmp/data" 2>&1 >/dev/null)
rc=$?
[ $rc -ne 0 ] || fail "failure exited 0"
echo "$err" | grep -q '"1999.Notes"' || fail "failure message: $err"
echo "$err" | grep -q '1 file was copied before it' || fail "count: $err"
[ "$(ls -A "$tmp/bad" | sort | tr '\n' ' ')" = "1999.LEAGUES 1999.Notes " ] || fail "left: $(ls -A "$tmp/bad")"

"$pny" backup "$tmp/missing/deeper" --folder "$tmp/data" >/dev/null 2>&1 || fail "a missing destination is not made"
cmp -s "$tmp/missing/deeper/Baseball.Years" "$tmp/dest/Baseball.Years" || fail "the new destination lacks the years"
touch "$tmp/plainfile"
"$pny" backup "$tmp/plainfile" --folder "$tmp/data" 2>/dev/null && fail "a file as destination exited 0"
"$pny" backup 2>/dev/null; [ $? -eq 2 ] || fail "no destination should exit 2"
echo OK
