#!/bin/bash
# pny boxscore and pny log on the sample season: a night from a CSV file reaches the players,
# the standings, the game's score and the game log in one go; a second night for the same game
# is refused unless --change; bad files and impossible totals change nothing; pny check notices
# totals changed behind the log's back.
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

data="$tmp/data"
mkdir "$data"
"$pny" import "$examples/Riverbend.PZS" --folder "$data" >/dev/null 2>"$tmp/err" \
    || { echo "FAIL: import: $(cat "$tmp/err")"; exit 1; }
snap() { (cd "$data" && md5sum * | LC_ALL=C sort); }
field() { # FILE LINE FIELD: one field of one line of a data file
    sed -n "$2p" "$data/$1" | tr -d '\r' | cut -d'|' -f"$3"
}

# Game 16 of the sample: the Foxglove Fireflies (team 6) at home to the Harbor Herons (team 1).
cat >"$tmp/night.csv" <<'CSV'
Team,Foxglove Fireflies,Score,5
No,Name,PA,1B,HR,RS,IP,ER,RA
11,Max Ashgrove,4,2,1,3,7,2,3
42,Ray Hartwell,4,1,,2,,,
Team,Harbor Herons,Score,3
No,PA,1B,2B,RS,IP,3IP
23,4,1,1,2,6,2
38,3,,,1,,
CSV
before=$(snap)
cp -a "$data" "$tmp/killed"
"$pny" boxscore "$tmp/night.csv" --folder "$data" --year 1 --league 1 --game 16 >"$tmp/out" 2>"$tmp/err" \
    || fail "boxscore exited $?: $(cat "$tmp/err")"
grep -q '^Added to 2025 Riverbend Twilight League: game 16, Tue 2025-06-10, Harbor Herons 3 at Foxglove Fireflies 5$' "$tmp/out" \
    || fail "summary: $(cat "$tmp/out")"
# The Herons' pitcher got 20 outs in a game the home team won: no warning of outs, and Max's line
# is sound. The file gives no hits allowed, and Max allowed 3 runs where the Herons scored 3: the
# box score's proof names what the pitchers' lines lack, and nothing else.
[ "$(cat "$tmp/err")" = "warning: Foxglove Fireflies: H 4, the Harbor Herons' pitchers allowed 0
warning: Foxglove Fireflies: R 5, the Harbor Herons' pitchers allowed 0
warning: Harbor Herons: H 2, the Foxglove Fireflies' pitchers allowed 0" ] \
    || fail "warnings: $(cat "$tmp/err")"
[ "$(field Y1L1.Games 17 11)/$(field Y1L1.Games 17 12)" = 5/3 ] || fail "score: $(sed -n 17p "$data/Y1L1.Games")"
[ "$(field Y1L1.Teams 7 4)/$(field Y1L1.Teams 7 5)" = 5/1 ] || fail "Fireflies: $(sed -n 7p "$data/Y1L1.Teams")"
[ "$(field Y1L1.Teams 2 4)/$(field Y1L1.Teams 2 5)" = 2/4 ] || fail "Herons: $(sed -n 2p "$data/Y1L1.Teams")"
[ "$(field Y1L1T6.Players 2 6)" = 21 ] || fail "Max's PA: $(sed -n 2p "$data/Y1L1T6.Players")"
[ "$(head -1 "$data/Y1L1.Log")" = $'Log|\r' ] || fail "log header: $(head -1 "$data/Y1L1.Log")"
"$pny" check --folder "$data" >"$tmp/out" 2>&1 || fail "pny check after the night: $(cat "$tmp/out")"

# The same game again: refused, nothing written.
after=$(snap)
"$pny" boxscore "$tmp/night.csv" --folder "$data" --game 16 >/dev/null 2>"$tmp/err"
[ $? -eq 1 ] && grep -q 'already has its night in the game log (entry 2)' "$tmp/err" \
    || fail "second night: $(cat "$tmp/err")"
[ "$(snap)" = "$after" ] || fail "a refused night changed the folder"

# --change: Max had 3 plate appearances, not 4; the totals move by one.
sed -i 's/^11,Max Ashgrove,4,/11,Max Ashgrove,3,/' "$tmp/night.csv"
"$pny" boxscore "$tmp/night.csv" --folder "$data" --game 16 --change >"$tmp/out" 2>"$tmp/err" \
    || fail "change exited $?: $(cat "$tmp/err")"
[ "$(field Y1L1T6.Players 2 6)" = 20 ] || fail "Max's PA after the change: $(sed -n 2p "$data/Y1L1T6.Players")"
[ "$(cat "$tmp/out")" = "Changed in 2025 Riverbend Twilight League: game 16, Tue 2025-06-10, Harbor Herons 3 at Foxglove Fireflies 5" ] \
    || fail "change message: $(cat "$tmp/out")"
[ "$(field Y1L1.Teams 7 4)" = 5 ] || fail "the change counted the win twice"

# pny log: a team's lines and one player's, tab-separated, with his running night.
"$pny" log --folder "$data" --team 6 --player 1 >"$tmp/log" 2>"$tmp/err" || fail "log: $(cat "$tmp/err")"
head -1 "$tmp/log" | grep -q $'^Entry\tWhat\tCorrects\tDate\tTime\tGame\tTeam\tOpponent\tNo\tName\tPA\t1B' \
    || fail "log header: $(head -1 "$tmp/log")"
[ "$(cut -f2 "$tmp/log" | tail -n +2 | tr '\n' ,)" = "Before the log,Night,Change," ] \
    || fail "Max's log lines: $(cat "$tmp/log")"
grep -q $'^3\tChange\t2\t20250610\t1800\t16\tFoxglove Fireflies\tHarbor Herons\t11\tMax Ashgrove\t-1\t' "$tmp/log" \
    || fail "the change line: $(cat "$tmp/log")"
[ "$("$pny" log --folder "$data" --team 6 | grep -c $'\tNight\t')" -eq 3 ] || fail "team log: the night has a team line and two players"
"$pny" log --folder "$data" --team 6 --player 99 >/dev/null 2>&1
[ $? -eq 1 ] || fail "log of a player that does not exist"

# Warnings are printed, never refusals; a total out of range refuses the whole night.
printf 'Team,5,Score,2\nNo,PA,1B,2B\n%s,2,2,1\nTeam,2\nNo,PA,HR\n' "$(field Y1L1T5.Players 2 2)" >"$tmp/odd.csv"
"$pny" boxscore "$tmp/odd.csv" --folder "$data" --game 17 >/dev/null 2>"$tmp/err" \
    || fail "a night with warnings exited $?: $(cat "$tmp/err")"
grep -q '^warning: Lakeside Lanterns, .*: 3 hits in 2 at-bats$' "$tmp/err" || fail "hits warning: $(cat "$tmp/err")"
grep -q '^warning: Lakeside Lanterns: Runs scored add up to 0, the score is 2$' "$tmp/err" \
    || fail "runs warning: $(cat "$tmp/err")"
printf 'Team,4\nNo,PA\n%s,9999\nTeam,3\nNo,PA\n' "$(field Y1L1T4.Players 2 2)" >"$tmp/big.csv"
after=$(snap)
"$pny" boxscore "$tmp/big.csv" --folder "$data" --game 18 >/dev/null 2>"$tmp/err"
[ $? -eq 1 ] && grep -q 'PA: Plate App. (All) would be' "$tmp/err" && grep -q 'Nothing was added' "$tmp/err" \
    || fail "total out of range: $(cat "$tmp/err")"
[ "$(snap)" = "$after" ] || fail "a refused night changed the folder"

# Bad files and command lines.
printf 'Team,Bears\n' >"$tmp/bad.csv"
"$pny" boxscore "$tmp/bad.csv" --folder "$data" --game 18 >/dev/null 2>"$tmp/err"
[ $? -eq 1 ] && grep -q 'neither team of the game' "$tmp/err" || fail "foreign team: $(cat "$tmp/err")"
"$pny" boxscore "$tmp/night.csv" --folder "$data" >/dev/null 2>&1
[ $? -eq 2 ] || fail "--game is required"
"$pny" boxscore --folder "$data" --game 18 >/dev/null 2>&1
[ $? -eq 2 ] || fail "the file is required"
"$pny" boxscore "$tmp/night.csv" --folder "$data" --game 99 >/dev/null 2>"$tmp/err"
[ $? -eq 1 ] && grep -q 'no game 99' "$tmp/err" || fail "no such game: $(cat "$tmp/err")"
[ "$(snap)" = "$after" ] || fail "a refused command changed the folder"

# Another program changes a player's totals: pny check names him.
sed -i '2s/^|11|Max Ashgrove|5||20|/|11|Max Ashgrove|5||25|/' "$data/Y1L1T6.Players"
"$pny" check --folder "$data" >"$tmp/out" 2>&1
[ $? -eq 1 ] && grep -q 'Y1L1.Log: player 1 of team 6 (Max Ashgrove): totals differ from the game log: PA 25, the log 20' "$tmp/out" \
    || fail "check of a changed total: $(cat "$tmp/out")"

# Killed the moment its journal is complete, the night is saved by the next command's recovery,
# which names the game, the day and the score, so that the night is not typed in again; a retry
# of the same night is then refused.
killed="$tmp/killed"
day=$(sed -n 17p "$killed/Y1L1.Games" | cut -d'|' -f2)
day="${day:0:4}-${day:4:2}-${day:6:2}"
told=0
for i in 1 2 3 4 5; do
    rm -rf "$killed.try"
    cp -a "$killed" "$killed.try"
    "$pny" boxscore "$tmp/night.csv" --folder "$killed.try" --game 16 >/dev/null 2>&1 &
    pid=$!
    while kill -0 "$pid" 2>/dev/null && [ ! -e "$killed.try/Pennantry.Journal" ]; do :; done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    "$pny" boxscore "$tmp/night.csv" --folder "$killed.try" --game 16 >/dev/null 2>"$tmp/err"
    status=$?
    if grep -q "An interrupted save of the night of game 16 on $day (Foxglove Fireflies 5, Harbor Herons 3) was completed$" "$tmp/err"; then
        told=$((told + 1))
        [ $status -eq 1 ] && grep -q 'game 16 already has its night' "$tmp/err" || fail "retry after a completed night: $(cat "$tmp/err")"
    fi
done
[ $told -gt 0 ] || fail "no kill after the journal was told by the recovery"

[ "$failures" -eq 0 ] && echo "boxscore: all passed"
exit "$failures"
