#!/bin/bash
# pny generate: appends one round-robin game per stored slot, asks first, refuses wrong team
# counts, and lists teams booked twice at once.
set -u
pny="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

d="$tmp/data"
mkdir -p "$d"
printf 'Y|7||1|||\r\n|1996|Summer|1|\r\n' > "$d/Baseball.Years"
printf 'L|\r\n|1|Majors|||\r\n' > "$d/Y1.Leagues"
printf 'T|\r\n|10|A|\r\n|2|B|\r\n|7|C|\r\n|30|D|\r\n' > "$d/Y1L1.Teams"
printf 'F|\r\n|1|Park|\r\n|2|Lot|\r\n' > "$d/Y1L1.Fields"
printf '1996061518301\r\n1996060518301\r\n1996061218301\r\n' > "$d/Y1L1.Times"

# No answer: nothing is written.
out=$(echo n | "$pny" generate --folder "$d") && fail "a No answer exited 0"
echo "$out" | grep -q 'Add 3 Games to Schedule?' || fail "question: $out"
[ -e "$d/Y1L1.Games" ] && fail "games written after No"

out=$(echo y | "$pny" generate --folder "$d") || fail "generate exited $?"
echo "$out" | grep -q '2 fields and 4 teams' || fail "summary: $out"
echo "$out" | grep -q '3 games added' || fail "count: $out"
expected=$'G|\r\n|19960605|1830|1|2|3|||||||\r\n|19960612|1830|1|1|4|||||||\r\n|19960615|1830|1|1|2|||||||\r'
[ "$(cat "$d/Y1L1.Games")" = "$expected" ] || fail "games: $(cat -A "$d/Y1L1.Games")"
grep -q '^|1|Majors||3|' "$d/Y1.Leagues" || fail "current game: $(cat "$d/Y1.Leagues")"
head -1 "$d/Baseball.Years" | grep -q '^Y|7||1|' || fail "stored selection changed: $(head -1 "$d/Baseball.Years")"

# A second run would repeat every game: refused, naming how many, unless --again.
cp "$d/Y1L1.Games" "$tmp/games.once"
err=$("$pny" generate --folder "$d" --yes 2>&1 >/dev/null) && fail "a repeated schedule exited 0"
echo "$err" | grep -q '3 of the 3 games to be added are already in the schedule' || fail "repeat message: $err"
echo "$err" | grep -q 'give --again' || fail "repeat message lacks the way out: $err"
cmp -s "$d/Y1L1.Games" "$tmp/games.once" || fail "games changed on a refused repeat"
# With --again it appends the same games again and reports the clashes with the first.
out=$("$pny" generate --folder "$d" --yes --again) || fail "second run exited $?"
[ "$(grep -c '|1996' "$d/Y1L1.Games")" = 6 ] || fail "second set: $(cat "$d/Y1L1.Games")"
echo "$out" | grep -q '1996/06/05 6:30 pm: team 2 B has 2 games' || fail "clash list: $out"

# Two teams only: refused with the program's message, nothing changed.
cp "$d/Y1L1.Games" "$tmp/games.before"
printf 'T|\r\n|10|A|\r\n|2|B|\r\nX|7|C|\r\n' > "$d/Y1L1.Teams"
err=$("$pny" generate --folder "$d" --yes 2>&1 >/dev/null) && fail "2 teams exited 0"
[ "$err" = "pny generate: Number of teams must be from 3 to 20" ] || fail "team message: $err"
cmp -s "$d/Y1L1.Games" "$tmp/games.before" || fail "games changed on refusal"

printf 'F|\r\nX|1|Park|\r\n' > "$d/Y1L1.Fields"
err=$("$pny" generate --folder "$d" --yes 2>&1 >/dev/null) && fail "no fields exited 0"
[ "$err" = "pny generate: No fields to schedule" ] || fail "field message: $err"

"$pny" generate --folder "$d" --league x 2>/dev/null && fail "bad league exited 0"

# Another league given on the command line; the stored selection stays on league 1.
printf 'L|\r\n|1|Majors|||\r\n|2|Minors|||\r\n' > "$d/Y1.Leagues"
printf 'T|\r\n|1|A|\r\n|2|B|\r\n|3|C|\r\n' > "$d/Y1L2.Teams"
printf 'F|\r\n|1|Park|\r\n' > "$d/Y1L2.Fields"
printf '1996070118001\r\n' > "$d/Y1L2.Times"
"$pny" generate --folder "$d" --league 2 --yes >/dev/null || fail "league 2 exited $?"
[ "$(cat "$d/Y1L2.Games")" = $'G|\r\n|19960701|1800|1|1|2|||||||\r' ] || fail "league 2 games"
grep -q '^|1996|Summer|1|' "$d/Baseball.Years" || fail "current league changed"
"$pny" --help | grep -q 'generate \[--folder DIR\]' || fail "usage line"
echo OK
