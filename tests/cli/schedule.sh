#!/usr/bin/env bash
# pny export of the Schedule tab, as a table and as a calendar file.
set -u
pny=${1:?usage: schedule.sh PATH/TO/pny}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

data="$dir/data"
mkdir "$data"
# The Teams tab is stored; year 1, its league 1 with the default schedule columns and order.
printf 'Y|0||1|||\r\n|2024|Summer|1|\r\n' >"$data/Baseball.Years"
printf 'L|\r\n|1|City League|2|1|\r\n' >"$data/Y1.Leagues"
printf 'T|\r\n|10|Eagles|||||\r\n|20|Tigers|||||\r\n' >"$data/Y1L1.Teams"
printf 'F|\r\n|3|North Park, East|\r\n' >"$data/Y1L1.Fields"
printf 'U|\r\n|7|Ann|\r\n' >"$data/Y1L1.Umpires"
# Line 2 is deleted; line 3 comes first by date.
printf 'G|\r\n|19960615|1830|1|1|2|1||||5|4|\r\nX|19960601|1000|1|1|2|||||||\r\n|19960614|0015|1|2|1|||||||\r\n' \
    >"$data/Y1L1.Games"
before=$(cd "$data" && md5sum * | md5sum)

tab=$'\t'
expected=" Fld#${tab} Field Name${tab} Day${tab} Date${tab} Time${tab} Home${tab} Away
 3${tab} North Park, East${tab} Fri${tab} 6-14${tab} 12:15 a${tab} 20${tab} 10
 3${tab} North Park, East${tab} Sat${tab} 6-15${tab} 6:30 p${tab} 10${tab} 20"
if ! actual=$(LC_ALL=C.UTF-8 LANG=en_US.UTF-8 "$pny" export --folder "$data" --tab Schedule 2>"$dir/err"); then
    fail "schedule tsv: $(cat "$dir/err")"
elif [[ "$actual" != "$expected" ]]; then
    # The weekday names follow the locale; compare the rest when they differ.
    if [[ "$(cut -f1-3,5- <<<"$actual")" != "$(cut -f1-3,5- <<<"$expected")" ]]; then
        fail "schedule tsv"
        diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | cat -A | head -20
    fi
fi

TZ=America/New_York "$pny" export --folder "$data" --tab schedule --format ics \
    --output "$dir/games.ics" || fail "ics export"
ics="$dir/games.ics"
[[ $(grep -c $'\r$' "$ics") == $(wc -l <"$ics") ]] || fail "ics lines do not all end in CR LF"
awk '{ if (length($0) > 76) exit 1 }' "$ics" || fail "an ics line is longer than 75 octets"
[[ $(grep -c '^BEGIN:VEVENT' "$ics") == 2 ]] || fail "ics: not two events"
grep -q $'^SUMMARY:Eagles at Tigers\r$' "$ics" || fail "ics: summary of line 3"
grep -q $'^DTSTART;TZID=America/New_York:19960614T001500\r$' "$ics" || fail "ics: start of line 3"
grep -q $'^DTEND;TZID=America/New_York:19960614T021500\r$' "$ics" || fail "ics: end of line 3"
grep -q $'^TZID:America/New_York\r$' "$ics" || fail "ics: no VTIMEZONE of the zone"
grep -q $'^LOCATION:North Park\\\\, East\r$' "$ics" || fail "ics: escaped location"
# Each event is the website's own, with its UID.
TZ=America/New_York "$pny" publish --folder "$data" --output "$dir/site" >/dev/null 2>&1 ||
    fail "publish"
uids=$(grep '^UID:' "$ics")
[[ $(printf '%s\n' "$uids" | grep -c $'^UID:game-[0-9a-f]\\{24\\}@pennantry\r$') == 2 ]] ||
    fail "ics: UIDs not of the site's form: $uids"
[[ $(printf '%s\n' "$uids" | sort -u | wc -l) == 2 ]] || fail "ics: two events share a UID"
while IFS= read -r uid; do
    grep -qxF "$uid" "$dir/site/schedule.ics" || fail "ics: $uid is not the site's"
done <<<"$uids"
[[ $(head -1 "$ics") == $'BEGIN:VCALENDAR\r' && $(tail -1 "$ics") == $'END:VCALENDAR\r' ]] ||
    fail "ics: not one calendar"

if "$pny" export --folder "$data" --tab Teams --format ics >"$dir/out" 2>"$dir/err"; then
    fail "ics of the Teams tab succeeded"
fi
grep -q "Schedule tab only" "$dir/err" || fail "ics of the Teams tab: $(cat "$dir/err")"

# A game whose date cannot be read fails the export with its message.
printf 'G|\r\n|19961301|1830|1|1|2|||||||\r\n' >"$data/Y1L1.Games"
if "$pny" export --folder "$data" --tab Schedule >"$dir/out" 2>"$dir/err"; then
    fail "a bad date was exported"
fi
grep -q "'1996/13/01 18:30' is not a valid date and time" "$dir/err" || fail "bad date: $(cat "$dir/err")"
[[ -s "$dir/out" ]] && fail "bad date: printed a table"
printf 'G|\r\n|19960615|1830|1|1|2|1||||5|4|\r\nX|19960601|1000|1|1|2|||||||\r\n|19960614|0015|1|2|1|||||||\r\n' \
    >"$data/Y1L1.Games"

after=$(cd "$data" && md5sum * | md5sum)
[[ "$before" == "$after" ]] || fail "export changed the data files"

if ((failures > 0)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "all schedule export checks passed"
