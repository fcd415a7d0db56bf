#!/usr/bin/env bash
# pny export on a small data folder built by hand.
set -u
pny=${1:?usage: export.sh PATH/TO/pny}
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

expect_failure() {  # name, text the message must hold, command...
    local name=$1 message=$2
    shift 2
    if "$@" >"$dir/out" 2>"$dir/err"; then
        fail "$name: succeeded"
    elif ! grep -qi -- "$message" "$dir/err"; then
        fail "$name: message \"$(cat "$dir/err")\" lacks \"$message\""
    fi
    [[ -s "$dir/out" ]] && fail "$name: printed to standard output"
}

data="$dir/data"
mkdir "$data"
# Tab 2 (Hitting) is stored; year 1, its league 1, the league's team 2.
printf 'Y|2||1|||\r\n|2024|Summer|1|\r\n' >"$data/Baseball.Years"
printf 'L|\r\n|1|City League|2||\r\n|2|Other|||\r\n' >"$data/Y1.Leagues"
printf 'T|\r\n|10|Eagles|3|5|||\r\n|20|Tigers|6|2|1|1|\r\nX|30|Gone|9|0||\r\n' >"$data/Y1L1.Teams"
# Tigers: Lee (line 1) 3 singles and a home run in 6 PA with 2 walks; Baker (line 2) deleted;
# M\xfcller (line 3) a double in 2 PA.
printf 'P|\r\n|7|Lee|5||6|3|||1||2||||||||||||||||||||||||||||||||||\r\nX|8|Baker|\r\n|9|M\xfcller|2||2||1|\r\n' \
    >"$data/Y1L1T2.Players"
before=$(cd "$data" && md5sum * | md5sum)

tab=$'\t'
expect_output "standings tsv" \
" Place${tab} Team#${tab} Team Name${tab} Won${tab} Lost${tab} Tied${tab} Pct.${tab} GB
 1${tab} 20${tab} Tigers${tab} 6${tab} 2${tab} 1${tab} .750${tab} 
 2${tab} 10${tab} Eagles${tab} 3${tab} 5${tab} ${tab} .375${tab} 3" \
    "$pny" export --folder "$data" --tab teams

expect_output "players tsv (UTF-8, totals row)" \
" No${tab} Player Name${tab} G${tab} AB${tab} H${tab} W${tab} Sac${tab} Avg${tab} Slg${tab} OB%${tab} PA${tab} BO
 7${tab} Lee${tab} 5${tab} 4${tab} 4${tab} 2${tab}${tab}1.000${tab}1.750${tab}1.000${tab} 6${tab} 
 9${tab} Müller${tab} 2${tab} 2${tab} 1${tab}${tab}${tab} .500${tab}1.000${tab} .500${tab} 2${tab} 
 ***${tab} Totals${tab} 9${tab} 6${tab} 5${tab} 2${tab}${tab} .833${tab}1.500${tab} .875${tab} 8${tab} ***" \
    "$pny" export --folder "$data" --tab PLAYERS

expect_output "stored tab (Hitting) and csv" \
"No,Player Name,1B,2B,3B,HR,RBI,SO,BB,HP,WCI,SBnt,SFly
7,Lee,3,,,1,,,2,,,,
9,Müller,,1,,,,,,,,,
***,Totals,3,1,,1,,,2,,,," \
    bash -c "'$pny' export --folder '$data' --format csv | tr -d '\r'"

expect_output "team override shows one blank row" \
" No${tab} Player Name${tab} G${tab} AB${tab} H${tab} W${tab} Sac${tab} Avg${tab} Slg${tab} OB%${tab} PA${tab} BO
${tab}${tab}${tab}${tab}${tab}${tab}${tab}${tab}${tab}${tab}${tab}" \
    "$pny" export --folder "$data" --tab Players --team 1

"$pny" export --folder "$data" --tab Teams --format html --output "$dir/page.html" || fail "html export"
grep -q '<title>2024 City League</title>' "$dir/page.html" || fail "html title"
grep -q 'name="viewport"' "$dir/page.html" || fail "html viewport"

expect_failure "unknown tab" "unknown tab" "$pny" export --folder "$data" --tab Standings
expect_failure "missing folder" "no data folder" "$pny" export --folder "$dir/none"
expect_failure "league out of range" "--league 5 is out of range: the leagues of season 2024 are 1 to 2" \
    "$pny" export --folder "$data" --league 5
expect_failure "unknown format" "unknown format" "$pny" export --folder "$data" --format xml
"$pny" --help | grep -q -- "export \[--folder DIR\]" || fail "export is not in the usage text"

# An export never lands on a data file of any kind, nor on anything but an ordinary file.
for name in Baseball.Years Y1.Leagues Y1L1.Teams Y1L1T1.Players Y1L1.Games Y1L1.Fields \
    Y1L1.Umpires Y1L1.Times Y1L1.Notes Y1L1.Leaders Pennantry.Lock Pennantry.Journal; do
    expect_failure "export onto $name" "nothing is written there" \
        "$pny" export --folder "$data" --tab Teams --output "$data/$name"
done
mkfifo "$dir/fifo"
expect_failure "export onto a FIFO" "is a FIFO, not an ordinary file" \
    timeout 5 "$pny" export --folder "$data" --tab Teams --output "$dir/fifo"
expect_failure "export onto a device" "is a device, not an ordinary file" \
    "$pny" export --folder "$data" --tab Teams --output /dev/full
[[ -c /dev/full ]] || fail "/dev/full is no longer a device"
expect_failure "export to a full device" "No space left on device" \
    bash -c '"$0" export --folder "$1" --tab Teams >/dev/full' "$pny" "$data"

# The calendar of the Schedule tab is the website's: the same time zone, events and UIDs, so the
# whole schedule exported is the published schedule.ics byte for byte.
examples="$(cd "$(dirname "$0")/../../examples" && pwd)"
mkdir "$dir/sample"
"$pny" import "$examples/Riverbend.PZS" --folder "$dir/sample" >/dev/null 2>"$dir/err" \
    || fail "import the sample: $(cat "$dir/err")"
TZ=America/Chicago "$pny" export --folder "$dir/sample" --year 1 --league 1 --tab Schedule \
    --format ics --output "$dir/schedule.ics" 2>"$dir/err" || fail "ics export: $(cat "$dir/err")"
TZ=America/Chicago "$pny" publish --folder "$dir/sample" --year 1 --league 1 \
    --output "$dir/site" >/dev/null 2>"$dir/err" || fail "publish: $(cat "$dir/err")"
cmp -s "$dir/schedule.ics" "$dir/site/schedule.ics" || fail "the ics export is not the site's calendar"
grep -q '^DTSTART;TZID=America/Chicago:' "$dir/schedule.ics" || fail "ics times without a zone"
grep -q '^BEGIN:VTIMEZONE' "$dir/schedule.ics" || fail "ics without a VTIMEZONE"
# Read back by python-icalendar (Debian's python3-icalendar), when it is there.
if /usr/bin/python3 -c 'import icalendar' 2>/dev/null; then
    /usr/bin/python3 - "$dir/schedule.ics" >"$dir/ical" 2>&1 <<'PY' || fail "python-icalendar: $(cat "$dir/ical")"
import sys, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
events = [e for e in cal.walk('VEVENT')]
assert len(events) == 30, len(events)
assert len({str(e['UID']) for e in events}) == 30, 'UIDs repeat'
assert [z['TZID'] for z in cal.walk('VTIMEZONE')] == ['America/Chicago']
for e in events:
    start, end = e.decoded('DTSTART'), e.decoded('DTEND')
    assert start.tzinfo is not None and str(e['DTSTART'].params['TZID']) == 'America/Chicago'
    assert (end - start).total_seconds() == 7200, (start, end)
PY
else
    echo "SKIP: python3-icalendar is not installed: the calendar was not read back by it"
fi

after=$(cd "$data" && md5sum * | md5sum)
[[ "$before" == "$after" ]] || fail "export changed the data files"
[[ $(ls "$data" | wc -l) == 4 ]] || fail "export created files: $(ls "$data")"

if ((failures > 0)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "all export checks passed"
