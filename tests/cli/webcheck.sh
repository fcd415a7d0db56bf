#!/bin/bash
# The html pages pny writes, checked by the tools a web developer would use: the standalone
# exports (pny export, leaders and history --format html, the page Export Table saves) and the
# published website. The W3C Nu HTML checker (vnu.jar, run with Java) must report no error, and
# axe-core, run in headless Chromium on each page, no violation. scripts/deps.sh installs the
# tools (npm packages vnu-jar and axe-core into $PNY_WEBTOOLS); each part is skipped with a
# message when its tools are missing.
set -u
pny="$1"
examples="$(cd "$(dirname "$0")/../../examples" && pwd)"
tools="${PNY_WEBTOOLS:-$HOME/.cache/pennantry/webtools}/node_modules"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

mkdir "$tmp/data" "$tmp/pages"
"$pny" import "$examples/Riverbend.PZS" --folder "$tmp/data" >/dev/null 2>"$tmp/err" \
    || { echo "FAIL: import: $(cat "$tmp/err")"; exit 1; }
for tab in Teams Players Hitting Pitching Fielding Schedule; do
    "$pny" export --folder "$tmp/data" --year 1 --league 1 --team 1 --tab "$tab" --format html \
        --output "$tmp/pages/export-$tab.html" 2>"$tmp/err" || fail "export $tab: $(cat "$tmp/err")"
done
"$pny" leaders --folder "$tmp/data" --year 1 --league 1 --format html >"$tmp/pages/leaders.html" \
    2>"$tmp/err" || fail "leaders: $(cat "$tmp/err")"
"$pny" history --folder "$tmp/data" --year 1 --league 1 --format html >"$tmp/pages/history.html" \
    2>"$tmp/err" || fail "history: $(cat "$tmp/err")"
# A league without players: every leader table is empty, and says so.
mkdir "$tmp/empty"
printf 'Y|0||1|||\r\n|2024|Season|1|\r\n' >"$tmp/empty/Baseball.Years"
printf 'L|\r\n|1|Majors||||\r\n' >"$tmp/empty/Y1.Leagues"
"$pny" leaders --folder "$tmp/empty" --format html >"$tmp/pages/leaders-empty.html" 2>"$tmp/err" \
    || fail "leaders of an empty league: $(cat "$tmp/err")"
grep -q '<p class="empty">No batter has an at-bat yet.</p>' "$tmp/pages/leaders-empty.html" \
    || fail "an empty leader table does not say so"
grep -q '<tbody>' "$tmp/pages/leaders-empty.html" && fail "an empty leader table has a table"
"$pny" publish --folder "$tmp/data" --year 1 --league 1 --output "$tmp/site" >/dev/null \
    2>"$tmp/err" || fail "publish: $(cat "$tmp/err")"
pages=("$tmp"/pages/*.html "$tmp"/site/*.html)
[ ${#pages[@]} -ge 17 ] || fail "only ${#pages[@]} pages were written"

# The Nu HTML checker.
if command -v java >/dev/null && [ -f "$tools/vnu-jar/build/dist/vnu.jar" ]; then
    if ! java -jar "$tools/vnu-jar/build/dist/vnu.jar" --errors-only "${pages[@]}" >"$tmp/vnu" 2>&1; then
        fail "the Nu checker found errors:"
        head -40 "$tmp/vnu"
    fi
else
    echo "SKIP: no java or vnu.jar in $tools (scripts/deps.sh installs them): Nu check not run"
fi

# axe-core in headless Chromium: each page with axe added after its content; the violations are
# written into the page, which Chromium prints.
browser=""
for candidate in chromium chromium-browser; do
    command -v "$candidate" >/dev/null && browser=$(command -v "$candidate") && break
done
if [ -n "$browser" ] && [ -f "$tools/axe-core/axe.min.js" ]; then
    cp "$tools/axe-core/axe.min.js" "$tmp/axe.min.js"
    runner='axe.run(document,{resultTypes:["violations"]}).then(function(r){'
    runner+='var p=document.createElement("pre");p.textContent="AXE"+"RESULT:"+JSON.stringify('
    runner+='r.violations.map(function(v){return v.id+" ("+v.impact+") at "+v.nodes.map('
    runner+='function(n){return n.target.join(" ")}).slice(0,3).join(", ")}))+":AXE"+"RESULT";'
    runner+='document.body.appendChild(p);});'
    for page in "${pages[@]}"; do
        probe="$(dirname "$page")/axe-probe.html"
        sed "s|</body>|<script src=\"file://$tmp/axe.min.js\"></script><script>$runner</script></body>|" \
            "$page" >"$probe"
        dom=$(timeout 60 "$browser" --headless --no-sandbox --disable-gpu \
            --disable-background-networking --disable-component-update --disable-sync \
            --no-first-run --user-data-dir="$tmp/profile" --allow-file-access-from-files \
            --window-size=390,800 --virtual-time-budget=20000 --dump-dom "file://$probe" 2>/dev/null)
        rm -f "$probe"
        result=$(printf '%s' "$dom" | grep -o 'AXERESULT:.*:AXERESULT' | sed 's/^AXERESULT://; s/:AXERESULT$//')
        if [ -z "$result" ]; then
            fail "axe did not run on $(basename "$page")"
        elif [ "$result" != "[]" ]; then
            fail "axe on $(basename "$page"): $result"
        fi
    done
else
    echo "SKIP: no chromium or axe-core in $tools (scripts/deps.sh installs them): axe not run"
fi

if ((failures > 0)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "all web checks passed"
