#!/bin/bash
# pny publish on the sample season: the files of the site, the same bytes twice, links that
# resolve, the data folder refused; then every page in a real browser at a phone's and a
# desktop's width: the body never wider than the window and no console error. The browser part is
# skipped with a message when chromium is missing or cannot start (scripts/deps.sh installs it).
# Set PNY_SCREENSHOTS=DIR to have screenshots of every page at both widths put there.
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

mkdir "$tmp/data"
"$pny" import "$examples/Riverbend.PZS" --folder "$tmp/data" >/dev/null 2>"$tmp/err" \
    || { echo "FAIL: import: $(cat "$tmp/err")"; exit 1; }

out=$("$pny" publish --folder "$tmp/data" --year 1 --league 1 --output "$tmp/site" 2>"$tmp/err") \
    || fail "publish exited $?: $(cat "$tmp/err")"
[[ "$out" == "Published 11 files into $tmp/site" ]] || fail "summary: $out"
for f in index.html schedule.html leaders.html schedule.ics style.css team-1.html team-6.html; do
    [ -s "$tmp/site/$f" ] || fail "missing $f"
done
grep -q 'Riverbend Twilight League' "$tmp/site/index.html" || fail "league name on the front page"

# The same data, the same bytes; a second run leaves the files untouched.
touch -d '2001-01-01' "$tmp/site/index.html"
"$pny" publish --folder "$tmp/data" --year 1 --league 1 --output "$tmp/again" >/dev/null 2>&1 \
    || fail "second publish"
diff -r "$tmp/site" "$tmp/again" >/dev/null || fail "two publishes differ"
"$pny" publish --folder "$tmp/data" --year 1 --league 1 --output "$tmp/site" >/dev/null 2>&1
[ "$(date -r "$tmp/site/index.html" +%Y)" = 2001 ] || fail "an unchanged file was written again"

# The data folder itself, or a folder inside it, is refused and nothing is written there.
before=$(ls "$tmp/data" | md5sum)
"$pny" publish --folder "$tmp/data" --year 1 --league 1 --output "$tmp/data" >/dev/null 2>"$tmp/err"
[ $? -eq 1 ] || fail "publishing into the data folder did not fail with 1"
grep -q 'data folder' "$tmp/err" || fail "refusal message: $(cat "$tmp/err")"
"$pny" publish --folder "$tmp/data" --output "$tmp/data/web" >/dev/null 2>&1 && fail "a folder inside the data folder"
[ "$(ls "$tmp/data" | md5sum)" = "$before" ] || fail "the data folder changed"
"$pny" publish --folder "$tmp/data" >/dev/null 2>&1
[ $? -eq 2 ] || fail "publish without --output is a usage error"

# Every link and the stylesheet resolve to files of the site.
for page in "$tmp"/site/*.html; do
    for target in $(grep -o 'href="[^"#]*' "$page" | sed 's/^href="//'); do
        [ -f "$tmp/site/$target" ] || fail "$(basename "$page") links to missing $target"
    done
done

# The calendar: CR LF everywhere, no line longer than 75 octets, a time zone.
[ "$(tr -cd '\n' <"$tmp/site/schedule.ics" | wc -c)" = "$(grep -c $'\r$' "$tmp/site/schedule.ics")" ] \
    || fail "an ics line without CR LF"
LC_ALL=C awk '{ sub(/\r$/, ""); if (length($0) > 75) bad = 1 } END { exit bad }' "$tmp/site/schedule.ics" \
    || fail "an ics line longer than 75 octets"
grep -q '^BEGIN:VTIMEZONE' "$tmp/site/schedule.ics" || fail "no VTIMEZONE"
[ "$(grep -c '^BEGIN:VEVENT' "$tmp/site/schedule.ics")" = 30 ] || fail "not 30 events"

# The browser.
browser=""
for candidate in chromium chromium-browser google-chrome; do
    command -v "$candidate" >/dev/null && { browser=$candidate; break; }
done
run_browser() {  # width, extra arguments...
    local width=$1
    shift
    timeout 60 "$browser" --headless --no-sandbox --disable-gpu --no-first-run \
        --disable-dev-shm-usage --hide-scrollbars --user-data-dir="$tmp/profile" \
        --window-size="$width,1600" "$@"
}
if [ -z "$browser" ]; then
    echo "SKIP: no chromium to render the pages in (scripts/deps.sh installs it)"
elif ! run_browser 390 --dump-dom "file://$tmp/site/style.css" >/dev/null 2>"$tmp/start.log"; then
    echo "SKIP: $browser cannot start here: $(tail -1 "$tmp/start.log")"
else
    shots=${PNY_SCREENSHOTS:-}
    [ -n "$shots" ] && mkdir -p "$shots"
    # The browser's window is at least 500 pixels wide, so each page is shown in a frame of the
    # width to test. A copy of each page gets one line of script that sends the widths to the
    # frame's holder, which writes them into its title, read back with --dump-dom; the published
    # pages themselves have no script.
    cp -r "$tmp/site" "$tmp/probe"
    probe='<script>window.addEventListener("load",function(){parent.postMessage("W "+document.documentElement.scrollWidth+" "+window.innerWidth,"*");});</script>'
    for page in "$tmp"/site/*.html; do
        name=$(basename "$page" .html)
        sed "s|</body>|$probe</body>|" "$page" >"$tmp/probe/$name.html"
        for width in 390 1280; do
            frame="$tmp/probe/frame-$name-$width.htm"
            printf '%s' "<!DOCTYPE html><html><head><title>none</title><style>body{margin:0}iframe{border:0;display:block}</style></head><body><iframe src=\"$name.html\" width=\"$width\" height=\"1600\"></iframe><script>window.addEventListener(\"message\",function(e){document.title=e.data;});</script></body></html>" >"$frame"
            window=$((width < 500 ? 500 : width))
            dom=$(run_browser "$window" --enable-logging=stderr --v=0 --virtual-time-budget=3000 \
                --dump-dom "file://$frame" 2>"$tmp/console.log")
            read -r scroll inner <<<"$(echo "$dom" | sed -n 's|.*<title>W \([0-9]*\) \([0-9]*\)</title>.*|\1 \2|p')"
            if [ -z "${scroll:-}" ]; then
                fail "$name at $width: the page did not load"
            elif [ "$inner" -ne "$width" ]; then
                fail "$name at $width: the frame is $inner pixels wide"
            elif [ "$scroll" -gt "$inner" ]; then
                fail "$name at $width: the body is $scroll pixels wide in a window of $inner"
            fi
            grep -E 'CONSOLE|Uncaught|Failed to load resource|ERR_FILE_NOT_FOUND|Not allowed to load' \
                "$tmp/console.log" >"$tmp/errors" && fail "$name at $width: $(head -3 "$tmp/errors")"
            if [ -n "$shots" ]; then
                run_browser "$window" --screenshot="$shots/$name-$width.png" "file://$frame" \
                    >/dev/null 2>&1 || fail "$name at $width: no screenshot"
            fi
        done
    done
    echo "Rendered $(ls "$tmp"/site/*.html | wc -l) pages at 390 and 1280 pixels with $browser"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "publish: all checks passed"
