#!/bin/bash
# pny boxscore with a box score as a scorer writes it (AB R H RBI BB SO, IP as 5.2, P.H, DEC):
# the README's example adds the night with its message and writes exactly the bytes of the same
# night in the stored names (PA, 1B, G, GP, IP and 3IP, HA, Won...); the lines it cannot convert,
# headers giving a statistic two ways and impossible decisions change nothing; the box score's
# proof warns with both numbers and never stops the night.
set -u
pny="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

mkdir "$tmp/sample"
"$pny" import "$root/examples/Riverbend.PZS" --folder "$tmp/sample" >/dev/null 2>"$tmp/err" \
    || { echo "FAIL: import: $(cat "$tmp/err")"; exit 1; }
snap() { (cd "$1" && md5sum * | LC_ALL=C sort); }
fresh() { rm -rf "$tmp/$1" && cp -a "$tmp/sample" "$tmp/$1"; }

# The README's example, as the README shows it.
awk '/^Team,Harbor Herons,Score,3$/{f=1} f&&/^```$/{exit} f' "$root/README.md" >"$tmp/night.csv"
[ "$(wc -l <"$tmp/night.csv")" -eq 20 ] || fail "the README's example: $(cat "$tmp/night.csv")"
fresh names
"$pny" boxscore "$tmp/night.csv" --folder "$tmp/names" --game 16 >"$tmp/out" 2>"$tmp/err" \
    || fail "the README's example exited $?: $(cat "$tmp/err")"
[ "$(cat "$tmp/out")" = "Added to 2025 Riverbend Twilight League: game 16, Tue 2025-06-10, Harbor Herons 3 at Foxglove Fireflies 5" ] \
    || fail "message: $(cat "$tmp/out")"
# The example proves itself: every team's batting is what the other team's pitchers allowed.
[ ! -s "$tmp/err" ] || fail "the README's example warns: $(cat "$tmp/err")"
grep -qF 'Added to 2025 Riverbend Twilight League: game 16, Tue 2025-06-10, Harbor Herons 3 at Foxglove Fireflies 5' "$root/README.md" \
    || fail "the README shows another message"

# The same night in the stored statistics' names: PA = AB + BB, 1B = H, G and GP typed, IP and
# thirds, Won, Lost and Sv.
cat >"$tmp/stored.csv" <<'CSV'
Team,Harbor Herons,Score,3
No,Name,PA,RS,1B,RBI,BB,SO,G,GP,IP,3IP,HA,RA,ER,WA,BSO,Won,Lost,Sv
23,Ada Abernathy,4,1,2,1,0,1,1,,,,,,,,,,,
38,Fay Hollis,4,1,1,0,1,0,1,,,,,,,,,,,
26,Kit Oakes,4,1,1,2,0,2,1,,,,,,,,,,,
48,Pat Vance,3,0,0,0,0,1,1,,,,,,,,,,,
42,Uma Eastmoor,3,0,1,0,0,1,1,,,,,,,,,,,
21,Vic Drabwell,,,,,,,,1,4,1,5,4,3,2,3,,1,
17,Cal Kilbride,,,,,,,,1,1,2,2,1,1,0,2,,,
Team,Foxglove Fireflies,Score,5
No,Name,PA,RS,1B,RBI,BB,SO,G,GP,IP,3IP,HA,RA,ER,WA,BSO,Won,Lost,Sv
11,Max Ashgrove,4,2,2,1,1,0,1,,,,,,,,,,,
42,Ray Hartwell,4,1,2,2,0,1,1,,,,,,,,,,,
35,Wes Calloway,4,1,1,1,0,2,1,,,,,,,,,,,
18,Dot Jessop,4,1,1,1,1,1,1,,,,,,,,,,,
47,Ivy Quarrie,3,0,1,0,0,1,1,,,,,,,,,,,
27,Eli Ingram,,,,,,,,1,5,2,4,3,2,1,4,1,,
7,Jon Pellow,,,,,,,,1,1,1,1,0,0,0,1,,,1
CSV
fresh stored
"$pny" boxscore "$tmp/stored.csv" --folder "$tmp/stored" --game 16 >"$tmp/out" 2>"$tmp/err" \
    || fail "the stored names exited $?: $(cat "$tmp/err")"
[ "$(snap "$tmp/names")" = "$(snap "$tmp/stored")" ] \
    || fail "the two files wrote different bytes: $(diff <(snap "$tmp/names") <(snap "$tmp/stored"))"
[ "$(snap "$tmp/names")" != "$(snap "$tmp/sample")" ] || fail "the night changed nothing"
"$pny" check --folder "$tmp/names" >"$tmp/out" 2>&1 || fail "pny check after the night: $(cat "$tmp/out")"

# Refused whole, with the line, the player and the reason; nothing is written.
refused() { # NAME SED-EXPRESSION EXPECTED-TEXT
    sed "$2" "$tmp/night.csv" >"$tmp/$1.csv"
    fresh "$1"
    local before
    before=$(snap "$tmp/$1")
    "$pny" boxscore "$tmp/$1.csv" --folder "$tmp/$1" --game 16 >/dev/null 2>"$tmp/err"
    local status=$?
    [ $status -eq 1 ] && grep -qF "$3" "$tmp/err" || fail "$1 (exit $status): $(cat "$tmp/err")"
    [ "$(snap "$tmp/$1")" = "$before" ] || fail "$1: a refused night changed the folder"
}
refused ip43 's/^21,Vic Drabwell,4\.1,/21,Vic Drabwell,4.3,/' \
    'Line 9: Vic Drabwell: IP 4.3 is no number of innings'
refused decision 's/^17,Cal Kilbride,1\.2,2,1,1,0,2,$/17,Cal Kilbride,,,,,,,S/' \
    'Line 10: Cal Kilbride: DEC S without pitching'
refused hits '2s/,SO$/,SO,HR/; s/^23,Ada Abernathy,4,1,2,1,0,1$/&,3/' \
    'Line 3: Ada Abernathy: H 2 is less than 2B + 3B + HR (3)'
refused bothways '12s/^No,Name,AB,/No,Name,PA,AB,/' \
    'Line 12: the header names "PA" and "AB": they give the same statistic two ways'
refused twowins 's/^21,Vic Drabwell,\(.*\),L$/21,Vic Drabwell,\1,W/' \
    'Two winning pitchers in one game: Eli Ingram (Foxglove Fireflies) and Vic Drabwell (Harbor Herons). Nothing was added.'
refused oneteam 's/^17,Cal Kilbride,\(.*\),$/17,Cal Kilbride,\1,W/; s/^27,Eli Ingram,\(.*\),W$/27,Eli Ingram,\1,/' \
    'The winning and the losing pitcher on one team: Cal Kilbride (Harbor Herons) and Vic Drabwell (Harbor Herons).'

# The proof warns with both numbers and adds the night all the same: Ada's third hit is no hit
# the Fireflies' pitchers allowed, and the Fireflies' putouts are not their 21 outs (the Herons'
# 18 are).
sed 's/^23,Ada Abernathy,4,1,2,/23,Ada Abernathy,4,1,3,/; 8s/,DEC$/,DEC,PO/; s/^21,Vic Drabwell,\(.*\)$/21,Vic Drabwell,\1,18/
     18s/,DEC$/,DEC,PO/; s/^27,Eli Ingram,\(.*\)$/27,Eli Ingram,\1,20/' \
    "$tmp/night.csv" >"$tmp/proof.csv"
fresh proof
"$pny" boxscore "$tmp/proof.csv" --folder "$tmp/proof" --game 16 >"$tmp/out" 2>"$tmp/err" \
    || fail "a night with proof warnings exited $?: $(cat "$tmp/err")"
[ "$(cat "$tmp/err")" = "warning: Foxglove Fireflies: PO 20, its pitchers recorded 21 outs
warning: Harbor Herons: H 6, the Foxglove Fireflies' pitchers allowed 5" ] \
    || fail "proof warnings: $(cat "$tmp/err")"
grep -q '^Added to ' "$tmp/out" || fail "the night with warnings was not added: $(cat "$tmp/out")"
[ "$(snap "$tmp/proof")" != "$(snap "$tmp/sample")" ] || fail "the night with warnings changed nothing"

[ "$failures" -eq 0 ] && echo "boxscorenames: all passed"
exit "$failures"
