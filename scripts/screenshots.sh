#!/usr/bin/env bash
# Makes the README's pictures: builds and installs Pennantry into a temporary folder, imports the
# sample season with pny, starts the program on a virtual X display (Xvfb) once for each tab and
# captures its window with ImageMagick's import into docs/*.png. The box score sheet is opened
# with Ctrl+B on a screen of 1280 by 800 and typed into with xdotool, as a user would.
# Usage: scripts/screenshots.sh   (BUILD_DIR=... uses another build tree, default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v import >/dev/null || need+=(imagemagick)
command -v xwininfo >/dev/null || need+=(x11-utils)
command -v xdotool >/dev/null || need+=(xdotool)
if [ ${#need[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${need[@]}"
fi

build="${BUILD_DIR:-build/release}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    bash scripts/deps.sh
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPNY_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target pennantry pny

tmp=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

prog="$tmp/Pennantry"
cmake --install "$build" --prefix "$prog" >/dev/null
"$prog/pny" import "$prog/examples/Riverbend.PZS" --folder "$prog" >/dev/null

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$display" QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

mkdir -p docs
window_named() {  # window_named TEXT: the id of the first window whose title holds TEXT
    local id=""
    for _ in $(seq 100); do
        id=$(xwininfo -root -tree | awk -v text="$1" 'index($0, text) { print $1; exit }')
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "the window \"$1\" did not appear" >&2; exit 1; }
    echo "$id"
}
start() {  # start TAB-INDEX: start the program on that tab
    # The years header keeps the tab and the window size (height, width) between runs.
    awk -v tab="$1" 'BEGIN { FS = OFS = "|" } NR == 1 { $2 = tab; $5 = 420; $6 = 760 } { print }' \
        "$prog/Baseball.Years" > "$tmp/years" && cp "$tmp/years" "$prog/Baseball.Years"
    (cd "$prog" && exec ./pennantry) >/dev/null 2>&1 &
    app_pid=$!
}
shoot() {  # shoot TAB-INDEX NAME: start on that tab, capture the main window
    local tab="$1" name="$2" id=""
    start "$tab"
    id=$(window_named "2025 Riverbend Twilight League")
    sleep 1  # let it finish painting
    import -window "$id" "$tmp/shot.png"
    convert "$tmp/shot.png" -strip -colors 64 "PNG8:$repo/docs/$name.png"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    echo "docs/$name.png"
}
shoot 0 standings
shoot 2 hitting
shoot 4 pitching
shoot 7 schedule

# The box score sheet of the schedule's current game, three lines typed as a scorer types them:
# a batter's counts a digit each, P to the pitching, W, IP 5.2, Enter at a row's end (and the
# next row's pitching), B back to the batting.
start 7
main=$(window_named "2025 Riverbend Twilight League")
sleep 2
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+b
sheet=$(window_named "Box Score")
sleep 1
xdotool windowfocus --sync "$sheet"
for keys in "301 P W 5.2 63214 Return" "B 4121 Return" "31100011 Return"; do
    for key in $keys; do
        case "$key" in
            Tab | Return) xdotool key "$key" ;;
            *) xdotool type --delay 20 "$key" ;;
        esac
    done
done
sleep 1
import -window "$sheet" "$tmp/shot.png"
convert "$tmp/shot.png" -strip -colors 64 "PNG8:$repo/docs/boxscore.png"
echo "docs/boxscore.png"
