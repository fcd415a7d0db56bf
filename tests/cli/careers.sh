#!/usr/bin/env bash
# pny career and pny history on a data folder of three seasons built by hand.
set -u
pny=${1:?usage: careers.sh PATH/TO/pny}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expect_output() {  # name, expected text, command...
    local name=$1 expected=$2
    shift 2
    local actual
    if ! actual=$("$@" 2>"$dir/err"); then
        fail "$name: exit code $? ($(cat "$dir/err"))"
        return
    fi
    if [[ "$actual" != "$expected" ]]; then
        fail "$name"
        diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | cat -A | head -20
    fi
}

expect_failure() {  # name, exit code, text the message must hold, command...
    local name=$1 code=$2 message=$3
    shift 3
    "$@" >"$dir/out" 2>"$dir/err"
    local actual=$?
    [[ $actual == "$code" ]] || fail "$name: exit code $actual, not $code"
    grep -qi -- "$message" "$dir/err" || fail "$name: message \"$(cat "$dir/err")\" lacks \"$message\""
    [[ -s "$dir/out" ]] && fail "$name: printed to standard output"
}

# A player line: number, name, then "field=value" pairs (record fields 4 to 48).
player() {
    local -a f
    local i
    for ((i = 1; i <= 48; i++)); do f[i]=""; done
    f[2]=$1
    f[3]=$2
    shift 2
    local pair
    for pair in "$@"; do f[${pair%%=*}]=${pair#*=}; done
    local line=""
    for ((i = 1; i <= 48; i++)); do line+="${f[i]}|"; done
    printf '%s\r\n' "$line"
}

data="$dir/data"
mkdir "$data"
# Three seasons; the second plays 7-inning games. G is field 4, PA 6, 1B 7, GP 23, IP 24, ER 36.
printf 'Y|4||3||||\r\n|2022|One|1|\r\n|2023|Two|1|\r\n|2024|Three|1|\r\n' >"$data/Baseball.Years"
printf 'L|\r\n|1|City League|1||9|\r\n' >"$data/Y1.Leagues"
printf 'L|\r\n|1|City League|1||7|\r\n' >"$data/Y2.Leagues"
printf 'L|\r\n|1|city league|1||9|\r\n' >"$data/Y3.Leagues"
printf 'T|\r\n|1|Eagles|6|2||1|\r\n|2|Tigers|3|5|||\r\n' >"$data/Y1L1.Teams"
printf 'T|\r\n|1|Eagles|3|5||1|\r\n|2|Tigers|6|2||1|\r\n' >"$data/Y2L1.Teams"
printf 'T|\r\n|1|Eagles|5|3||1|\r\n|2|Tigers|5|3|||\r\n' >"$data/Y3L1.Teams"
{ printf 'P|\r\n'; player 7 "Ann Lee" 4=8 6=20 7=5; player 20 Bo 4=3 23=3 24=9 36=3; } >"$data/Y1L1T1.Players"
{ printf 'P|\r\n'; player 20 Bo 4=2 23=2 24=7 36=2; } >"$data/Y2L1T1.Players"
{ printf 'P|\r\n'; player 7 "Ann Lee" 4=8 6=30 7=9; } >"$data/Y2L1T2.Players"
{ printf 'P|\r\n'; player 20 Bo 4=3 23=3 24=9; player 7 "Ann Lee" 4=8 6=25 7=4; } >"$data/Y3L1T1.Players"
printf 'People|\r\nP|1|Y1L1T1P1|\r\nP|1|Y2L1T2P1|\r\nP|1|Y3L1T1P2|\r\nP|2|Y1L1T1P2|\r\nP|2|Y2L1T1P1|\r\nP|2|Y3L1T1P1|\r\n' \
    >"$data/Pennantry.People"
before=$(cd "$data" && md5sum * | md5sum)

tab=$'\t'
career_cells() {  # header, options...: the Year column and the header's column of pny career
    local header=$1
    shift
    local out column
    out=$("$pny" career --folder "$data" "$@") || return 1
    column=$(head -1 <<<"$out" | tr '\t' '\n' | grep -nx -- "$header" | cut -d: -f1)
    [[ -n "$column" ]] || return 1
    cut -f1,"$column" <<<"$out" | tail -n +2
}
# Bo's career: 3 ER at 9 innings and 2 at 7 over 25 innings give 1.64, not the 1.80 of counting
# every season at 9.
expect_output "career ERA weighs each season's innings" \
" 2022${tab} 3.00
 2023${tab} 2.00
 2024${tab} 0.00
 3 seasons${tab} 1.64" career_cells " ERA" --player 20 --tab pitching
# Ann: 5 for 20, 9 for 30, 4 for 25; 18 for 75 over the career (never the mean of the seasons).
expect_output "career average from summed counts" \
" 2022${tab} .250
 2023${tab} .300
 2024${tab} .160
 3 seasons${tab} .240" career_cells " Avg" --player "ann lee"
expect_output "the team's current player by default, found by number too" \
"$(career_cells " Avg" --player 20)" career_cells " Avg"

expect_output "csv and html" "2" \
    bash -c "'$pny' career --folder '$data' --player 7 --format csv | grep -c '^2022,\|^2023,' ; true"
"$pny" career --folder "$data" --player 7 --format html | grep -q "<title>Career - Ann Lee</title>" ||
    fail "html career has no title"

expect_output "history: standings leaders by season" \
"Standings Leaders by Season
 Year${tab} League${tab} Team${tab} Won${tab} Lost${tab} Tied${tab} Pct
 2022${tab} City League${tab} Eagles${tab} 6${tab} 2${tab}${tab} .750
 2023${tab} City League${tab} Tigers${tab} 6${tab} 2${tab}${tab} .750
 2024${tab} city league${tab} Eagles / Tigers${tab} 5${tab} 3${tab}${tab} .625" \
    bash -c "'$pny' history --folder '$data' | sed -n '3,7p'"

block() {  # title, command...
    local title=$1
    shift
    "$@" | awk -v title="$title" '$0 == title { on = 1 } on && $0 == "" { exit } on { print }'
}
expect_output "all-time leaders count a person's seasons together" \
"Hits (H)
 Rank${tab} Player${tab} Team${tab} H
 1${tab} Ann Lee${tab} Eagles${tab} 18" \
    block "Hits (H)" "$pny" history --folder "$data"
expect_output "nobody has 100 career PA" \
"Batting Average (AVG)
Qualified: at least 100 PA in a career
 Rank${tab} Player${tab} Team${tab} AVG${tab} PA" \
    block "Batting Average (AVG)" "$pny" history --folder "$data"
printf 'Leaders|\r\n3.1|1.0|0.67|10|0|25|30|\r\n' >"$data/Y3L1.Leaders"
expect_output "without the qualifier" \
"Batting Average (AVG)
Qualified: every player (no career minimum)
 Rank${tab} Player${tab} Team${tab} AVG${tab} PA
 1${tab} Ann Lee${tab} Eagles${tab} .240${tab} 75" \
    block "Batting Average (AVG)" "$pny" history --folder "$data"
expect_output "career ERA among the all-time leaders" \
"Earned Run Average (ERA)
Qualified: at least 25 IP in a career
 Rank${tab} Player${tab} Team${tab} ERA${tab} IP
 1${tab} Bo${tab} Eagles${tab} 1.64${tab}25.0" \
    block "Earned Run Average (ERA)" "$pny" history --folder "$data"
rm "$data/Y3L1.Leaders"

expect_failure "unknown player" 1 'no player "Nobody"' "$pny" career --folder "$data" --player Nobody
expect_failure "not a player tab" 2 "not a player tab" "$pny" career --folder "$data" --tab Teams
expect_failure "bad format" 2 "unknown format" "$pny" history --folder "$data" --format pdf
expect_failure "bad top" 2 "--top takes" "$pny" history --folder "$data" --top 0
"$pny" career --help | grep -q "career \[--folder DIR\]" || fail "career --help"
"$pny" --help | grep -q "  history " || fail "pny --help lacks history"

# pny check reads the people file: a link to no player and a cut line.
printf 'People|\r\nP|1|Y1L1T1P1|\r\nP|1|Y1L1T1P9|\r\nP|2|Y1' >"$data/Pennantry.People"
"$pny" check --folder "$data" >"$dir/check" 2>&1
grep -q "Pennantry.People:3: Y1L1T1P9 is no player" "$dir/check" || fail "check: $(cat "$dir/check")"
grep -q "Pennantry.People:4: the line does not end" "$dir/check" || fail "check: cut line"
printf 'People|\r\nP|1|Y1L1T1P1|\r\nP|1|Y2L1T2P1|\r\nP|1|Y3L1T1P2|\r\nP|2|Y1L1T1P2|\r\nP|2|Y2L1T1P1|\r\nP|2|Y3L1T1P1|\r\n' \
    >"$data/Pennantry.People"
"$pny" check --folder "$data" >/dev/null 2>&1 || fail "check of a sound folder: $("$pny" check --folder "$data")"
# The backup copies the people file.
"$pny" backup --folder "$data" "$dir/backup" >/dev/null 2>&1 || fail "backup failed"
cmp -s "$data/Pennantry.People" "$dir/backup/Pennantry.People" || fail "backup lacks the people file"

after=$(cd "$data" && md5sum * | md5sum)
[[ "$before" == "$after" ]] || fail "a reading command changed the data folder"

if ((failures > 0)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "all careers checks passed"
