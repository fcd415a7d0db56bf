#!/usr/bin/env bash
# pny leaders on a small data folder built by hand.
set -u
pny=${1:?usage: leaders.sh PATH/TO/pny}
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

# The block of one table: from its title to the empty line after it.
block() {  # title, command...
    local title=$1
    shift
    "$@" | awk -v title="$title" '$0 == title { on = 1 } on && $0 == "" { exit } on { print }'
}

data="$dir/data"
mkdir "$data"
printf 'Y|0||1|||\r\n|2024|Summer|1|\r\n|2025|Next||\r\n' >"$data/Baseball.Years"
printf 'L|\r\n|1|City League|1||\r\n|2|Other|||\r\n' >"$data/Y1.Leagues"
# Both teams have played 4 games: 3.1 x 4 = 12.4, so 13 PA qualify.
printf 'T|\r\n|10|Eagles|3|1|||\r\n|20|Tigers|2|2|||\r\nX|30|Gone|4||||\r\n' >"$data/Y1L1.Teams"
# Eagles: Ann 5 for 13 with a home run; Bo 1 for 1; Zed deleted.
printf 'P|\r\n|1|Ann|4||13|4|||1|\r\n|2|Bo|1||1|1|\r\nX|3|Zed|4||20|20|||9|\r\n' \
    >"$data/Y1L1T1.Players"
# Tigers: Cy 4 for 12 with a home run (one PA short); Dee 6 for 20. Gone's player is deleted with
# his team.
printf 'P|\r\n|4|Cy|4||12|3|||1|\r\n|5|Dee|4||20|5|1|\r\n' >"$data/Y1L1T2.Players"
printf 'P|\r\n|6|Ghost|4||40|40|||40|\r\n' >"$data/Y1L1T3.Players"
before=$(cd "$data" && md5sum * | md5sum)

tab=$'\t'
expect_output "caption" "2024 City League - League Leaders" \
    bash -c "'$pny' leaders --folder '$data' | head -1"

expect_output "rate table with its rule" \
"Batting Average (AVG)
Qualified: 3.1 PA per team game (13 PA after 4 games)
 Rank${tab} Player${tab} Team${tab} AVG${tab} PA
 1${tab} Ann${tab} Eagles${tab} .384${tab} 13
 2${tab} Dee${tab} Tigers${tab} .300${tab} 20" \
    block "Batting Average (AVG)" "$pny" leaders --folder "$data"

expect_output "counting table with a tie" \
"Home Runs (HR)
 Rank${tab} Player${tab} Team${tab} HR
 1${tab} Ann${tab} Eagles${tab} 1
 1${tab} Cy${tab} Tigers${tab} 1" \
    block "Home Runs (HR)" "$pny" leaders --folder "$data"

expect_output "empty table keeps its header" \
"Triples (3B)
 Rank${tab} Player${tab} Team${tab} 3B" \
    block "Triples (3B)" "$pny" leaders --folder "$data"

expect_output "--top 1" \
"Hits (H)
 Rank${tab} Player${tab} Team${tab} H
 1${tab} Dee${tab} Tigers${tab} 6" \
    block "Hits (H)" "$pny" leaders --folder "$data" --top 1

expect_output "every category once" "22" \
    bash -c "'$pny' leaders --folder '$data' | grep -c ' Rank${tab}'"
expect_output "deleted players and teams never appear" "0" \
    bash -c "'$pny' leaders --folder '$data' | grep -c -e Zed -e Ghost || true"

expect_output "csv" \
"2024 City League - League Leaders

Batting Average (AVG)
Qualified: 3.1 PA per team game (13 PA after 4 games)
Rank,Player,Team,AVG,PA
1,Ann,Eagles,.384,13" \
    bash -c "'$pny' leaders --folder '$data' --format CSV | head -6 | tr -d '\r'"

"$pny" leaders --folder "$data" --format html >"$dir/page.html" || fail "html"
grep -q '<title>2024 City League - League Leaders</title>' "$dir/page.html" || fail "html title"
grep -q '<p class="rule">Qualified: 0.67 G per team game (3 G after 4 games)</p>' "$dir/page.html" \
    || fail "html rule"

expect_output "another league" "2024 Other - League Leaders" \
    bash -c "'$pny' leaders --folder '$data' --league=2 | head -1"

# The league's own settings: 4.0 PA per game (16 PA after 4 games) and 1 place; --top overrides
# the places for one run.
printf 'Leaders|\r\n4.0|1.0|0.67|1|\r\n' >"$data/Y1L1.Leaders"
expect_output "stored settings" \
"Batting Average (AVG)
Qualified: 4.0 PA per team game (16 PA after 4 games)
 Rank${tab} Player${tab} Team${tab} AVG${tab} PA
 1${tab} Dee${tab} Tigers${tab} .300${tab} 20" \
    block "Batting Average (AVG)" "$pny" leaders --folder "$data"
expect_output "stored places" \
"Hits (H)
 Rank${tab} Player${tab} Team${tab} H
 1${tab} Dee${tab} Tigers${tab} 6" \
    block "Hits (H)" "$pny" leaders --folder "$data"
expect_output "--top over the stored places" "6" \
    bash -c "'$pny' leaders --folder '$data' --top 5 | awk '/^Hits/ { on = 1 } on && /^$/ { exit } on' | wc -l"
rm "$data/Y1L1.Leaders"

expect_failure "unknown format" 2 "unknown format" "$pny" leaders --folder "$data" --format pdf
expect_failure "no places" 2 "--top takes" "$pny" leaders --folder "$data" --top 0
expect_failure "unknown option" 2 "unknown option" "$pny" leaders --folder "$data" --team 1
expect_failure "missing value" 2 "needs a value" "$pny" leaders --folder "$data" --year
expect_failure "missing folder" 1 "no data folder" "$pny" leaders --folder "$dir/none"
expect_failure "no years file" 1 "Baseball.Years" "$pny" leaders --folder "$dir"
expect_failure "no usable league" 1 "no usable league" "$pny" leaders --folder "$data" --year 2
"$pny" --help | grep -q -- "leaders \[--folder DIR\]" || fail "leaders is not in the usage text"
"$pny" leaders --help | grep -q -- "--top N" || fail "leaders --help"

after=$(cd "$data" && md5sum * | md5sum)
[[ "$before" == "$after" ]] || fail "leaders changed the data files"
[[ $(ls "$data" | wc -l) == 6 ]] || fail "leaders created files: $(ls "$data")"

# The sample's league plays seven-inning games: with the default factors scaled to its innings,
# every batter who played all his team's games qualifies for the batting average.
examples="$(cd "$(dirname "$0")/../../examples" && pwd)"
mkdir "$dir/sample"
"$pny" import "$examples/Riverbend.PZS" --folder "$dir/sample" >/dev/null 2>"$dir/err" \
    || fail "import the sample: $(cat "$dir/err")"
games=$("$pny" export --folder "$dir/sample" --year 1 --league 1 --tab Teams --format csv |
    tr -d '\r' | awk -F, 'NR > 1 { print $4 + $5 + $6 }' | sort -u)
[[ "$games" =~ ^[0-9]+$ ]] || fail "the sample's teams played different numbers of games: $games"
regulars=0
avg=$("$pny" leaders --folder "$dir/sample" --year 1 --league 1 --top 999)
grep -q $'^Qualified: 2.41 PA per team game' <<<"$avg" || fail "the sample's rule: $(grep -m1 Qualified <<<"$avg")"
avg=$(awk '/^Batting Average/ { f = 1 } f && /^$/ { exit } f' <<<"$avg")
for team in 1 2 3 4 5 6; do
    while IFS= read -r name; do
        regulars=$((regulars + 1))
        grep -qF $'\t '"$name"$'\t' <<<"$avg" || fail "$name played all $games games but does not qualify"
    done < <("$pny" export --folder "$dir/sample" --year 1 --league 1 --team "$team" --tab Players \
        --format csv | tr -d '\r' | awk -F, -v g="$games" 'NR > 1 && $1 != "***" && $3 == g && $4 > 0 { print $2 }')
done
((regulars > 20)) || fail "only $regulars players played every game"

if ((failures > 0)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "all leaders checks passed"
