#!/bin/bash
# What every pny command shares: --help and -h exit 0, --version, usage errors exit 2 and
# failures 1 alike; pny list prints seasons, leagues and teams; indexes out of range name the
# valid ones.
set -u
pny="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expect_status() {  # name, status, command...
    local name=$1 status=$2
    shift 2
    "$@" >"$tmp/out" 2>"$tmp/err"
    local rc=$?
    [ $rc -eq "$status" ] || fail "$name: exit $rc, not $status ($(head -c 300 "$tmp/err"))"
}

commands="backup boxscore career check export generate history import leaders list log pitchers publish roster"
for c in $commands; do
    for h in --help -h; do
        expect_status "$c $h" 0 "$pny" "$c" "$h"
        grep -q "^Usage: pny $c" "$tmp/out" || fail "$c $h: no usage line: $(head -3 "$tmp/out")"
        [ -s "$tmp/err" ] && fail "$c $h wrote to standard error"
    done
    # Every command is listed in the general help.
    "$pny" --help | grep -q "^  $c " || fail "pny --help lacks $c"
done

# A wrong command line reads alike in every command: the problem, then where the usage is.
for c in $commands; do
    expect_status "$c unknown option" 2 "$pny" "$c" --bogus
    grep -q "^pny $c: .*; see pny $c --help\$" "$tmp/err" || fail "$c usage error: $(cat "$tmp/err")"
done

# The selection options are read alike wherever they are taken, in both spellings.
for c in boxscore career export generate history leaders list log pitchers publish "roster export"; do
    expect_status "$c --year=x" 2 "$pny" $c --year=x
    grep -q "^pny ${c%% *}: --year takes a line index (0 or more), not \"x\"" "$tmp/err" ||
        fail "$c --year=x: $(cat "$tmp/err")"
    expect_status "$c --league -1" 2 "$pny" $c --league -1
    grep -q -- '--league takes a line index' "$tmp/err" || fail "$c --league -1: $(cat "$tmp/err")"
done
# roster: the action comes first, export takes no file, import takes one.
expect_status "roster action after an option" 2 "$pny" roster --team 1 export
grep -q 'say import or export' "$tmp/err" || fail "roster action last: $(cat "$tmp/err")"
expect_status "roster export with a file" 2 "$pny" roster export extra.csv --team 1
grep -q 'unexpected argument "extra.csv"' "$tmp/err" || fail "roster export file: $(cat "$tmp/err")"
expect_status "roster import two files" 2 "$pny" roster import a.csv b.csv --team 1
expect_status "roster help after the action" 0 "$pny" roster import --help

expect_status "pny --version" 0 "$pny" --version
grep -Eq '^pny \(Pennantry\) [0-9]+\.[0-9]+\.[0-9]+$' "$tmp/out" || fail "version: $(cat "$tmp/out")"
expect_status "no command" 2 "$pny"
expect_status "unknown command" 2 "$pny" frobnicate

# A data folder: seasons 1 (2024, deleted), 2 (2025, current) and 3 (1999); 2025 has the leagues
# Majors (1) with three teams, one deleted, and Minors (2, current) with one.
d="$tmp/data"
mkdir "$d"
printf 'Y|0||2|||\r\nX|2024|Old|1|\r\n|2025|Summer|2|\r\n|1999|Retro||\r\n' >"$d/Baseball.Years"
printf 'L|\r\n|2|Majors|1||\r\n|1|Minors|2||\r\n' >"$d/Y2.Leagues"
printf 'T|\r\n|10|Eagles|\r\nX|30|Gone|\r\n|7|Tigers|\r\n' >"$d/Y2L1.Teams"
printf 'T|\r\n|1|Only|\r\n' >"$d/Y2L2.Teams"

# Usage errors: the same status in every command.
expect_status "export bad option" 2 "$pny" export --folder "$d" --bogus
expect_status "export option without value" 2 "$pny" export --folder "$d" --tab
expect_status "export index no number" 2 "$pny" export --folder "$d" --team x
expect_status "generate bad option" 2 "$pny" generate --folder "$d" --bogus
expect_status "generate index no number" 2 "$pny" generate --folder "$d" --league -1
expect_status "list extra argument" 2 "$pny" list --folder "$d" extra
expect_status "list team option" 2 "$pny" list --folder "$d" --team 1
expect_status "check bad option" 2 "$pny" check --bogus
expect_status "backup no destination" 2 "$pny" backup --folder "$d"
expect_status "backup two destinations" 2 "$pny" backup a b --folder "$d"
expect_status "import no file" 2 "$pny" import --folder "$d"
grep -q 'see pny import --help' "$tmp/err" || fail "usage error points to the help: $(cat "$tmp/err")"

# Failures: the same status in every command.
for c in check export generate list; do
    expect_status "$c missing folder" 1 "$pny" $c --folder "$tmp/none"
    grep -q "pny $c: no data folder" "$tmp/err" || fail "$c missing folder: $(cat "$tmp/err")"
done
expect_status "backup missing folder" 1 "$pny" backup "$tmp" --folder "$tmp/none"
expect_status "import missing folder" 1 "$pny" import x.PZS --folder "$tmp/none"

# pny list.
tab=$'\t'
expect_list() {  # name, expected, arguments...
    local name=$1 expected=$2
    shift 2
    local actual
    actual=$("$pny" list --folder "$d" "$@" 2>"$tmp/err") || fail "$name: exit $? ($(cat "$tmp/err"))"
    [ "$actual" = "$expected" ] || fail "$name: $(printf '%s' "$actual" | cat -A)"
}
expect_list "seasons" "index${tab}number${tab}name
3${tab}1999${tab}Retro
2${tab}2025${tab}Summer"
expect_list "leagues" "index${tab}number${tab}name
2${tab}1${tab}Minors
1${tab}2${tab}Majors" --year 2
expect_list "teams" "index${tab}number${tab}name
3${tab}7${tab}Tigers
1${tab}10${tab}Eagles" --year 2 --league 1
expect_list "teams of the current season" "index${tab}number${tab}name
1${tab}1${tab}Only" --league 2
expect_list "a season without leagues" "index${tab}number${tab}name" --year 3
mkdir "$tmp/empty"
[ "$("$pny" list --folder "$tmp/empty")" = "index${tab}number${tab}name" ] || fail "empty folder list"
[ -e "$tmp/empty/Baseball.Years" ] && fail "list wrote a years file"

# Indexes out of range name the valid ones; a deleted one says so.
expect_out_of_range() {  # name, message, command...
    local name=$1 message=$2
    shift 2
    expect_status "$name" 1 "$@"
    grep -qF -- "$message" "$tmp/err" || fail "$name: $(cat "$tmp/err")"
    [ -s "$tmp/out" ] && fail "$name printed a table: $(cat "$tmp/out")"
}
expect_out_of_range "export year 0" "--year 0 is out of range: the seasons are 1 to 3" \
    "$pny" export --folder "$d" --year 0
expect_out_of_range "export league 5" "--league 5 is out of range: the leagues of season 2025 are 1 to 2" \
    "$pny" export --folder "$d" --league 5
expect_out_of_range "export team 9" "--team 9 is out of range: the teams of league \"Majors\" are 1 to 3" \
    "$pny" export --folder "$d" --year 2 --league 1 --team 9 --tab Players
expect_out_of_range "export deleted team" "--team 2 is a deleted team" \
    "$pny" export --folder "$d" --year 2 --league 1 --team 2 --tab Players
expect_out_of_range "only one" "--team 4 is out of range: the only team of league \"Minors\" is 1" \
    "$pny" export --folder "$d" --year 2 --league 2 --team 4
expect_out_of_range "deleted year" "--year 1 is a deleted season" "$pny" list --folder "$d" --year 1
expect_out_of_range "no leagues" "--league 1 is out of range: there are no leagues of season 1999" \
    "$pny" list --folder "$d" --year 3 --league 1
expect_out_of_range "generate league 7" "--league 7 is out of range: the leagues of season 2025 are 1 to 2" \
    "$pny" generate --folder "$d" --league 7 --yes
"$pny" export --folder "$d" --year 2 --league 1 --team 3 --tab Players >/dev/null \
    || fail "a team in range exited $?"

[ $failures -eq 0 ] || exit 1
echo OK
