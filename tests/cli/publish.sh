#!/bin/bash
# pny publish on the sample season with two nights in its game log: the files of the site, the
# same bytes twice, links that resolve, the data folder refused; then every page in a real browser
# at two phones' widths and a desktop's, measuring where the cells are: the body never wider than
# the window, every table's name column and main value (the standings' W, L, PCT and GB) in view,
# also with the table scrolled to its end, a leader table's rank, name and value in this order,
# and no console error; then axe-core in the browser and the Nu HTML checker on every page. The
# browser part is skipped with a message when chromium is missing or cannot start, the checkers
# when they are not installed (scripts/deps.sh installs all of them).
# Set PNY_SCREENSHOTS=DIR to have screenshots of the main pages at every width put there.
set -u
pny="$1"
examples="$(cd "$(dirname "$0")/../../examples" && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Where scripts/deps.sh installs axe-core and the Nu HTML checker.
checkers=${PNY_WEBTOOLS:-$HOME/.cache/pennantry/webtools}
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

mkdir "$tmp/data"
"$pny" import "$examples/Riverbend.PZS" --folder "$tmp/data" >/dev/null 2>"$tmp/err" \
    || { echo "FAIL: import: $(cat "$tmp/err")"; exit 1; }

# Two nights: game 16, the Harbor Herons at the Foxglove Fireflies, and game 17.
cat >"$tmp/night16.csv" <<'CSV'
Team,Foxglove Fireflies,Score,5
No,PA,1B,HR,RS,RBI,SO,BB,IP,ER,RA,HA,BSO,Won
11,4,2,1,3,2,1,,7,2,3,5,6,1
42,4,1,,2,2,,1,,,,,,
Team,Harbor Herons,Score,3
No,PA,1B,2B,RS,RBI,IP,3IP,Lost
23,4,1,1,2,1,6,2,1
38,3,,,1,1,,,
CSV
cat >"$tmp/night17.csv" <<'CSV'
Team,Millbrook Mudcats,Score,2
No,PA,1B,SO,RS,RBI,IP,HA,ER,RA,Lost
39,4,1,1,1,,7,6,4,4,1
34,4,2,,1,2,,,,,
Team,Lakeside Lanterns,Score,4
No,PA,1B,HR,RS,RBI,IP,HA,ER,RA,Won,BSO
8,4,2,1,2,3,7,3,2,2,1,5
11,3,1,,2,,,,,,,
CSV
for game in 16 17; do
    "$pny" boxscore "$tmp/night$game.csv" --folder "$tmp/data" --year 1 --league 1 --game $game \
        >/dev/null 2>"$tmp/err" || fail "night of game $game: $(cat "$tmp/err")"
done

out=$("$pny" publish --folder "$tmp/data" --year 1 --league 1 --output "$tmp/site" 2>"$tmp/err") \
    || fail "publish exited $?: $(cat "$tmp/err")"
# 6 teams, 72 players, 2 nights, the front page, schedule, leaders, calendar, feed and style.
[[ "$out" == "Published 86 files into $tmp/site" ]] || fail "summary: $out"
for f in index.html schedule.html leaders.html schedule.ics feed.xml style.css team-1.html \
    team-6.html player-6-1.html night-2.html night-4.html; do
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
    # Each page is shown in a frame of the width to test, all pages of one width in one holder
    # page. A copy of each page gets a script that measures its cells; once every frame has
    # loaded, the holder has each measure itself and lists the reports in its body, which
    # --dump-dom reads back. The published pages themselves have no script.
    cp -r "$tmp/site" "$tmp/probe"
    cat >"$tmp/probe/measure.js" <<'JS'
window.measure = function () {
    var width = window.innerWidth, bad = [];
    function inView(cell, what) {
        var r = cell.getBoundingClientRect();
        if (r.left < -0.5 || r.right > width + 0.5)
            bad.push(what + " at " + Math.round(r.left) + ".." + Math.round(r.right));
    }
    var tables = document.querySelectorAll("table");
    for (var i = 0; i < tables.length; i++) {
        var table = tables[i];
        var caption = table.caption ? table.caption.textContent : "a table without caption";
        if (!table.caption) bad.push(caption);
        var head = table.tHead ? table.tHead.rows[0] : null;
        if (!head) { bad.push(caption + ": no header row"); continue; }
        var byText = {};
        for (var c = 0; c < head.cells.length; c++) byText[head.cells[c].textContent] = head.cells[c];
        var name = head.querySelector("th.name"), key = head.querySelector("th.key");
        var checked = [];  // what stays in view however the table is scrolled
        if (name) checked.push([name, "name"]); else bad.push(caption + ": no name column");
        if (key) checked.push([key, key.textContent]);
        if (/ batting$/.test(caption) && (!key || key.textContent != "AVG"))
            bad.push(caption + ": AVG is not its main value");
        if (caption == "Standings")
            ["W", "L", "PCT", "GB"].forEach(function (h) {
                if (byText[h]) inView(byText[h], caption + " " + h); else bad.push("Standings without " + h);
            });
        if (head.cells[0].textContent == "#") {
            var rank = head.cells[0].getBoundingClientRect(), who = head.cells[1].getBoundingClientRect(),
                value = head.cells[2].getBoundingClientRect();
            if (!(rank.right <= who.left + 0.5 && who.right <= value.left + 0.5 && key == head.cells[2]))
                bad.push(caption + ": not rank, name, value");
        }
        var box = table.parentNode;
        if (box.scrollWidth > box.clientWidth + 1 && getComputedStyle(box).overflowX != "auto")
            bad.push(caption + ": wider than its box and not scrolling");
        [0, box.scrollWidth].forEach(function (left) {
            box.scrollLeft = left;
            checked.forEach(function (x) { inView(x[0], caption + " " + x[1] + " scrolled to " + left); });
        });
        box.scrollLeft = 0;
    }
    return "R " + location.pathname.split("/").pop() + " " +
        document.documentElement.scrollWidth + " " + width + " " + (bad.join("; ") || "ok");
};
JS
    pages=$(cd "$tmp/site" && ls *.html)
    count=$(echo "$pages" | wc -l)
    for page in $pages; do
        sed 's|</body>|<script src="measure.js"></script></body>|' "$tmp/site/$page" >"$tmp/probe/$page"
    done
    for width in 360 390 1280; do
        holder="$tmp/probe/holder-$width.htm"
        {
            printf '%s' '<!DOCTYPE html><html><head><title>none</title><style>iframe{border:0;display:block}</style></head><body>'
            for page in $pages; do
                printf '<iframe src="%s" width="%s" height="900"></iframe>' "$page" "$width"
            done
            printf '%s' '<pre id="out"></pre><script>window.addEventListener("load",function(){var f=document.querySelectorAll("iframe"),t="";for(var i=0;i<f.length;i++)t+=f[i].contentWindow.measure()+"\n";document.getElementById("out").textContent=t;});</script></body></html>'
        } >"$holder"
        window=$((width < 500 ? 500 : width))
        run_browser "$window" --enable-logging=stderr --v=0 --allow-file-access-from-files \
            --dump-dom "file://$holder" >"$tmp/dom" 2>"$tmp/console.log"
        sed 's/<[^>]*>/\n/g' "$tmp/dom" | grep '^R ' >"$tmp/reports"
        [ "$(wc -l <"$tmp/reports")" = "$count" ] \
            || fail "at $width: $(wc -l <"$tmp/reports") of $count pages reported"
        while read -r _ name scroll inner problems; do
            [ "$inner" = "$width" ] || echo "FAIL: $name at $width: the frame is $inner pixels wide"
            [ "$scroll" -le "$inner" ] || echo "FAIL: $name at $width: the body is $scroll pixels wide"
            [ "$problems" = ok ] || echo "FAIL: $name at $width: $problems"
        done <"$tmp/reports" >"$tmp/measured"
        [ -s "$tmp/measured" ] && { head -20 "$tmp/measured"; failures=$((failures + $(wc -l <"$tmp/measured"))); }
        grep -E 'CONSOLE|Uncaught|Failed to load resource|ERR_FILE_NOT_FOUND|Not allowed to load' \
            "$tmp/console.log" >"$tmp/errors" && fail "at $width: $(head -3 "$tmp/errors")"
        if [ -n "$shots" ]; then
            for name in index leaders team-6 player-6-1 night-2; do
                run_browser "$width" --screenshot="$shots/$name-$width.png" "file://$tmp/site/$name.html" \
                    >/dev/null 2>&1 || fail "$name at $width: no screenshot"
            done
        fi
    done
    echo "Measured $count pages at 360, 390 and 1280 pixels with $browser"

    # axe-core on every page at a phone's width: each frame runs it on its page, the holder waits
    # for every result and lists the violations.
    if [ ! -f "$checkers/node_modules/axe-core/axe.min.js" ]; then
        echo "SKIP: axe-core is not installed in $checkers (scripts/deps.sh installs it)"
    else
        cp "$checkers/node_modules/axe-core/axe.min.js" "$tmp/probe/"
        cat >"$tmp/probe/runaxe.js" <<'JS'
axe.run(document, { resultTypes: ["violations"] }).then(function (result) {
    window.axeReport = "A " + location.pathname.split("/").pop() + " " + (result.violations.map(
        function (v) { return v.id + " (" + v.nodes.map(function (n) { return n.target.join(" "); })
            .slice(0, 3).join(", ") + ")"; }).join("; ") || "ok");
}, function (error) { window.axeReport = "A " + location.pathname + " error " + error; });
JS
        for page in $pages; do
            sed 's|</body>|<script src="axe.min.js"></script><script src="runaxe.js"></script></body>|' \
                "$tmp/site/$page" >"$tmp/probe/$page"
        done
        {
            printf '%s' '<!DOCTYPE html><html><head><title>none</title></head><body>'
            for page in $pages; do
                printf '<iframe src="%s" width="390" height="900"></iframe>' "$page"
            done
            printf '%s' '<pre id="out"></pre><script>var timer=setInterval(function(){var f=document.querySelectorAll("iframe"),t="";for(var i=0;i<f.length;i++){var r=f[i].contentWindow.axeReport;if(!r)return;t+=r+"\n";}clearInterval(timer);document.getElementById("out").textContent=t;},200);</script></body></html>'
        } >"$tmp/probe/axe.htm"
        run_browser 500 --allow-file-access-from-files --virtual-time-budget=120000 \
            --dump-dom "file://$tmp/probe/axe.htm" >"$tmp/dom" 2>/dev/null
        sed 's/<[^>]*>/\n/g' "$tmp/dom" | grep '^A ' >"$tmp/reports"
        [ "$(wc -l <"$tmp/reports")" = "$count" ] \
            || fail "axe: $(wc -l <"$tmp/reports") of $count pages reported"
        grep -v ' ok$' "$tmp/reports" | head -10 | while read -r _ name problems; do
            echo "FAIL: axe on $name: $problems"
        done
        failures=$((failures + $(grep -vc ' ok$' "$tmp/reports")))
        echo "axe-core checked $(wc -l <"$tmp/reports") pages"
    fi
fi

# The Nu HTML checker on every page and the stylesheet, with Java.
vnu="$checkers/node_modules/vnu-jar/build/dist/vnu.jar"
if [ ! -f "$vnu" ] || ! command -v java >/dev/null; then
    echo "SKIP: the Nu HTML checker or Java is not installed (scripts/deps.sh installs them)"
else
    java -jar "$vnu" --errors-only --also-check-css "$tmp"/site/*.html "$tmp/site/style.css" \
        >"$tmp/vnu" 2>&1 || fail "Nu HTML checker: $(head -5 "$tmp/vnu")"
    echo "Nu HTML checker checked $(ls "$tmp"/site/*.html | wc -l) pages and the stylesheet"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "publish: all checks passed"
