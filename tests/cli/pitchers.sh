#!/bin/bash
# pny pitchers on the sample season: rules set from the command line land in the league's
# settings file beside its leader settings; nights from pny boxscore with NP and S count at
# once (a change too); a pitcher not yet eligible or over the daily maximum is warned of but
# never refused; a league without rules shows pitch counts only; a second writer and a FIFO in
# place of the settings file are refused.
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

# Game 16 (2025-06-10): the Fireflies (team 6) at home to the Herons (team 1).
# Max throws 66 (4 days of rest), Ray 20 without strikes given, Ada 35 (1 day), Fay an inning
# without a count.
cat >"$tmp/night16.csv" <<'CSV'
Team,Foxglove Fireflies
No,Name,IP,NP,S
11,Max Ashgrove,6,66,40
42,Ray Hartwell,1,20,
Team,Harbor Herons
No,IP,3IP,NP,S
23,6,2,35,20
38,1,,,
CSV
"$pny" boxscore "$tmp/night16.csv" --folder "$data" --game 16 >/dev/null 2>"$tmp/err" \
    || fail "night 16: $(cat "$tmp/err")"
[ ! -s "$tmp/err" ] || fail "warnings without rules: $(cat "$tmp/err")"

# Without rules: the pitches, no eligibility.
"$pny" pitchers --folder "$data" --date 2025-06-12 >"$tmp/out" 2>"$tmp/err" || fail "pitchers: $(cat "$tmp/err")"
expected=$' Team\t Player\t Last Night\t Pitches
 Harbor Herons\t Ada Abernathy\t 2025-06-10\t 35
 Harbor Herons\t Fay Hollis\t 2025-06-10\t unknown
 Foxglove Fireflies\t Max Ashgrove\t 2025-06-10\t 66
 Foxglove Fireflies\t Ray Hartwell\t 2025-06-10\t 20'
[ "$(tr -d '\r' <"$tmp/out" | tail -n +1)" = "$expected" ] || fail "without rules: $(cat "$tmp/out")"

# Setting the rules: one line of ours after the leader settings, which come first as defaults
# (the batting and pitching factors unset, so that they follow the league's innings).
"$pny" pitchers --folder "$data" --set-max 85 --set-rest 21:1,36:2,51:3,66:4 >"$tmp/out" 2>"$tmp/err" \
    || fail "set: $(cat "$tmp/err")"
grep -q '^Riverbend Twilight League: daily maximum 85; days of rest 1-20: 0, 21-35: 1, 36-50: 2, 51-65: 3, 66 and more: 4\.$' "$tmp/out" \
    || fail "set summary: $(cat "$tmp/out")"
[ "$(cat "$data/Y1L1.Leaders")" = $'Leaders|\r\n||0.67|10|\r\nPitches|85|21:1|36:2|51:3|66:4|\r' ] \
    || fail "settings file: $(cat -A "$data/Y1L1.Leaders")"
"$pny" check --folder "$data" >"$tmp/out" 2>&1 || fail "check with rules: $(cat "$tmp/out")"
# One of the two alone keeps the other.
"$pny" pitchers --folder "$data" --set-max 75 >/dev/null 2>&1 || fail "set max alone"
grep -q $'^Pitches|75|21:1|36:2|51:3|66:4|\r$' "$data/Y1L1.Leaders" || fail "max alone: $(cat "$data/Y1L1.Leaders")"
"$pny" pitchers --folder "$data" --set-max 85 >/dev/null 2>&1

"$pny" pitchers --folder "$data" --date 2025-06-12 >"$tmp/out" 2>"$tmp/err" || fail "pitchers: $(cat "$tmp/err")"
expected=$' Team\t Player\t Last Night\t Pitches\t Rest\t Eligible From\t Eligible
 Harbor Herons\t Ada Abernathy\t 2025-06-10\t 35\t 1\t 2025-06-12\t Yes
 Harbor Herons\t Fay Hollis\t 2025-06-10\t unknown\t unknown\t unknown\t Unknown
 Foxglove Fireflies\t Max Ashgrove\t 2025-06-10\t 66\t 4\t 2025-06-15\t No
 Foxglove Fireflies\t Ray Hartwell\t 2025-06-10\t 20\t 0\t 2025-06-11\t Yes'
[ "$(tr -d '\r' <"$tmp/out")" = "$expected" ] || fail "with rules: $(cat "$tmp/out")"
# One team, and the other formats.
[ "$("$pny" pitchers --folder "$data" --date 2025-06-12 --team 6 | cut -f2 | tail -n +2 | tr '\n' ,)" = " Max Ashgrove, Ray Hartwell," ] \
    || fail "--team 6"
"$pny" pitchers --folder "$data" --date 2025-06-15 --format csv >"$tmp/out" || fail "csv"
grep -q $'^Foxglove Fireflies,Max Ashgrove,2025-06-10,66,4,2025-06-15,Yes\r$' "$tmp/out" || fail "csv: $(cat "$tmp/out")"
"$pny" pitchers --folder "$data" --date 2025-06-12 --format html >"$tmp/out" || fail "html"
grep -q 'Eligible Pitchers - 2025-06-12' "$tmp/out" || fail "html caption: $(head -20 "$tmp/out")"
# More than 14 days later nobody is listed.
[ "$("$pny" pitchers --folder "$data" --date 2025-06-25 | wc -l)" -eq 1 ] || fail "14 days"

# Game 20 (2025-06-17): the Fireflies again. With 9 days of rest after 66, Max was not
# eligible; Ray's 90 go over the maximum. Warned of, and the night is added all the same.
"$pny" pitchers --folder "$data" --set-rest 21:1,36:2,51:3,66:9 >/dev/null 2>&1 || fail "set rest"
cat >"$tmp/night20.csv" <<'CSV'
Team,Foxglove Fireflies
No,IP,NP,S
11,3,30,20
42,4,90,50
Team,Cedar Hollow Owls
No,PA
CSV
"$pny" boxscore "$tmp/night20.csv" --folder "$data" --game 20 >"$tmp/out" 2>"$tmp/err" \
    || fail "night 20 with warnings exited $?: $(cat "$tmp/err")"
grep -q '^warning: Max Ashgrove was not eligible to pitch on 2025-06-17: he threw 66 pitches on 2025-06-10 (night 2) and was eligible from 2025-06-20\.$' "$tmp/err" \
    || fail "eligibility warning: $(cat "$tmp/err")"
grep -q '^warning: Ray Hartwell threw 90 pitches on 2025-06-17, over the daily maximum of 85\.$' "$tmp/err" \
    || fail "maximum warning: $(cat "$tmp/err")"
grep -q '^Added to 2025 Riverbend Twilight League: game 20, ' "$tmp/out" || fail "night 20 not added: $(cat "$tmp/out")"
[ "$(grep -c '^warning:' "$tmp/err")" -eq 2 ] || fail "warnings: $(cat "$tmp/err")"

# A correction counts at once: Max threw 20 on game 16, not 66.
sed -i 's/^11,Max Ashgrove,6,66,40$/11,Max Ashgrove,6,20,12/' "$tmp/night16.csv"
"$pny" boxscore "$tmp/night16.csv" --folder "$data" --game 16 --change >/dev/null 2>"$tmp/err" \
    || fail "change: $(cat "$tmp/err")"
"$pny" pitchers --folder "$data" --date 2025-06-12 --team 6 >"$tmp/out"
grep -q $'\t Max Ashgrove\t 2025-06-10\t 20\t 0\t 2025-06-11\t Yes$' "$tmp/out" || fail "after the change: $(cat "$tmp/out")"

# Refusals change nothing: bad tables, a second writer, a FIFO in place of the settings file.
before=$(snap)
for bad in "--set-rest 36:2,21:1" "--set-rest 21:100" "--set-rest 21-1" "--set-max 1000" "--set-max x"; do
    # shellcheck disable=SC2086
    "$pny" pitchers --folder "$data" $bad >/dev/null 2>"$tmp/err"
    [ $? -eq 2 ] || fail "$bad was not a usage error: $(cat "$tmp/err")"
done
"$pny" pitchers --folder "$data" --date 2025-13-01 >/dev/null 2>&1
[ $? -eq 2 ] || fail "a date that is none"
[ "$(snap)" = "$before" ] || fail "a refused setting changed the folder"

# A second writer is refused while another process holds the folder's lock: a pny generate
# waiting for its question to be answered.
for d in 01 02 03; do printf '202609%s18301\r\n' "$d"; done >"$data/Y1L1.Times"
before=$(snap)
mkfifo "$tmp/answer"
"$pny" generate --folder "$data" <"$tmp/answer" >/dev/null 2>&1 &
holder=$!
exec 3>"$tmp/answer"
for _ in $(seq 100); do [ -s "$data/Pennantry.Lock" ] && break; sleep 0.1; done
"$pny" pitchers --folder "$data" --set-max 60 >/dev/null 2>"$tmp/err"
[ $? -eq 3 ] || fail "a second writer was not refused: $(cat "$tmp/err")"
"$pny" pitchers --folder "$data" --date 2025-06-12 >/dev/null || fail "pitchers reads a locked folder"
echo n >&3
exec 3>&-
wait "$holder" 2>/dev/null
[ "$(snap)" = "$before" ] || fail "the locked folder changed"
"$pny" pitchers --folder "$data" --clear-rules >/dev/null 2>&1 || fail "clear rules"
[ "$(cat "$data/Y1L1.Leaders")" = $'Leaders|\r\n||0.67|10|\r' ] || fail "cleared: $(cat -A "$data/Y1L1.Leaders")"

# A symlink in place of the settings file: its target outside the folder is never written.
printf 'Leaders|\r\n3.1|1.0|0.67|10|\r\n' >"$tmp/outside"
rm "$data/Y1L1.Leaders"
ln -s "$tmp/outside" "$data/Y1L1.Leaders"
"$pny" pitchers --folder "$data" --set-max 50 >"$tmp/out" 2>"$tmp/err" || fail "symlink: $(cat "$tmp/err")"
grep -q '^Riverbend Twilight League: daily maximum 50; no rest required\.$' "$tmp/out" || fail "summary: $(cat "$tmp/out")"
[ "$(cat "$tmp/outside")" = $'Leaders|\r\n3.1|1.0|0.67|10|\r' ] || fail "the symlink's target was written"
[ -f "$data/Y1L1.Leaders" ] && [ ! -L "$data/Y1L1.Leaders" ] || fail "the symlink is still there"

rm "$data/Y1L1.Leaders"
mkfifo "$data/Y1L1.Leaders"
timeout 10 "$pny" pitchers --folder "$data" --date 2025-06-12 >/dev/null 2>"$tmp/err"
[ $? -eq 1 ] && grep -q 'not an ordinary file' "$tmp/err" || fail "FIFO read: $(cat "$tmp/err")"
timeout 10 "$pny" pitchers --folder "$data" --set-max 50 --set-rest 30:1 >/dev/null 2>"$tmp/err"
[ $? -eq 1 ] || fail "FIFO write: $(cat "$tmp/err")"
[ -p "$data/Y1L1.Leaders" ] || fail "the FIFO was replaced"

if [ "$failures" -gt 0 ]; then
    echo "$failures failures"
    exit 1
fi
echo "pitchers: all passed"
