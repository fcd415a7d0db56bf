#!/bin/bash
# pny import: adds the seasons of a legacy .PZS file with its .PZN notes, saves, and says what it
# added; a missing file or a wrong extension adds nothing.
set -u
pny="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$tmp/data" "$tmp/old"
printf 'Y|0||1|||\r\n|2024|Season||\r\n' > "$tmp/data/Baseball.Years"
printf '[Init]\r\nLast=2\r\n[Y2]\r\nName=1996\r\nLast=1\r\n[Y2L1]\r\nName=Majors\r\nNote=lg\r\nLast=2\r\n' > "$tmp/old/stats.PZS"
printf '[Y2L1T1]\r\nName=Tigers\r\nLast=1\r\n[Y2L1T1P1]\r\nName=Smith\r\nAB=10\r\nBB=2\r\nHP=1\r\n[Y2L1T2]\r\n' >> "$tmp/old/stats.PZS"
printf '[Y2L1S]\r\nLast=1\r\n[Y2L1G1]\r\nD=19960615\r\nH=Y2L1T2\r\nA=Y2L1T1\r\nF=F1\r\n' >> "$tmp/old/stats.PZS"
printf '[Fields]\r\nLast=1\r\n[F1]\r\nName=North\r\n[Umpires]\r\nLast=1\r\n[U1]\r\n' >> "$tmp/old/stats.PZS"
printf 'league notes\r\n' > "$tmp/old/LG.PZN"

out=$("$pny" import "$tmp/old/stats.PZS" --folder "$tmp/data") || fail "import exited $?"
echo "$out" | grep -q '^Added 1 season, 1 league, 2 teams, 1 player, 1 game, 1 field, 1 umpire and 1 notes file from ' \
    || fail "summary: $out"
cmp -s "$tmp/data/Baseball.Years" <(printf 'Y|0||2||||\r\n|2024|Season||\r\n|1996|Imported from PZS file|1|\r\n') \
    || fail "years: $(cat -A "$tmp/data/Baseball.Years")"
cmp -s "$tmp/data/Y2L1.Teams" <(printf 'T|\r\n||Tigers||||1|\r\n+|||||||\r\n') || fail "teams: $(cat -A "$tmp/data/Y2L1.Teams")"
grep -q '^||Smith|||13|' "$tmp/data/Y2L1T1.Players" || fail "players: $(cat "$tmp/data/Y2L1T1.Players")"
cmp -s "$tmp/data/Y2L1.Games" <(printf 'G|\r\n|19960615||1|2|1|||||||\r\n') || fail "games: $(cat -A "$tmp/data/Y2L1.Games")"
cmp -s "$tmp/data/Y2L1.Umpires" <(printf 'U|\r\n+|||\r\n') || fail "umpires"
cmp -s "$tmp/data/Y2L1.Notes" <(printf 'league notes\r\n') || fail "notes"

# The import is recorded; the same content again, under any name, is refused naming the season
# it made, and adds nothing; --again adds an equal season.
sum=$(sha1sum <"$tmp/old/stats.PZS" | cut -c1-40)
size=$(stat -c %s "$tmp/old/stats.PZS")
cmp -s "$tmp/data/Pennantry.Imports" <(printf 'Imports|\r\nI|stats.PZS|%s|%s|2|2|%s|\r\n' "$size" "$sum" "$(date -u +%F)") \
    || fail "record: $(cat -A "$tmp/data/Pennantry.Imports")"
cp "$tmp/old/stats.PZS" "$tmp/old/copy.PZS"
snap() { (cd "$tmp/data" && ls -l --time-style=+ && cat ./*); }
before=$(snap)
for name in stats copy; do
    err=$("$pny" import "$tmp/old/$name.PZS" --folder "$tmp/data" 2>&1 >/dev/null)
    status=$?
    [ $status -eq 1 ] || fail "$name again exited $status"
    echo "$err" | grep -q "^pny import: $name.PZS was imported on $(date -u +%F) already: it made season 2 (1996 Imported from PZS file)\. Nothing was imported; give --again to import it once more\.$" \
        || fail "$name again: $err"
    [ "$(snap)" = "$before" ] || fail "a refused import changed the folder"
done
"$pny" import "$tmp/old/stats.PZS" --again --folder "$tmp/data" >/dev/null || fail "second import"
cmp -s "$tmp/data/Y2L1.Teams" "$tmp/data/Y3L1.Teams" || fail "second season differs"
[ "$(grep -c '^I|stats.PZS|' "$tmp/data/Pennantry.Imports")" -eq 2 ] || fail "second record"
err=$("$pny" import "$tmp/old/stats.PZS" --folder "$tmp/data" 2>&1 >/dev/null) && fail "third import exited 0"
echo "$err" | grep -q "it made season 3 (1996 Imported from PZS file)" || fail "third: $err"

# A records file that is a FIFO, a folder or a link is never waited on nor written over: the
# import stops before it adds anything, and pny check names it.
for kind in fifo folder link; do
    mkdir "$tmp/$kind"
    printf 'Y|0||1|||\r\n|2024|Season||\r\n' >"$tmp/$kind/Baseball.Years"
    case $kind in
    fifo) mkfifo "$tmp/$kind/Pennantry.Imports" ;;
    folder) mkdir "$tmp/$kind/Pennantry.Imports" ;;
    link) printf 'Imports|\r\n' >"$tmp/outside" && ln -s "$tmp/outside" "$tmp/$kind/Pennantry.Imports" ;;
    esac
    err=$(timeout 10 "$pny" import "$tmp/old/stats.PZS" --folder "$tmp/$kind" 2>&1 >/dev/null)
    status=$?
    [ $status -eq 1 ] || fail "$kind records: import exited $status"
    echo "$err" | grep -q 'Pennantry.Imports.*Nothing was imported' || fail "$kind records: $err"
    [ ! -e "$tmp/$kind/Y2.Leagues" ] || fail "$kind records: a season was added"
    [ "$kind" != link ] || [ -L "$tmp/$kind/Pennantry.Imports" ] || fail "the link was replaced"
    if [ "$kind" != link ]; then
        out=$(timeout 10 "$pny" check --folder "$tmp/$kind")
        [ $? -eq 1 ] && echo "$out" | grep -q '^Pennantry.Imports: cannot be read' || fail "$kind records: check: $out"
    fi
done
[ "$(cat "$tmp/outside")" = $'Imports|\r' ] || fail "the file outside changed"

# A missing file, a wrong extension and a missing argument add nothing.
before=$(cat "$tmp/data/Baseball.Years")
err=$("$pny" import "$tmp/old/none.PZS" --folder "$tmp/data" 2>&1 >/dev/null) && fail "missing file exited 0"
echo "$err" | grep -q 'none.PZS" does not exist' || fail "missing file message: $err"
cp "$tmp/old/stats.PZS" "$tmp/old/stats.txt"
err=$("$pny" import "$tmp/old/stats.txt" --folder "$tmp/data" 2>&1 >/dev/null) && fail "wrong extension exited 0"
echo "$err" | grep -q 'The File Extension Must be .PZS' || fail "extension message: $err"
[ "$(cat "$tmp/data/Baseball.Years")" = "$before" ] || fail "a refused import changed the years"
"$pny" import --folder "$tmp/data" 2>/dev/null; [ $? -eq 2 ] || fail "no file should exit 2"

# A malformed file ends, and imports what it holds.
printf '[Init]\r\nLast=2000000000\r\n[Y1]\r\nName=2001\r\nLast=2000000000\r\njunk\r\n\x00\xff[\r\n' > "$tmp/old/bad.PZS"
out=$(timeout 20 "$pny" import "$tmp/old/bad.PZS" --folder "$tmp/data") || fail "malformed file exited $?"
echo "$out" | grep -q '^Added 1 season, 0 leagues' || fail "malformed summary: $out"
# Names holding a separator, a NUL, a tab or a lone CR are cleaned: every record keeps its fields.
mkdir "$tmp/hostile"
printf '[Init]\r\nLast=1\r\n[Y1]\r\nName=19\x0096\r\nLast=1\r\n[Y1L1]\r\nName=Maj|ors\r\nLast=1\r\n' > "$tmp/old/hostile.PZS"
printf '[Y1L1T1]\r\nName=T|E|A|M\r\nLast=1\r\n[Y1L1T1P1]\r\nName=Sm\tith\rJr\r\nNo=1|2\r\nAB=4\r\n' >> "$tmp/old/hostile.PZS"
out=$("$pny" import "$tmp/old/hostile.PZS" --folder "$tmp/hostile") || fail "hostile import exited $?"
echo "$out" | grep -q 'texts held characters a record cannot hold; replaced by spaces' || fail "no cleaning report: $out"
grep -q '^||T E A M|' "$tmp/hostile/Y1L1.Teams" || fail "team: $(cat -A "$tmp/hostile/Y1L1.Teams")"
[ "$(tr -cd '|' < <(sed -n 2p "$tmp/hostile/Y1L1T1.Players"))" = "$(printf '%48s' | tr ' ' '|')" ] \
    || fail "player fields: $(sed -n 2p "$tmp/hostile/Y1L1T1.Players" | cat -A)"
! grep -qP '\x00' "$tmp/hostile/Baseball.Years" || fail "a NUL reached the years file"
"$pny" check --folder "$tmp/hostile" >/dev/null || fail "check after a hostile import: $("$pny" check --folder "$tmp/hostile")"
echo OK
