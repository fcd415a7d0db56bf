#!/bin/bash
# The sample season under examples/: the script makes exactly the committed files, pny import
# reads them without a warning and adds the whole league, and its tables export.
set -u
pny="$1"
examples="$(cd "$(dirname "$0")/../../examples" && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Regenerating gives the same bytes as the committed files.
bash "$examples/make_sample.sh" "$tmp/made" || fail "make_sample.sh exited $?"
for f in "$tmp"/made/*; do
    cmp -s "$f" "$examples/$(basename "$f")" || fail "$(basename "$f") differs from the committed file"
done
[ "$(ls "$tmp/made" | wc -l)" -eq "$(ls "$examples"/*.PZ? | wc -l)" ] || fail "file lists differ"

mkdir "$tmp/data"
out=$("$pny" import "$examples/Riverbend.PZS" --folder "$tmp/data" 2>"$tmp/err") \
    || fail "import exited $?: $(cat "$tmp/err")"
[ -s "$tmp/err" ] && fail "import warned: $(cat "$tmp/err")"
echo "$out" | grep -q '^Added 1 season, 1 league, 6 teams, 72 players, 30 games, 3 fields, 5 umpires and 7 notes files from ' \
    || fail "summary: $out"
grep -q '^|2025|Imported from PZS file|' "$tmp/data/Baseball.Years" || fail "years: $(cat "$tmp/data/Baseball.Years")"
grep -q 'Riverbend Twilight League' "$tmp/data/Y1.Leagues" || fail "league"
grep -q 'Mill Road' "$tmp/data/Y1L1F2.Notes" || fail "the field notes go with Cooper Meadow"
grep -q 'Catcher' "$tmp/data/Y1L1T1P3.Notes" || fail "player notes"

# The standings: six teams, 15 games played, the leader 4-1.
teams=$("$pny" export --folder "$tmp/data" --year 1 --league 1 --tab Teams --format csv | tr -d "\r") || fail "export Teams"
[ "$(echo "$teams" | wc -l)" -eq 7 ] || fail "standings rows: $teams"
echo "$teams" | sed -n 2p | grep -q '^1,6,Foxglove Fireflies,4,1,0,.800,$' || fail "leader: $teams"
won=$(echo "$teams" | awk -F, 'NR > 1 { w += $4; l += $5 } END { print w "-" l }')
[ "$won" = "15-15" ] || fail "won-lost sums $won"

# Every team has 12 players and the team totals row; every tab exports.
for t in 1 2 3 4 5 6; do
    rows=$("$pny" export --folder "$tmp/data" --year 1 --league 1 --team $t --tab Players --format csv | wc -l)
    [ "$rows" -eq 14 ] || fail "team $t has $rows rows"
done
for tab in Hitting Running Pitching Fielding Custom; do
    "$pny" export --folder "$tmp/data" --year 1 --league 1 --team 1 --tab $tab --format html \
        --output "$tmp/$tab.html" || fail "export $tab"
    grep -q 'Ada Abernathy' "$tmp/$tab.html" || fail "$tab lacks a player"
done
games=$("$pny" export --folder "$tmp/data" --year 1 --league 1 --tab Schedule --format ics) || fail "export ics"
[ "$(echo "$games" | grep -c '^BEGIN:VEVENT')" -eq 30 ] || fail "calendar events"
echo OK
