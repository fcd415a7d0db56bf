#!/bin/bash
# pny check: a sound folder exits 0; each fault is one line with file and line, and exits 1.
set -u
pny="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

d="$tmp/data"
mkdir -p "$d"
printf 'Y|0||1|||\r\n|1996|Season|1|\r\n' > "$d/Baseball.Years"
printf 'L|\r\n|1|Majors|1|1|||||||||||||||\r\n' > "$d/Y1.Leagues"
printf 'T|\r\n|12|Tigers|5|3||1|\r\n|7|Eagles|3|5|||\r\n' > "$d/Y1L1.Teams"
printf 'P|\r\n|23|Smith|10|9|\r\n' > "$d/Y1L1T1.Players"
printf 'G|\r\n|19960615|1830|1|1|2|1||||5|4|\r\n' > "$d/Y1L1.Games"
printf 'F|\r\n|1|North Park|\r\n' > "$d/Y1L1.Fields"
printf 'U|\r\n|1|Jones|\r\n' > "$d/Y1L1.Umpires"
printf '1996061518301\r\n' > "$d/Y1L1.Times"
printf 'notes\r\n' > "$d/Y1L1T2.Notes"

out=$("$pny" check --folder "$d") || fail "sound folder exited $?: $out"
echo "$out" | grep -q 'is sound' || fail "sound message: $out"

# Damage it: a game pointing past the teams, a count that is no number, a duplicate slot, a date
# that cannot be, orphan notes, and a cut last line.
printf 'G|\r\n|19960615|1830|1|1|5|1||||5|4|\r\n|19960230|1830|1|1|2|||||||\r\n' > "$d/Y1L1.Games"
printf 'P|\r\n|23|Smith|1o|9|\r\n|24|Cut' > "$d/Y1L1T1.Players"
printf '1996061518301\r\n1996061518301\r\n' > "$d/Y1L1.Times"
printf 'notes\r\n' > "$d/Y1L1T7.Notes"
out=$("$pny" check --folder "$d")
rc=$?
[ $rc -eq 1 ] || fail "damaged folder exited $rc"
expect() { echo "$out" | grep -qF -- "$1" || fail "missing \"$1\" in: $out"; }
expect 'Y1L1.Games:2: game 1: away team 5 is past the end of Y1L1.Teams (2 records)'
expect "Y1L1.Games:3: game 2: '1996/02/30 18:30' is not a valid date and time"
expect 'Y1L1T1.Players:2: player 1: G "1o" is not a number'
expect 'Y1L1T1.Players:3: player 2: the line does not end with a separator'
expect 'Y1L1.Times:2: slot "1996061518301" is a duplicate of an earlier line'
expect 'Y1L1T7.Notes: notes that belong to no record'
expect '6 problems found'
[ "$(echo "$out" | wc -l)" = 7 ] || fail "line count: $out"

# A folder where the years file belongs is reported, and nothing is written.
mkdir -p "$tmp/blocked/Baseball.Years"
out=$("$pny" check --folder "$tmp/blocked"); rc=$?
[ $rc -eq 1 ] || fail "blocked exited $rc"
echo "$out" | grep -q '^Baseball.Years: cannot be read: it is a folder$' || fail "blocked: $out"
[ "$(ls -A "$tmp/blocked")" = "Baseball.Years" ] || fail "check wrote something"

# The league's settings file: the leader settings, then the pitch rules and the sheet's columns
# (a user column by its header), each read; a name of no column and a second line are reported.
s="$tmp/sheet"
mkdir -p "$s"
printf 'Y|0||1|||\r\n|1996|Season|1|\r\n' > "$s/Baseball.Years"
printf 'L|\r\n|1|Majors|1||9|||||||||||Pts||||\r\n' > "$s/Y1.Leagues"
printf 'T|\r\n|12|Tigers|||||\r\n' > "$s/Y1L1.Teams"
printf 'P|\r\n' > "$s/Y1L1T1.Players"
printf 'Leaders|\r\n||0.67|10|\r\nPitches|85|21:1|\r\nSheet|AB|H|C1|IP|P.H|PO|\r\n' > "$s/Y1L1.Leaders"
out=$("$pny" check --folder "$s") || fail "sound settings exited $?: $out"
printf 'Leaders|\r\n||0.67|10|\r\nSheet|AB|XYZ|\r\nPitches|85|\r\nSheet|H|\r\n' > "$s/Y1L1.Leaders"
out=$("$pny" check --folder "$s")
rc=$?
[ $rc -eq 1 ] || fail "damaged settings exited $rc"
expect 'Y1L1.Leaders:3: the sheet column "XYZ" is no column of the league: it is not shown'
expect 'Y1L1.Leaders:5: a second line of sheet columns is never read'
expect '2 problems found'

"$pny" check --folder "$tmp/missing" >/dev/null 2>&1; [ $? -eq 1 ] || fail "missing folder should exit 1"
"$pny" check --bogus >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad argument should exit 2"
"$pny" --help | grep -q 'check \[--folder DIR\]' || fail "usage line"
echo OK
